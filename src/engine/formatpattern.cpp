#include "engine/formatpattern.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace plenara {

namespace {

bool isPlaceholder(char c) {
    return c == '0' || c == '#';
}

struct Pattern {
    std::string prefix; // literals before the first digit place, such as "$"
    std::string suffix; // literals after the last digit place, such as "%"
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
        p.prefix = std::string(text);
        return p;
    }
    p.prefix = std::string(text.substr(0, first));
    p.suffix = std::string(text.substr(last + 1));
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
    return p;
}

// The magnitude rounded half away from zero to `decimals` places, as the digits of
// magnitude * 10^decimals (no sign, no leading zeros beyond what is needed).
std::string roundedDigits(double magnitude, int decimals) {
    // 15 significant digits: the decimal form a reader sees, without the binary tail.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    std::string significant;
    const char* p = buffer;
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            significant.push_back(*p);
        }
    }
    const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
    const long long keep = static_cast<long long>(exponent) + 1 + decimals;
    if (keep < 0) {
        return "0";
    }
    std::string digits;
    const auto keepCount = static_cast<std::size_t>(keep);
    for (std::size_t i = 0; i < keepCount; ++i) {
        digits.push_back(i < significant.size() ? significant[i] : '0');
    }
    const char next = keepCount < significant.size() ? significant[keepCount] : '0';
    if (next >= '5') {
        std::size_t i = digits.size();
        while (i > 0) {
            --i;
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                break;
            }
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                break;
            }
        }
        if (digits.empty()) {
            digits = "1";
        }
    }
    return digits.empty() ? std::string("0") : digits;
}

std::string groupByThrees(const std::string& digits) {
    std::string grouped;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        grouped.push_back(digits[i]);
        const std::size_t remaining = n - i - 1;
        if (remaining > 0 && remaining % 3 == 0) {
            grouped.push_back(',');
        }
    }
    return grouped;
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
    std::string digits = roundedDigits(std::fabs(value), p.decimals);
    const auto decimals = static_cast<std::size_t>(p.decimals);
    if (digits.size() <= decimals) {
        digits.insert(0, decimals + 1 - digits.size(), '0');
    }
    std::string integerDigits = digits.substr(0, digits.size() - decimals);
    std::string fraction = digits.substr(digits.size() - decimals);

    const bool isZero = digits.find_first_not_of('0') == std::string::npos;

    const std::size_t firstNonZero = integerDigits.find_first_not_of('0');
    integerDigits =
        firstNonZero == std::string::npos ? std::string() : integerDigits.substr(firstNonZero);
    if (integerDigits.empty() && p.zeroInteger) {
        integerDigits = "0";
    }
    if (p.grouping) {
        integerDigits = groupByThrees(integerDigits);
    }
    while (fraction.size() > static_cast<std::size_t>(p.requiredDecimals) &&
           fraction.back() == '0') {
        fraction.pop_back();
    }

    std::string text;
    if (value < 0.0 && !isZero) {
        text.push_back('-');
    }
    text += p.prefix;
    text += integerDigits;
    if (p.hasPoint) {
        text.push_back('.');
        text += fraction;
    }
    text += p.suffix;
    return text;
}

std::string ShortDate(int year, int month, int day) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", month, day, year);
    return buffer;
}

} // namespace plenara
