#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace cvn {

// A table holds text where a number belongs, or a number is out of range. The
// message is the platform's standard conversion text; the application's general
// error handler shows it and the operation that raised it is abandoned.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A row index outside the table: a programming error, never a data error.
class EListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// A file that cannot be created or replaced.
class EFCreateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value as a message quotes it: cut after kQuotedLength characters, with "...", so
// that a field of megabytes never floods a message box or a terminal.
constexpr std::size_t kQuotedLength = 80;
std::string Quoted(const std::string& text);

[[noreturn]] void RaiseInvalidFloat(const std::string& text);
[[noreturn]] void RaiseInvalidInteger(const std::string& text);
// A number beyond what lengths and money can hold; what names the calculation.
[[noreturn]] void RaiseOutOfRange(const std::string& what);
[[noreturn]] void RaiseListIndex(int index);
[[noreturn]] void RaiseCannotCreate(const std::string& fileName);

} // namespace cvn
