#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace cvn {

class TUserPrompts;

// What every command gets: its arguments (after the command name), standard output
// and standard error, and the prompts that write messages to standard error.
struct TCliContext {
    std::vector<std::string> Args;
    std::ostream& Out;
    std::ostream& Err;
    TUserPrompts& Prompts;
};

// Exit codes of the command line.
namespace CliExit {
constexpr int Ok = 0;
constexpr int No = 1;    // the command's own negative answer
constexpr int Usage = 2; // bad usage, or a choice that is not offered
} // namespace CliExit

using TCliCommand = std::function<int(TCliContext&)>;

// Runs the command line: argv without the program name. AppPath defaults to the
// folder of the running program. extraCommands are those that need more than the
// core (the PDF printouts need Qt); the program passes them, tests may.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::map<std::string, TCliCommand>& extraCommands = {});

// Writes catalogue text (Windows-1252) to a terminal stream as UTF-8.
void WriteLine(std::ostream& out, const std::string& win1252);

} // namespace cvn
