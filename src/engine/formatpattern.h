#pragma once

#include <string>
#include <string_view>

namespace plenara {

// Formats a number with a display pattern such as "$###,###,##0" or "##0.0%":
// "0" and "#" digit places, "," for grouping by threes, "." for the decimal point, "%"
// to show the value times 100, and literal characters such as "$" in front. Halves round
// away from zero on the value's decimal form taken to 15 significant digits, so 2.675
// with "##0.00" is 2.68 as a reader of the number expects. A negative value is written
// with a minus sign in front of the whole text, unless it rounds to zero. The text has no
// filler blanks; placeholders never truncate. Infinity and NaN are written as "0".
std::string FormatPattern(double value, std::string_view pattern);

// The number that Number reads back from FormatPattern(value, pattern): the value as the
// pattern rounds it. Worked out without the text where the rounding is plain, for the
// calculations that run a project many times.
double patternValue(double value, std::string_view pattern);

// The short date of the report footers, month/day/year with four digits: 12/06/2026.
std::string ShortDate(int year, int month, int day);

} // namespace plenara
