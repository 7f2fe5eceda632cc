#include "project/lifecycleinputs.h"
#include "project/projectsession.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

ProjectSession sampleSession() {
    ProjectSession session(readClimateData(PLENARA_SHIPPED_DATA_DIR).table,
                           readEmissionData(PLENARA_SHIPPED_DATA_DIR));
    session.loadSampleData();
    return session;
}

// The sample building with the default life-cycle inputs: Pennsylvania's non-baseload grid,
// 4.2 % grid loss, 6 % discount rate, 2 % escalation of everything over 20 years.
TEST(LifeCycleOfTheSample, Method1ByHand) {
    const ProjectSession session = sampleSession();
    const LifeCycleResults& r = session.results().lifeCycle;
    ASSERT_TRUE(r.co2) << r.emissionProblem;
    EXPECT_EQ(r.co2->grid.description, "Pennsylvania non-baseload, eGRID2022");
    const MethodLifeCycle& m = r.methods[0];
    ASSERT_TRUE(m.valid);

    // From the Method 1 panel: 984,000 kWh bought without CHP and none with it; the water
    // heater burns 10,142 MMBtu without CHP and 3,056 with it, priced (and counted) as natural
    // gas like the gen-set's 11,172 MMBtu. The grid's 1,434.88 lb/MWh over 0.958 delivered are
    // 0.00067938 t per kWh: 984,000 x 0.00067938 + 10,142 x 0.05306 = 668.51 + 538.13
    // = 1,206.65 t. The gen-set's MMBtu follow its heat rate's lower heating value, 1.108 times
    // less than the higher one the factor is per: with CHP (11,172 x 1.108 + 3,056) x 0.05306
    // = (12,378.58 + 3,056) x 0.05306 = 818.96 t; 387.69 t less, -32.13 %. The panel's figures
    // are rounded to whole MMBtu.
    EXPECT_NEAR(m.co2.baselineTonnes, 1206.65, 0.1);
    EXPECT_NEAR(m.co2.chpTonnes, 818.96, 0.1);
    EXPECT_NEAR(m.co2.changeTonnes, -387.69, 0.1);
    EXPECT_NEAR(*m.co2.changePercent, -32.13, 0.02);

    // The panel's savings of $48,018 (electricity $115,817, fuel -$52,306, O&M -$15,492) all
    // rise 2 % a year: PV = 48,018 / 1.06 x (1 - q^20) / (1 - q) with q = 1.02 / 1.06, that is
    // 45,300.0 x 14.2218 = 644,251; less the $227,004 gen-set, NPV $417,247.
    EXPECT_NEAR(m.yearOne.electricity, 115'817, 1);
    EXPECT_NEAR(m.yearOne.fuel, -52'306, 1);
    EXPECT_NEAR(m.yearOne.om, -15'492, 1);
    EXPECT_NEAR(m.cost.net, 227'004, 1);
    EXPECT_NEAR(m.flows.npv, 417'247, 15);
    EXPECT_NEAR(*m.simplePaybackYears, 4.73, 0.01);
    // Every method of the sample pays back within the period.
    for (const MethodLifeCycle& method : r.methods) {
        EXPECT_TRUE(method.valid && method.irr && method.discountedPaybackYears);
    }
}

// Method 2's boiler burns the fuel that the method prices it as. Without CHP the sample buys
// its 984,000 kWh (668.5146 t, as above) and the boiler burns the bills' 183,827 gallons of #2
// fuel oil, 183,827 x 0.136998 = 25,183.931 MMBtu: as gas 25,183.931 x 0.05306 = 1,336.259 t,
// as fuel 1 (#2 fuel oil) x 0.07396 = 1,862.604 t.
TEST(LifeCycleOfTheSample, Method2CountsTheBoilerFuelItPrices) {
    struct Case {
        const char* name;
        OptionGroup<WaterHeaterFuel> waterHeater;
        double baselineTonnes;
    };
    const Case cases[] = {
        {"natural gas", WaterHeaterFuel::NaturalGas, 2004.774},
        {"fuel 1", WaterHeaterFuel::Fuel1, 2531.118},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectSession session = sampleSession();
        session.inputs().WaterHeaterFuel = c.waterHeater;
        session.recalculate();
        const MethodLifeCycle& m = session.results().lifeCycle.methods[1];
        ASSERT_TRUE(m.co2.available);
        EXPECT_NEAR(m.co2.baselineTonnes, c.baselineTonnes, 0.001);
    }
}

// A run of the numbers alone, as a what-if calculation makes them on a copy of the project,
// gives the life cycle of the full recalculation.
TEST(LifeCycleOfTheSample, TheNumbersOnlyPathAgrees) {
    ProjectSession session = sampleSession();
    session.inputs().DiscountRate = "7.25";
    session.inputs().TaxCredit = "30";
    // Texts that round on a half and below zero, as the rewrite shows them.
    session.inputs().ElectricEscalation = "-2.55";
    session.inputs().CostAdjustment = "12.25";
    session.inputs().RebatePerKW = "$150.5";
    session.inputs().MonthlyFuel1[2] = "29645.5";
    ProjectInputs copy = session.inputs();
    session.recalculate();
    ProjectNumbers numbers;
    computeProjectNumbers(copy, session.climate(), 0.75, 0.75, 0.0, numbers);
    const LifeCycleResults alone = projectLifeCycle(copy, numbers, session.emissions());
    const LifeCycleResults& full = session.results().lifeCycle;
    EXPECT_EQ(alone.parameters, full.parameters);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(alone.methods[i].flows.npv, full.methods[i].flows.npv) << i;
        EXPECT_EQ(alone.methods[i].irr, full.methods[i].irr) << i;
        EXPECT_EQ(alone.methods[i].co2.changeTonnes, full.methods[i].co2.changeTonnes) << i;
    }
}

// Each box is rewritten in its pattern with its value clamped; what is not used as typed is
// warned of in the list of the recalculation.
TEST(LifeCycleBoxes, RewriteAndWarnings) {
    struct Case {
        std::string ProjectInputs::*box;
        const char* typed;
        const char* shown;
        const char* warning; // empty: none
    };
    const Case cases[] = {
        {&ProjectInputs::AnalysisYears, "25", "25", ""},
        {&ProjectInputs::AnalysisYears, "99", "40",
         "Analysis period: \"99\" is above 40; 40 is used"},
        {&ProjectInputs::AnalysisYears, "0", "1", "Analysis period: \"0\" is below 1; 1 is used"},
        // A fraction of a year is rounded, halves to the even year, and told.
        {&ProjectInputs::AnalysisYears, "3.7", "4",
         "Analysis period: \"3.7\" read as 4 whole years"},
        {&ProjectInputs::AnalysisYears, "12.5", "12",
         "Analysis period: \"12.5\" read as 12 whole years"},
        {&ProjectInputs::AnalysisYears, "0.4", "1",
         "Analysis period: \"0.4\" read as 0 whole years, below 1; 1 is used"},
        // Rates keep a second decimal when one is typed, and round beyond it.
        {&ProjectInputs::DiscountRate, "7.25", "7.25", ""},
        {&ProjectInputs::DiscountRate, "7.125", "7.13", ""},
        {&ProjectInputs::DiscountRate, "abc", "0.0", "Discount rate: \"abc\" read as 0"},
        {&ProjectInputs::ElectricEscalation, "-3", "-3.0", ""},
        {&ProjectInputs::FuelEscalation, "-25", "-10.0",
         "Escalation of fuel prices: \"-25\" is below -10; -10 is used"},
        {&ProjectInputs::CostAdjustment, " -20 ", "-20.0", ""},
        {&ProjectInputs::TaxCredit, "-30", "30.0", "Investment tax credit: \"-30\" read as 30"},
        {&ProjectInputs::TaxCredit, "130%", "100.0",
         "Investment tax credit: \"130%\" read as 130, above 100; 100 is used"},
        {&ProjectInputs::RebatePerKW, "$1,500", "$1,500", ""},
        {&ProjectInputs::Grant, "1e12", "$112", "Grant: \"1e12\" read as 112"},
        {&ProjectInputs::Grant, "$1,000,000,000,000", "$1,000,000,000",
         "Grant: \"$1,000,000,000,000\" is above 1,000,000,000; 1,000,000,000 is used"},
        {&ProjectInputs::GridCO2Custom, "900", "900.0", ""},
        {&ProjectInputs::GridLoss, "", "0.0", ""},
    };
    for (const Case& c : cases) {
        ProjectSession session = sampleSession();
        session.inputs().*c.box = c.typed;
        session.recalculate();
        EXPECT_EQ(session.inputs().*c.box, c.shown) << c.typed;
        std::string warnings;
        for (const InputWarning& w : session.results().warnings) {
            if (w.field != "City") {
                warnings += w.text();
            }
        }
        EXPECT_EQ(warnings, c.warning) << c.typed;
        // The warning stays while the box shows the rewrite, as for every other box.
        session.recalculate();
        EXPECT_EQ(session.results().warnings.size() > 0, *c.warning != '\0') << c.typed;
    }
}

// The defaults rewrite to themselves, so that a project that keeps them is unchanged by a
// recalculation and writes no setting of them; they give the parameters of the issue.
TEST(LifeCycleBoxes, DefaultsAreTheirOwnRewrite) {
    ProjectInputs inputs;
    formatLifeCycleInputs(inputs);
    EXPECT_EQ(inputs, ProjectInputs());
    EXPECT_EQ(lifeCycleParameters(inputs), LifeCycleParameters());
}

} // namespace
} // namespace plenara
