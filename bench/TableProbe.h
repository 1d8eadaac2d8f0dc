#pragma once

#include <functional>
#include <string>
#include <vector>

namespace cvn::bench {

// The files of folder that action opens, each once, in the order first opened, and
// how many opens there were in all. Watches the folder with inotify, so it sees
// exactly what the code under test reads without any hook in it.
struct TOpenedFiles {
    std::vector<std::string> Paths;
    int Opens = 0;
};
TOpenedFiles FilesOpenedBy(const std::string& folder, const std::function<void()>& action);

} // namespace cvn::bench
