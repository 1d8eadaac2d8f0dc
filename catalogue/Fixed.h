#pragma once

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
    static constexpr TFixed FromInt(std::int64_t whole) { return FromRaw(whole * Scale); }
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

    friend constexpr TFixed operator+(TFixed a, TFixed b) { return FromRaw(a.Raw + b.Raw); }
    friend constexpr TFixed operator-(TFixed a, TFixed b) { return FromRaw(a.Raw - b.Raw); }
    friend constexpr TFixed operator*(TFixed a, std::int64_t n) { return FromRaw(a.Raw * n); }
    friend constexpr TFixed operator*(std::int64_t n, TFixed a) { return FromRaw(a.Raw * n); }
    TFixed& operator+=(TFixed b) {
        Raw += b.Raw;
        return *this;
    }
    friend constexpr auto operator<=>(TFixed a, TFixed b) = default;

    std::int64_t Raw = 0;
};

// Formats a length as the lists show inches: one decimal ("%.1f" of the fixed value).
std::string FormatInches(double value);

} // namespace cvn
