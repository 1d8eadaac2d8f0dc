#include "catalogue/FieldTable.h"

#include "catalogue/Errors.h"
#include "catalogue/RunHandler.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/Tables.h"
#include "tests/support/TempFolder.h"
#include "wizard/Configurator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace cvn {
namespace {

using test::TableOf;

// The split table must answer every field exactly as the line reader does, for the
// layouts a table file can have.
TEST(FieldTable, AnswersEveryFieldAsTheLineReaderDoes) {
    const std::string files[] = {
        "a|b|\r\nabc\r\n x |  y \r\na|b",
        "h1|h2\r\n\r\n|\r\n||x||\r\n",
        "one\rtwo|2\nthree|3\r\n\r\n",
        "\t lead|trail \t\x01|\x7f mid dle \r\nlast line without break",
        "only a header",
        "",
        "\r\n\r\n",
        "a|\xb0|\xff\n",
    };
    for (const std::string& bytes : files) {
        const TFieldTable split = TFieldTable::FromText(bytes);
        TTxtTable lines;
        lines.Lines = SplitLines(bytes);
        ASSERT_EQ(split.RowCount(), lines.RowCount()) << bytes;
        for (int r = 0; r < lines.RowCount(); ++r) {
            EXPECT_EQ(split.Line(r), lines.Lines[static_cast<std::size_t>(r)]);
            for (int c = -1; c <= 7; ++c) {
                EXPECT_EQ(split.GetField(r, c), lines.GetField(r, c))
                    << "row " << r << " column " << c << " of " << bytes;
            }
        }
        TFieldTable headless = split;
        headless.DeleteHeader();
        lines.DeleteHeader();
        ASSERT_EQ(headless.RowCount(), lines.RowCount());
        for (int r = 0; r < lines.RowCount(); ++r) {
            EXPECT_EQ(headless.GetField(r, 2), lines.GetField(r, 2));
        }
        // Dropping the header of a copy leaves the original whole.
        EXPECT_EQ(split.RowCount(), static_cast<int>(SplitLines(bytes).size()));
    }
}

// Both kinds of table answer row lookups alike.
TEST(Tables, RowsOutsideTheTableAreAListIndexErrorInBothKinds) {
    const TTxtTable lines = TableOf({"h", "a|b"});
    const TFieldTable split = TFieldTable::FromText("h\r\na|b\r\n");
    for (const int row : {2, -1}) {
        EXPECT_THROW(lines.GetField(row, 1), EListError) << row;
        EXPECT_THROW(split.GetField(row, 1), EListError) << row;
    }
    EXPECT_THROW(split.Line(2), EListError);
    EXPECT_THROW(TFieldTable().GetField(0, 1), EListError);
    TTxtTable t = TableOf({"a"});
    TStrings fields;
    EXPECT_THROW(t.SplitRow(5, fields), EListError);
    EXPECT_THROW(t.SetField(1, 1, "x"), EListError);
    EXPECT_THROW(t.SetField(0, 2, "x"), EListError);
}

TEST(Tables, FindRowTakesTheFirstRowMatchingEveryKeyExactlyInBothKinds) {
    const std::string text = "187|B|first\n187|b|lower\n 187 |B|second\nE|090|S\n";
    const TTxtTable lines = TableOf({"187|B|first", "187|b|lower", " 187 |B|second", "E|090|S"});
    const TFieldTable split = TFieldTable::FromText(text);
    const auto check = [](const auto& t) {
        EXPECT_EQ(FindRow(t, 1, "187"), 0);
        EXPECT_EQ(FindRow(t, 1, "187", 1), 1);
        EXPECT_EQ(FindRow(t, {{1, "187"}, {2, "b"}}), 1);
        EXPECT_EQ(FindRow(t, {{1, "187"}, {3, "second"}}), 2);
        EXPECT_EQ(FindRow(t, {{1, "E"}, {3, "S"}}), 3);
        EXPECT_EQ(FindRow(t, 1, " 187"), -1);
        EXPECT_EQ(FindRow(t, 2, "09"), -1);
    };
    check(lines);
    check(split);
}

class TableReadScopeTest : public ::testing::Test {
protected:
    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    void SetUp() override { Folder.UseAsAppPath(); }
};

TEST_F(TableReadScopeTest, ATableIsReadOncePerScopeAndAfreshInTheNext) {
    Folder.WriteTable("Sizes.tbl", {"Code", "090"});
    {
        const TTableReadScope event;
        EXPECT_EQ(LoadFieldTable("Sizes.tbl", Prompts).GetField(0, 1), "090");
        Folder.WriteTable("Sizes.tbl", {"Code", "187"});
        {
            const TTableReadScope handler;
            EXPECT_EQ(LoadFieldTable("Sizes.tbl", Prompts).GetField(0, 1), "090");
        }
        // The header kept and the header dropped come from the one reading.
        EXPECT_EQ(LoadFieldTableWithHeader("Sizes.tbl", Prompts).GetField(1, 1), "090");
    }
    {
        const TTableReadScope nextEvent;
        EXPECT_EQ(LoadFieldTable("Sizes.tbl", Prompts).GetField(0, 1), "187");
    }
    // Outside any event nothing is kept at all.
    Folder.WriteTable("Sizes.tbl", {"Code", "284"});
    EXPECT_EQ(LoadFieldTable("Sizes.tbl", Prompts).GetField(0, 1), "284");
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(TableReadScopeTest, AMissingTableIsReportedAtEveryLoadAsBefore) {
    const TTableReadScope event;
    EXPECT_EQ(LoadFieldTable("Missing.tbl", Prompts).RowCount(), 0);
    EXPECT_EQ(LoadFieldTable("Missing.tbl", Prompts).RowCount(), 0);
    const std::vector<std::string> errors = Prompts.Texts("error");
    ASSERT_EQ(errors.size(), 2U);
    EXPECT_EQ(errors[0], errors[1]);
    EXPECT_EQ(errors[0].rfind("Error loading \"" + DataPath + "Missing.tbl\"", 0), 0U) << errors[0];
}

TEST(TxtTableRows, SplitJoinAndSetFieldKeepUntrimmedNeighbours) {
    TTxtTable t = TableOf({" a |b||"});
    TStrings fields;
    t.SplitRow(0, fields);
    EXPECT_EQ(fields, (TStrings{" a ", "b", "", ""}));
    t.SetField(0, 3, "new");
    EXPECT_EQ(t.Lines[0], " a |b|new|");
    EXPECT_EQ(t.JoinFields({"1", "", "3"}), "1||3");
    EXPECT_EQ(t.JoinFields({}), "");

    TTxtTable empty = TableOf({""});
    empty.SplitRow(0, fields);
    EXPECT_EQ(fields, TStrings{""});
}

TEST(TxtTableRows, GetColumnReplacesTheTargetAndAssignCopiesSeparatorAndLines) {
    TTxtTable source = TableOf({"1;a", "2;b"});
    source.Separator = ';';
    TTxtTable copy = TableOf({"old"});
    copy.Assign(source);
    TStrings column = {"stale"};
    copy.GetColumn(2, column);
    EXPECT_EQ(column, (TStrings{"a", "b"}));
    copy.DeleteHeader();
    EXPECT_EQ(copy.RowCount(), 1);
    copy.DeleteHeader();
    copy.DeleteHeader();
    EXPECT_EQ(copy.RowCount(), 0);
}

class TxtTableFile : public ::testing::Test {
protected:
    test::TTempFolder folder;
    test::TScriptedPrompts prompts;

    TTxtTable Load(std::string_view bytes) {
        folder.Write("Data/T.tbl", bytes);
        return TTxtTable::CreateFromFile(folder.Path() + "Data/T.tbl", prompts);
    }
};

TEST_F(TxtTableFile, EveryLineEndSplitsRowsAndAFinalBreakAddsNone) {
    EXPECT_EQ(Load("h\r\na\nb\rc\r\n").Lines, (TStrings{"h", "a", "b", "c"}));
    EXPECT_EQ(Load("h\r\nlast").Lines, (TStrings{"h", "last"}));
    EXPECT_EQ(Load("h\n\nx\n").Lines, (TStrings{"h", "", "x"}));
    EXPECT_EQ(Load("\r\r").Lines, (TStrings{"", ""}));
    EXPECT_EQ(Load("").RowCount(), 0);
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST_F(TxtTableFile, BinaryAndHugeLinesLoadWithoutHarm) {
    // Every byte but NUL, which only UTF-16 or binary files hold (refused elsewhere).
    std::string binary;
    for (int i = 1; i < 256; ++i) {
        binary += static_cast<char>(i);
    }
    const TTxtTable b = Load(binary);
    EXPECT_EQ(b.RowCount(), 3);             // breaks at 10 and 13
    EXPECT_EQ(b.GetField(0, 1).size(), 0u); // bytes 1..9 are all trimmed away

    const std::string huge(10 * 1024 * 1024, 'x');
    const TTxtTable h = Load("a|" + huge);
    EXPECT_EQ(h.GetField(0, 2).size(), huge.size());
}

// A table replaced while the program runs, the way an editor or an installer does it
// (a new file renamed over the old one, so a reader holding the old file would still
// see it), counts from the next event on.
TEST(TableFaultTest, ATableReplacedWhileTheProgramRunsCountsFromTheNextEvent) {
    test::TTempFolder folder;
    folder.CopySample("Data");
    test::TScriptedPrompts prompts;
    TConfigurator wizard{prompts};
    IsImperial = true;
    wizard.FormCreate(folder.Path());
    const auto replace = [&](const std::string& name, const std::string& from,
                             const std::string& to) {
        std::string bytes = folder.Read("Data/" + name);
        for (std::size_t at; (at = bytes.find(from)) != std::string::npos;) {
            bytes.replace(at, from.size(), to);
        }
        folder.Write("Data/" + name + ".new", bytes);
        std::filesystem::rename(folder.Path() + "Data/" + name + ".new",
                                folder.Path() + "Data/" + name);
    };
    const auto indexOfSize = [&](const std::string& code) {
        const auto items = wizard.WaveguideItems();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].at(0) == code) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    wizard.cbxProductTypeChange(FamilyType::Straight);
    wizard.cbxWaveguideChange(indexOfSize("187"));
    ASSERT_FALSE(wizard.FrequencyChoices.empty());
    EXPECT_EQ(wizard.FrequencyChoices.front().FreqRange, "3.95-5.85 GHz");

    replace("Frequency.tbl", "187|S|3.95-5.85 GHz", "187|S|3.90-5.90 GHz");
    wizard.cbxWaveguideChange(indexOfSize("187"));
    EXPECT_EQ(wizard.FrequencyChoices.front().FreqRange, "3.90-5.90 GHz");

    // WR-187 straight sections taken out of the VSWR table: the next family change
    // no longer offers the size.
    replace("WGVSWR.tbl", "R|187|", "X|187|");
    wizard.cbxProductTypeChange(FamilyType::Straight);
    EXPECT_EQ(indexOfSize("187"), -1);
    EXPECT_GE(indexOfSize("137"), 0);
    EXPECT_EQ(wizard.WaveguideIndex, -1);
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST(GeneralErrorHandler, ShowsADataErrorOnceAbandoningTheRestAndNothingElse) {
    test::TScriptedPrompts prompts;
    std::vector<int> steps;
    EXPECT_TRUE(RunHandler(prompts, [&] { steps.push_back(0); }));
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_FALSE(RunHandler(prompts, [&] {
        steps.push_back(1);
        throw EConvertError("'x' is not a valid floating point value");
        steps.push_back(2);
    }));
    EXPECT_EQ(steps, (std::vector<int>{0, 1}));
    EXPECT_EQ(prompts.Texts("error"),
              std::vector<std::string>{"'x' is not a valid floating point value"});
    EXPECT_EQ(prompts.Messages.size(), 1u);
}

} // namespace
} // namespace cvn
