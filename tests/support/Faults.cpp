#include "tests/support/Faults.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <linux/magic.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace cvn::test {

namespace fs = std::filesystem;

void TChildChecks::Expect(bool ok, const std::string& what) {
    if (!ok) {
        Broken.push_back(what);
    }
}

void TChildChecks::ExpectEqual(const std::string& actual, const std::string& expected,
                               const std::string& what) {
    Expect(actual == expected, what + ": got \"" + actual + "\", expected \"" + expected + "\"");
}

void TChildChecks::Finish() const {
    for (const std::string& b : Broken) {
        std::fprintf(stderr, "broken: %s\n", b.c_str());
    }
    std::fflush(stderr);
    std::_Exit(Broken.empty() ? 0 : 1);
}

namespace {

// True only for the small tmpfs mounted above: filling anything else would fill the
// machine's own disk.
bool IsSmallTmpfs(const std::string& folder) {
    struct statfs info {};
    return ::statfs(folder.c_str(), &info) == 0 && info.f_type == TMPFS_MAGIC &&
           static_cast<unsigned long long>(info.f_blocks) *
                   static_cast<unsigned long long>(info.f_bsize) <=
               1024ULL * 1024ULL;
}

} // namespace

TFullDisk::TFullDisk(const std::string& folder)
    : Folder(folder.empty() || folder.back() == '/' ? folder : folder + "/") {
    // A mount of our own, seen by this process only and gone with it.
    Mounted = ::unshare(CLONE_NEWNS) == 0 &&
              ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
              ::mount("tmpfs", Folder.c_str(), "tmpfs", 0, "size=256k,mode=0755") == 0 &&
              IsSmallTmpfs(Folder);
    if (Mounted) {
        fs::create_directories(Folder + "Data");
        fs::create_directories(Folder + "Images");
    }
}

void TFullDisk::Fill() {
    if (!Mounted) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &none);
        return;
    }
    const std::string filler = Folder + "filler";
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    static const char block[4096] = {};
    for (std::size_t size = sizeof block; size > 0; size /= 2) {
        while (fd >= 0 && ::write(fd, block, size) == static_cast<ssize_t>(size)) {
        }
    }
    ::close(fd);
}

bool MakeReadOnly(const std::vector<std::string>& folders, std::string& why) {
    for (const std::string& folder : folders) {
        if (::chmod(folder.c_str(), 0555) != 0) {
            why = "cannot make " + folder + " read-only: " + std::strerror(errno);
            return false;
        }
    }
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        why = std::string("cannot give up root: ") + std::strerror(errno);
        return false;
    }
    return true;
}

void HandToChild(const std::string& folder) {
    const bool root = ::geteuid() == 0;
    auto hand = [root](const fs::path& path, bool directory) {
        ::chmod(path.c_str(), directory ? 0755 : 0644);
        if (root) {
            [[maybe_unused]] const int ignored = ::chown(path.c_str(), 65534, 65534);
        }
    };
    hand(folder, true);
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        hand(entry.path(), entry.is_directory());
    }
}

} // namespace cvn::test
