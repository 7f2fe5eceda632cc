#include "engine/number.h"

#include <cmath>

#include <gtest/gtest.h>

namespace plenara {
namespace {

struct NumberCase {
    const char* name;
    const char* text;
    double value;

    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }
};

class NumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberTest, ReadsTheLeadingDecimalOfDigitsAndPeriods) {
    EXPECT_DOUBLE_EQ(Number(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NumberTest,
    ::testing::Values(
        NumberCase{"empty", "", 0.0}, NumberCase{"noDigits", "abc", 0.0},
        NumberCase{"dollarsAndGrouping", "$1,234.50", 1234.5},
        NumberCase{"grouping", "$12,500", 12500.0}, NumberCase{"minusIsDropped", "-20", 20.0},
        NumberCase{"minusThree", "-3", 3.0}, NumberCase{"secondPeriodStops", "1.2.3", 1.2},
        NumberCase{"unitAfter", "12 kW", 12.0}, NumberCase{"exponentLetterDropped", "1.5e3", 1.53},
        NumberCase{"leadingPeriod", ".5", 0.5}, NumberCase{"periodOnly", ".", 0.0},
        NumberCase{"percent", " 95%", 95.0}, NumberCase{"blanksInside", "1 000", 1000.0},
        NumberCase{"commaIsNoDecimalMark", "3,5", 35.0}, NumberCase{"trailingPeriod", "7.", 7.0}),
    [](const auto& info) { return std::string(info.param.name); });

// What the display patterns write reads whole; anything else loses part of what was typed.
TEST(NumberTest, ReadsWholeOnlyWhatThePatternsWrite) {
    for (const char* whole :
         {"", "  ", "0", "68,400", "$8,058", "$0.0444", " $1,234.50 ", ".5", "7.", "1,2,3"}) {
        EXPECT_TRUE(readsWhole(whole)) << '"' << whole << '"';
    }
    for (const char* part :
         {"abc", "1e12", "-3", "1.2.3", "12 kW", "$", ".", "1 000", "95%", "1.5,0", "$$5", "5$"}) {
        EXPECT_FALSE(readsWhole(part)) << '"' << part << '"';
    }
    // Beyond a double, a number reads as 0: not what was typed. Zeros alone are still 0.
    EXPECT_FALSE(readsWhole(std::string(310, '9')));
    EXPECT_FALSE(readsWhole("0." + std::string(400, '0') + "1"));
    EXPECT_TRUE(readsWhole(std::string(400, '0')));
}

TEST(NumberTest, HugeDigitStringsGiveAFiniteValue) {
    const std::string digits(400, '9');
    EXPECT_TRUE(std::isfinite(Number(digits)));
}

TEST(MinMaxTest, ClampAndTies) {
    EXPECT_EQ(Max(-4.2, 0), 0.0);
    EXPECT_EQ(Max(0, 0), 0.0);
    EXPECT_EQ(Max(7, 0), 7.0);
    EXPECT_EQ(Min(3, 5), 3.0);
    EXPECT_EQ(Min(5, 3), 3.0);
    // On a tie Min returns its first argument: -0.0 and 0.0 compare equal but differ in sign.
    EXPECT_TRUE(std::signbit(Min(-0.0, 0.0)));
    EXPECT_FALSE(std::signbit(Min(0.0, -0.0)));
}

TEST(PercentTest, ConvertsListItemsAndTypedTexts) {
    EXPECT_DOUBLE_EQ(*percentText(" 95%"), 0.95);
    EXPECT_DOUBLE_EQ(*percentText("75%"), 0.75);
    EXPECT_DOUBLE_EQ(*percentText("  5%"), 0.05);
    EXPECT_DOUBLE_EQ(*percentText("100%"), 1.0);
    EXPECT_DOUBLE_EQ(*percentText("62.5"), 0.625);
    EXPECT_DOUBLE_EQ(*percentText("%8%0%"), 0.8);
    EXPECT_FALSE(percentText("abc").has_value());
    EXPECT_FALSE(percentText("").has_value());
    EXPECT_FALSE(percentText("%").has_value());
    EXPECT_FALSE(percentText("7 5%").has_value());
    EXPECT_FALSE(percentText("inf").has_value());
}

TEST(PercentTest, AFractionThatIsNoNumberOrNotAboveZeroKeepsThePreviousOne) {
    EXPECT_DOUBLE_EQ(percentageFraction(" 85%", 0.75), 0.85);
    EXPECT_DOUBLE_EQ(percentageFraction("abc", 0.75), 0.75);
    EXPECT_DOUBLE_EQ(percentageFraction("0%", 0.6), 0.6);
    EXPECT_DOUBLE_EQ(percentageFraction("-5%", 0.6), 0.6);
    EXPECT_DOUBLE_EQ(percentageFraction("", 0.5), 0.5);
    // No more than the whole year, nor more heat than the fuel holds.
    EXPECT_DOUBLE_EQ(percentageFraction("100%", 0.75), 1.0);
    EXPECT_DOUBLE_EQ(percentageFraction("100.01%", 0.75), 0.75);
    EXPECT_DOUBLE_EQ(percentageFraction("150%", 0.75), 0.75);
    EXPECT_DOUBLE_EQ(percentageFraction("1e308%", 0.75), 0.75);
}

} // namespace
} // namespace plenara
