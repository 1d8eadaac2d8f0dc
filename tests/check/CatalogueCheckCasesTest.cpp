#include "check/CatalogueCheck.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace cvn {
namespace {

namespace fs = std::filesystem;

// Each folder under check/cases is one catalogue: the sample catalogue with the
// folder's Data/ and Images/ files laid over it and the files named in remove.txt
// taken away. expected.txt holds the problems the check must report, in order.
const fs::path kCases = fs::path(CORVANE_TEST_DATA_DIR) / "check" / "cases";

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCases)) {
        if (entry.is_directory()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ReadLines(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

class CatalogueCheckCase : public ::testing::TestWithParam<std::string> {};

TEST_P(CatalogueCheckCase, ReportsExactlyTheExpectedProblems) {
    const fs::path dir = kCases / GetParam();
    test::TTempFolder folder;
    const auto options = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
    fs::copy(CORVANE_SAMPLE_APP_DIR, folder.Path(), options);
    for (const char* sub : {"Data", "Images"}) {
        if (fs::exists(dir / sub)) {
            fs::copy(dir / sub, fs::path(folder.Path()) / sub, options);
        }
    }
    if (fs::exists(dir / "remove.txt")) {
        for (const std::string& relative : ReadLines(dir / "remove.txt")) {
            ASSERT_TRUE(fs::remove(fs::path(folder.Path()) / relative)) << relative;
        }
    }
    folder.UseAsAppPath();
    std::vector<std::string> actual;
    for (const TCatalogueProblem& p : CheckCatalogue()) {
        actual.push_back(p.File + ":" + std::to_string(p.Row) + ": " + p.Problem);
    }
    EXPECT_EQ(actual, ReadLines(dir / "expected.txt"));
}

INSTANTIATE_TEST_SUITE_P(Cases, CatalogueCheckCase, ::testing::ValuesIn(CaseNames()),
                         [](const auto& test) {
                             std::string name = test.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace cvn
