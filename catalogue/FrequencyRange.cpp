#include "catalogue/FrequencyRange.h"

#include <cstdlib>
#include <string>

namespace cvn {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// Digits with at most one decimal point (one of points), at least one digit; the value
// must be above zero.
std::optional<double> PositiveNumber(std::string_view text, std::string_view points) {
    text = TrimBlanks(text);
    std::string plain;
    bool point = false;
    bool digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
            plain += c;
        } else if (!point && points.find(c) != std::string_view::npos) {
            point = true;
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    // The text is plain digits and a point, so strtod reads all of it whatever the locale
    // (the program keeps LC_NUMERIC at "C").
    const double value = std::strtod(plain.c_str(), nullptr);
    if (!(value > 0)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<TFrequencySpan> ParseFrequencyQuery(std::string_view text) {
    const std::size_t dash = text.find('-');
    const auto low = PositiveNumber(text.substr(0, dash), ".,");
    if (!low) {
        return std::nullopt;
    }
    if (dash == std::string_view::npos) {
        return TFrequencySpan{*low, *low};
    }
    const auto high = PositiveNumber(text.substr(dash + 1), ".,");
    if (!high) {
        return std::nullopt;
    }
    return *low <= *high ? TFrequencySpan{*low, *high} : TFrequencySpan{*high, *low};
}

std::optional<TFrequencySpan> ParseFrequencyRange(std::string_view text) {
    text = TrimBlanks(text);
    constexpr std::string_view unit = "GHz";
    if (text.size() <= unit.size() || text.substr(text.size() - unit.size()) != unit) {
        return std::nullopt;
    }
    text.remove_suffix(unit.size());
    if (text.empty() || text.back() != ' ') {
        return std::nullopt;
    }
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    const auto low = PositiveNumber(text.substr(0, dash), ".");
    const auto high = PositiveNumber(text.substr(dash + 1), ".");
    if (!low || !high || *low > *high) {
        return std::nullopt;
    }
    return TFrequencySpan{*low, *high};
}

} // namespace cvn
