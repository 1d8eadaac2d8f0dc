#include "catalogue/IniFile.h"

#include "catalogue/Files.h"
#include "catalogue/TextUtils.h"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace cvn {

namespace {

std::vector<std::string> ReadLines(const std::string& fileName) {
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(fileName, bytes, error)) {
        return {};
    }
    // Editors that save as UTF-8 put a byte-order mark before the first section; read
    // as part of its header, it would hide that whole section.
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (std::string_view(bytes).substr(0, bom.size()) == bom) {
        bytes.erase(0, bom.size());
    }
    return SplitLines(bytes);
}

// The name of a "[section]" line, or false when the line is not a section header.
bool SectionName(const std::string& line, std::string& name) {
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[') {
        return false;
    }
    const auto close = t.find(']');
    if (close == std::string::npos) {
        return false;
    }
    name = Trim(t.substr(1, close - 1));
    return true;
}

// The key of a "key=value" line; comments and lines without "=" have none.
bool KeyOf(const std::string& line, std::string& key, std::string& value) {
    const std::string t = Trim(line);
    if (t.empty() || t.front() == ';') {
        return false;
    }
    const auto eq = t.find('=');
    if (eq == std::string::npos) {
        return false;
    }
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return true;
}

// Values may be written in matching quotes, which the reader removes.
std::string Unquote(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

} // namespace

std::string ReadIniString(const std::string& fileName, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
    bool inSection = false;
    for (const std::string& line : ReadLines(fileName)) {
        std::string name;
        if (SectionName(line, name)) {
            inSection = SameText(name, section);
            continue;
        }
        std::string k, v;
        if (inSection && KeyOf(line, k, v) && SameText(k, key)) {
            return Unquote(v);
        }
    }
    return defaultValue;
}

bool IniKeyExists(const std::string& fileName, const std::string& section, const std::string& key) {
    // No value can equal both defaults, so a key that is missing gives itself away.
    return ReadIniString(fileName, section, key, "0") != "0" ||
           ReadIniString(fileName, section, key, "1") != "1";
}

int ReadIniInteger(const std::string& fileName, const std::string& section, const std::string& key,
                   int defaultValue) {
    const std::string text = ReadIniString(fileName, section, key, "");
    int value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

void WriteIniString(const std::string& fileName, const std::string& section, const std::string& key,
                    const std::string& value) {
    std::vector<std::string> lines = ReadLines(fileName);
    const std::string entry = key + "=" + value;
    bool inSection = false;
    bool sectionFound = false;
    std::size_t insertAt = lines.size();
    bool done = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        std::string name;
        if (SectionName(lines[i], name)) {
            if (inSection) {
                break;
            }
            inSection = SameText(name, section);
            if (inSection) {
                sectionFound = true;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        std::string k, v;
        if (KeyOf(lines[i], k, v) && SameText(k, key)) {
            lines[i] = entry;
            done = true;
        } else if (!Trim(lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    if (!done) {
        if (sectionFound) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
        } else {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    // A setting that did not change is not written: a read-only folder is no error then.
    WriteFileIfChanged(fileName, bytes);
}

} // namespace cvn
