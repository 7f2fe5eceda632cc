#include "engine/formatpattern.h"

#include <limits>

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
