#include "bench/Floor.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cvn::bench {

namespace {

struct TBounds {
    std::size_t Begin;
    std::size_t End;
};

} // namespace

std::size_t ReadAndSplit(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    struct stat st {};
    ::fstat(fd, &st);
    std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);

    std::vector<TBounds> fields;
    fields.reserve(bytes.size() / 4 + 1);
    std::size_t start = 0;
    const auto push = [&](std::size_t end) {
        std::size_t b = start;
        std::size_t e = end;
        while (b < e && static_cast<unsigned char>(bytes[b]) <= 32) {
            ++b;
        }
        while (e > b && static_cast<unsigned char>(bytes[e - 1]) <= 32) {
            --e;
        }
        fields.push_back({b, e});
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '|' || c == '\n' || c == '\r') {
            push(i);
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < bytes.size()) {
        push(bytes.size());
    }
    return fields.size();
}

std::size_t ReadAndSplitAll(const std::vector<std::string>& paths) {
    std::size_t n = 0;
    for (const std::string& p : paths) {
        n += ReadAndSplit(p);
    }
    return n;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".floor";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (f == nullptr) {
        return;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    std::rename(temp.c_str(), path.c_str());
}

} // namespace cvn::bench
