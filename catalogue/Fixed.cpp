#include "catalogue/Fixed.h"

#include "catalogue/DecimalText.h"
#include "catalogue/Errors.h"
#include "catalogue/TextUtils.h"

#include <cmath>
#include <limits>

namespace cvn {

namespace {

std::string GroupThousands(const std::string& digits) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

// Whole part and fraction digits of |raw| rounded to the given decimals.
void SplitRounded(std::int64_t raw, int decimals, std::string& whole, std::string& fraction) {
    if (decimals < 0) {
        decimals = 0;
    }
    const std::uint64_t magnitude =
        raw < 0 ? static_cast<std::uint64_t>(-(raw + 1)) + 1 : static_cast<std::uint64_t>(raw);
    std::uint64_t scaled = magnitude; // in ten-thousandths
    int shown = decimals;
    if (decimals < 4) {
        std::uint64_t divisor = 1;
        for (int i = decimals; i < 4; ++i) {
            divisor *= 10;
        }
        scaled = magnitude / divisor;
        if ((magnitude % divisor) * 2 >= divisor) {
            ++scaled;
        }
    } else {
        for (int i = 4; i < decimals; ++i) {
            scaled *= 10;
        }
    }
    std::uint64_t unit = 1;
    for (int i = 0; i < shown; ++i) {
        unit *= 10;
    }
    whole = std::to_string(scaled / unit);
    fraction = std::to_string(scaled % unit);
    if (shown == 0) {
        fraction.clear();
    } else {
        fraction.insert(0, static_cast<std::size_t>(shown) - fraction.size(), '0');
    }
}

} // namespace

TFixed TFixed::FromDouble(double value) {
    const double scaled = value * static_cast<double>(Scale);
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.0e18) {
        RaiseInvalidFloat(std::to_string(value));
    }
    return FromRaw(static_cast<std::int64_t>(std::nearbyint(scaled)));
}

bool TFixed::TryParse(std::string_view text, TFixed& value) {
    TDecimalText d;
    if (!ParseDecimalText(text, d)) {
        return false;
    }
    if (d.Digits.empty()) {
        value = TFixed();
        return true;
    }
    // Shift to ten-thousandths: digits x 10^(Exponent + 4).
    const long long shift = static_cast<long long>(d.Exponent) + 4;
    std::string kept = d.Digits;
    std::string dropped;
    if (shift >= 0) {
        if (shift > 19) {
            return false;
        }
        kept.append(static_cast<std::size_t>(shift), '0');
    } else {
        const auto cut = static_cast<std::size_t>(-shift);
        if (cut >= kept.size()) {
            dropped = std::string(cut - kept.size(), '0') + kept;
            kept.clear();
        } else {
            dropped = kept.substr(kept.size() - cut);
            kept.erase(kept.size() - cut);
        }
    }
    std::int64_t raw = 0;
    for (const char c : kept) {
        const int digit = c - '0';
        if (raw > (std::numeric_limits<std::int64_t>::max() - digit) / 10) {
            return false;
        }
        raw = raw * 10 + digit;
    }
    if (!dropped.empty()) {
        // Halves to even: above half rounds up, exactly half rounds to the even neighbour.
        const char first = dropped[0];
        const bool restNonZero = dropped.find_first_not_of('0', 1) != std::string::npos;
        if (first > '5' || (first == '5' && (restNonZero || (raw % 2) == 1))) {
            if (raw == std::numeric_limits<std::int64_t>::max()) {
                return false;
            }
            ++raw;
        }
    }
    value = FromRaw(d.Negative ? -raw : raw);
    return true;
}

TFixed TFixed::Parse(std::string_view text) {
    TFixed value;
    if (!TryParse(text, value)) {
        RaiseInvalidFloat(std::string(text));
    }
    return value;
}

std::string TFixed::Format(int decimals) const {
    std::string whole, fraction;
    SplitRounded(Raw, decimals, whole, fraction);
    const bool zero = whole.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (Raw < 0 && !zero) ? "-" : "";
    out += whole;
    if (!fraction.empty()) {
        out += '.' + fraction;
    }
    return out;
}

std::string TFixed::FormatMoney(int decimals) const {
    std::string whole, fraction;
    SplitRounded(Raw, decimals, whole, fraction);
    const bool zero = whole.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (Raw < 0 && !zero) ? "-$" : "$";
    out += GroupThousands(whole);
    if (!fraction.empty()) {
        out += '.' + fraction;
    }
    return out;
}

std::string FormatInches(double value) {
    return TFixed::FromDouble(value).Format(1);
}

} // namespace cvn
