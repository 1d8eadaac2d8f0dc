// Benchmark of start-up as with an argument (no splash): the six start-up windows
// created and the main window shown and painted, beside its floor: six empty dialogs
// created and the first shown and painted, in the same run. Runs on Qt's offscreen
// platform.
//
//   corvane_startup_bench --app-dir=DIR [Google Benchmark options]

#include "app/ErrorHandler.h"
#include "app/Look.h"
#include "app/Program.h"
#include "app/QtServices.h"
#include "bench/BenchMain.h"
#include "catalogue/Files.h"
#include "catalogue/cvnLib.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QDialog>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace cvn::bench {

namespace {

std::string AppDir;
TQtServices* Desktop = nullptr;

void BM_Startup(benchmark::State& state) {
    for (auto _ : state) {
        TProgramOptions options;
        options.ShowSplash = false;
        options.ProgramFolder = AppDir;
        auto program = std::make_unique<TProgram>(Desktop->Services(), options);
        program->CreateWindows();
        program->MainWindow()->show();
        QApplication::processEvents();
        if (program->Windows().size() != 6 || !program->MainWindow()->isVisible()) {
            state.SkipWithError("the start-up windows are not all there");
            break;
        }
        // Closing runs the windows' clean-up, which is not start-up.
        state.PauseTiming();
        program.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_StartupFloor(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<std::unique_ptr<QDialog>> windows;
        for (int i = 0; i < 6; ++i) {
            windows.push_back(std::make_unique<QDialog>());
        }
        windows.front()->show();
        QApplication::processEvents();
        state.PauseTiming();
        windows.clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

} // namespace cvn::bench

BENCHMARK(cvn::bench::BM_Startup)->Name("startup/main/shown")->Unit(benchmark::kMillisecond);
BENCHMARK(cvn::bench::BM_StartupFloor)
    ->Name("floor:startup/main/shown")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    using namespace cvn::bench;
    std::optional<TBenchArgs> args = ReadBenchArgs(argc, argv, "corvane_startup_bench");
    if (!args) {
        return 2;
    }
    AppDir = args->AppDir;
    int qtArgc = 1;
    cvn::TCorvaneApplication app(qtArgc, argv);
    cvn::SetUpLook(app);
    cvn::TQtServices desktop;
    app.Prompts = &desktop.Prompts;
    Desktop = &desktop;
    return RunBenchmarks(*args);
}
