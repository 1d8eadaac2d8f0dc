#include "catalogue/Encoding.h"
#include "catalogue/FamilyRules.h"
#include "catalogue/PartNumber.h"
#include "catalogue/cvnLib.h"
#include "cli/Cli.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "wizard/Configurator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

namespace cvn {
namespace {

using Texts = std::vector<std::string>;

// The sample catalogue in a program folder of its own, so that anything the command
// might write beside the program would show.
class ConfigureCommand : public ::testing::Test {
protected:
    void SetUp() override { Folder.CopySample("Data"); }

    int Run(std::vector<std::string> args, const std::string& command = "configure") {
        std::ostringstream out, err;
        args.insert(args.begin(), {"--app-dir", Folder.Path(), command});
        const int exit = RunCli(args, out, err);
        Out = out.str();
        Err = err.str();
        return exit;
    }

    // The lines of standard output that start with kind, without it.
    Texts Lines(const std::string& kind) const {
        Texts lines;
        std::istringstream in(Out);
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(kind + "\t", 0) == 0) {
                lines.push_back(line.substr(kind.size() + 1));
            }
        }
        return lines;
    }
    std::string PartNumber() const {
        const Texts lines = Lines("part-number");
        return lines.size() == 1 ? lines[0] : "<" + std::to_string(lines.size()) + " lines>";
    }

    test::TTempFolder Folder;
    std::string Out;
    std::string Err;
};

TEST_F(ConfigureCommand, PrintsThePartNumberItsBandsSheetAndDescription) {
    EXPECT_EQ(Run({"family=8", "waveguide=187", "flangeA=B", "length=12.5", "flangeB=A", "band=S",
                   "finish=G"}),
              0);
    EXPECT_EQ(Err, "");
    // The four kinds of line, in their order, and nothing else.
    std::istringstream in(Out);
    Texts kinds;
    for (std::string line; std::getline(in, line);) {
        const std::string kind = line.substr(0, line.find('\t'));
        if (kinds.empty() || kinds.back() != kind) {
            kinds.push_back(kind);
        }
    }
    EXPECT_EQ(kinds, (Texts{"part-number", "frequency", "spec", "description"}));
    EXPECT_EQ(PartNumber(), "R187PA0125BSG");
    const Texts bands = Lines("frequency");
    ASSERT_FALSE(bands.empty());
    EXPECT_EQ(bands[0].rfind("S\t", 0), 0u);
    EXPECT_EQ(bands[0].substr(bands[0].size() - 2), "\t*");
    const Texts spec = Lines("spec");
    ASSERT_EQ(spec.size(), 8u);
    EXPECT_EQ(spec[0], "R\tProduct Type\tStraight Section");
    EXPECT_EQ(spec[4], "0125\tLength\t12.5");
    EXPECT_EQ(Lines("description").size(), 1u);
    EXPECT_EQ(Lines("description")[0].rfind("Straight Section, ", 0), 0u);

    // The program writes its settings and site list when it closes; this is no close.
    EXPECT_FALSE(Folder.Exists("Corvane.ini"));
    EXPECT_FALSE(Folder.Exists("corvane38.lom"));
}

TEST_F(ConfigureCommand, UnitsComeFromTheSettingsFileAndDescriptionsAreUtf8) {
    Folder.Write("Corvane.ini", "[UNITS]\r\ntype=M\r\n");
    EXPECT_EQ(Run({"family=8", "waveguide=187", "flangeA=A", "flangeB=A"}), 0);
    EXPECT_EQ(PartNumber().substr(0, 5), "R187M");
    EXPECT_EQ(Folder.Read("Corvane.ini"), "[UNITS]\r\ntype=M\r\n");
    EXPECT_EQ(Run({"family=1", "waveguide=090", "flangeA=A", "flangeB=B"}), 0);
    ASSERT_EQ(Lines("description").size(), 1u);
    EXPECT_EQ(Lines("description")[0].rfind("90\xC2\xB0 Twist, WR-90, Cover, Choke, ", 0), 0u);
}

// Finds, for every family and size of the sample catalogue and in both units where
// the family has lengths, choices the window offers; runs configure with them and
// reads the part number back field by field.
struct TChoices {
    std::vector<std::pair<std::string, std::string>> List; // in the order they are made
    std::map<std::string, std::string> Get;                // "" for a choice not made
};

std::string ItemCode(const std::vector<TStrings>& items, bool last) {
    return items.empty() ? std::string() : (last ? items.back() : items.front()).at(0);
}

// The choices for one size, made on a configurator of its own: items from either end
// of each list, so that flanges come in both orders.
TChoices Explore(int family, int size, bool metric, bool last) {
    test::TScriptedPrompts prompts;
    TConfigurator w(prompts);
    w.FormCreate(AppPath);
    TChoices c;
    const auto add = [&](const std::string& key, const std::string& value) {
        c.List.emplace_back(key, value);
        c.Get[key] = value;
    };
    add("units", metric ? "M" : "P");
    metric ? w.mnuMetricClick() : w.mnuImperialClick();
    add("family", std::to_string(family));
    w.cbxProductTypeChange(family);
    add("waveguide", w.WaveguideItems().at(static_cast<std::size_t>(size)).at(0));
    w.cbxWaveguideChange(size);
    if (family != FamilyType::StepTwist) {
        add("flangeA", ItemCode(w.FlangeAItems(), last));
        w.cbxFlangeAChange(last ? static_cast<int>(w.FlangeAItems().size()) - 1 : 0);
    }
    if (family == FamilyType::Coax) {
        add("coax", ItemCode(w.CoaxItems(), !last));
        w.cbxCoaxChange(last ? 0 : static_cast<int>(w.CoaxItems().size()) - 1);
    } else if (family != FamilyType::PressureWindow && family != FamilyType::StepTwist) {
        add("flangeB", ItemCode(w.FlangeBItems(), !last));
    }
    const auto length = [&](const char* key, TLengthBox box, bool end) {
        TLengthList& list = w.LengthList(box);
        const std::string text = end ? list.Items().back() : list.Items().front();
        add(key, text);
        if (box == TLengthBox::Length) {
            w.cbxLengthChange(end ? static_cast<int>(list.Items().size()) - 1 : 0, text);
        }
    };
    if (w.LengthPage == 0) {
        length("length", TLengthBox::Length, !last);
    } else if (w.LengthPage == 2) {
        length("legA", TLengthBox::LegA, last);
        length("legB", TLengthBox::LegB, !last);
    }
    if (!w.FrequencyChoices.empty()) {
        add("band", (last ? w.FrequencyChoices.back() : w.FrequencyChoices.front()).FreqBand);
    }
    if (w.FinishEnabled) {
        add("finish", last ? "N" : "G");
    }
    return c;
}

bool HasLengths(int family) {
    using namespace FamilyType;
    return family == EBend || family == HBend || family == MiterH || family == MiterE ||
           family == FlexTwist || family == Straight;
}

TEST_F(ConfigureCommand, EveryFamilyOfTheSampleComposesWhatWasChosen) {
    Folder.UseAsAppPath();
    test::TScriptedPrompts prompts;
    TConfigurator catalogue(prompts);
    catalogue.FormCreate(Folder.Path());
    const int families = static_cast<int>(catalogue.ProductTypeItems().size());
    ASSERT_EQ(families, FamilyType::Count);

    std::set<std::pair<int, bool>> composed; // family, metric
    for (int family = 0; family < families; ++family) {
        catalogue.cbxProductTypeChange(family);
        const std::vector<TStrings> sizes = catalogue.WaveguideItems();
        ASSERT_FALSE(sizes.empty()) << family;
        const std::string letter = catalogue.FamilyTable.GetField(family, 1);
        for (int size = 0; size < static_cast<int>(sizes.size()); ++size) {
            const std::string code = sizes[static_cast<std::size_t>(size)][0];
            if (IsSpecialQuote(code, family)) {
                continue;
            }
            for (const bool metric : {false, true}) {
                if (metric && !HasLengths(family)) {
                    continue;
                }
                const bool last = (size + (metric ? 1 : 0)) % 2 == 1;
                TChoices c = Explore(family, size, metric, last);
                std::vector<std::string> args;
                for (const auto& [key, value] : c.List) {
                    args.push_back(key + "=" + value);
                }
                SCOPED_TRACE(::testing::PrintToString(args));
                ASSERT_EQ(Run(args), 0) << Err;
                const std::string p = PartNumber();
                ASSERT_FALSE(p.empty()) << Err;
                composed.emplace(family, metric);

                if (family == FamilyType::PressureWindow) {
                    EXPECT_EQ(p.substr(1, 3), code);
                    continue;
                }
                if (family == FamilyType::StepTwist) {
                    EXPECT_EQ(FamilyTypeOf(p, prompts), FamilyType::StepTwist);
                    EXPECT_EQ(PartField(p, family, PartFieldNo::BeforeLast), code);
                    continue;
                }
                EXPECT_EQ(FamilyTypeOf(p, prompts), family);
                const auto field = [&](int n) { return PartField(p, family, n); };
                EXPECT_EQ(field(PartFieldNo::Letter), letter);
                EXPECT_EQ(field(PartFieldNo::Waveguide), code);
                std::string a = c.Get["flangeA"];
                std::string b = family == FamilyType::Coax ? c.Get["coax"] : c.Get["flangeB"];
                using namespace FamilyType;
                if ((family == EBend || family == HBend || family == FlexTwist ||
                     family == Straight) &&
                    a > b) {
                    std::swap(a, b);
                }
                EXPECT_EQ(field(PartFieldNo::FlangeA), a);
                EXPECT_EQ(field(PartFieldNo::FlangeB), b);
                EXPECT_EQ(field(PartFieldNo::Band), family == Tapered ? "" : c.Get["band"]);
                // The coax transition's finish is preset to Gray and cannot be changed.
                const std::string finish = family == Coax ? "G" : c.Get["finish"];
                EXPECT_EQ(field(PartFieldNo::Finish), family == FlexTwist ? "" : finish);
                if (HasLengths(family)) {
                    EXPECT_EQ(field(PartFieldNo::Unit), metric ? "M" : "P");
                } else {
                    EXPECT_EQ(p.size(), family == Tapered ? 7u : 8u);
                }
                // Length codes: tenths of an inch or whole millimetres.
                const auto length = [&](int n) { return ParseDecimal(field(n), !metric); };
                if (family == FlexTwist || family == Straight) {
                    EXPECT_EQ(length(PartFieldNo::Length), StrToFloat(c.Get["length"]));
                    EXPECT_EQ(p.size(), family == Straight ? 13u : 12u);
                } else if (HasLengths(family)) {
                    EXPECT_EQ(length(PartFieldNo::Length), StrToFloat(c.Get["legA"]));
                    EXPECT_EQ(length(PartFieldNo::LegB), StrToFloat(c.Get["legB"]));
                    EXPECT_EQ(p.size(), 15u);
                }
            }
        }
    }
    EXPECT_EQ(composed.size(), 11u + 6u); // every family, and in millimetres too with lengths
}

TEST_F(ConfigureCommand, AChoiceTheWindowDoesNotOfferEndsTheSession) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"family=11"}, "family=11"},
        {{"units=I"}, "units=I"},
        {{"family=8", "flangeA=A"}, "flangeA=A"},                  // no size yet
        {{"family=0", "waveguide=090", "flangeB=A"}, "flangeB=A"}, // behind the coax list
        {{"family=7", "waveguide=090", "flangeB=A"}, "flangeB=A"},
        {{"family=3", "waveguide=187", "length=13.0"}, "length=13.0"}, // pick only
        {{"family=8", "waveguide=187", "adaptor=1", "length=24.0"}, "length=24.0"},
        {{"family=2", "waveguide=187", "adaptor=1"}, "adaptor=1"},
        {{"family=8", "waveguide=187", "band=Z"}, "band=Z"},
        {{"family=9", "waveguide=187", "finish=G"}, "finish=G"},
    };
    for (const auto& [args, refused] : cases) {
        EXPECT_EQ(Run(args), 2) << refused;
        EXPECT_EQ(Out, "") << refused;
        EXPECT_EQ(Err.substr(Err.rfind("not offered")), "not offered: " + refused + "\n");
    }
}

TEST_F(ConfigureCommand, BadUsageIsRefusedBeforeAnythingRuns) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"colour=red"},
                                                 {"family"},
                                                 {"--answer"},
                                                 {"--answer", "yes"},
                                                 {"family=8", "--answer"}}) {
        EXPECT_EQ(Run(args), 2);
        EXPECT_EQ(Out, "");
        EXPECT_NE(Err.find("usage: corvane38-cli configure"), std::string::npos);
    }
}

// Confirmations are answered by --answer (default continue); the tapered dialog has
// no Swap button, so that answer goes on as configured there.
TEST_F(ConfigureCommand, ConfirmationsAreAnsweredAsAsked) {
    const std::vector<std::string> miter = {"family=5",  "waveguide=187", "flangeA=C",
                                            "flangeB=A", "legA=8.0",      "legB=6.0"};
    const std::vector<std::string> tapered = {"family=10", "waveguide=090", "flangeA=A",
                                              "flangeB=C"};
    const std::string confirm =
        "confirm: The flange and corresponding length of each leg are different. Please verify "
        "your configuration.\\rThe shorter leg (6.0 in.) has a Cover flange\\rThe longer leg "
        "(8.0 in.) has a CPR-G flange\\rIf the configuration is correct as is, press the Continue "
        "button. To have the program swap the flanges automatically, press the Swap button. Press "
        "the Cancel button to return to the main selection screen.\n";
    const struct {
        const std::vector<std::string>* Choices;
        const char* Answer;
        const char* Part;
    } cases[] = {
        {&miter, nullptr, "M187PC080A060SG"}, {&miter, "continue", "M187PC080A060SG"},
        {&miter, "swap", "M187PA080C060SG"},  {&miter, "cancel", ""},
        {&tapered, "swap", "T090ACG"},        {&tapered, "cancel", ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = *c.Choices;
        if (c.Answer) {
            args.insert(args.begin(), {"--answer", c.Answer});
        }
        EXPECT_EQ(Run(args), 0);
        if (c.Choices == &miter) {
            EXPECT_EQ(Err, confirm);
        } else {
            EXPECT_EQ(Err.rfind("confirm: The waveguide size is different on each end", 0), 0u);
        }
        EXPECT_EQ(PartNumber(), c.Part) << (c.Answer ? c.Answer : "default");
    }
}

TEST_F(ConfigureCommand, RefusalsExitZeroAndDataErrorsExitOneBothPrintingTheState) {
    // Next refuses: nothing composed.
    EXPECT_EQ(Run({"family=8", "waveguide=187"}), 0);
    EXPECT_EQ(Err, "information: Please fill all options to continue.\n");
    EXPECT_EQ(PartNumber(), "");
    EXPECT_EQ(Lines("spec").size(), 6u);

    // A data error abandons that action only, as in the program; the catalogue's
    // fault makes the exit status 1.
    Folder.WriteTable("FlexVSWR.tbl", {"WG|Band|To|VSWR", "187|S|twelve|1.10"});
    EXPECT_EQ(Run({"family=3", "waveguide=187", "flangeA=A", "flangeB=A"}), 1);
    EXPECT_EQ(Err.rfind("error: 'twelve' is not a valid floating point value\n", 0), 0u);
    EXPECT_EQ(Lines("description").size(), 1u);
}

// setup PART: the wizard set up from a part number, printed as configure prints it.
TEST_F(ConfigureCommand, SetupPrintsWhatConfigureGivesForTheSameChoices) {
    ASSERT_EQ(Run({"family=8", "waveguide=187", "flangeA=A", "length=12.5", "flangeB=B", "band=S",
                   "finish=G"}),
              0);
    const std::string configured = Out;
    ASSERT_NE(configured.find("part-number\tR187PA0125BSG\n"), std::string::npos) << configured;
    EXPECT_EQ(Run({"R187PA0125BSG"}, "setup"), 0);
    EXPECT_EQ(Out, configured);
    EXPECT_EQ(Err, "");
}

TEST_F(ConfigureCommand, SetupTakesThePartNumberTrimmedAndUpperCasedAndWritesNoHistory) {
    EXPECT_EQ(Run({"  e090pa040b040sg\t"}, "setup"), 0);
    EXPECT_EQ(Out.substr(0, Out.find('\n')), "part-number\tE090PA040B040SG");
    EXPECT_NE(Out.find("spec\t040\tLength A\t4.0\n"), std::string::npos) << Out;
    EXPECT_FALSE(Folder.Exists("Data/Parts.hst"));
    EXPECT_FALSE(Folder.Exists("Corvane.ini"));
}

TEST_F(ConfigureCommand, SetupOfAnUnrecognisedPartNumberStopsAtNext) {
    EXPECT_EQ(Run({"ZZZ123"}, "setup"), 0);
    // Nothing is chosen but the finish, which the window starts with.
    EXPECT_EQ(Out, "part-number\t\nspec\tG\tFinish\tGray\ndescription\t, , , Gray\n");
    EXPECT_EQ(Err, "information: Please fill all options to continue.\n");
    EXPECT_EQ(Run({}, "setup"), 2);
}

} // namespace
} // namespace cvn
