#pragma once

class QApplication;

namespace cvn {

// The program's look on every desktop: Fusion, lists that drop below their box, the
// fonts it needs.
void SetUpLook(QApplication& app);

} // namespace cvn
