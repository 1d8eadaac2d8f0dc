#include "bench/TableProbe.h"

#include <algorithm>
#include <sys/inotify.h>
#include <unistd.h>

namespace cvn::bench {

TOpenedFiles FilesOpenedBy(const std::string& folder, const std::function<void()>& action) {
    TOpenedFiles opened;
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0) {
        action();
        return opened;
    }
    ::inotify_add_watch(fd, folder.c_str(), IN_OPEN);
    action();
    alignas(inotify_event) char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0) {
                const std::string path = folder + event->name;
                ++opened.Opens;
                if (std::find(opened.Paths.begin(), opened.Paths.end(), path) ==
                    opened.Paths.end()) {
                    opened.Paths.push_back(path);
                }
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    ::close(fd);
    return opened;
}

} // namespace cvn::bench
