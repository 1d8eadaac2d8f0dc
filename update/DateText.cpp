#include "update/DateText.h"

#include "catalogue/TextUtils.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <vector>

namespace cvn {

namespace {

using namespace std::chrono;

const char* const FallbackPattern = "M/d/yyyy";

// One piece of a pattern: a numeric field ('d', 'M' or 'y') or a literal separator.
struct TPatternPart {
    char Field = 0;
    int Width = 0;
    std::string Literal;
};

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// False when the pattern is not purely numeric with each field once.
bool SplitPattern(const std::string& pattern, std::vector<TPatternPart>& parts) {
    parts.clear();
    std::string seen;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) {
            ++run;
        }
        if (IsLetter(c)) {
            // A field right after a one-digit-or-two field ("Md") would take its digits;
            // after a fixed width one ("yyyyMMdd") it starts where that one ends.
            if (!parts.empty() && parts.back().Field != 0 && parts.back().Field != 'y' &&
                parts.back().Width != 2) {
                return false;
            }
            const bool numeric =
                ((c == 'd' || c == 'M') && run <= 2) || (c == 'y' && (run == 2 || run == 4));
            if (!numeric || seen.find(c) != std::string::npos) {
                return false;
            }
            seen += c;
            parts.push_back({c, static_cast<int>(run), {}});
        } else if (c == '\'' || IsDigit(c) || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            // Digits or control bytes between the fields could not be told from the
            // date, or would not survive the trimming of the text read back.
            return false;
        } else {
            if (parts.empty() || parts.back().Field != 0) {
                parts.push_back({});
            }
            parts.back().Literal.append(run, c);
        }
        i += run;
    }
    // Blanks at either end are trimmed off the text read back.
    const auto blank = [](char b) { return b == ' '; };
    return seen.size() == 3 && !blank(pattern.front()) && !blank(pattern.back());
}

std::string Padded(unsigned value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    }
    return text;
}

const sys_days FirstDay = sys_days{year{1} / January / 1};
const sys_days LastDay = sys_days{year{9999} / December / 31};

} // namespace

TDate LocalDate(system_clock::time_point moment) {
    const std::time_t t = system_clock::to_time_t(moment);
    std::tm local{};
    localtime_r(&t, &local);
    return year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)} /
           day{static_cast<unsigned>(local.tm_mday)};
}

TDate AddDays(TDate date, long long count) {
    const long long first = FirstDay.time_since_epoch().count();
    const long long last = LastDay.time_since_epoch().count();
    const long long from = sys_days{date}.time_since_epoch().count();
    // Clamped before adding, so that no count can overflow.
    const long long span = std::clamp(count, first - last, last - first);
    const long long target = std::clamp(from + span, first, last);
    return TDate{sys_days{days{target}}};
}

std::string NumericDatePattern(const std::string& systemPattern) {
    std::vector<TPatternPart> parts;
    return SplitPattern(systemPattern, parts) ? systemPattern : FallbackPattern;
}

std::string FormatShortDate(TDate date, const std::string& pattern) {
    std::vector<TPatternPart> parts;
    if (!SplitPattern(pattern, parts)) {
        SplitPattern(FallbackPattern, parts);
    }
    std::string text;
    for (const TPatternPart& part : parts) {
        switch (part.Field) {
        case 'd':
            text += Padded(static_cast<unsigned>(date.day()), part.Width);
            break;
        case 'M':
            text += Padded(static_cast<unsigned>(date.month()), part.Width);
            break;
        case 'y':
            text += Padded(static_cast<unsigned>(static_cast<int>(date.year())), 4);
            break;
        default:
            text += part.Literal;
        }
    }
    return text;
}

bool TryParseShortDate(const std::string& text, const std::string& pattern, TDate today,
                       TDate& date) {
    std::vector<TPatternPart> parts;
    if (!SplitPattern(pattern, parts)) {
        SplitPattern(FallbackPattern, parts);
    }
    const std::string t = Trim(text);
    std::size_t at = 0;
    int d = 0, m = 0, y = 0;
    std::size_t yearDigits = 0;
    for (const TPatternPart& part : parts) {
        if (part.Field == 0) {
            if (t.compare(at, part.Literal.size(), part.Literal) != 0) {
                return false;
            }
            at += part.Literal.size();
            continue;
        }
        // Days and months take one or two digits, years up to four.
        const std::size_t most = part.Field == 'y' ? 4 : 2;
        std::size_t digits = 0;
        int value = 0;
        while (at < t.size() && digits < most && IsDigit(t[at])) {
            value = value * 10 + (t[at] - '0');
            ++at;
            ++digits;
        }
        if (digits == 0) {
            return false;
        }
        if (part.Field == 'd') {
            d = value;
        } else if (part.Field == 'M') {
            m = value;
        } else {
            y = value;
            yearDigits = digits;
        }
    }
    if (at != t.size() || yearDigits == 3) {
        return false;
    }
    if (yearDigits <= 2) {
        const int now = static_cast<int>(today.year());
        y += now - now % 100;
        if (y > now + 49) {
            y -= 100;
        } else if (y < now - 50) {
            y += 100;
        }
    }
    const TDate read = year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)};
    if (y < 1 || !read.ok()) {
        return false;
    }
    date = read;
    return true;
}

} // namespace cvn
