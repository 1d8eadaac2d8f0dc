#include "tests/support/TempFolder.h"

#include "catalogue/cvnLib.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace cvn::test {

namespace fs = std::filesystem;

TTempFolder::TTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "corvane-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    Folder = std::string(name.data()) + "/";
    fs::create_directories(Folder + "Data");
    fs::create_directories(Folder + "Images");
}

TTempFolder::~TTempFolder() {
    std::error_code ec;
    fs::remove_all(Folder, ec);
}

void TTempFolder::Write(std::string_view relative, std::string_view bytes) const {
    const fs::path target = fs::path(Folder) / std::string(relative);
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void TTempFolder::WriteTable(std::string_view name,
                             std::initializer_list<std::string_view> lines) const {
    std::string bytes;
    for (const std::string_view line : lines) {
        bytes.append(line);
        bytes += "\r\n";
    }
    Write("Data/" + std::string(name), bytes);
}

std::string TTempFolder::Read(std::string_view relative) const {
    std::ifstream in(fs::path(Folder) / std::string(relative), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool TTempFolder::Exists(std::string_view relative) const {
    return fs::exists(fs::path(Folder) / std::string(relative));
}

void TTempFolder::CopySample(std::string_view folder) const {
    fs::copy(fs::path(CORVANE_SAMPLE_APP_DIR) / std::string(folder), Folder + std::string(folder),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void TTempFolder::UseAsAppPath() const {
    SetAppPath(Folder);
}

} // namespace cvn::test
