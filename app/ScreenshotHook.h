#pragma once

namespace cvn {

class TProgram;

// With CORVANE38_SCREENSHOT set to a PNG file name, the program saves a picture of
// its main window there once the window has been on screen for a moment, then closes
// it as the user would. Meant for machines without a display, where nobody could
// close it; should the window never settle (a message box waiting for an answer), the
// whole screen is saved after 30 seconds and the program ends with exit code 3.
void ArmScreenshotHook(TProgram& program);

} // namespace cvn
