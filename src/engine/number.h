#pragma once

#include <optional>
#include <string_view>

namespace plenara {

// The numeric value of a text field: keeps only "." and the digits of the text and
// reads the leading decimal number of what is kept. It never fails and never yields a
// negative value, so "$1,234.50" is 1234.5, "-20" is 20 and "1.2.3" is 1.2.
double Number(std::string_view text);

// Whether Number reads the whole of a text, so that nothing the user typed is dropped: a
// number as the display patterns write it ("$1,234.50", "98,000", ".5"), blanks around it
// allowed, or a blank text, which counts as 0. "1e12" (read as 112), "-3" (read as 3),
// "1.2.3" and "abc" are read only in part.
bool readsWhole(std::string_view text);

// Number of a text that may begin with a minus sign (blanks before it allowed), for the few
// inputs that can be negative: "-2.5" is -2.5, "$-3" is 3 (the sign must come first).
double SignedNumber(std::string_view text);

// Whether SignedNumber reads the whole of a text: readsWhole after a leading minus sign.
bool readsWholeSigned(std::string_view text);

// The smaller of two numbers; on a tie the first argument. Inline: the Method 2 sweep calls
// these thousands of times a recalculation.
inline double Min(double a, double b) {
    return a <= b ? a : b;
}

// The larger of two numbers; with b = 0 it clamps a at zero.
inline double Max(double a, double b) {
    return a > b ? a : b;
}

// The value of a percentage box such as " 95%" or "75%" as a fraction (0.95, 0.75):
// every "%" removed, blanks around the number allowed. Empty when the rest is no
// decimal number.
std::optional<double> percentText(std::string_view text);

// The fraction of a percentage box, or `previous` when the text is no decimal number, not
// above zero or above 100 %: a fraction of 0 would make the sizing of two methods divide by
// zero, and a gen-set cannot run more than the hours of a year nor a boiler deliver more heat
// than its fuel holds.
double percentageFraction(std::string_view text, double previous);

} // namespace plenara
