#include "project/preparedproject.h"
#include "project/projectsession.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

// A prepared project with a few texts changed gives exactly the numbers of a whole
// computeProjectNumbers of the project with the same texts typed in.
TEST(PreparedProject, ChangedTextsGiveTheNumbersOfAWholeRun) {
    ProjectSession session(readClimateData(PLENARA_SHIPPED_DATA_DIR).table);
    session.loadSampleData();
    const RecalculationState& kept = session.state();
    static MonthTexts fuelCosts;
    fuelCosts.fill("12,345.60");
    struct Case {
        const char* name;
        void (*edit)(ProjectInputs&); // on the project before it is prepared
        void (*change)(ChangedTexts&);
    };
    const Case cases[] = {
        {"nothing", nullptr,
         [](ChangedTexts&) {
         }},
        {"gas price", nullptr,
         [](ChangedTexts& c) {
             c.GasCost = "1.04952";
         }},
        {"gas price per MMBtu", [](ProjectInputs& p) { p.GasCostUnit = GasCostUnit::MMBtu; },
         [](ChangedTexts& c) {
             c.GasCost = "9.876";
         }},
        {"gas price without unit", [](ProjectInputs& p) { p.GasCostUnit = std::nullopt; },
         [](ChangedTexts& c) {
             c.GasCost = "1.23456";
         }},
        {"energy charge alone", nullptr,
         [](ChangedTexts& c) {
             c.EnergyCharge = "0.09";
         }},
        {"fuel adjustment alone", nullptr,
         [](ChangedTexts& c) {
             c.FuelAdjCharge = "0.01999";
         }},
        {"demand charge", nullptr,
         [](ChangedTexts& c) {
             c.DemandCharge = "12.345";
         }},
        {"run-time fraction", nullptr,
         [](ChangedTexts& c) {
             c.RunTimeFractionText = "62.5%";
         }},
        {"run-time fraction no number", nullptr,
         [](ChangedTexts& c) {
             c.RunTimeFractionText = "abc";
         }},
        {"boiler efficiency above 100", nullptr,
         [](ChangedTexts& c) {
             c.BoilerEfficiencyText = "120%";
         }},
        {"boiler efficiency", nullptr,
         [](ChangedTexts& c) {
             c.BoilerEfficiencyText = "88.8%";
         }},
        {"fuel 1 costs", nullptr,
         [](ChangedTexts& c) {
             c.MonthlyFuel1Cost = fuelCosts;
         }},
        {"fuel 1 as the water-heater fuel",
         [](ProjectInputs& p) { p.WaterHeaterFuel = WaterHeaterFuel::Fuel1; },
         [](ChangedTexts& c) {
             c.MonthlyFuel1Cost = fuelCosts;
         }},
        {"fuel 2 costs", nullptr,
         [](ChangedTexts& c) {
             c.MonthlyFuel2Cost = fuelCosts;
         }},
        {"everything at once",
         [](ProjectInputs& p) { p.HeatAllocation = HeatAllocation::CoolingPriority; },
         [](ChangedTexts& c) {
             c = {"0.9", "0.05", "0.06", "7", "55%", "66%", fuelCosts, fuelCosts};
         }},
    };
    for (const Case& c : cases) {
        ProjectInputs project = session.inputs();
        if (c.edit) {
            c.edit(project);
        }
        ChangedTexts t;
        c.change(t);
        ProjectInputs typed = project;
        typed.GasCost = t.GasCost.value_or(typed.GasCost);
        typed.EnergyCharge = t.EnergyCharge.value_or(typed.EnergyCharge);
        typed.FuelAdjCharge = t.FuelAdjCharge.value_or(typed.FuelAdjCharge);
        typed.DemandCharge = t.DemandCharge.value_or(typed.DemandCharge);
        typed.RunTimeFractionText = t.RunTimeFractionText.value_or(typed.RunTimeFractionText);
        typed.BoilerEfficiencyText = t.BoilerEfficiencyText.value_or(typed.BoilerEfficiencyText);
        typed.MonthlyFuel1Cost = t.MonthlyFuel1Cost.value_or(typed.MonthlyFuel1Cost);
        typed.MonthlyFuel2Cost = t.MonthlyFuel2Cost.value_or(typed.MonthlyFuel2Cost);
        ProjectNumbers whole;
        computeProjectNumbers(typed, session.climate(), kept.RunTimeFraction, kept.BoilerEfficiency,
                              kept.avgTemperature, whole);

        const PreparedProject prepared(project, session.climate(), kept.RunTimeFraction,
                                       kept.BoilerEfficiency, kept.avgTemperature);
        ProjectNumbers fast;
        prepared.compute(t, fast);
        EXPECT_EQ(fast.RunTimeFraction, whole.RunTimeFraction) << c.name;
        EXPECT_EQ(fast.BoilerEfficiency, whole.BoilerEfficiency) << c.name;
        EXPECT_EQ(fast.method1.payback, whole.method1.payback) << c.name;
        EXPECT_EQ(fast.method1.chpTotal, whole.method1.chpTotal) << c.name;
        EXPECT_EQ(fast.method2.payback, whole.method2.payback) << c.name;
        EXPECT_EQ(fast.method2.selectedStep, whole.method2.selectedStep) << c.name;
        EXPECT_EQ(fast.method2.chpOperatingCost, whole.method2.chpOperatingCost) << c.name;
        for (int s = 0; s < kSweepSteps; ++s) {
            EXPECT_EQ(fast.method2.annualResults[s].AnnualCost,
                      whole.method2.annualResults[s].AnnualCost)
                << c.name << ", step " << s;
        }
        EXPECT_EQ(fast.method3.payback, whole.method3.payback) << c.name;
        EXPECT_EQ(fast.method3.chpTotal, whole.method3.chpTotal) << c.name;
    }
}

} // namespace
} // namespace plenara
