#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cvn::bench {

// A benchmark program's command line: --app-dir=DIR, the program folder whose catalogue
// is measured, and the rest for Google Benchmark (--benchmark_filter=... and the like).
struct TBenchArgs {
    std::string AppDir; // with a trailing "/"
    std::vector<char*> Rest;
};

// Reads the command line and makes DIR the program folder. Without --app-dir, prints
// the usage of `program` and returns nothing.
std::optional<TBenchArgs> ReadBenchArgs(int argc, char** argv, const char* program);

// Runs the registered benchmarks that args.Rest chooses; main's exit status.
int RunBenchmarks(TBenchArgs& args);

} // namespace cvn::bench
