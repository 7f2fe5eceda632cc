#include "engine/number.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace plenara {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads an unsigned decimal "digits[.digits]" with "." as the mark whatever the locale.
double readPlainDecimal(std::string_view digits) {
    if (digits.empty() || digits == ".") {
        return 0.0;
    }
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::fixed);
    if (result.ec != std::errc()) {
        return 0.0;
    }
    return value;
}

} // namespace

double Number(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    bool seenPeriod = false;
    for (const char c : text) {
        if (isDigit(c)) {
            kept.push_back(c);
        } else if (c == '.') {
            if (seenPeriod) {
                break; // the leading number ends at a second period
            }
            seenPeriod = true;
            kept.push_back(c);
        }
    }
    return readPlainDecimal(kept);
}

namespace {

// The text after a leading minus sign and the blanks before it, or none without one.
std::optional<std::string_view> afterMinus(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() != '-') {
        return std::nullopt;
    }
    return text.substr(1);
}

} // namespace

double SignedNumber(std::string_view text) {
    if (const std::optional<std::string_view> rest = afterMinus(text)) {
        return -Number(*rest);
    }
    return Number(text);
}

bool readsWholeSigned(std::string_view text) {
    if (const std::optional<std::string_view> rest = afterMinus(text)) {
        return !rest->empty() && readsWhole(*rest);
    }
    return readsWhole(text);
}

bool readsWhole(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return true;
    }
    if (text.front() == '$') {
        text.remove_prefix(1);
    }
    bool digit = false;
    bool period = false;
    for (const char c : text) {
        if (isDigit(c)) {
            digit = true;
        } else if (c == '.' && !period) {
            period = true;
        } else if (c != ',' || period) {
            return false; // grouping commas stand only before the decimal point
        }
    }
    // A number beyond what a double holds (some 309 digits, or as many decimals) reads as 0,
    // which is not the number typed; a shorter text never does, and is not read again.
    constexpr std::size_t shortestBeyondDouble = 300;
    return digit &&
           (text.size() < shortestBeyondDouble ||
            text.find_first_of("123456789") == std::string_view::npos || Number(text) != 0.0);
}

std::optional<double> percentText(std::string_view text) {
    std::string rest;
    rest.reserve(text.size());
    for (const char c : text) {
        if (c != '%') {
            rest.push_back(c);
        }
    }
    std::string_view number = rest;
    while (!number.empty() && isBlank(number.front())) {
        number.remove_prefix(1);
    }
    while (!number.empty() && isBlank(number.back())) {
        number.remove_suffix(1);
    }
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (number.empty() || !(isDigit(number.front()) || number.front() == '.')) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return (negative ? -value : value) / 100.0;
}

double percentageFraction(std::string_view text, double previous) {
    const std::optional<double> fraction = percentText(text);
    if (!fraction || *fraction <= 0.0 || *fraction > 1.0) {
        return previous;
    }
    return *fraction;
}

} // namespace plenara
