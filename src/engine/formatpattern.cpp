#include "engine/formatpattern.h"

#include "engine/number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace plenara {

namespace {

constexpr int kMostDecimals = 30;

bool isPlaceholder(char c) {
    return c == '0' || c == '#';
}

// A display pattern taken apart; the views point into the pattern text.
struct Pattern {
    std::string_view prefix; // literals before the first digit place, such as "$"
    std::string_view suffix; // literals after the last digit place, such as "%"
    bool percent = false;
    bool grouping = false;
    bool zeroInteger = false; // a zero integer part is written as "0" (else as nothing)
    bool hasPoint = false;
    int decimals = 0;         // digit places after the point
    int requiredDecimals = 0; // "0" places after the point
};

Pattern parsePattern(std::string_view text) {
    Pattern p;
    std::size_t first = text.size();
    std::size_t last = 0;
    bool anyPlace = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isPlaceholder(c) || c == '.' || c == ',') {
            if (!anyPlace) {
                first = i;
            }
            anyPlace = true;
            last = i;
        }
        if (c == '%') {
            p.percent = true;
        }
    }
    if (!anyPlace) {
        p.prefix = text;
        return p;
    }
    p.prefix = text.substr(0, first);
    p.suffix = text.substr(last + 1);
    const std::string_view body = text.substr(first, last - first + 1);
    const std::size_t point = body.find('.');
    const std::string_view integerPart = body.substr(0, point);
    p.hasPoint = point != std::string_view::npos;
    char lastIntegerPlace = '#';
    bool placeSeen = false;
    for (const char c : integerPart) {
        if (isPlaceholder(c)) {
            lastIntegerPlace = c;
            placeSeen = true;
        } else if (c == ',' && placeSeen) {
            p.grouping = true;
        }
    }
    p.zeroInteger = lastIntegerPlace == '0';
    if (p.hasPoint) {
        for (const char c : body.substr(point + 1)) {
            if (isPlaceholder(c)) {
                ++p.decimals;
                if (c == '0') {
                    ++p.requiredDecimals;
                }
            }
        }
    }
    // Far more places than any pattern uses; the limit keeps the digits within their buffer.
    p.decimals = std::min(p.decimals, kMostDecimals);
    p.requiredDecimals = std::min(p.requiredDecimals, kMostDecimals);
    return p;
}

// The digits of a magnitude rounded half away from zero to `decimals` places, that is of
// magnitude * 10^decimals, rounded on its decimal form to 15 significant digits so that a
// value such as 2.675 rounds as the reader sees it and not as its binary tail would.
struct RoundedDigits {
    // Room for the integer digits of the largest double and the widest fraction in use.
    std::array<char, 360> text{};
    std::size_t size = 0;

    std::string_view view() const { return {text.data(), size}; }
};

constexpr std::array<double, kMostDecimals + 1> kPowersOfTen = [] {
    std::array<double, kMostDecimals + 1> powers{};
    double power = 1.0;
    for (double& p : powers) {
        p = power;
        power *= 10.0;
    }
    return powers;
}();

// The magnitude times 10^decimals rounded to a whole number by plain arithmetic, for a
// magnitude whose scaled value is far enough from a half for the binary tail to make no
// difference; false when it is not.
bool roundedQuickly(double magnitude, int decimals, unsigned long long& rounded) {
    const double scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(decimals)];
    if (!(scaled < 1e14)) {
        return false;
    }
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    // The decimal form to 15 significant digits lies within this of the scaled value.
    const double tolerance = scaled * 1e-14 + 1e-300;
    if (std::fabs(fraction - 0.5) <= tolerance) {
        return false;
    }
    rounded = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

// The same digits by plain arithmetic where roundedQuickly can tell them.
bool roundedDigitsQuickly(double magnitude, int decimals, RoundedDigits& digits) {
    unsigned long long n = 0;
    if (!roundedQuickly(magnitude, decimals, n)) {
        return false;
    }
    char buffer[24];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, n);
    const auto length = static_cast<std::size_t>(converted.ptr - buffer);
    const auto wanted = static_cast<std::size_t>(decimals) + 1;
    const std::size_t leading = length < wanted ? wanted - length : 0;
    for (std::size_t i = 0; i < leading; ++i) {
        digits.text[i] = '0';
    }
    for (std::size_t i = 0; i < length; ++i) {
        digits.text[leading + i] = buffer[i];
    }
    digits.size = leading + length;
    return true;
}

RoundedDigits roundedDigits(double magnitude, int decimals) {
    RoundedDigits quick;
    if (roundedDigitsQuickly(magnitude, decimals, quick)) {
        return quick;
    }
    char buffer[32];
    const auto converted =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    // "d.ddddddddddddddde+XX": fifteen significant digits and the exponent.
    char significant[15];
    int count = 0;
    const char* p = buffer;
    for (; p < converted.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9' && count < 15) {
            significant[count++] = *p;
        }
    }
    int exponent = 0;
    bool negativeExponent = false;
    if (p < converted.ptr && *p == 'e') {
        ++p;
        if (p < converted.ptr && (*p == '-' || *p == '+')) {
            negativeExponent = *p == '-';
            ++p;
        }
        for (; p < converted.ptr; ++p) {
            exponent = exponent * 10 + (*p - '0');
        }
    }
    if (negativeExponent) {
        exponent = -exponent;
    }

    RoundedDigits digits;
    const int keep = exponent + 1 + decimals;
    const std::size_t keepCount = keep < 0 ? 0 : static_cast<std::size_t>(keep);
    // Zeros in front: one for a carry into a new digit, and enough that the digits reach
    // into the integer part.
    const std::size_t leading =
        1 + (keepCount < static_cast<std::size_t>(decimals) ? decimals - keepCount : 0);
    for (std::size_t i = 0; i < leading; ++i) {
        digits.text[i] = '0';
    }
    for (std::size_t i = 0; i < keepCount; ++i) {
        digits.text[leading + i] = i < static_cast<std::size_t>(count) ? significant[i] : '0';
    }
    digits.size = leading + keepCount;
    if (keep < 0) {
        return digits;
    }
    const char next = keepCount < static_cast<std::size_t>(count) ? significant[keepCount] : '0';
    if (next >= '5') {
        std::size_t i = digits.size;
        while (i > 0) {
            --i;
            if (digits.text[i] == '9') {
                digits.text[i] = '0';
            } else {
                ++digits.text[i];
                break;
            }
        }
    }
    return digits;
}

} // namespace

std::string FormatPattern(double value, std::string_view pattern) {
    const Pattern p = parsePattern(pattern);
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    if (p.percent) {
        value *= 100.0;
    }
    const auto decimals = static_cast<std::size_t>(p.decimals);
    const RoundedDigits rounded = roundedDigits(std::fabs(value), p.decimals);
    std::string_view digits = rounded.view();
    const bool isZero = digits.find_first_not_of('0') == std::string_view::npos;

    // Integer digits without leading zeros, then the fraction.
    std::string_view integerDigits;
    std::string_view fraction;
    if (digits.size() > decimals) {
        integerDigits = digits.substr(0, digits.size() - decimals);
        fraction = digits.substr(digits.size() - decimals);
    } else {
        fraction = digits;
    }
    const std::size_t firstNonZero = integerDigits.find_first_not_of('0');
    integerDigits = firstNonZero == std::string_view::npos ? std::string_view()
                                                           : integerDigits.substr(firstNonZero);
    while (fraction.size() > static_cast<std::size_t>(p.requiredDecimals) &&
           fraction.back() == '0') {
        fraction.remove_suffix(1);
    }

    std::string text;
    text.reserve(p.prefix.size() + integerDigits.size() * 4 / 3 + fraction.size() + 4);
    if (value < 0.0 && !isZero) {
        text.push_back('-');
    }
    text += p.prefix;
    if (integerDigits.empty()) {
        if (p.zeroInteger) {
            text.push_back('0');
        }
    } else if (p.grouping) {
        const std::size_t n = integerDigits.size();
        for (std::size_t i = 0; i < n; ++i) {
            text.push_back(integerDigits[i]);
            const std::size_t remaining = n - i - 1;
            if (remaining > 0 && remaining % 3 == 0) {
                text.push_back(',');
            }
        }
    } else {
        text += integerDigits;
    }
    if (p.hasPoint) {
        text.push_back('.');
        text += fraction;
    }
    text += p.suffix;
    return text;
}

double patternValue(double value, std::string_view pattern) {
    const Pattern p = parsePattern(pattern);
    const auto plainLiterals = [](std::string_view literals) {
        return literals.find_first_of("0123456789.") == std::string_view::npos;
    };
    unsigned long long rounded = 0;
    if (value >= 0.0 && !p.percent && p.decimals <= 15 && plainLiterals(p.prefix) &&
        plainLiterals(p.suffix) && roundedQuickly(value, p.decimals, rounded)) {
        // The text holds the digits of `rounded` with the point before the last `decimals`;
        // reading them gives the double nearest to rounded / 10^decimals, which is what the
        // division gives too, both operands being exact.
        return static_cast<double>(rounded) / kPowersOfTen[static_cast<std::size_t>(p.decimals)];
    }
    return Number(FormatPattern(value, pattern));
}

std::string ShortDate(int year, int month, int day) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", month, day, year);
    return buffer;
}

} // namespace plenara
