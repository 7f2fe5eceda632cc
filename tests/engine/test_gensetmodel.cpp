#include "engine/gensetmodel.h"

#include <cmath>

#include <gtest/gtest.h>

namespace plenara {
namespace {

TEST(GenSetCostTest, RecipEngineOfOneHundredKW) {
    const GenSetCostResult typical =
        GenSetCost(100, PrimeMover::RecipEngine, InstallationDifficulty::Typical);
    EXPECT_DOUBLE_EQ(typical.equipmentCost, 134'789.0);
    EXPECT_NEAR(typical.installationCost, 58'466.9, 0.05);
    EXPECT_DOUBLE_EQ(typical.installationCost, (12'579.0 + 13'111.0) * 0.33 / 0.145);

    const GenSetCostResult low =
        GenSetCost(100, PrimeMover::RecipEngine, InstallationDifficulty::Low);
    EXPECT_DOUBLE_EQ(low.equipmentCost, 134'789.0);
    EXPECT_DOUBLE_EQ(low.installationCost, 25'690.0);

    EXPECT_NEAR(
        GenSetCost(100, PrimeMover::RecipEngine, InstallationDifficulty::High).installationCost,
        88'586.21, 0.005);
    EXPECT_NEAR(
        GenSetCost(100, PrimeMover::RecipEngine, InstallationDifficulty::Retrofit).installationCost,
        177'172.41, 0.005);
}

TEST(GenSetCostTest, EveryPrimeMoverCurve) {
    const GenSetCostResult turbine =
        GenSetCost(800, PrimeMover::GasTurbine, InstallationDifficulty::Typical);
    EXPECT_DOUBLE_EQ(turbine.equipmentCost, 2'154'008.0);
    EXPECT_NEAR(turbine.installationCost, 845'656.02, 0.005);

    const GenSetCostResult micro =
        GenSetCost(50, PrimeMover::Microturbine, InstallationDifficulty::High);
    EXPECT_DOUBLE_EQ(micro.equipmentCost, 91'084.0);
    EXPECT_NEAR(micro.installationCost, 54'433.87, 0.005);

    const GenSetCostResult cell =
        GenSetCost(200, PrimeMover::FuelCell, InstallationDifficulty::Retrofit);
    EXPECT_NEAR(cell.equipmentCost, 791'747.26, 0.005);
    EXPECT_NEAR(cell.installationCost, 269'009.32, 0.005);
    EXPECT_NEAR(GenSetCost(200, PrimeMover::FuelCell, InstallationDifficulty::Low).installationCost,
                54'617.04, 0.005);
}

TEST(GenSetCostTest, GroupsWithNoOptionSet) {
    // No installation option: the base curve unscaled; no prime mover: the recip curves.
    EXPECT_DOUBLE_EQ(GenSetCost(100, PrimeMover::RecipEngine, std::nullopt).installationCost,
                     25'690.0);
    const GenSetCostResult none = GenSetCost(100, std::nullopt, InstallationDifficulty::Typical);
    EXPECT_DOUBLE_EQ(none.equipmentCost, 134'789.0);
    EXPECT_NEAR(none.installationCost, 58'466.9, 0.05);
}

TEST(GenSetPerformanceTest, RecipEngineOfOneHundredKW) {
    const GenSetPerformanceResult r = GenSetPerformance(100, PrimeMover::RecipEngine);
    EXPECT_NEAR(r.heatRate, 11'514.73, 0.005);
    EXPECT_NEAR(r.efficiency, 0.2964, 0.00005);
    EXPECT_NEAR(r.recoveredHeatRate, 5'630.571, 0.0005);
    EXPECT_NEAR(r.omCostPerKWh, 0.016647, 0.0000005);
    EXPECT_DOUBLE_EQ(r.absorptionCOP, 0.6);
}

TEST(GenSetPerformanceTest, EveryPrimeMoverCurve) {
    const GenSetPerformanceResult turbine = GenSetPerformance(100, PrimeMover::GasTurbine);
    EXPECT_NEAR(turbine.heatRate, 19'498.46, 0.005);
    EXPECT_NEAR(turbine.efficiency, 0.175039, 0.0000005);
    EXPECT_NEAR(turbine.recoveredHeatRate, 10'862.70, 0.005);
    EXPECT_NEAR(turbine.omCostPerKWh, 0.0147621, 0.00000005);
    EXPECT_DOUBLE_EQ(turbine.absorptionCOP, 1.2);
    EXPECT_DOUBLE_EQ(GenSetPerformance(0.5, PrimeMover::GasTurbine).absorptionCOP, 1.2);

    const GenSetPerformanceResult micro = GenSetPerformance(100, PrimeMover::Microturbine);
    EXPECT_NEAR(micro.heatRate, 13'306.60, 0.005);
    EXPECT_NEAR(micro.recoveredHeatRate, 4'619.34, 0.005);
    EXPECT_NEAR(micro.omCostPerKWh, 0.0134136, 0.00000005);
    EXPECT_DOUBLE_EQ(micro.absorptionCOP, 0.6);
    // 0.0369 - 0.0051 x ln 1000 = 0.0016704; at 2,000 kW the curve is below zero (-0.001865),
    // and maintenance costs nothing rather than earning money.
    EXPECT_NEAR(GenSetPerformance(1000, PrimeMover::Microturbine).omCostPerKWh, 0.0016704, 1e-7);
    EXPECT_EQ(GenSetPerformance(2000, PrimeMover::Microturbine).omCostPerKWh, 0.0);
    EXPECT_EQ(GenSetPerformance(2061, PrimeMover::Microturbine).omCostPerKWh, 0.0);

    const GenSetPerformanceResult cell = GenSetPerformance(100, PrimeMover::FuelCell);
    EXPECT_NEAR(cell.heatRate, 9'267.29, 0.005);
    EXPECT_NEAR(cell.efficiency, 0.368284, 0.0000005);
    EXPECT_NEAR(cell.recoveredHeatRate, 2'761.25, 0.005);
    EXPECT_DOUBLE_EQ(cell.omCostPerKWh, 0.043);
    EXPECT_DOUBLE_EQ(cell.absorptionCOP, 0.6);

    // No prime mover set: the recip curves.
    EXPECT_DOUBLE_EQ(GenSetPerformance(100, std::nullopt).heatRate,
                     GenSetPerformance(100, PrimeMover::RecipEngine).heatRate);
}

TEST(GenSetPerformanceTest, NoCapacityGivesZerosAndACopOfOneTenth) {
    for (const PrimeMover mover : {PrimeMover::RecipEngine, PrimeMover::GasTurbine,
                                   PrimeMover::Microturbine, PrimeMover::FuelCell}) {
        for (const double capacity : {0.0, -5.0}) {
            const GenSetPerformanceResult r = GenSetPerformance(capacity, mover);
            EXPECT_EQ(r.heatRate, 0.0);
            EXPECT_EQ(r.efficiency, 0.0);
            EXPECT_EQ(r.recoveredHeatRate, 0.0);
            EXPECT_EQ(r.omCostPerKWh, 0.0);
            EXPECT_DOUBLE_EQ(r.absorptionCOP, 0.1);
        }
    }
}

} // namespace
} // namespace plenara
