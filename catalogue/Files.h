#pragma once

#include <cstdint>
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

// Far above any real catalogue, order or settings file: a larger one is refused
// rather than read into memory.
constexpr std::uint64_t kMaxReadMegabytes = 64;
constexpr std::uint64_t kMaxReadBytes = kMaxReadMegabytes * 1024 * 1024;

// The file's own name, without its folder.
std::string OwnName(std::string_view path);

// Reads the whole file. On failure returns false and sets errorText to the system's
// description of the error, or to "NAME is not a regular file" (a pipe, a device)
// or "NAME is larger than 64 MB" (NAME the file's own name); neither is read at all.
bool ReadWholeFile(std::string_view path, std::string& bytes, std::string& errorText);

// Replaces the file whole: the bytes go to a temporary file in the same folder, which
// is then renamed over the target, so a failed write never leaves half a file.
// A symbolic link is followed and its target replaced; a replaced file keeps its
// permission bits; other hard links to it keep the old contents. A pipe, a device
// or an open file behind /proc (/dev/stdout) is written in place, never replaced.
// Temporaries that a killed write left in the folder more than a day ago go.
// Raises EFCreateError ("Cannot create file ...") when the file cannot be written.
void WriteFileAtomic(std::string_view path, std::string_view bytes);

// As WriteFileAtomic, unless the file already holds exactly these bytes: then nothing
// is written (a read-only folder is no error for what did not change). True when
// the file was written.
bool WriteFileIfChanged(std::string_view path, std::string_view bytes);

// The folder of the running program, ending in "/".
std::string ProgramFolder();

// Folder name with a trailing "/".
std::string WithTrailingSlash(std::string_view folder);

} // namespace cvn
