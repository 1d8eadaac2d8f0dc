#include "catalogue/Files.h"

#include "catalogue/Errors.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace cvn {

namespace fs = std::filesystem;

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) {
                   return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

bool Exists(const std::string& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0;
}

std::vector<std::string> SplitComponents(std::string_view path) {
    std::vector<std::string> parts;
    std::string current;
    for (const char c : path) {
        if (c == '/') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.push_back(current);
    return parts;
}

} // namespace

std::string NativePath(std::string_view path) {
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::string ResolvePath(std::string_view path) {
    const std::string native = NativePath(path);
    if (native.empty() || Exists(native)) {
        return native;
    }
    const std::vector<std::string> parts = SplitComponents(native);
    std::string resolved;
    bool first = true;
    bool matching = true;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        std::string candidate = first ? part : resolved + "/" + part;
        if (first && part.empty()) {
            candidate = "";
        }
        if (matching && !part.empty() && part != "." && part != ".." && !Exists(candidate)) {
            const std::string folder = first ? "." : (resolved.empty() ? "/" : resolved);
            std::error_code ec;
            bool found = false;
            for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
                const std::string name = it->path().filename().string();
                if (SameNameIgnoringCase(name, part)) {
                    candidate = first ? name : resolved + "/" + name;
                    found = true;
                    break;
                }
            }
            if (!found) {
                matching = false;
            }
        }
        resolved = candidate;
        first = false;
    }
    return resolved;
}

bool FileExists(std::string_view path) {
    struct stat st {};
    return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(std::string_view path) {
    struct stat st {};
    return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string OwnName(std::string_view path) {
    const std::string native = NativePath(path);
    const auto slash = native.rfind('/');
    return slash == std::string::npos ? native : native.substr(slash + 1);
}

bool ReadWholeFile(std::string_view path, std::string& bytes, std::string& errorText) {
    bytes.clear();
    const std::string resolved = ResolvePath(path);
    // Without O_NONBLOCK a FIFO would block the open itself until a writer comes.
    const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        errorText = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        errorText = std::strerror(errno);
        ::close(fd);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        errorText = std::strerror(EISDIR);
        return false;
    }
    // A pipe, a device or /dev/zero never ends or never starts; only files are read.
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        errorText = OwnName(path) + " is not a regular file";
        return false;
    }
    const auto tooLarge = [&] {
        errorText = OwnName(path) + " is larger than " + std::to_string(kMaxReadMegabytes) + " MB";
        bytes.clear();
        ::close(fd);
        return false;
    };
    if (static_cast<std::uint64_t>(st.st_size) > kMaxReadBytes) {
        return tooLarge();
    }
    // One buffer of the file's size; a file that grows meanwhile is read to its end,
    // but never past the limit.
    bytes.resize(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > kMaxReadBytes) {
                return tooLarge();
            }
            bytes.resize(std::min<std::size_t>(bytes.size() * 2, kMaxReadBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            errorText = std::strerror(errno);
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (done > kMaxReadBytes) {
        return tooLarge();
    }
    bytes.resize(done);
    ::close(fd);
    return true;
}

namespace {

constexpr std::string_view kTempPrefix = ".corvane-";
constexpr int kMaxLinkHops = 40;

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// What a write to the path really writes: the end of its chain of symbolic links
// (relative links count from their own folder). Paths into /proc stand for files that
// are already open (/dev/stdout); they are written in place and not followed further.
struct TWriteTarget {
    std::string Path;
    bool InPlace = false;
};

TWriteTarget FollowLinks(std::string path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        if (path.rfind("/proc/", 0) == 0) {
            return {path, true};
        }
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return {path, false};
        }
        std::error_code ec;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) {
            return {path, false};
        }
        path = link.is_absolute() ? link.string() : (fs::path(FolderOf(path)) / link).string();
    }
    return {path, false};
}

// Our own temporaries (".corvane-" and mkstemp's six characters) that a killed write
// left behind a day or more ago; younger ones may belong to a write still running.
void RemoveStaleTemporaries(const std::string& folder) {
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != kTempPrefix.size() + 6 || name.rfind(kTempPrefix, 0) != 0 ||
            !std::all_of(name.begin() + static_cast<std::ptrdiff_t>(kTempPrefix.size()), name.end(),
                         [](char c) {
                             return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                    (c >= '0' && c <= '9');
                         })) {
            continue;
        }
        std::error_code statError;
        if (!it->is_regular_file(statError) || it->is_symlink(statError)) {
            continue;
        }
        const auto written = it->last_write_time(statError);
        if (!statError && written < dayAgo) {
            std::error_code removeError;
            fs::remove(it->path(), removeError);
        }
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A pipe, a device or a file already open elsewhere gets the bytes as they are; it
// cannot be replaced, and replacing a device node would destroy it.
void WriteInPlace(const std::string& path, std::string_view bytes, const std::string& display) {
    // O_NONBLOCK: a pipe nobody reads fails at once instead of hanging.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        RaiseCannotCreate(display);
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (ok && S_ISREG(st.st_mode)) {
        ok = ::ftruncate(fd, 0) == 0;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    ok = ok && flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
    ok = ok && WriteAll(fd, bytes);
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        RaiseCannotCreate(display);
    }
}

} // namespace

void WriteFileAtomic(std::string_view path, std::string_view bytes) {
    const TWriteTarget where = FollowLinks(ResolvePath(path));
    const std::string& target = where.Path;
    const std::string display = NativePath(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (where.InPlace || (exists && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode))) {
        WriteInPlace(target, bytes, display);
        return;
    }
    const std::string folder = FolderOf(target);
    RemoveStaleTemporaries(folder);
    std::string temp =
        (folder == "/" ? std::string() : folder) + "/" + std::string(kTempPrefix) + "XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        RaiseCannotCreate(display);
    }
    const std::string tempName(name.data());
    bool ok = WriteAll(fd, bytes);
    // A replaced file keeps its own permission bits (and owner, where we may set it);
    // a new one gets the usual ones rather than mkstemp's private ones. The rename
    // gives the path a new file, so other hard links keep the old contents.
    mode_t mode = 0;
    if (exists && S_ISREG(existing.st_mode)) {
        mode = existing.st_mode & 0777;
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            // Only root may give a file away; ours keeps our owner.
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ok = ok && ::fchmod(fd, mode) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.c_str());
        RaiseCannotCreate(display);
    }
}

bool WriteFileIfChanged(std::string_view path, std::string_view bytes) {
    std::string current;
    std::string error;
    if (ReadWholeFile(path, current, error) && current == bytes) {
        return false;
    }
    WriteFileAtomic(path, bytes);
    return true;
}

std::string ProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return WithTrailingSlash(fs::current_path(ec).string());
    }
    return WithTrailingSlash(exe.parent_path().string());
}

std::string WithTrailingSlash(std::string_view folder) {
    std::string out = NativePath(folder);
    if (out.empty() || out.back() != '/') {
        out += '/';
    }
    return out;
}

} // namespace cvn
