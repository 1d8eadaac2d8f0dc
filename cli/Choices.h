#pragma once

#include "catalogue/UserPrompts.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace cvn {

class TConfigurator;

// The user's actions in the main window as configure and order take them.
struct TChoices {
    TDialogResult Answer = TDialogResult::Continue;         // --answer
    std::vector<std::string> Operands;                      // the command's own arguments, first
    std::vector<std::pair<std::string, std::string>> Items; // KEY=VALUE, in order
};

// Splits args into --answer (anywhere), operandCount operands and then the choices.
// False on bad usage (an unknown choice is named on err).
bool ParseChoices(const std::vector<std::string>& args, std::size_t operandCount, TChoices& parsed,
                  std::ostream& err);

// Applies the choices in order as the user's actions; at the first one the window
// does not offer writes "not offered: KEY=VALUE" to err and returns false.
bool ApplyChoices(TConfigurator& wizard, TUserPrompts& prompts, const TChoices& choices,
                  std::ostream& err);

} // namespace cvn
