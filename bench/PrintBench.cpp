// Benchmarks of the printouts through the page printer onto the Qt painter surface:
// the spec page and a 1,000-line order, each onto images and into a PDF. Each figure's
// floor is the same number of pages of plain text, one line per printed row, drawn with
// QPainter onto the same kind of device in the same run. Needs a Gui platform; the
// script runs it offscreen.
//
//   corvane_print_bench --app-dir=DIR [Google Benchmark options]

#include "bench/BenchMain.h"
#include "catalogue/Files.h"
#include "catalogue/TxtTable.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"
#include "entry/SetupFromPartNumber.h"
#include "printing/QtPrintPages.h"
#include "printing/SpecPreview.h"
#include "printing/Specs.h"
#include "wizard/Configurator.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace cvn::bench {

namespace {

class TQuietPrompts : public TUserPrompts {
public:
    void Information(const std::string&) override {}
    void Error(const std::string&) override {}
    bool YesNo(const std::string&) override { return true; }
    TDialogResult ConfirmTapered(const std::string&) override { return TDialogResult::Continue; }
    TDialogResult ConfirmSwap(const std::string&, const std::string&) override {
        return TDialogResult::Continue;
    }
};

std::string AppDir;

// The preview's page: 850 x 1100 layout units at one pixel each.
constexpr int PageWidth = 850;
constexpr int PageHeight = 1100;

const char* const kParts[] = {"C090AASG",        "D090ABSG",        "E090PA040B040SG",
                              "F090PA0120AS",    "H112PA040C040AG", "M090PA040A040SG",
                              "N187PC080C080AG", "R187PA0125BSG",   "T075AAG"};

// An order of 1,000 lines of real parts with long descriptions, as the wizard adds them.
TTxtTable Order() {
    TTxtTable order;
    for (int i = 0; i < 1000; ++i) {
        const char* part = kParts[static_cast<std::size_t>(i) % std::size(kParts)];
        order.Lines.push_back(std::to_string(i % 97 + 1) + "|$1,234.50|4-6 Weeks|" + part +
                              "|Rigid waveguide assembly, WR-90, Cover, Length: 12.0, Cover, "
                              "8.2-12.4 GHz / VSWR: 1.05:1, Gray");
    }
    return order;
}

// The plainest printout of the same rows: every line's text, split evenly over the pages
// the printout took, drawn in one font with one call per line.
void DrawPlainPages(QPainter& painter, const std::vector<std::string>& lines, int pages,
                    const std::function<void()>& newPage) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(painter.device()->height() / 80);
    painter.setFont(font);
    const std::size_t perPage = (lines.size() + static_cast<std::size_t>(pages) - 1) /
                                static_cast<std::size_t>(pages < 1 ? 1 : pages);
    const int step = painter.device()->height() / static_cast<int>(perPage + 2);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            newPage();
        }
        for (std::size_t row = 0; row < perPage; ++row) {
            const std::size_t i = static_cast<std::size_t>(page) * perPage + row;
            if (i >= lines.size()) {
                break;
            }
            painter.drawText(
                10, step * static_cast<int>(row + 1),
                QString::fromLatin1(lines[i].data(), static_cast<int>(lines[i].size())));
        }
    }
}

QImage Blank(int width = PageWidth, int height = PageHeight) {
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

std::vector<QImage> PlainImages(const std::vector<std::string>& lines, int pages,
                                int width = PageWidth, int height = PageHeight) {
    std::vector<QImage> images{Blank(width, height)};
    QPainter painter(&images.back());
    DrawPlainPages(painter, lines, pages, [&] {
        painter.end();
        images.push_back(Blank(width, height));
        painter.begin(&images.back());
    });
    painter.end();
    return images;
}

// A letter-size PDF in memory set up as the printouts' writer, then written to file.
void PlainPdf(const std::string& file, const std::vector<std::string>& lines, int pages) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        QPainter painter(&writer);
        DrawPlainPages(painter, lines, pages, [&] { writer.newPage(); });
    }
    WriteFileAtomic(file, std::string_view(bytes.data().constData(),
                                           static_cast<std::size_t>(bytes.data().size())));
}

void Register(const std::string& name, const std::function<void()>& figure,
              const std::function<void()>& floor) {
    benchmark::RegisterBenchmark(name.c_str(), [figure](benchmark::State& state) {
        for (auto _ : state) {
            figure();
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("floor:" + name).c_str(), [floor](benchmark::State& state) {
        for (auto _ : state) {
            floor();
        }
    })->Unit(benchmark::kMillisecond);
}

void RegisterPrintouts() {
    // The spec page of a straight section, as View Specs shows it after Create.
    static TQuietPrompts prompts;
    static TConfigurator wizard(prompts);
    wizard.FormCreate(AppDir);
    SetupFromPartNumber(wizard, "R187PA0125BSG", prompts);
    wizard.btnNextClick();
    wizard.btnCreateClick();
    if (!wizard.ViewSpecsEnabled) {
        std::fprintf(stderr, "the straight section offers no spec page\n");
        std::exit(1);
    }
    static const TSpecs specs = SpecsOf(wizard);
    static TTxtTable specRows;
    FillSpecRows(wizard.SpecGrid, specRows);
    static const TTxtTable order = Order();
    static const std::string specsPdf = AppDir + "bench-specs.pdf";
    static const std::string orderPdf = AppDir + "bench-order.pdf";
    const int orderPages = static_cast<int>(RenderOrderImages(PageWidth, PageHeight, order).size());

    Register(
        "print/specs/image",
        [] { benchmark::DoNotOptimize(RenderSpecsImage(PageWidth, PageHeight, specs, specRows)); },
        [] { benchmark::DoNotOptimize(PlainImages(specRows.Lines, 1)); });
    Register(
        "print/specs/pdf", [] { WriteSpecsPdf(specsPdf, specs, specRows); },
        [] { PlainPdf(specsPdf, specRows.Lines, 1); });
    Register(
        "print/order-1000/image",
        [] { benchmark::DoNotOptimize(RenderOrderImages(PageWidth, PageHeight, order)); },
        [orderPages] { benchmark::DoNotOptimize(PlainImages(order.Lines, orderPages)); });
    Register(
        "print/order-1000/pdf", [] { WriteOrderPdf(orderPdf, order); },
        [orderPages] { PlainPdf(orderPdf, order.Lines, orderPages); });

    // The preview window's page at the largest zoom: the page drawn at the zoomed size
    // and turned into the pixmap the window shows. The floor turns plain text drawn on
    // an image of that size into a pixmap the same way.
    static TSpecPreview preview;
    preview.ViewSpecs(wizard);
    preview.cbxPercentChange(ZoomSteps - 1);
    if (ZoomPercent(preview.PercentIndex) != 110) {
        std::fprintf(stderr, "the largest zoom is not 110 %%\n");
        std::exit(1);
    }
    Register(
        "preview/specs/110%",
        [] {
            benchmark::DoNotOptimize(QPixmap::fromImage(RenderSpecsImage(
                preview.PageWidth(), preview.PageHeight(), preview.Specs, preview.SpecRows)));
        },
        [] {
            benchmark::DoNotOptimize(QPixmap::fromImage(PlainImages(
                preview.SpecRows.Lines, 1, preview.PageWidth(), preview.PageHeight())[0]));
        });
}

} // namespace

} // namespace cvn::bench

int main(int argc, char** argv) {
    using namespace cvn::bench;
    std::optional<TBenchArgs> args = ReadBenchArgs(argc, argv, "corvane_print_bench");
    if (!args) {
        return 2;
    }
    AppDir = args->AppDir;
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    RegisterPrintouts();
    return RunBenchmarks(*args);
}
