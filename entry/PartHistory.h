#pragma once

#include "catalogue/TextUtils.h"

#include <string>

namespace cvn {

// The history list of a part-number box, kept across runs in a file of the Data
// folder: one entry a line, oldest first, Windows-1252, CR LF after each line.
class TPartHistory {
public:
    // name: the file's name inside DataPath.
    explicit TPartHistory(std::string name) : FileName(std::move(name)) {}

    std::string FileName;
    TStrings Items;

    // Whether the history holds the text, ignoring case.
    bool Contains(const std::string& text) const;
    // Appends the text unless the history holds it already, ignoring case.
    void Add(const std::string& text);
    void Clear() { Items.clear(); }

    // Takes the file's lines as the items; a file that is missing or cannot be read
    // gives an empty history.
    void Load();
    // Replaces the file with the items, also when there are none, provided the Data
    // folder exists and the file does not already hold them; otherwise writes
    // nothing. Raises EFCreateError when it cannot.
    void Save() const;
};

} // namespace cvn
