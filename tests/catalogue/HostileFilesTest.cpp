// Files that are not what they seem: pipes, devices, links, huge or foreign-encoded
// files where a table, a setting or an order belongs, and what a write finds at its
// path.

#include "catalogue/Errors.h"
#include "catalogue/Files.h"
#include "catalogue/IniFile.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "entry/PartHistory.h"
#include "orders/SiteList.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace cvn {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Runs the read; when it is still blocked after a while (opening a pipe nobody
// writes), a writer comes and goes so that it ends and the suite never hangs.
template <class F> bool EndsWithoutAWriter(const std::string& fifo, F read) {
    auto done = std::async(std::launch::async, read);
    if (done.wait_for(3s) == std::future_status::ready) {
        done.get();
        return true;
    }
    for (int i = 0; i < 50 && done.wait_for(100ms) != std::future_status::ready; ++i) {
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
    }
    done.get();
    return false;
}

struct TOddFile {
    const char* Name;
    // Makes it at path; false when this machine cannot.
    bool (*Make)(const std::string& path);
    const char* Reason;
};

const TOddFile kOddFiles[] = {
    {"Fifo", [](const std::string& p) { return ::mkfifo(p.c_str(), 0644) == 0; },
     " is not a regular file"},
    {"LinkToADevice", [](const std::string& p) { return ::symlink("/dev/null", p.c_str()) == 0; },
     " is not a regular file"},
    // Sparse: the size is there without the disk space.
    {"LargerThanTheLimit",
     [](const std::string& p) {
         std::error_code ec;
         { std::ofstream(p).put('x'); }
         fs::resize_file(p, kMaxReadBytes + 1, ec);
         return !ec;
     },
     " is larger than 64 MB"},
};

void PrintTo(const TOddFile& row, std::ostream* os) {
    *os << row.Name;
}

class OddFileRead : public ::testing::TestWithParam<TOddFile> {};

TEST_P(OddFileRead, IsRefusedAtOnceNamingTheFileAndWhy) {
    test::TTempFolder folder;
    const std::string path = folder.Path() + "Data/Family.tbl";
    ASSERT_TRUE(GetParam().Make(path));
    bool read = true;
    std::string bytes, error;
    EXPECT_TRUE(EndsWithoutAWriter(path, [&] { read = ReadWholeFile(path, bytes, error); }))
        << "the read waited for a writer";
    EXPECT_FALSE(read);
    EXPECT_EQ(error, "Family.tbl" + std::string(GetParam().Reason));
    EXPECT_TRUE(bytes.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, OddFileRead, ::testing::ValuesIn(kOddFiles),
                         [](const auto& row) { return std::string(row.param.Name); });

TEST(OddFileRead, ALinkToARegularFileIsReadThrough) {
    test::TTempFolder folder;
    folder.Write("real.tbl", "a|b\r\n");
    ASSERT_EQ(::symlink((folder.Path() + "real.tbl").c_str(), (folder.Path() + "link.tbl").c_str()),
              0);
    std::string bytes, error;
    EXPECT_TRUE(ReadWholeFile(folder.Path() + "link.tbl", bytes, error)) << error;
    EXPECT_EQ(bytes, "a|b\r\n");
}

struct TForeignText {
    const char* Name;
    std::string Bytes;
    const char* Reason;
};

void PrintTo(const TForeignText& row, std::ostream* os) {
    *os << row.Name;
}

class ForeignTable : public ::testing::TestWithParam<TForeignText> {};

TEST_P(ForeignTable, IsALoadErrorSayingItIsNotWindows1252) {
    test::TTempFolder folder;
    const std::string path = folder.Path() + "Data/Family.tbl";
    folder.Write("Data/Family.tbl", GetParam().Bytes);
    test::TScriptedPrompts prompts;
    const TTxtTable table = TTxtTable::CreateFromFile(path, prompts);
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_EQ(prompts.Texts("error"), std::vector<std::string>{LoadErrorMessage(
                                          path, "Family.tbl" + std::string(GetParam().Reason))});
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, ForeignTable,
    ::testing::Values(TForeignText{"Utf16LittleEndian", std::string("\xFF\xFEL\0e\0t\0|\0", 10),
                                   " is UTF-16 text, not Windows-1252 text"},
                      TForeignText{"Utf16BigEndian", std::string("\xFE\xFF\0L\0e", 6),
                                   " is UTF-16 text, not Windows-1252 text"},
                      TForeignText{"Utf16WithoutMark", std::string("L\0e\0t\0", 6),
                                   " holds NUL bytes: it is not Windows-1252 text"}),
    [](const auto& row) { return std::string(row.param.Name); });

// ---- what a write finds at its path ----

struct stat StatOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

TEST(WriteOverOddPaths, ALinkIsFollowedAndItsTargetReplaced) {
    test::TTempFolder folder;
    folder.Write("real/order.xls", "old");
    ASSERT_EQ(::symlink("real/order.xls", (folder.Path() + "order.xls").c_str()), 0);
    WriteFileAtomic(folder.Path() + "order.xls", "new");
    EXPECT_TRUE(S_ISLNK(StatOf(folder.Path() + "order.xls").st_mode)) << "the link was replaced";
    EXPECT_EQ(folder.Read("real/order.xls"), "new");
}

TEST(WriteOverOddPaths, AReplacedFileKeepsItsPermissionBits) {
    test::TTempFolder folder;
    folder.Write("private.txt", "old");
    ASSERT_EQ(::chmod((folder.Path() + "private.txt").c_str(), 0600), 0);
    WriteFileAtomic(folder.Path() + "private.txt", "new");
    EXPECT_EQ(StatOf(folder.Path() + "private.txt").st_mode & 07777, 0600u);
    EXPECT_EQ(folder.Read("private.txt"), "new");
}

TEST(WriteOverOddPaths, APipeNobodyReadsFailsAtOnce) {
    test::TTempFolder folder;
    const std::string fifo = folder.Path() + "out.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    bool failed = false;
    EXPECT_TRUE(EndsWithoutAWriter(fifo, [&] {
        try {
            WriteFileAtomic(fifo, "x");
        } catch (const EFCreateError&) {
            failed = true;
        }
    }));
    EXPECT_TRUE(failed);
    EXPECT_TRUE(S_ISFIFO(StatOf(fifo).st_mode)) << "the pipe was replaced by a file";
}

// /dev/stdout leads through /proc/self/fd to whatever the output is. The same kind
// of link in our own folder stands for it here: a faulty writer must not replace the
// machine's /dev/stdout.
TEST(WriteOverOddPaths, ALinkToAnOpenFileBehindProcIsWrittenThrough) {
    test::TTempFolder folder;
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const std::string link = folder.Path() + "stdout";
    ASSERT_EQ(::symlink(("/proc/self/fd/" + std::to_string(ends[1])).c_str(), link.c_str()), 0);
    bool wrote = true;
    try {
        WriteFileAtomic(link, "to the output\r\n");
    } catch (const EFCreateError&) {
        wrote = false;
    }
    ::close(ends[1]);
    char buffer[64] = {};
    const int flags = ::fcntl(ends[0], F_GETFL);
    ::fcntl(ends[0], F_SETFL, flags | O_NONBLOCK);
    const ssize_t n = ::read(ends[0], buffer, sizeof buffer - 1);
    ::close(ends[0]);
    EXPECT_TRUE(wrote);
    EXPECT_EQ(std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0), "to the output\r\n");
    EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode)) << "the link was replaced by a file";
}

// ---- temporaries of a killed write ----

void Age(const std::string& path, std::chrono::hours age) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

TEST(StaleTemporaries, TheNextWriteRemovesOnlyOurOwnOlderThanADay) {
    test::TTempFolder folder;
    const std::string root = folder.Path();
    for (const char* name : {".corvane-Ab12Cd", ".corvane-young1", ".corvane-toolong1",
                             "keep-Ab12Cd", ".corvane-Ab-2Cd"}) {
        folder.Write(name, "left behind");
    }
    Age(root + ".corvane-Ab12Cd", std::chrono::hours(25));
    Age(root + ".corvane-toolong1", std::chrono::hours(25));
    Age(root + "keep-Ab12Cd", std::chrono::hours(25));
    Age(root + ".corvane-Ab-2Cd", std::chrono::hours(25));
    Age(root + ".corvane-young1", std::chrono::hours(23));
    WriteFileAtomic(root + "order.xls", "new");
    EXPECT_FALSE(folder.Exists(".corvane-Ab12Cd"));
    for (const char* kept :
         {".corvane-young1", ".corvane-toolong1", "keep-Ab12Cd", ".corvane-Ab-2Cd", "order.xls"}) {
        EXPECT_TRUE(folder.Exists(kept)) << kept;
    }
}

// ---- what did not change is not written ----

TEST(UnchangedFiles, AreNotRewritten) {
    test::TTempFolder folder;
    const std::string ini = folder.Path() + "Corvane.ini";
    WriteIniString(ini, "UNITS", "type", "M");
    const ino_t before = StatOf(ini).st_ino;
    WriteIniString(ini, "UNITS", "type", "M");
    EXPECT_EQ(StatOf(ini).st_ino, before) << "an unchanged setting was written again";
    EXPECT_FALSE(WriteFileIfChanged(ini, folder.Read("Corvane.ini")));
    EXPECT_TRUE(WriteFileIfChanged(ini, "[UNITS]\r\ntype=P\r\n"));
    EXPECT_EQ(ReadIniString(ini, "UNITS", "type", ""), "P");
}

// What the program writes at close: a read-only folder gives no error for what did
// not change in the session.
TEST(UnchangedFiles, HistoriesAndTheSiteListAreNotRewrittenAtClose) {
    test::TTempFolder folder;
    folder.UseAsAppPath();
    test::TScriptedPrompts prompts;
    TPartHistory history("Parts.hst");
    history.Add("R187PA0125BSG");
    history.Save();
    TTxtTable order;
    order.Lines = {"1|$684.00|1-2 Weeks|R187PA0125BSG|WR-187 straight"};
    WriteSiteList(order, prompts);
    const ino_t historyBefore = StatOf(DataPath + "Parts.hst").st_ino;
    const ino_t siteListBefore = StatOf(AppPath + "corvane38.lom").st_ino;

    TPartHistory reloaded("Parts.hst");
    reloaded.Load();
    reloaded.Save();
    WriteSiteList(order, prompts);
    EXPECT_EQ(StatOf(DataPath + "Parts.hst").st_ino, historyBefore);
    EXPECT_EQ(StatOf(AppPath + "corvane38.lom").st_ino, siteListBefore);

    // A changed order, or a site list changed or removed meanwhile, is written.
    order.Lines.push_back("2|$10.00|Stock|C090ANSG|coax");
    WriteSiteList(order, prompts);
    EXPECT_NE(folder.Read("corvane38.lom").find("C090ANSG"), std::string::npos);
    fs::remove(AppPath + "corvane38.lom");
    WriteSiteList(order, prompts);
    EXPECT_TRUE(folder.Exists("corvane38.lom"));
}

} // namespace
} // namespace cvn
