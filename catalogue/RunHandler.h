#pragma once

#include <functional>

namespace cvn {

class TUserPrompts;

// The general error handler: an operation that fails with an exception (a table
// holding text where a number belongs, a file that cannot be written) is abandoned,
// its message is shown as an error and the session goes on. The windows and the
// command line run every user event through it. False when the handler failed.
bool RunHandler(TUserPrompts& prompts, const std::function<void()>& handler);

} // namespace cvn
