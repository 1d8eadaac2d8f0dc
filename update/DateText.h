#pragma once

#include <chrono>
#include <string>

namespace cvn {

using TDate = std::chrono::year_month_day;

// The calendar day of a moment on this machine's local clock.
TDate LocalDate(std::chrono::system_clock::time_point moment);

// The date so many days later (earlier for a negative count), held within the years
// 1 to 9999.
TDate AddDays(TDate date, long long days);

// A short date pattern as the desktop gives it ("M/d/yy", "dd.MM.yyyy", "yyyy-MM-dd"):
// the numeric fields d, dd, M, MM, yy and yyyy between separators. A pattern with
// anything else (month or day names, no year, a field twice) gives "M/d/yyyy".
std::string NumericDatePattern(const std::string& systemPattern);

// The date in the pattern. The year is always written with four digits, whatever the
// pattern says, so that it reads back in the same century.
std::string FormatShortDate(TDate date, const std::string& pattern);

// Reads a date written in the pattern. A two-digit year is taken in the century that
// puts it nearest today (within 50 years either way), so "12/31/26" read in 2026 is
// 2026, never 1926. False when the text is not a valid date in the pattern.
bool TryParseShortDate(const std::string& text, const std::string& pattern, TDate today,
                       TDate& date);

} // namespace cvn
