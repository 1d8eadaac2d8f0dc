#include "catalogue/TxtTable.h"
#include "tests/support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace cvn::test {
namespace {

// Every size of the sample catalogue has its US military designation ("RG-nnn/U") and
// its British and IEC names: none is left as "N/A".
TEST(SampleCatalogue, EverySizeHasItsDesignations) {
    TScriptedPrompts prompts;
    TTxtTable sizes =
        TTxtTable::CreateFromFile(std::string(CORVANE_SAMPLE_APP_DIR) + "Data/WGSize.tbl", prompts);
    sizes.DeleteHeader();
    ASSERT_GT(sizes.RowCount(), 10);
    const std::regex military("RG-[0-9]+/U");
    for (int r = 0; r < sizes.RowCount(); ++r) {
        SCOPED_TRACE(std::string(sizes.GetField(r, 2)));
        EXPECT_TRUE(std::regex_match(std::string(sizes.GetField(r, 4)), military));
        for (const int column : {5, 6}) {
            EXPECT_NE(std::string(sizes.GetField(r, column)), "N/A");
            EXPECT_FALSE(std::string(sizes.GetField(r, column)).empty());
        }
    }
    // The four sizes that were once without: the copper-alloy tubes' designations.
    const std::pair<const char*, const char*> filled[] = {
        {"051", "RG-352/U"}, {"075", "RG-346/U"}, {"159", "RG-343/U"}, {"229", "RG-340/U"}};
    for (const auto& [code, designation] : filled) {
        const int row = FindRow(sizes, 1, code);
        ASSERT_GE(row, 0) << code;
        EXPECT_EQ(std::string(sizes.GetField(row, 4)), designation);
    }
}

} // namespace
} // namespace cvn::test
