#include "engine/captiontext.h"
#include "engine/formatpattern.h"
#include "engine/number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

struct PatternCase {
    const char* name;
    const char* pattern;
    double value;
    const char* expected;

    friend void PrintTo(const PatternCase& c, std::ostream* os) { *os << c.name; }
};

class FormatPatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, WritesTheValueInThePattern) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(FormatPattern(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
}

// Every pattern the system uses, with the examples of its display rules.
INSTANTIATE_TEST_SUITE_P(
    PatternsInUse, FormatPatternTest,
    ::testing::Values(PatternCase{"grouped9", "###,###,##0", 1234567.4, "1,234,567"},
                      PatternCase{"groupedOddCommas", "###,##,##0", 1234567, "1,234,567"},
                      PatternCase{"groupedCommaNearEnd", "##,###,###0", 98765.4, "98,765"},
                      PatternCase{"grouped7", "###,###0", 45678.9, "45,679"},
                      PatternCase{"grouped8", "#,###,##0", 12345, "12,345"},
                      PatternCase{"grouped6", "###,##0", 10500, "10,500"},
                      PatternCase{"grouped5", "##,##0", 7440, "7,440"},
                      PatternCase{"grouped4", "#,##0", 150, "150"},
                      PatternCase{"dollars9", "$###,###,##0", 123456.7, "$123,457"},
                      PatternCase{"dollars8", "$#,###,##0", 98765, "$98,765"},
                      PatternCase{"dollars6", "$###,##0", 1500, "$1,500"},
                      PatternCase{"dollars5", "$##,##0", 2200, "$2,200"},
                      PatternCase{"dollars4", "$#,##0", 850, "$850"},
                      PatternCase{"dollarCents4", "$###0.00", 1234.5, "$1234.50"},
                      PatternCase{"dollarCents3", "$##0.00", 9.876, "$9.88"},
                      PatternCase{"dollarMills3", "$##0.000", 0.08765, "$0.088"},
                      PatternCase{"dollarMills2", "$#0.000", 0.015, "$0.015"},
                      PatternCase{"dollarFour3", "$##0.0000", 0.12345678, "$0.1235"},
                      PatternCase{"dollarFour2", "$#0.0000", 0.0123456, "$0.0123"},
                      PatternCase{"tenths9", "###,###,##0.0", 1234.56, "1,234.6"},
                      PatternCase{"tenths8", "#,###,##0.0", 1234.56, "1,234.6"},
                      PatternCase{"tenths6", "###,##0.0", 987.65, "987.7"},
                      PatternCase{"tenths5", "##,##0.0", 3.26, "3.3"},
                      PatternCase{"tenths4", "#,##0.0", 12.34, "12.3"},
                      PatternCase{"hundredthsGrouped", "#,##0.00", 1234.567, "1,234.57"},
                      PatternCase{"noZeroBeforePointGrouped", "#,##.0", 0.44, ".4"},
                      PatternCase{"tenthsUngrouped", "###0.0", 3.26, "3.3"},
                      PatternCase{"noZeroBeforePoint", "###.0", 0.44, ".4"},
                      PatternCase{"tenths3", "##0.0", 58.84, "58.8"},
                      PatternCase{"hundredths3", "##0.00", 1.5, "1.50"},
                      PatternCase{"hundredths4", "###0.00", 12.3456, "12.35"},
                      PatternCase{"hundredthsZero", "0.00", 0.5, "0.50"},
                      PatternCase{"thousandths", "###0.000", 1.23456, "1.235"},
                      PatternCase{"percentWhole", "##0%", 0.756, "76%"},
                      PatternCase{"percentTenths3", "##0.0%", 0.1234, "12.3%"},
                      PatternCase{"percentTenths2", "#0.0%", 0.1234, "12.3%"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, FormatPatternTest,
    ::testing::Values(
        PatternCase{"zeroGrouped", "###,###,##0", 0, "0"},
        PatternCase{"zeroWithoutIntegerPlace", "###.0", 0, ".0"},
        PatternCase{"zeroGroupedWithoutIntegerPlace", "#,##.0", 0, ".0"},
        PatternCase{"moreDigitsThanPlaces", "#,##0", 1234567, "1,234,567"},
        PatternCase{"moreDigitsUngrouped", "0.00", 12345.678, "12345.68"},
        PatternCase{"percentRoundsUp", "##0%", 0.999, "100%"},
        PatternCase{"negativeDollars", "$###,##0", -1500, "-$1,500"},
        PatternCase{"negativeGrouped", "###,###,##0", -1234567.4, "-1,234,567"},
        PatternCase{"negativeRoundingToZero", "###,###,##0", -0.4, "0"},
        PatternCase{"negativeRoundingToZeroCents", "$##0.00", -0.004, "$0.00"},
        PatternCase{"negativeZero", "##0.0", -0.0, "0.0"},
        PatternCase{"halfAwayFromZero", "###,###,##0", 2.5, "3"},
        PatternCase{"negativeHalfAwayFromZero", "###,###,##0", -2.5, "-3"},
        PatternCase{"halfToWholeNumber", "#,##0", 0.5, "1"},
        PatternCase{"decimalFormRoundsUp", "##0.00", 2.675, "2.68"},
        PatternCase{"decimalFormRoundsUpFromOne", "0.00", 1.005, "1.01"},
        PatternCase{"decimalFormCents", "$###,##0", 0.5, "$1"},
        PatternCase{"carryIntoNewDigit", "###,##0.0", 999999.96, "1,000,000.0"},
        PatternCase{"carryIntoGrouping", "$###,###,##0", 999.5, "$1,000"},
        PatternCase{"tinyValue", "###,##0.0", 1e-20, "0.0"},
        PatternCase{"largeValue", "###,###,##0", 1.5e15, "1,500,000,000,000,000"},
        PatternCase{"infinity", "###,###,##0", std::numeric_limits<double>::infinity(), "0"},
        PatternCase{"nan", "$##0.00", std::numeric_limits<double>::quiet_NaN(), "$0.00"},
        PatternCase{"trailingHashShowsDigit", "0.0#", 1.25, "1.25"},
        PatternCase{"trailingHashDropsZero", "0.0#", 1.2, "1.2"},
        PatternCase{"plainZeroPattern", "0", 12.5, "13"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShortDateTest, MonthDayAndFourDigitYear) {
    EXPECT_EQ(ShortDate(2026, 12, 6), "12/06/2026");
    EXPECT_EQ(ShortDate(2027, 1, 31), "01/31/2027");
    EXPECT_EQ(ShortDate(2026, 12, 6).size(), 10u);
}

} // namespace
} // namespace plenara

namespace plenara {
namespace {

// The digits of a magnitude rounded half away from zero to `decimals` places on its decimal
// form to 15 significant digits, worked out on the text of printf's "%.14e".
std::string referenceDigits(double magnitude, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    std::string significant;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            significant.push_back(*p);
        }
    }
    const int exponent = std::atoi(p + 1);
    // Digits of the value times 10^decimals, as a whole number with leading zeros.
    const int pointAt = exponent + 1 + decimals; // digits before the cut
    std::string whole = "0";
    for (int i = 0; i < pointAt; ++i) {
        whole.push_back(i < static_cast<int>(significant.size())
                            ? significant[static_cast<std::size_t>(i)]
                            : '0');
    }
    const char next = pointAt >= 0 && pointAt < static_cast<int>(significant.size())
                          ? significant[static_cast<std::size_t>(pointAt)]
                          : (pointAt == -1 ? '0' : '0');
    if (pointAt >= 0 && next >= '5') {
        for (std::size_t i = whole.size(); i-- > 0;) {
            if (whole[i] == '9') {
                whole[i] = '0';
            } else {
                ++whole[i];
                break;
            }
        }
    }
    const std::size_t first = whole.find_first_not_of('0');
    return first == std::string::npos ? "0" : whole.substr(first);
}

// Only the digits of the formatted text, without sign, "$", "," and ".".
std::string digitsOf(const std::string& text) {
    std::string digits;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
        }
    }
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

TEST(FormatPatternTest, RoundsLikeTheDecimalFormOnAnyValue) {
    const std::vector<std::pair<const char*, int>> patterns = {
        {"###,###,##0", 0}, {"$###,##0", 0}, {"##0.0", 1},    {"$##0.00", 2},
        {"##0.00", 2},      {"$##0.000", 3}, {"$#0.0000", 4}, {"#,###,##0.0", 1}};
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 200'000; ++i) {
        const auto& [pattern, decimals] = patterns[next() % patterns.size()];
        double value = 0.0;
        switch (next() % 4) {
        case 0: // anything from tiny to huge
            value = std::ldexp(static_cast<double>(next() % 1'000'000),
                               static_cast<int>(next() % 80) - 40);
            break;
        case 1: // exact halves at the rounding place, as decimal text
            value = (static_cast<double>(next() % 10'000'000) + 0.5) / std::pow(10.0, decimals);
            break;
        case 2: // cents and mills of typed prices
            value = static_cast<double>(next() % 100'000'000) / 1000.0;
            break;
        default: // products such as rates times quantities
            value = static_cast<double>(next() % 100'000) * 0.0001 *
                    static_cast<double>(next() % 10'000);
            break;
        }
        ASSERT_EQ(digitsOf(FormatPattern(value, pattern)), referenceDigits(value, decimals))
            << std::setprecision(17) << value << " with " << pattern;
    }
}

} // namespace
} // namespace plenara

namespace plenara {
namespace {

// The number read back from a pattern's text, worked out without the text, is the number of
// the text itself: on plain values, on exact halves (2.675 shows as 2.68), on values too large
// for plain arithmetic, and in every pattern of the numeric inputs and totals.
TEST(PatternValueTest, IsTheNumberOfTheText) {
    const std::vector<std::string_view> patterns = {"###,###,##0", "###,##0",  "$###,##0",
                                                    "$##0.0000",   "$###0.00", "$#0.0000",
                                                    "$##0.00",     "$##0.000", "##0.0%"};
    const std::vector<double> values = {0.0,     0.5,         1.5,       2.675,   0.04445,
                                        1.005,   1234.5,      0.1 + 0.2, 98000.4, 1e14,
                                        1.23e17, 8.765432e-5, 56400.5,   999.9995};
    for (const std::string_view pattern : patterns) {
        for (const double value : values) {
            EXPECT_EQ(patternValue(value, pattern), Number(FormatPattern(value, pattern)))
                << pattern << " " << value;
        }
    }
    // By hand: 2.675 rounds up on its decimal form, 1.5 away from zero.
    EXPECT_EQ(patternValue(2.675, "$##0.00"), 2.68);
    EXPECT_EQ(patternValue(1.5, "###,##0"), 2.0);
}

} // namespace
} // namespace plenara

namespace plenara {
namespace {

// A number never runs into the cell before it: a loose cell always keeps a blank when the
// number fills or overflows it; on a fixed layout only when it would touch the text before.
TEST(TableCellTest, KeepsNumbersApart) {
    const struct {
        const char* before;
        const char* text;
        std::size_t width;
        const char* loose;
        const char* afterBefore;
    } cases[] = {
        {"none", "$25", 5, "  $25", "  $25"},
        {"none", "-$2,442,585", 11, " -$2,442,585", " -$2,442,585"},
        {"none ", "-$2,442,585", 11, " -$2,442,585", "-$2,442,585"},
        {"none", "-$12,442,585", 11, " -$12,442,585", " -$12,442,585"},
        {"", "-$12,442,585", 11, " -$12,442,585", "-$12,442,585"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(tableCell(c.text, c.width), c.loose);
        EXPECT_EQ(tableCellAfter(c.before, c.text, c.width), c.afterBefore);
    }
}

} // namespace
} // namespace plenara
