#include "catalogue/TxtTable.h"
#include "cli/Commands.h"
#include "tests/support/Cli.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace cvn {
namespace {

namespace fs = std::filesystem;

// Each folder under cli/cases is one run of corvane38-cli on a copy of the sample
// program folder with the case's app/ laid over it and the files named in
// remove taken away. args: one argument per line, after "--app-dir <folder>"; {dir} is
// the program folder. exit: the status. out, err: all that is printed (no file: nothing),
// with the program folder shown as {dir}. written/: files the folder must then hold,
// byte for byte; absent: files it must not. With CORVANE_BLESS_CLI_CASES=1 the run
// writes exit, out, err and written/ from what it got, to be read over before a commit.
const fs::path kCases = fs::path(CORVANE_TEST_DATA_DIR) / "cli" / "cases";

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCases)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::vector<std::string> Lines(const fs::path& file) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(file));
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

class CliCase : public ::testing::TestWithParam<std::string> {};

TEST_P(CliCase, PrintsAndWritesExactlyWhatTheCaseExpects) {
    const fs::path dir = kCases / GetParam();
    test::TTempFolder folder;
    folder.CopySample("Data");
    folder.CopySample("Images");
    const std::string root = folder.Path().substr(0, folder.Path().size() - 1);
    if (fs::exists(dir / "app")) {
        fs::copy(dir / "app", root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    for (const std::string& relative : Lines(dir / "remove")) {
        ASSERT_TRUE(fs::remove(fs::path(root) / relative)) << relative;
    }
    std::vector<std::string> args;
    for (const std::string& arg : Lines(dir / "args")) {
        args.push_back(Replaced(arg, "{dir}", root));
    }
    const test::TCliRun run = test::Cli(args, root);
    const std::string out = Replaced(run.Out, root, "{dir}");
    const std::string err = Replaced(run.Err, root, "{dir}");
    const bool bless = std::getenv("CORVANE_BLESS_CLI_CASES") != nullptr;
    if (bless) {
        WriteFile(dir / "exit", std::to_string(run.Exit) + "\n");
        for (const auto& [name, text] : {std::pair{"out", out}, {"err", err}}) {
            if (!text.empty()) {
                WriteFile(dir / name, text);
            }
        }
    }
    EXPECT_EQ(std::to_string(run.Exit) + "\n", ReadFile(dir / "exit")) << run.Err;
    EXPECT_EQ(out, ReadFile(dir / "out"));
    EXPECT_EQ(err, ReadFile(dir / "err"));
    if (fs::exists(dir / "written")) {
        for (const auto& file : fs::recursive_directory_iterator(dir / "written")) {
            if (file.is_regular_file()) {
                const fs::path relative = fs::relative(file.path(), dir / "written");
                if (bless) {
                    WriteFile(file.path(), folder.Read(relative.string()));
                }
                EXPECT_EQ(folder.Read(relative.string()), ReadFile(file.path())) << relative;
            }
        }
    }
    for (const std::string& relative : Lines(dir / "absent")) {
        EXPECT_FALSE(folder.Exists(relative)) << relative;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliCase, ::testing::ValuesIn(CaseNames()), [](const auto& test) {
    std::string name = test.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

// The program hands quote its PDF writer; the order it prints is the one it wrote.
TEST(QuoteCommand, PrintsTheFinalOrderThroughThePdfWriterItIsGiven) {
    test::TTempFolder folder;
    folder.CopySample("Data");
    folder.Write("list.txt", "1 R187PA0125BSG\n");
    std::string printedTo;
    std::vector<std::string> printed;
    const std::map<std::string, TCliCommand> extra = {
        {"quote", [&](TCliContext& ctx) {
             return CmdQuoteWith(ctx, [&](const std::string& file, const TTxtTable& order) {
                 printedTo = file;
                 printed = order.Lines;
             });
         }}};
    const std::string dir = folder.Path();
    const test::TCliRun r =
        test::Cli({"quote", dir + "list.txt", dir + "order.txt", dir + "o.pdf"}, dir, extra);
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(printedTo, dir + "o.pdf");
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0] + "\r\n", folder.Read("order.txt"));
}

} // namespace
} // namespace cvn
