#include "engine/summary.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

const std::string kAssumptions = " years depending on assumptions about uses of recovered heat "
                                 "and algorithms for estimating building thermal loads.";

SummaryInputs philadelphia(std::array<double, 4> paybacks, std::array<double, 4> capacities) {
    SummaryInputs in;
    in.paybackByMethod = paybacks;
    in.genCapacityByMethod = capacities;
    in.runTimeFraction = 0.75;
    in.cityName = "Philadelphia";
    in.stateName = "Pennsylvania";
    in.groundTemperature = 55.9;
    in.primeMover = PrimeMover::RecipEngine;
    in.hotWaterUsage = HotWaterUsage::High;
    return in;
}

TEST(ResultsSummaryTest, EveryLineOfTheRangeExample) {
    // Method 2 has no payback and is left out of both ranges.
    const SummaryOutput out =
        updateResultsSummary(philadelphia({0, 3.0, 0, 6.5}, {0, 40, 120, 300}));
    EXPECT_EQ(out.lblPaybackRange, "Simple payback ranges from 3.0 to 6.5" + kAssumptions +
                                       "  These results are also based on a recip-engine "
                                       "generator of 40 to 300 kW.");
    const std::array<Caption, 27> expected{{
        {"Summary of Results:", true},
        {"1. Recovered Heat for Domestic Hot Water Only (Loads Estimated from Utility Bills)",
         true},
        {"   a. simple payback of 3.0 years"},
        {"   b. potable hot water load estimated from summer fuel consumption"},
        {"   c. generator sized to meet potable hot water loads operating 7,440 hours/year"},
        {"   d. 40 kW recip-engine generator"},
        {""},
        {"2. Recovered Heat for Heating, Air Conditioning and", true},
        {"   Domestic Hot Water (Loads Estimated from Utility Bills)", true},
        {"   a. simple payback: none"},
        {"   b. space heating, cooling, and potable hot water loads estimated"},
        {"      from monthly power and fuel consumption"},
        {"   c. generator sized to meet heating, cooling, and hot water loads operating "},
        {"      6,570 hours/year"},
        {"   d. 120 kW recip-engine generator"},
        {""},
        {"3. Recovered Heat Used for Heating, Air Conditioning, and Domestic Hot Water", true},
        {"   (Space Conditioning Loads Estimated from EIA Degree-Day Algorithms and", true},
        {"    Hot Water Use Estimated from ASHRAE Publications)", true},
        {"   a. simple payback of 6.5 years"},
        {"   b. space heating and cooling loads estimated using heating and cooling degree days "},
        {"      for Philadelphia, Pennsylvania using EIA algorithms"},
        {"   c. potable hot water load estimated using high hot water usage data for multifamily"},
        {"      ground and hot water tank temperatures of 55.9 F and 140.0 F"},
        {"   d. generator sized to meet heating, cooling, and potable hot water loads "},
        {"      operating 6,570 hours/year"},
        {"   e. 300 kW recip-engine generator"},
    }};
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(out.lblSummary[n], expected[n]) << "line " << n;
    }
}

TEST(ResultsSummaryTest, PaybackRangeSentence) {
    struct Case {
        const char* name;
        std::array<double, 4> paybacks;
        std::array<double, 4> capacities;
        OptionGroup<PrimeMover> mover;
        std::string sentence;
    };
    const Case cases[] = {
        {"none positive",
         {0, 0, -2.5, 0},
         {0, 40, 120, 300},
         PrimeMover::RecipEngine,
         "A CHP system will probably operate at a loss under these conditions and not have a "
         "simple payback."},
        {"one",
         {0, 0, 4.26, 0},
         {0, 40, 150, 300},
         PrimeMover::RecipEngine,
         "Simple payback is approximately 4.3" + kAssumptions +
             "  These results are also based on a 150 kW recip-engine generator."},
        {"two equal",
         {0, 5.0, -1.0, 5.0},
         {0, 60, 120, 80},
         PrimeMover::Microturbine,
         "Simple payback ranges from 5.0 to 5.0" + kAssumptions +
             "  These results are also based on a microturbine generator of 60 to 80 kW."},
        {"three, ranges formed independently",
         {0, 2.5, 7.26, 4.0},
         {0, 1'500, 250, 35},
         PrimeMover::GasTurbine,
         "Simple payback ranges from 2.5 to 7.3" + kAssumptions +
             "  These results are also based on a gas turbine generator of 35 to 1,500 kW."},
        {"over 999 years",
         {0, 0, 0, 1'234.56},
         {0, 0, 0, 123'456},
         PrimeMover::FuelCell,
         "Simple payback is approximately 1234.6" + kAssumptions +
             "  These results are also based on a 123,456 kW fuel cell generator."},
        {"range over 999 years",
         {0, 2'000, 1'500, 0},
         {0, 10, 20, 0},
         PrimeMover::RecipEngine,
         "Simple payback ranges from 1500.0 to 2000.0" + kAssumptions +
             "  These results are also based on a recip-engine generator of 10 to 20 kW."},
        {"no prime mover",
         {0, 0, 4.26, 0},
         {0, 40, 150, 300},
         std::nullopt,
         "Simple payback is approximately 4.3" + kAssumptions +
             "  These results are also based on a 150 kW  generator."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SummaryInputs in = philadelphia(c.paybacks, c.capacities);
        in.primeMover = c.mover;
        const SummaryOutput out = updateResultsSummary(in);
        EXPECT_EQ(out.lblPaybackRange, c.sentence);
    }
}

TEST(ResultsSummaryTest, LinesThatFollowTheInputs) {
    SummaryInputs in = philadelphia({0, 0, 4.26, -3.0}, {0, 40, 150, 300});
    in.runTimeFraction = 0.85;
    in.primeMover = std::nullopt;
    const SummaryOutput out = updateResultsSummary(in);
    EXPECT_EQ(out.lblSummary[2].text, "   a. simple payback: none");
    EXPECT_EQ(out.lblSummary[9].text, "   a. simple payback of 4.3 years");
    EXPECT_EQ(out.lblSummary[19].text, "   a. simple payback: none");
    EXPECT_EQ(out.lblSummary[13].text, "      7,446 hours/year");
    EXPECT_EQ(out.lblSummary[25].text, "      operating 7,446 hours/year");
    EXPECT_EQ(out.lblSummary[5].text, "   d. 40 kW  generator");
    EXPECT_EQ(out.lblSummary[26].text, "   e. 300 kW  generator");

    // Line 22 names the hot-water level that Method 3 used; with none set it used medium.
    const std::pair<OptionGroup<HotWaterUsage>, const char*> levels[] = {
        {HotWaterUsage::Low, "low"},
        {HotWaterUsage::Medium, "medium"},
        {HotWaterUsage::High, "high"},
        {std::nullopt, "medium"}};
    for (const auto& [level, word] : levels) {
        in.hotWaterUsage = level;
        EXPECT_EQ(updateResultsSummary(in).lblSummary[22].text,
                  std::string("   c. potable hot water load estimated using ") + word +
                      " hot water usage data for multifamily");
    }
}

} // namespace
} // namespace plenara
