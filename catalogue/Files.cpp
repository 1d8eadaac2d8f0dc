#include "catalogue/Files.h"

#include "catalogue/Errors.h"

#include <algorithm>
#include <cerrno>
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

bool ReadWholeFile(std::string_view path, std::string& bytes, std::string& errorText) {
    bytes.clear();
    const std::string resolved = ResolvePath(path);
    const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        errorText = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        st.st_size = 0;
    } else if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        errorText = std::strerror(EISDIR);
        return false;
    }
    // One buffer of the file's size; a file that grows meanwhile is read to its end.
    bytes.resize(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            bytes.resize(bytes.size() * 2);
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
    bytes.resize(done);
    ::close(fd);
    return true;
}

void WriteFileAtomic(std::string_view path, std::string_view bytes) {
    const std::string target = ResolvePath(path);
    const std::string display = NativePath(path);
    std::string folder = ".";
    if (const auto slash = target.rfind('/'); slash != std::string::npos) {
        folder = slash == 0 ? "/" : target.substr(0, slash);
    }
    std::string temp = (folder == "/" ? std::string() : folder) + "/.corvane-XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        RaiseCannotCreate(display);
    }
    const std::string tempName(name.data());
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok = n > 0;
        if (ok) {
            done += static_cast<std::size_t>(n);
        }
    }
    // A replaced file keeps the usual permissions rather than mkstemp's private ones.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ok = ok && ::fchmod(fd, 0666 & ~mask) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.c_str());
        RaiseCannotCreate(display);
    }
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
