#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace cvn::test {

// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes. Set up as a program folder: Data/ and Images/ inside.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    // Folder path ending in "/".
    const std::string& Path() const { return Folder; }

    // Writes bytes exactly as given to Path() + relative, creating folders.
    void Write(std::string_view relative, std::string_view bytes) const;
    // Writes lines each ended by CR LF, as catalogue tables are.
    void WriteTable(std::string_view name, std::initializer_list<std::string_view> lines) const;
    std::string Read(std::string_view relative) const;
    bool Exists(std::string_view relative) const;
    // Copies a folder of the sample catalogue ("Data" or "Images") into this one.
    void CopySample(std::string_view folder) const;

    // Makes this folder the program folder (AppPath, DataPath, ImagesPath).
    void UseAsAppPath() const;

private:
    std::string Folder;
};

} // namespace cvn::test
