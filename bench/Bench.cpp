// Benchmarks of what the user waits for, each registered beside its floor: the same
// tables read and split, or the same bytes written, measured in the same run. The
// catalogue is the folder given by --app-dir (Data/ and Images/ inside); files the
// writers produce go there too.
//
//   corvane_bench --app-dir=DIR [Google Benchmark options]
//
// A figure is named KIND/FAMILY/WHAT; its floor is the same name after "floor:".

#include "bench/BenchMain.h"
#include "bench/Floor.h"
#include "bench/TableProbe.h"

#include "catalogue/FieldTable.h"
#include "catalogue/Files.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TxtTable.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"
#include "check/CatalogueCheck.h"
#include "entry/ListQuote.h"
#include "entry/SetupFromPartNumber.h"
#include "orders/OrderExport.h"
#include "orders/PriceAndDelivery.h"
#include "orders/SiteList.h"
#include "wizard/Configurator.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cvn::bench {

namespace {

// Says nothing and answers as a user who goes on would.
class TQuietPrompts : public TUserPrompts {
public:
    int Messages = 0;
    void Information(const std::string&) override { ++Messages; }
    void Error(const std::string&) override { ++Messages; }
    bool YesNo(const std::string&) override { return true; }
    TDialogResult ConfirmTapered(const std::string&) override { return TDialogResult::Continue; }
    TDialogResult ConfirmSwap(const std::string&, const std::string&) override {
        return TDialogResult::Continue;
    }
};

std::string AppDir;

// One family's representative part, as a user would configure it.
struct TFamilyCase {
    const char* Name;
    const char* PartNumber;
};

const TFamilyCase kFamilies[] = {
    {"coax", "C090AASG"},           {"twist", "D090ABSG"},         {"e-bend", "E090PA040B040SG"},
    {"flex-twist", "F090PA0120AS"}, {"h-bend", "H112PA040C040AG"}, {"miter-h", "M090PA040A040SG"},
    {"miter-e", "N187PC080C080AG"}, {"window", "P090WA"},          {"straight", "R187PA0125BSG"},
    {"step-twist", "ST090S"},       {"taper", "T075AAG"},
};

// The families whose every wizard event is measured.
const char* const kEventFamilies[] = {"straight", "e-bend",     "miter-h",
                                      "coax",     "flex-twist", "step-twist"};

const TFamilyCase& Family(const std::string& name) {
    for (const TFamilyCase& f : kFamilies) {
        if (name == f.Name) {
            return f;
        }
    }
    std::abort();
}

// A wizard set up from the part number, as the user leaves it before the next event.
struct TWizard {
    TQuietPrompts Prompts;
    TConfigurator W{Prompts};
    explicit TWizard(const std::string& partNumber) {
        W.FormCreate(AppDir);
        SetupFromPartNumber(W, partNumber, Prompts);
        W.btnNextClick();
    }
};

using TEvent = std::function<void(TConfigurator&)>;

// The events a user can cause on screens 1 and 2 of a family, each repeating the
// choice the set-up made so the state stays the same from one run to the next.
std::vector<std::pair<std::string, TEvent>> EventsOf(int family) {
    using namespace FamilyType;
    std::vector<std::pair<std::string, TEvent>> events;
    const int product = family;
    events.push_back({"product-type", [product](TConfigurator& w) {
                          w.WaveguideIndex = -1; // a fresh choice, nothing to keep
                          w.cbxProductTypeChange(product);
                      }});
    events.push_back(
        {"waveguide", [](TConfigurator& w) { w.cbxWaveguideChange(w.WaveguideIndex); }});
    events.push_back({"flange-a", [](TConfigurator& w) {
                          w.cbxFlangeAChange(w.FlangeAIndex < 0 ? 0 : w.FlangeAIndex);
                      }});
    if (family == Coax) {
        events.push_back({"coax", [](TConfigurator& w) { w.cbxCoaxChange(w.CoaxIndex); }});
    } else {
        events.push_back({"flange-b", [](TConfigurator& w) {
                              w.cbxFlangeBChange(w.FlangeBIndex < 0 ? 0 : w.FlangeBIndex);
                          }});
    }
    if (family == Straight || family == FlexTwist) {
        events.push_back({"length", [](TConfigurator& w) {
                              w.cbxLengthChange(w.Length.ItemIndex, w.Length.Text);
                          }});
    } else if (family == EBend || family == MiterH) {
        events.push_back({"leg-a", [](TConfigurator& w) {
                              w.cbxLegALengthChange(w.LegALength.ItemIndex, w.LegALength.Text);
                          }});
    }
    events.push_back({"units", [](TConfigurator& w) {
                          w.mnuMetricClick();
                          w.mnuImperialClick();
                      }});
    events.push_back(
        {"frequency", [](TConfigurator& w) { w.FrequencyChoiceClick(w.SelectedFrequency); }});
    events.push_back({"create", [](TConfigurator& w) { w.btnCreateClick(); }});
    return events;
}

// Registers the figure and its floor. The tables the action opens are found by running
// it once under the probe, the first time either benchmark runs, so a filtered run
// probes only what it measures.
void Register(const std::string& name, const std::function<void()>& action) {
    auto opened = std::make_shared<std::optional<TOpenedFiles>>();
    const auto probe = [opened, action]() -> const TOpenedFiles& {
        if (!*opened) {
            *opened = FilesOpenedBy(DataPath, action);
        }
        return **opened;
    };
    benchmark::RegisterBenchmark(name.c_str(), [action, probe](benchmark::State& state) {
        const TOpenedFiles& files = probe();
        for (auto _ : state) {
            action();
        }
        state.counters["opens"] = files.Opens;
        state.counters["tables"] = static_cast<double>(files.Paths.size());
    });
    benchmark::RegisterBenchmark(("floor:" + name).c_str(), [probe](benchmark::State& state) {
        const std::vector<std::string> paths = probe().Paths;
        for (auto _ : state) {
            benchmark::DoNotOptimize(ReadAndSplitAll(paths));
        }
    });
}

void RegisterEvents() {
    for (const char* name : kEventFamilies) {
        const TFamilyCase& f = Family(name);
        TQuietPrompts prompts;
        const int family = FamilyTypeOf(f.PartNumber, prompts);
        for (auto& [what, event] : EventsOf(family)) {
            auto wizard = std::make_shared<TWizard>(f.PartNumber);
            Register(std::string("event/") + name + "/" + what,
                     [wizard, event = event] { event(wizard->W); });
        }
    }
}

void RegisterSetupsAndPrices() {
    for (const TFamilyCase& f : kFamilies) {
        const std::string pn = f.PartNumber;
        auto wizard = std::make_shared<TWizard>(pn);
        const auto setup = [wizard, pn] { SetupFromPartNumber(wizard->W, pn, wizard->Prompts); };
        Register(std::string("setup/") + f.Name, setup);

        auto prompts = std::make_shared<TQuietPrompts>();
        const auto price = [prompts, pn] {
            benchmark::DoNotOptimize(PriceAndDeliveryTexts(pn, 3, *prompts));
        };
        Register(std::string("price/") + f.Name, price);
    }
}

void RegisterCheck() {
    const auto check = [] { benchmark::DoNotOptimize(CheckCatalogue()); };
    Register("check/all/catalogue", check);
}

// An order of 10,000 lines of real parts, each part number once.
std::shared_ptr<TTxtTable> LargeOrder() {
    auto order = std::make_shared<TTxtTable>();
    for (int i = 0; i < 10000; ++i) {
        const TFamilyCase& f = kFamilies[static_cast<std::size_t>(i) % std::size(kFamilies)];
        order->Lines.push_back(std::to_string(i % 97 + 1) + "|$1,234.50|4-6 Weeks|" + f.PartNumber +
                               "-" + std::to_string(i) + "|" + f.Name +
                               ", WR-90, Cover, Length: 12.0, Cover, 8.2-12.4 GHz / VSWR: "
                               "1.05:1, Gray");
    }
    return order;
}

void RegisterExports() {
    const auto order = LargeOrder();
    auto prompts = std::make_shared<TQuietPrompts>();
    const std::string out = AppDir + "bench-order";
    std::vector<std::pair<std::string, std::function<std::string()>>> writers;
    for (const TOrderFormat& format : OrderFormats()) {
        const int entry = OrderFormatEntry(format.Name);
        writers.push_back(
            {format.Name, [order, out, entry] { return SaveOrderAs(*order, out, entry); }});
    }
    writers.push_back({"site-list", [order, prompts] {
                           WriteSiteList(*order, *prompts);
                           return AppPath + "corvane38.lom";
                       }});
    for (const auto& [name, write] : writers) {
        benchmark::RegisterBenchmark(("export/order-10000/" + name).c_str(),
                                     [write = write](benchmark::State& state) {
                                         for (auto _ : state) {
                                             benchmark::DoNotOptimize(write());
                                         }
                                     });
        // The same bytes, written by the plainest means.
        benchmark::RegisterBenchmark(("floor:export/order-10000/" + name).c_str(),
                                     [write = write](benchmark::State& state) {
                                         const std::string file = write();
                                         std::string bytes;
                                         std::string error;
                                         ReadWholeFile(file, bytes, error);
                                         for (auto _ : state) {
                                             WriteBytes(file, bytes);
                                         }
                                     });
    }
}

// A customer's list of 1,000 lines: the families' parts and the conversion table's old
// numbers in turn, so that lines are added, replaced and converted, every one quoted.
std::string ThousandLineList() {
    TQuietPrompts prompts;
    const TFieldTable conversions = LoadFieldTable("Conversion.tbl", prompts);
    std::vector<std::string> parts;
    for (const TFamilyCase& f : kFamilies) {
        // A pressure window's number is not one a list can name: it would not be quoted.
        if (FamilyTypeOf(f.PartNumber, prompts) != FamilyType::Unknown) {
            parts.emplace_back(f.PartNumber);
        }
    }
    for (int r = 0; r < conversions.RowCount(); ++r) {
        parts.emplace_back(conversions.GetField(r, 1));
    }
    std::string list = "Qty,Part\r\n";
    for (std::size_t i = 0; i < 1000; ++i) {
        list += std::to_string(i % 50 + 1) + "," + parts[i % parts.size()] + "\r\n";
    }
    return list;
}

void RegisterQuote() {
    const auto lines = std::make_shared<std::vector<TListLine>>(ParseQuoteList(ThousandLineList()));
    auto prompts = std::make_shared<TQuietPrompts>();
    Register("quote/list-1000/lines", [lines, prompts] {
        TTxtTable order;
        benchmark::DoNotOptimize(QuoteList(order, *lines, *prompts));
    });
}

} // namespace

} // namespace cvn::bench

int main(int argc, char** argv) {
    using namespace cvn::bench;
    std::optional<TBenchArgs> args = ReadBenchArgs(argc, argv, "corvane_bench");
    if (!args) {
        return 2;
    }
    AppDir = args->AppDir;
    RegisterEvents();
    RegisterSetupsAndPrices();
    RegisterCheck();
    RegisterExports();
    RegisterQuote();
    return RunBenchmarks(*args);
}
