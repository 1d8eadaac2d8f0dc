#include "bench/BenchMain.h"

#include "catalogue/Files.h"
#include "catalogue/cvnLib.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace cvn::bench {

std::optional<TBenchArgs> ReadBenchArgs(int argc, char** argv, const char* program) {
    TBenchArgs args;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--app-dir=", 10) == 0) {
            args.AppDir = WithTrailingSlash(argv[i] + 10);
        } else {
            args.Rest.push_back(argv[i]);
        }
    }
    if (args.AppDir.empty()) {
        std::fprintf(stderr, "usage: %s --app-dir=DIR [benchmark options]\n", program);
        return std::nullopt;
    }
    SetAppPath(args.AppDir);
    return args;
}

int RunBenchmarks(TBenchArgs& args) {
    int count = static_cast<int>(args.Rest.size());
    benchmark::Initialize(&count, args.Rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace cvn::bench
