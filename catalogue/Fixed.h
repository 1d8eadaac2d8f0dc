#pragma once

#include "catalogue/Errors.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace cvn {

// Lengths and money: a signed count of ten-thousandths. Values read from text are
// rounded to four decimals once, halves to even; after that all arithmetic is exact.
class TFixed {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr TFixed() = default;
    static constexpr TFixed FromRaw(std::int64_t raw) {
        TFixed f;
        f.Raw = raw;
        return f;
    }
    // The largest whole number a TFixed holds.
    static constexpr std::int64_t MaxWhole = INT64_MAX / Scale;
    // Raises EConvertError when the number is beyond MaxWhole either way.
    static constexpr TFixed FromInt(std::int64_t whole) {
        std::int64_t raw = 0;
        if (__builtin_mul_overflow(whole, Scale, &raw)) {
            RaiseOutOfRange(std::to_string(whole));
        }
        return FromRaw(raw);
    }
    // Rounds to four decimals, halves to even.
    static TFixed FromDouble(double value);
    // Decimal text with "." (blanks around allowed); false when it is not a number or
    // does not fit.
    static bool TryParse(std::string_view text, TFixed& value);
    // As TryParse; raises EConvertError "'%s' is not a valid floating point value".
    static TFixed Parse(std::string_view text);

    double ToDouble() const { return static_cast<double>(Raw) / Scale; }

    // Fixed decimals, "." as decimal point, halves away from zero ("%.1f" is Format(1)).
    std::string Format(int decimals) const;
    // "$" before the amount, "," between thousands, "." before the decimals.
    std::string FormatMoney(int decimals = 2) const;

    // Arithmetic that would leave the range raises EConvertError rather than wrap:
    // a table's absurd number must not turn into a plausible one.
    friend constexpr TFixed operator+(TFixed a, TFixed b) {
        std::int64_t raw = 0;
        if (__builtin_add_overflow(a.Raw, b.Raw, &raw)) {
            RaiseOutOfRange(a.Format(4) + " + " + b.Format(4));
        }
        return FromRaw(raw);
    }
    friend constexpr TFixed operator-(TFixed a, TFixed b) {
        std::int64_t raw = 0;
        if (__builtin_sub_overflow(a.Raw, b.Raw, &raw)) {
            RaiseOutOfRange(a.Format(4) + " - " + b.Format(4));
        }
        return FromRaw(raw);
    }
    friend constexpr TFixed operator*(TFixed a, std::int64_t n) {
        std::int64_t raw = 0;
        if (__builtin_mul_overflow(a.Raw, n, &raw)) {
            RaiseOutOfRange(a.Format(4) + " * " + std::to_string(n));
        }
        return FromRaw(raw);
    }
    friend constexpr TFixed operator*(std::int64_t n, TFixed a) { return a * n; }
    TFixed& operator+=(TFixed b) { return *this = *this + b; }
    friend constexpr auto operator<=>(TFixed a, TFixed b) = default;

    std::int64_t Raw = 0;
};

// Formats a length as the lists show inches: one decimal ("%.1f" of the fixed value).
std::string FormatInches(double value);

} // namespace cvn
