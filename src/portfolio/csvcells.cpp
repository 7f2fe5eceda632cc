#include "portfolio/csvcells.h"

#include "engine/number.h"
#include "engine/textfields.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace plenara {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether every comma of the whole part of a number stands before a group of three digits.
bool commasGroupThousands(std::string_view text) {
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::string_view whole = text.substr(0, point);
    std::size_t comma = whole.find(',');
    if (comma == std::string_view::npos) {
        return true;
    }
    if (comma == 0 || comma > 3) {
        return false;
    }
    while (comma != std::string_view::npos) {
        const std::size_t nextComma = whole.find(',', comma + 1);
        const std::size_t groupEnd = nextComma == std::string_view::npos ? whole.size() : nextComma;
        if (groupEnd - comma - 1 != 3) {
            return false;
        }
        comma = nextComma;
    }
    return true;
}

// The first start of a character at or after `at` (continuation bytes of UTF-8 are
// 10xxxxxx), so that a cut text stays valid UTF-8.
std::size_t utf8Boundary(std::string_view text, std::size_t at) {
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) {
        ++at;
    }
    return std::min(at, text.size());
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

std::string numberCellProblem(std::string_view cell) {
    std::string_view text = cell;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    if (!text.empty() && (text.front() == '-' || text.front() == '+') && text.size() > 1 &&
        (isDigit(text[1]) || text[1] == '.' || text[1] == '$')) {
        return text.front() == '-' ? "is below zero, which no input can be"
                                   : "has a sign, which an input does not take";
    }
    if (!readsWhole(text)) {
        // A number beyond what a double holds (some 309 digits, or as many decimals) reads as 0.
        if (Number(text) == 0.0 && text.find_first_of("123456789") != std::string_view::npos) {
            return "has too many digits to be read as a number";
        }
        return "is no number";
    }
    if (!commasGroupThousands(text.substr(text.empty() || text.front() != '$' ? 0 : 1))) {
        return "is no number (the decimal mark is a point; a comma only groups thousands)";
    }
    return {};
}

std::string csvField(std::string_view text, char delimiter) {
    const bool plain =
        text.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string_view::npos &&
        (text.empty() || (text.front() != ' ' && text.front() != '\t' && text.back() != ' ' &&
                          text.back() != '\t'));
    if (plain) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    return quoted + '"';
}

std::string quotedCell(std::string_view cell) {
    constexpr std::size_t kMostShown = 40;
    if (cell.size() <= kMostShown) {
        return "\"" + std::string(cell) + "\"";
    }
    return "\"" + std::string(cell.substr(0, utf8Boundary(cell, kMostShown))) + "...\"";
}

std::string shortenedText(std::string_view text, std::size_t most) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size() && characters < most; ++characters) {
        end = utf8Boundary(text, end + 1);
    }
    if (end == text.size()) {
        return std::string(text);
    }
    return std::string(text.substr(0, end)) + "\u2026";
}

std::string csvNumber(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0.0) {
        return "0"; // not "-0"
    }
    // As printf's "%.15g" writes it, at a fraction of its cost.
    char text[40];
    const auto written =
        value == std::trunc(value) && std::fabs(value) < 1e15
            ? std::to_chars(text, text + sizeof text, static_cast<long long>(value))
            : std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
    return std::string(text, written.ptr);
}

} // namespace plenara
