#include "catalogue/Errors.h"
#include "catalogue/cvnLib.h"
#include "entry/Conversion.h"
#include "entry/QuickBuilder.h"
#include "tests/support/Faults.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "wizard/Configurator.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace cvn {
namespace {

// The files the program writes at close, with what an earlier run left in them.
const std::pair<const char*, const char*> kEarlier[] = {
    {"Corvane.ini", "[UNITS]\r\ntype=P\r\n"},
    {"corvane38.lom", "[HEADER]\r\nearlier\r\n"},
    {"Data/Parts.hst", "R187PA0125BSG\r\n"},
    {"Data/OldParts.hst", "WS-187-125-CC\r\n"},
};

enum class TFault { ReadOnlyProgramFolder, ReadOnlyDataFolder, FullDisk };

// In the child: the program runs, changes every setting and history, and closes the
// way the program ends: the main window's close, then the dialogs' destruction,
// whose errors the general error handler shows.
void RunAndClose(const test::TTempFolder& folder, TFault fault) {
    const std::string app = folder.Path();
    test::TChildChecks checks;
    std::unique_ptr<test::TFullDisk> disk;
    if (fault == TFault::FullDisk) {
        disk = std::make_unique<test::TFullDisk>(app);
        for (const auto& [name, bytes] : kEarlier) {
            folder.Write(name, bytes);
        }
        disk->Fill();
    } else {
        std::string why;
        const std::string readOnly = fault == TFault::ReadOnlyProgramFolder ? app : app + "Data";
        checks.Expect(test::MakeReadOnly({readOnly}, why), why);
    }
    test::TScriptedPrompts prompts;
    IsImperial = true;
    TConfigurator wizard{prompts};
    wizard.FormCreate(app);
    wizard.mnuMetricClick();
    wizard.OrderLines.Lines.push_back("1|$10.00|Stock|R187PA0125BSG|new line");
    TQuickBuilder builder;
    builder.FormCreate();
    builder.History.Add("R090PA0120ASG");
    TOldPartConverter converter(prompts);
    converter.FormCreate();
    converter.History.Add("WS-90-120");

    const std::size_t before = prompts.Messages.size();
    wizard.FormClose();
    std::vector<std::string> errors;
    for (std::size_t i = before; i < prompts.Messages.size(); ++i) {
        errors.push_back(prompts.Messages[i].Text);
    }
    for (const auto& destroy : {std::function<void()>([&] { builder.FormDestroy(); }),
                                std::function<void()>([&] { converter.FormDestroy(); })}) {
        try {
            destroy();
        } catch (const EFCreateError& e) {
            errors.push_back(e.what());
        }
    }

    // Each file says that it could not be written, the settings first.
    std::vector<std::string> expected;
    if (fault != TFault::ReadOnlyDataFolder) {
        expected.push_back("Cannot create file " + app + "Corvane.ini");
        expected.push_back("Cannot create file " + app + "corvane38.lom");
    }
    if (fault != TFault::ReadOnlyProgramFolder) {
        expected.push_back("Cannot create file " + app + "Data/Parts.hst");
        expected.push_back("Cannot create file " + app + "Data/OldParts.hst");
    }
    checks.Expect(errors == expected,
                  "unexpected messages at close: " + std::to_string(errors.size()) +
                      " instead of " + std::to_string(expected.size()));
    for (const std::string& e : errors) {
        checks.Expect(std::find(expected.begin(), expected.end(), e) != expected.end(),
                      "message: " + e);
    }
    // What could not be written is as the earlier run left it; the rest is written.
    for (const auto& [name, bytes] : kEarlier) {
        const bool inData = std::string(name).rfind("Data/", 0) == 0;
        const bool blocked =
            fault == TFault::FullDisk || (fault == TFault::ReadOnlyDataFolder) == inData;
        if (blocked) {
            checks.ExpectEqual(folder.Read(name), bytes, name);
        } else {
            checks.Expect(folder.Read(name) != bytes, std::string(name) + " was not written");
        }
    }
    checks.Finish();
}

class CloseFaultTest : public ::testing::TestWithParam<TFault> {
protected:
    void SetUp() override {
        Folder.CopySample("Data");
        for (const auto& [name, bytes] : kEarlier) {
            Folder.Write(name, bytes);
        }
        test::HandToChild(Folder.Path());
    }
    void TearDown() override { test::HandToChild(Folder.Path()); }

    test::TTempFolder Folder;
};

TEST_P(CloseFaultTest, EveryFileThatCannotBeWrittenKeepsTheEarlierOneAndIsReported) {
    EXPECT_EXIT(RunAndClose(Folder, GetParam()), ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Faults, CloseFaultTest,
                         ::testing::Values(TFault::ReadOnlyProgramFolder,
                                           TFault::ReadOnlyDataFolder, TFault::FullDisk),
                         [](const auto& p) {
                             switch (p.param) {
                             case TFault::ReadOnlyProgramFolder:
                                 return "ReadOnlyProgramFolder";
                             case TFault::ReadOnlyDataFolder:
                                 return "ReadOnlyDataFolder";
                             default:
                                 return "FullDisk";
                             }
                         });

} // namespace
} // namespace cvn
