#pragma once

#include <string>

namespace cvn {

// Sectioned key=value settings files with the platform's private-profile rules:
// section and key names ignore case; a read of a missing file, section or key gives
// the default; a write changes or adds one line and keeps every other section, key,
// comment and blank line as it was; the file is created when missing and written
// with CR LF line ends. A UTF-8 byte-order mark at the start is skipped when reading
// and not written back.

std::string ReadIniString(const std::string& fileName, const std::string& section,
                          const std::string& key, const std::string& defaultValue);

// True when the section holds the key, whatever its value (an empty one included).
bool IniKeyExists(const std::string& fileName, const std::string& section, const std::string& key);

int ReadIniInteger(const std::string& fileName, const std::string& section, const std::string& key,
                   int defaultValue);

// Writes nothing when the file already holds the value as it would be written.
// Raises EFCreateError when the file cannot be written.
void WriteIniString(const std::string& fileName, const std::string& section, const std::string& key,
                    const std::string& value);

} // namespace cvn
