#pragma once

#include <string>
#include <string_view>

namespace cvn {

// File names in tables and settings were written for a platform whose file names
// ignore case and use backslashes. These helpers let such names find their files.

// Backslashes become "/".
std::string NativePath(std::string_view path);

// The path with backslashes turned into "/" and every component that does not exist
// as written replaced by the entry of its folder that equals it ignoring case. When
// nothing matches, the rest is kept as written.
std::string ResolvePath(std::string_view path);

bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);

// Reads the whole file. On failure returns false and sets errorText to the system's
// description of the error.
bool ReadWholeFile(std::string_view path, std::string& bytes, std::string& errorText);

// Replaces the file whole: the bytes go to a temporary file in the same folder, which
// is then renamed over the target, so a failed write never leaves half a file.
// Raises EFCreateError ("Cannot create file ...") when the file cannot be written.
void WriteFileAtomic(std::string_view path, std::string_view bytes);

// The folder of the running program, ending in "/".
std::string ProgramFolder();

// Folder name with a trailing "/".
std::string WithTrailingSlash(std::string_view folder);

} // namespace cvn
