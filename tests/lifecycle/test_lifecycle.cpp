#include "lifecycle/lifecycle.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace plenara {
namespace {

const std::string kGrid = "State,CO2_total_output_lb_per_MWh,CO2_nonbaseload_lb_per_MWh,"
                          "eGRID_year\nPennsylvania,711.366,1434.88,2022\nU.S.,823.149,1405.322,"
                          "2022\n";
const std::string kFuel = "Fuel,kg_CO2_per_MMBtu\nNatural gas,53.06\n#2 fuel oil,73.96\n";
const std::string kLoss = "Region,Grid_gross_loss_percent,data_year\nU.S.,4.2,2023\n";

EmissionData emissions() {
    return readEmissionTexts(kGrid, kFuel, kLoss, "/data");
}

// Each method's costs split into electricity, fuel and O&M add up to the totals the method
// shows, and its fuels are those it burns.
TEST(MethodFigures, SplitOfEachMethod) {
    Method1Results one;
    one.installedCost = 250'000;
    one.genCapacity = 100;
    one.annualPower = 900'000;
    one.onSiteGeneration = 744'000;
    one.baselinePowerCost = 120'000;
    one.chpPowerCost = 30'000;
    one.baselineGasCost = 40'000;
    one.chpGasCost = 80'000;
    one.omCost = 11'000;
    one.genFuelMMBtu = 8'000;
    one.baselineWaterHeaterFuel = 4'000;
    one.chpWaterHeaterFuel = 1'000;
    // The summer fuels of the bills size the water heater, but the method prices its fuel as
    // gas, and gas is what it counts: 4,000 MMBtu, and 1,000 with CHP beside the gen-set's
    // 8,000 (of the lower heating value, counted apart).
    one.summerFuel1MMBtu = 300;
    one.summerFuel2MMBtu = 100;
    const MethodFigures f1 = method1Figures(one);
    EXPECT_EQ(f1.baseline, (CaseFigures{120'000, 40'000, 0, 900'000, 4'000, 0, 0}));
    EXPECT_EQ(f1.chp, (CaseFigures{30'000, 80'000, 11'000, 156'000, 1'000, 0, 0, 8'000}));
    EXPECT_EQ(f1.installedCost, 250'000);
    EXPECT_EQ(f1.capacityKW, 100);

    // Method 2: step 0 against the chosen step 3, month by month; the boiler burns 40 MMBtu a
    // month at step 0 (480 a year) and 20 at step 3 (240), the gen-set 60 (720).
    Method2Results two;
    two.selectedStep = 3;
    two.capacityKW = 60;
    two.equipmentCost = 90'000;
    two.installationCost = 30'000;
    for (std::size_t m = 0; m < 12; ++m) {
        two.months[0][m] = {};
        two.months[0][m].ElectricCost = 1'000;
        two.months[0][m].FuelCost = 500;
        two.months[0][m].UtilityKWh = 10'000;
        two.months[0][m].HeaterFuelMMBtu = 40;
        two.months[3][m].ElectricCost = 400;
        two.months[3][m].FuelCost = 900;
        two.months[3][m].OMCost = 100;
        two.months[3][m].UtilityKWh = 2'000;
        two.months[3][m].GenSetFuelMMBtu = 60;
        two.months[3][m].HeaterFuelMMBtu = 20;
    }
    // Priced as gas, the boiler's fuel counts as gas: 240 MMBtu with CHP, beside the gen-set's
    // 720.
    two.boilerBurnsGas = true;
    const MethodFigures f2 = method2Figures(two);
    EXPECT_EQ(f2.baseline, (CaseFigures{12'000, 6'000, 0, 120'000, 480, 0, 0}));
    EXPECT_EQ(f2.chp, (CaseFigures{4'800, 10'800, 1'200, 24'000, 240, 0, 0, 720}));
    EXPECT_EQ(f2.installedCost, 120'000);
    EXPECT_EQ(f2.capacityKW, 60);
    // Priced as fuel 1, it counts as fuel 1; the gen-set still burns gas.
    two.boilerBurnsGas = false;
    const MethodFigures fuel1 = method2Figures(two);
    EXPECT_EQ(fuel1.baseline, (CaseFigures{12'000, 6'000, 0, 120'000, 0, 480, 0}));
    EXPECT_EQ(fuel1.chp, (CaseFigures{4'800, 10'800, 1'200, 24'000, 0, 240, 0, 720}));
    // No step saves: the sweep keeps step 0, which generates nothing, so nothing is bought
    // whatever the panel's 1 kW costs.
    two.selectedStep = 0;
    const MethodFigures none = method2Figures(two);
    EXPECT_EQ(none.chp, none.baseline);
    EXPECT_EQ(none.installedCost, 0);
    EXPECT_EQ(none.capacityKW, 0);

    Method3Results three;
    three.equipmentCost = 300'000;
    three.installationCost = 100'000;
    three.capacityKW = 150;
    three.nonCoolingPower = 346'920;
    three.acPower = 120'000.5;
    three.coolingPower = 120'000;
    three.generation = 700'000;
    three.baselineElectricCost = 60'000;
    three.chpElectricCost = 5'000;
    three.baselineGasCost = 30'000;
    three.chpGasCost = 70'000;
    three.omCost = 9'000;
    three.baselineFuel = 3'000;
    three.chpFuel = 7'000;
    three.genSetFuel = 6'000; // of the 7,000
    const MethodFigures f3 = method3Figures(three);
    EXPECT_EQ(f3.baseline, (CaseFigures{60'000, 30'000, 0, 466'920.5, 3'000, 0, 0}));
    EXPECT_EQ(f3.chp, (CaseFigures{5'000, 70'000, 9'000, -233'080, 1'000, 0, 0, 6'000}));
    EXPECT_EQ(f3.installedCost, 400'000);

    // A method that sizes no gen-set (bills of nothing) buys none, whatever its cost curve
    // gives at 0 kW.
    three.capacityKW = 0;
    EXPECT_EQ(method3Figures(three).installedCost, 0);
    Method1Results nothing;
    nothing.installedCost = 88'638;
    EXPECT_EQ(method1Figures(nothing).installedCost, 0);
}

// CO2 by hand: Pennsylvania's non-baseload 1,434.88 lb/MWh over (1 - 4.2 %) is
// 1434.88 / 1000 x 0.45359237 / 1000 / 0.958 = 0.00067938 t per kWh bought.
TEST(CO2, OneCaseByHand) {
    const EmissionData data = emissions();
    const GridRateChoice grid =
        gridRateFor(data, "Pennsylvania", GridCO2Basis::StateNonBaseload, 0.0);
    const CO2Rates rates = co2Rates(data, grid, 0.042, "#2 fuel oil", "electricity");
    EXPECT_NEAR(rates.gridTonnesPerKWh, 0.00067938478, 1e-12);
    EXPECT_FALSE(rates.fuel1AtGridRate);
    EXPECT_TRUE(rates.fuel2AtGridRate);
    // 1,000 kWh: 0.67938 t; 10 MMBtu of gas x 53.06 kg: 0.5306 t; 20 MMBtu of #2 oil x 73.96
    // kg: 1.4792 t; 5 MMBtu of "electricity" are 5,000,000 / 3,413 = 1,464.98 kWh at the grid
    // rate: 0.99529 t. In all 3.68447 t. A gen-set's 10 MMBtu of the lower heating value are
    // 11.08 of the higher, which the factor is per: 11.08 x 0.05306 = 0.58790 t more.
    CaseFigures c;
    c.gridKWh = 1'000;
    c.gasMMBtu = 10;
    c.fuel1MMBtu = 20;
    c.fuel2MMBtu = 5;
    EXPECT_NEAR(co2Tonnes(c, rates), 3.68447, 1e-5);
    c.genSetMMBtu = 10;
    EXPECT_NEAR(co2Tonnes(c, rates), 4.27237, 1e-5);
}

// A method's life cycle from its figures: net cost, first-year savings, the cash flows and
// the CO2 of both cases.
TEST(LifeCycle, OneMethod) {
    MethodFigures f;
    f.installedCost = 1'000;
    f.capacityKW = 10;
    f.baseline = {500, 200, 0, 1'000, 0, 10, 0};
    f.chp = {100, 250, 50, 0, 20, 5, 0}; // saves 400 - 50 - 50 = 300 a year
    LifeCycleParameters p;
    p.analysisYears = 5;
    p.discountRate = 0.10;
    p.electricEscalation = 0;
    p.fuelEscalation = 0;
    p.omEscalation = 0;
    const EmissionData data = emissions();
    const LifeCycleResults r =
        computeLifeCycle({f, f, f}, p, data, "Pennsylvania", "#2 fuel oil", "Fuel #2");
    const MethodLifeCycle& m = r.methods[0];
    ASSERT_TRUE(m.valid);
    EXPECT_EQ(m.cost.net, 1'000);
    EXPECT_EQ(m.firstYearSavings, 300);
    EXPECT_NEAR(*m.simplePaybackYears, 3.3333, 1e-4);
    // The flat project of the cash-flow tests: NPV 137.24, IRR 15.238 %, 4.26 years.
    EXPECT_NEAR(m.flows.npv, 137.2360, 1e-4);
    EXPECT_NEAR(*m.irr, 0.152382, 1e-6);
    EXPECT_NEAR(*m.discountedPaybackYears, 4.2633, 1e-4);
    // Baseline: 1,000 kWh x 0.00067938 + 10 MMBtu of oil x 0.07396 = 1.41898 t; with CHP:
    // 20 MMBtu of gas x 0.05306 + 5 of oil x 0.07396 = 1.4310 t; +0.01202 t, +0.847 %.
    ASSERT_TRUE(m.co2.available);
    EXPECT_NEAR(m.co2.baselineTonnes, 1.41898, 1e-5);
    EXPECT_NEAR(m.co2.chpTonnes, 1.43100, 1e-5);
    EXPECT_NEAR(m.co2.changeTonnes, 0.01202, 1e-5);
    EXPECT_NEAR(*m.co2.changePercent, 0.847, 1e-3);
    ASSERT_TRUE(r.co2);
    EXPECT_EQ(r.co2->grid.description, "Pennsylvania non-baseload, eGRID2022");
    // Fuel #2 burns nothing, so its missing factor is not worth a note.
    EXPECT_TRUE(r.co2Notes.empty());
}

// What qualifies the CO2 figures, and what happens without them or without sound numbers.
TEST(LifeCycle, NotesAndMissingData) {
    MethodFigures f;
    f.baseline.fuel2MMBtu = 1;
    const LifeCycleParameters p;
    const LifeCycleResults notes =
        computeLifeCycle({f, f, f}, p, emissions(), "Atlantis", "#2 fuel oil", "electricity");
    ASSERT_EQ(notes.co2Notes.size(), 2u);
    EXPECT_EQ(notes.co2Notes[0],
              "The table holds no such rate for Atlantis; the U.S. rate is used.");
    EXPECT_EQ(notes.co2Notes[1],
              "Fuel #2 (\"electricity\") has no CO2 factor; it counts at the grid rate.");

    // Without emission data the economics are there and the CO2 is not.
    f.installedCost = 100;
    f.baseline.electricityCost = 50;
    const LifeCycleResults without = computeLifeCycle({f, f, f}, p, EmissionData(), "Ohio", "", "");
    EXPECT_FALSE(without.co2);
    EXPECT_EQ(without.emissionProblem, "The emission data were not read.");
    EXPECT_TRUE(without.methods[1].valid);
    EXPECT_FALSE(without.methods[1].co2.available);
    EXPECT_EQ(without.methods[1].firstYearSavings, 50);

    // Figures that are no numbers give no figures at all rather than NaN.
    MethodFigures broken = f;
    broken.chp.fuelCost = std::numeric_limits<double>::infinity();
    MethodFigures huge = f;
    huge.baseline.electricityCost = 1e307;
    LifeCycleParameters rising;
    rising.electricEscalation = 0.2;
    rising.analysisYears = 40;
    const LifeCycleResults r =
        computeLifeCycle({broken, huge, f}, rising, emissions(), "Ohio", "", "");
    EXPECT_FALSE(r.methods[0].valid);
    EXPECT_FALSE(r.methods[1].valid);
    EXPECT_TRUE(r.methods[2].valid);
    EXPECT_FALSE(r.methods[0].irr);
    EXPECT_EQ(r.methods[1].flows.npv, 0.0);
}

} // namespace
} // namespace plenara
