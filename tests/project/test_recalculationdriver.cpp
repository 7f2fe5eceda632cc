#include "engine/captiontext.h"
#include "project/methodinputs.h"
#include "project/projectsession.h"
#include "project/recalculationdriver.h"
#include "samplecomparison.h"

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

namespace plenara {
namespace {

ClimateTable shippedClimate() {
    return readClimateData(PLENARA_SHIPPED_DATA_DIR).table;
}

ProjectSession sampleSession() {
    ProjectSession session(shippedClimate());
    session.loadSampleData();
    return session;
}

// The sample building through the whole recalculation: every input rewritten in its
// pattern, the totals, the three methods side by side and the payback range.
TEST(RecalculationTest, SampleBuildingFromInputsToSummary) {
    const ProjectSession session = sampleSession();
    const ProjectInputs& in = session.inputs();
    EXPECT_EQ(in.MonthlyKWh[0], "68,400");
    EXPECT_EQ(in.MonthlyKW[6], "432");
    EXPECT_EQ(in.MonthlyPowerBill[0], "$8,058");
    EXPECT_EQ(in.MonthlyFuel1[2], "29,645");
    EXPECT_EQ(in.MonthlyFuel1Cost[2], "$72,630");
    EXPECT_EQ(in.MonthlyFuel2[0], "0");
    EXPECT_EQ(in.MonthlyFuel2Cost[0], "$0");
    EXPECT_EQ(in.EnergyCharge, "$0.0444");
    EXPECT_EQ(in.FuelAdjCharge, "$0.0733");
    EXPECT_EQ(in.DemandCharge, "$0.00");
    EXPECT_EQ(in.StandbyCharge, "$0.00");
    EXPECT_EQ(in.GasCost, "$1.3119");
    EXPECT_EQ(in.HeatedFloorSpace, "98,000");
    EXPECT_EQ(in.Occupants, "200");
    EXPECT_EQ(in.City, "Philadelphia");
    // Method 2's capacity: January's 62,100 kWh at step 9 over 558 hours, to 5 kW.
    EXPECT_EQ(in.CapacityIteration, "110");

    const ProjectResults& r = session.results();
    const TotalsCaptions& t = r.totals;
    EXPECT_EQ(t.lblAnnualPower, "984,000");
    EXPECT_EQ(t.lblAnnualPowerCost, "$115,717");
    EXPECT_EQ(t.lblAverageCostPower, "$0.118"); // 115,717 / 984,000
    EXPECT_EQ(t.lblAnnualFuel1, "183,827");
    EXPECT_EQ(t.lblAnnualFuel1Cost, "$450,712");
    EXPECT_EQ(t.lblFuel1AvgCost, "$2.452"); // 450,712 / 183,827
    EXPECT_EQ(t.lblAnnualFuel2, "0");
    EXPECT_EQ(t.lblAnnualFuel2Cost, "$0");
    EXPECT_EQ(t.lblAvgFuel2Cost, "$0.000");
    EXPECT_EQ(t.Label18, "/CCF");

    // Row 1 of Method 2 is Method 1's hot-water load as shown; row 2 the rest of the
    // 183,827 gallons x 0.136998 x 0.75 = 18,888 MMBtu; row 3 the summer kWh above the
    // winter mean of 63,343 kWh at 12 Btu/Wh; row 7 the step-9 generation of 62,100 kWh a
    // month, cut to the kWh of March, April, May and October. Gas at $1.3119 per CCF of
    // 0.1025 MMBtu costs $12.799 per MMBtu.
    for (std::size_t i = 0; i < test::kSampleComparison.size(); ++i) {
        EXPECT_EQ(shownText(r.lblComparisons[i]), test::kSampleComparison[i]) << "row " << i;
    }
    // Row 2 is stored with its "&" doubled, as a caption shows one.
    EXPECT_EQ(r.lblComparisons[2].substr(0, 20), " 2. Space Heating &&");
    EXPECT_EQ(r.lblPaybackRange, test::kSamplePaybackRange);
    EXPECT_EQ(r.lblSummary[21].text, "      for Philadelphia, Pennsylvania using EIA algorithms");
    EXPECT_EQ(r.lblSummary[23].text,
              "      ground and hot water tank temperatures of 55.9 F and 140.0 F");
    EXPECT_EQ(r.lblBasisOfResults, "Results for August (136,800 kWh)");
    EXPECT_EQ(r.method2.selectedStep, 9);
    EXPECT_DOUBLE_EQ(r.genCapacityByMethod[2], 110.0);
    EXPECT_EQ(r.primeMoverEnabled, (std::array<bool, 4>{true, false, true, true}));
}

TEST(RecalculationTest, ShowDetailsSwitches) {
    ProjectSession session(shippedClimate());
    EXPECT_FALSE(session.results().summaryFrameVisible);
    EXPECT_EQ(session.results().tabVisible,
              (std::array<bool, tab::Count>{true, true, true, true, true, true, true, false, false,
                                            false, false, false, false}));
    session.view().Check1 = {true, false, true, false, true};
    session.recalculate();
    EXPECT_TRUE(session.results().summaryFrameVisible);
    EXPECT_EQ(session.results().tabVisible,
              (std::array<bool, tab::Count>{true, true, true, true, true, true, true, false, true,
                                            false, false, true, false}));
}

TEST(RecalculationTest, APercentageThatIsNoNumberKeepsTheLastGoodFraction) {
    ProjectSession session = sampleSession();
    session.inputs().RunTimeFractionText = " 85%";
    session.recalculate();
    EXPECT_DOUBLE_EQ(session.results().RunTimeFraction, 0.85);
    // 0.85 x 8,760 hours.
    EXPECT_EQ(session.results().lblSummary[13].text, "      7,446 hours/year");
    // Nor is a fraction above 100 % taken: 150 % would run the gen-set 13,140 hours a year.
    for (const char* text : {"abc", "0%", "", "-5%", "150%", "1e308%", "100.01%"}) {
        session.inputs().RunTimeFractionText = text;
        session.inputs().BoilerEfficiencyText = text;
        session.recalculate();
        EXPECT_DOUBLE_EQ(session.results().RunTimeFraction, 0.85) << text;
        EXPECT_DOUBLE_EQ(session.results().BoilerEfficiency, 0.75) << text;
        EXPECT_EQ(session.results().lblSummary[13].text, "      7,446 hours/year") << text;
        EXPECT_GT(session.results().genCapacityByMethod[2], 0.0);
    }
    session.inputs().RunTimeFractionText = "100%";
    session.recalculate();
    EXPECT_DOUBLE_EQ(session.results().RunTimeFraction, 1.0);
}

// A city name of two states takes the degree days of the state that was chosen.
TEST(RecalculationTest, ACityIsLookedUpInTheChosenState) {
    ClimateTable climate;
    climate.rows = {{"Oregon", "Portland", "4400", "400", "53.0"},
                    {"Maine", "Portland", "7300", "350", "46.0"}};
    ProjectSession session(climate);
    session.loadSampleData();
    session.chooseState("Maine");
    ASSERT_EQ(session.inputs().City, "Portland");
    const Method3Results& m3 = session.results().method3;
    EXPECT_EQ(m3.HDD, 7300.0);
    EXPECT_EQ(m3.CDD, 350.0);
    EXPECT_EQ(m3.avgTemperature, 46.0);
    EXPECT_EQ(session.results().lblClimateData[1], "    7,300 heating degree days");
    EXPECT_EQ(session.results().lblSummary[21].text,
              "      for Portland, Maine using EIA algorithms");
    session.chooseState("Oregon");
    EXPECT_EQ(session.results().method3.HDD, 4400.0);
    EXPECT_TRUE(session.results().warnings.empty());

    // A figure of the file read only in part is warned about like a mistyped box.
    climate.rows.push_back({"Delaware", "Wilmington (DE)", "abc", "1,100", "55.0"});
    ProjectSession damaged(climate);
    damaged.loadSampleData();
    damaged.chooseState("Delaware");
    ASSERT_EQ(damaged.results().warnings.size(), 1u);
    EXPECT_EQ(damaged.results().warnings[0].text(),
              "City: the climate data give Wilmington (DE), Delaware the heating degree days "
              "\"abc\", read as 0");
}

// The Method 2 assumptions and the summary name what the run used.
TEST(RecalculationTest, TextsThatNameTheInputsFollowThem) {
    ProjectSession session = sampleSession();
    EXPECT_EQ(session.results().Text1EfficiencyLine, "      efficiency of 75%");
    // The sample sets low hot-water use.
    EXPECT_EQ(session.results().lblSummary[22].text,
              "   c. potable hot water load estimated using low hot water usage data for "
              "multifamily");
    const std::pair<const char*, const char*> efficiencies[] = {
        {"80%", "80%"}, {"62.5%", "62%"}, {"63.5%", "64%"}, {" 50%", "50%"}};
    for (const auto& [typed, shown] : efficiencies) {
        session.inputs().BoilerEfficiencyText = typed;
        session.recalculate();
        EXPECT_EQ(session.results().Text1EfficiencyLine,
                  std::string("      efficiency of ") + shown);
    }
    session.inputs().HotWaterUsage = HotWaterUsage::High;
    session.recalculate();
    EXPECT_EQ(session.results().lblSummary[22].text,
              "   c. potable hot water load estimated using high hot water usage data for "
              "multifamily");
}

// A text that is not used as typed is warned about until the user types another; the
// rewrite of the text in its pattern does not end the warning.
TEST(RecalculationTest, InputsNotUsedAsTypedAreWarnedAbout) {
    ProjectSession session = sampleSession();
    EXPECT_TRUE(session.results().warnings.empty());
    ProjectInputs& in = session.inputs();
    in.MonthlyKWh[2] = "1e12";
    in.MonthlyPowerBill[0] = "abc";
    in.GasCost = "-1.3119";
    in.RunTimeFractionText = "150%";
    in.City = "Atlantis";
    session.recalculate();
    const std::vector<InputWarning> expected = {
        {"MonthlyKWh[2]", "kWh, March", "\"1e12\" read as 112"},
        {"MonthlyPowerBill[0]", "Electricity $, January", "\"abc\" read as 0"},
        {"GasCost", "Cost of Natural Gas", "\"-1.3119\" read as 1.3119"},
        {"RunTimeFractionText", "Gen-Set Run Time Fraction", "\"150%\" is above 100%; 75% is used"},
        {"City", "City",
         "\"Atlantis\" is not in the climate data of Pennsylvania; Method 3 uses 0 degree days"},
    };
    EXPECT_EQ(session.results().warnings, expected);
    EXPECT_EQ(in.MonthlyKWh[2], "112");
    EXPECT_EQ(session.results().warnings[0].text(), "kWh, March: \"1e12\" read as 112");

    session.recalculate();
    EXPECT_EQ(session.results().warnings, expected) << "the rewritten texts keep their warning";

    in.MonthlyKWh[2] = "57,000";
    in.MonthlyPowerBill[0] = "$8,058";
    in.RunTimeFractionText = "75%";
    in.City = "Philadelphia";
    session.recalculate();
    ASSERT_EQ(session.results().warnings.size(), 1u);
    EXPECT_EQ(session.results().warnings[0].field, "GasCost");

    // A state that the climate data do not hold is named on its own, before its city.
    in.State = "Narnia";
    session.recalculate();
    ASSERT_EQ(session.results().warnings.size(), 3u);
    EXPECT_EQ(session.results().warnings[1],
              (InputWarning{"State", "State", "\"Narnia\" is not a state of the climate data"}));
    EXPECT_EQ(session.results().warnings[2].field, "City");

    session.resetInputs();
    EXPECT_TRUE(session.results().warnings.empty());
}

TEST(RecalculationTest, ACityMissingFromTheClimateDataKeepsTheLastTemperature) {
    ProjectSession session = sampleSession();
    EXPECT_DOUBLE_EQ(session.results().method3.avgTemperature, 55.9);
    session.inputs().City = "Atlantis";
    session.recalculate();
    const Method3Results& m3 = session.results().method3;
    EXPECT_EQ(m3.HDD, 0.0);
    EXPECT_EQ(m3.CDD, 0.0);
    EXPECT_DOUBLE_EQ(m3.avgTemperature, 55.9);
    EXPECT_EQ(session.results().lblClimateData[0], "For Atlantis, Pennsylvania there are:");

    // Before any city was found the ground is taken at 0 F.
    ProjectSession fresh(shippedClimate());
    fresh.inputs().Occupants = "10";
    fresh.inputs().City = "Atlantis";
    fresh.recalculate();
    EXPECT_DOUBLE_EQ(fresh.results().method3.avgTemperature, 0.0);
    // 44 gallons x 8.3 lb x 140 F / 1,000,000 x 365 x 10 occupants = 186.6172 MMBtu.
    EXPECT_NEAR(fresh.results().method3.potableHotWaterLoad, 186.6172, 0.00005);
}

TEST(RecalculationTest, NoGasUnitLeavesThePriceAsTypedAndItsCaption) {
    ProjectSession session = sampleSession();
    session.inputs().GasCostUnit.reset();
    session.inputs().GasCost = "1.3119";
    session.recalculate();
    EXPECT_EQ(session.inputs().GasCost, "1.3119");
    EXPECT_EQ(session.results().totals.Label18, "/CCF");
    EXPECT_DOUBLE_EQ(session.results().method1.gasPrice, 1.3119);
    session.inputs().GasCostUnit = GasCostUnit::MCF;
    session.recalculate();
    // The price is rewritten in its pattern first, then read from what is shown.
    EXPECT_EQ(session.inputs().GasCost, "$1.31");
    EXPECT_EQ(session.results().totals.Label18, "/MCF");
    EXPECT_DOUBLE_EQ(session.results().method1.gasPrice, 1.31 / 1.025);
}

// The numbers without captions are those of a full recalculation of the same inputs, as they
// were typed; computing them changes nothing of the project's own recalculations.
TEST(RecalculationTest, NumbersAloneMatchTheFullRecalculation) {
    const ProjectSession sample = sampleSession();
    const std::vector<std::function<void(ProjectInputs&)>> edits = {
        [](ProjectInputs&) {},
        [](ProjectInputs& p) { p.GasCost = "1.41234"; }, // rounded to $1.4123 as shown
        [](ProjectInputs& p) { p.HeatAllocation = HeatAllocation::CoolingPriority; },
        [](ProjectInputs& p) {
            p.WaterHeaterFuel = WaterHeaterFuel::Fuel1;
            p.MonthlyFuel1Cost[0] = "70000.4";
        },
        [](ProjectInputs& p) {
            p.RunTimeFractionText = "abc"; // the last good fraction stays
            p.City = "Atlantis";           // the last temperature stays
            p.PrimeMover = PrimeMover::Microturbine;
        },
        // Texts that round on an exact half, where the numbers must come from the decimal
        // form as the text shows it; texts too long for plain arithmetic; no gas unit set.
        [](ProjectInputs& p) {
            p.MonthlyKWh[3] = "56400.5";
            p.MonthlyFuel1[0] = "27979.5";
            p.MonthlyKW[6] = "432.5";
            p.EnergyCharge = "0.04445";
            p.DemandCharge = "2.675";
            p.Occupants = "200.5";
        },
        [](ProjectInputs& p) {
            p.MonthlyPowerBill[1] = "123456789012345678";
            p.MonthlyFuel1Cost[2] = "$1,234.5 and more";
            p.HeatedFloorSpace = "1e5";
            p.GasCostUnit.reset();
            p.GasCost = "1.31199";
        },
        [](ProjectInputs& p) {
            p.GasCostUnit = GasCostUnit::MCF;
            p.GasCost = "13.455";
            p.StandbyCharge = "1.005";
            p.MonthlyFuel1 = {"0.5", "1.5", "2.5", "", "", "", "", "", "", "", "", "3.5"};
        },
    };
    for (std::size_t i = 0; i < edits.size(); ++i) {
        ProjectSession session = sampleSession();
        edits[i](session.inputs());
        const ProjectInputs typed = session.inputs();
        const RecalculationState before = session.state();
        ProjectNumbers numbers;
        computeProjectNumbers(typed, session.climate(), before.RunTimeFraction,
                              before.BoilerEfficiency, before.avgTemperature, numbers);
        EXPECT_EQ(session.inputs(), typed) << i;
        session.recalculate();
        const ProjectResults& r = session.results();
        EXPECT_EQ(numbers.RunTimeFraction, r.RunTimeFraction) << i;
        EXPECT_EQ(numbers.method1.payback, r.method1.payback) << i;
        EXPECT_EQ(numbers.method1.savings, r.method1.savings) << i;
        EXPECT_EQ(numbers.method2.payback, r.method2.payback) << i;
        EXPECT_EQ(numbers.method2.capacityKW, r.method2.capacityKW) << i;
        EXPECT_EQ(numbers.method2.savings, r.method2.savings) << i;
        EXPECT_EQ(numbers.method3.payback, r.method3.payback) << i;
        EXPECT_EQ(numbers.method3.avgTemperature, r.method3.avgTemperature) << i;
        EXPECT_EQ(numbers.method1.hotWaterLoad, r.method1.hotWaterLoad) << i;
        EXPECT_EQ(numbers.method1.installedCost, r.method1.installedCost) << i;
        EXPECT_EQ(numbers.method2.selectedStep, r.method2.selectedStep) << i;
        EXPECT_EQ(numbers.method2.chpOperatingCost, r.method2.chpOperatingCost) << i;
        EXPECT_EQ(numbers.method3.savings, r.method3.savings) << i;
        EXPECT_EQ(numbers.method3.chpTotal, r.method3.chpTotal) << i;
    }
    EXPECT_NE(sample.results().method1.payback, 0.0);
}

TEST(RecalculationTest, TypingInTheGridRefreshesOnlyItsTotals) {
    ProjectSession session = sampleSession();
    const ProjectResults before = session.results();
    session.inputs().MonthlyKWh[0] = "100000";
    session.refreshTotals(TotalsRefresh::AnnualPower);
    const ProjectResults& r = session.results();
    EXPECT_EQ(r.totals.lblAnnualPower, "1,015,600");
    EXPECT_EQ(r.totals.lblAverageCostPower, "$0.114"); // 115,717 / 1,015,600
    EXPECT_EQ(r.totals.lblAnnualPowerCost, "$115,717");
    EXPECT_EQ(r.lblComparisons, before.lblComparisons);
    EXPECT_EQ(r.paybackByMethod, before.paybackByMethod);
    EXPECT_EQ(session.inputs().MonthlyKWh[0], "100000");

    session.inputs().MonthlyFuel1Cost[0] = "$1,000,000";
    session.refreshTotals(TotalsRefresh::Fuel1Totals);
    EXPECT_EQ(r.totals.lblAnnualFuel1Cost, "$1,382,164");
    session.inputs().MonthlyPowerBill[0] = "0";
    session.refreshTotals(TotalsRefresh::AnnualPowerCost);
    EXPECT_EQ(r.totals.lblAnnualPowerCost, "$107,659");

    // The next recalculation rewrites the text and the results follow.
    session.recalculate();
    EXPECT_EQ(session.inputs().MonthlyKWh[0], "100,000");
    EXPECT_NE(r.lblComparisons[7], before.lblComparisons[7]);
}

TEST(RecalculationTest, MethodTwoReadsTheAverageCostOfFuelOneAsShown) {
    // 1,000 dollars over 3 decatherms is shown as $333.333; the boiler fuel of the
    // heating-priority run is priced at that figure, not at 333.3333...
    ProjectSession session(shippedClimate());
    ProjectInputs& in = session.inputs();
    in.Fuel1Type = "natural gas";
    in.Fuel1Units = "decatherms";
    in.MonthlyFuel1[0] = "3";
    in.MonthlyFuel1Cost[0] = "1000";
    in.WaterHeaterFuel = WaterHeaterFuel::Fuel1;
    in.HeatAllocation = HeatAllocation::HeatingPriority;
    session.recalculate();
    EXPECT_EQ(session.results().totals.lblFuel1AvgCost, "$333.333");
    // Step 0, January: 3 MMBtu x 0.75 delivered, so 3 MMBtu of boiler fuel.
    EXPECT_DOUBLE_EQ(session.results().method2.months[0][0].FuelCost, 3 * 333.333);
}

TEST(RecalculationTest, GroupsWithNoOptionSet) {
    ProjectSession session = sampleSession();
    ProjectInputs& in = session.inputs();
    in.PrimeMover.reset();
    in.InstallationDifficulty.reset();
    in.HotWaterUsage.reset();
    in.HeatAllocation.reset();
    in.WaterHeaterFuel.reset();
    session.recalculate();
    const ProjectResults& r = session.results();
    EXPECT_EQ(r.lblMethod1[7].text,
              "2. Power Consumption                   System              Generator");
    EXPECT_TRUE(r.method2.coolingPriorityRun);
    EXPECT_EQ(r.lblSummary[5].text, "   d. 132 kW  generator");
    // No installation option: the base installation curve, unscaled.
    EXPECT_DOUBLE_EQ(r.method1.installationCost, 125.79 * r.method1.genCapacity + 13'111.0);
}

} // namespace
} // namespace plenara

namespace plenara {
namespace {

TEST(ProjectSessionTest, ChangesAreTrackedAgainstTheLastOpenOrSave) {
    ProjectSession session = sampleSession();
    EXPECT_FALSE(session.isModified());
    // The hot-water level and the water-heater fuel are stored on line 22.
    session.inputs().HotWaterUsage = HotWaterUsage::High;
    EXPECT_TRUE(session.isModified());
    session.inputs().HotWaterUsage = HotWaterUsage::Low;
    EXPECT_FALSE(session.isModified());
    session.inputs().WaterHeaterFuel = WaterHeaterFuel::Fuel1;
    EXPECT_TRUE(session.isModified());
    session.inputs().WaterHeaterFuel = WaterHeaterFuel::NaturalGas;
    session.inputs().MonthlyKW[3] = "130";
    EXPECT_TRUE(session.isModified());
    session.inputs().MonthlyKW[3] = "126";
    EXPECT_FALSE(session.isModified());
    session.resetInputs();
    EXPECT_FALSE(session.isModified());
}

TEST(ProjectSessionTest, AFailedOpenKeepsTheCurrentFile) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "plenara-session-test";
    std::filesystem::create_directories(folder);
    const std::string own = (folder / "OWN.TAV").string();
    ProjectSession session = sampleSession();
    ASSERT_TRUE(session.saveAs(own).ok());
    EXPECT_EQ(session.currentProjectFile(), own);

    const FileResult failed = session.open((folder / "MISSING.TAV").string());
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(session.currentProjectFile(), own);

    ProjectSession other(shippedClimate());
    ASSERT_TRUE(other.open(own).ok());
    EXPECT_EQ(other.currentProjectFile(), own);
    EXPECT_EQ(other.inputs().City, "Philadelphia");
    EXPECT_FALSE(other.isModified());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace plenara
