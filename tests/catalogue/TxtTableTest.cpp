#include "catalogue/TxtTable.h"
#include "catalogue/Errors.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include "tests/support/Tables.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

using test::TableOf;

TEST(TxtTableFields, RowOutsideTheTableIsAProgrammingError) {
    TTxtTable t = TableOf({"a"});
    EXPECT_THROW(t.GetField(1, 1), EListError);
    EXPECT_THROW(t.GetField(-1, 1), EListError);
    TStrings fields;
    EXPECT_THROW(t.SplitRow(5, fields), EListError);
    EXPECT_THROW(t.SetField(1, 1, "x"), EListError);
    EXPECT_THROW(t.SetField(0, 2, "x"), EListError);
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

TEST(TxtTableRows, KeyLookupTakesTheFirstExactCaseSensitiveMatch) {
    const TTxtTable t = TableOf({"187|B|first", "187|b|lower", " 187 |B|second"});
    EXPECT_EQ(FindRow(t, 1, "187"), 0);
    EXPECT_EQ(FindRow(t, 1, "187", 1), 1);
    EXPECT_EQ(FindRow(t, {{1, "187"}, {2, "b"}}), 1);
    EXPECT_EQ(FindRow(t, {{1, "187"}, {3, "second"}}), 2);
    EXPECT_EQ(FindRow(t, 1, " 187"), -1);
    EXPECT_EQ(FindRow(t, 2, "x"), -1);
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

} // namespace
} // namespace cvn
