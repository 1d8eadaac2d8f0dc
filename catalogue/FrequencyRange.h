#pragma once

#include <optional>
#include <string_view>

namespace cvn {

// A span of frequencies in GHz, low end first; a single frequency has both ends equal.
struct TFrequencySpan {
    double Low = 0;
    double High = 0;

    // Both ends of other lie within this span, ends included.
    bool Covers(const TFrequencySpan& other) const {
        return Low <= other.Low && other.High <= High;
    }
};

// What the user asks for: a positive number of GHz with "." or "," as decimal point
// ("10", "10.5", "10,5"), or a range "A-B" whose ends are such numbers, in either
// order. Blanks around the text and around "-" are allowed; nothing is for anything else.
std::optional<TFrequencySpan> ParseFrequencyQuery(std::string_view text);

// A range as Frequency.tbl writes it, "a-b GHz" with "." as decimal point and the
// low end first. Nothing when the text cannot be read so.
std::optional<TFrequencySpan> ParseFrequencyRange(std::string_view text);

} // namespace cvn
