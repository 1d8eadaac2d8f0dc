#pragma once

#include <string>

namespace cvn {

class TConfigurator;
class TUserPrompts;

// Sets the wizard up from a part number the way a user would: family, units,
// waveguide, flanges or coax, lengths, band and finish, each through its own handler
// so that every list below it is refilled before it is searched. ApplyingPartNumber
// is set meanwhile, so the handlers do not restore earlier choices. Ends on screen 1.
// A part number that is not recognised leaves no family chosen; a field that matches
// nothing leaves its list as the earlier steps left it. Nothing is reported.
void SetupFromPartNumber(TConfigurator& wizard, const std::string& partNumber,
                         TUserPrompts& prompts);

} // namespace cvn
