#pragma once

#include "cli/Cli.h"

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace cvn::test {

// What one run of corvane38-cli gave.
struct TCliRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

// Runs corvane38-cli in this process; with appDir, on that program folder.
inline TCliRun Cli(std::vector<std::string> args, const std::string& appDir = {},
                   const std::map<std::string, TCliCommand>& extraCommands = {}) {
    if (!appDir.empty()) {
        args.insert(args.begin(), {"--app-dir", appDir});
    }
    std::ostringstream out, err;
    TCliRun run;
    run.Exit = RunCli(args, out, err, extraCommands);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

} // namespace cvn::test
