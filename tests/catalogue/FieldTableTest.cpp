#include "catalogue/FieldTable.h"

#include "catalogue/Errors.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace cvn {
namespace {

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

TEST(FieldTable, RowsOutsideTheTableAreAListIndexError) {
    const TFieldTable t = TFieldTable::FromText("h\r\na|b\r\n");
    EXPECT_THROW(t.GetField(2, 1), EListError);
    EXPECT_THROW(t.GetField(-1, 1), EListError);
    EXPECT_THROW(t.Line(2), EListError);
    EXPECT_THROW(TFieldTable().GetField(0, 1), EListError);
}

TEST(FieldTable, FindRowTakesTheFirstRowMatchingEveryKey) {
    const TFieldTable t = TFieldTable::FromText("R|187|S\nR|090|A\nR|090|S\nE|090|S\n");
    EXPECT_EQ(FindRow(t, 2, "090"), 1);
    EXPECT_EQ(FindRow(t, 2, "090", 2), 2);
    EXPECT_EQ(FindRow(t, {{2, "090"}, {3, "S"}}), 2);
    EXPECT_EQ(FindRow(t, {{1, "E"}, {3, "S"}}), 3);
    EXPECT_EQ(FindRow(t, 2, "09"), -1);
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

} // namespace
} // namespace cvn
