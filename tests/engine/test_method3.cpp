#include "engine/captiontext.h"
#include "engine/method3.h"

#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

// The sample building: Philadelphia (zone 3) with central air conditioning.
Method3Inputs sampleBuilding() {
    Method3Inputs in;
    in.stateName = "Pennsylvania";
    in.cityName = "Philadelphia";
    in.HDD = 4612;
    in.CDD = 1301;
    in.avgTemperature = 55.9;
    in.coolingIntensity = 0.82;
    in.heatingIntensity = 7.291 * 1027;
    in.heatedFloorSpace = 98'000;
    in.cooledFloorSpace = 98'000;
    in.occupants = 200;
    in.hotWaterUsage = HotWaterUsage::Low;
    in.energyRate = 0.0444 + 0.0733;
    in.peakKW = {138, 132, 132, 126, 150, 400, 432, 402, 276, 174, 138, 138};
    in.gasPrice = 1.3119 * 10.27;
    in.boilerEfficiency = 0.75;
    in.runTimeFraction = 0.75;
    in.primeMover = PrimeMover::RecipEngine;
    in.installationDifficulty = InstallationDifficulty::Typical;
    return in;
}

// Runs Method 3 after Methods 1 and 2 have filled the comparison rows with 20 characters each.
Method3Output run(const Method3Inputs& in, std::array<std::string, 12>* comparisons = nullptr) {
    std::array<std::string, 12> rows;
    rows.fill(std::string(20, '.'));
    Method3Output out = updateMethod3a(in, rows);
    if (comparisons != nullptr) {
        *comparisons = rows;
    }
    return out;
}

template <std::size_t N>
void expectLines(const std::array<std::string, N>& actual, std::size_t first,
                 const std::vector<std::string>& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[first + i], expected[i]) << "line " << first + i;
    }
}

TEST(Method3Test, SampleBuildingPanel) {
    const Method3Output out = run(sampleBuilding());
    expectLines(out.lblClimateData, 0,
                {
                    "For Philadelphia, Pennsylvania there are:",
                    "    4,612 heating degree days",
                    "    1,301 cooling degree days",
                    "and the average temperature is 55.9 F.",
                    "",
                    "Air conditioning consumes 1.067 kWh/sq ft per year",
                    "and space heating consumes 34,534 Btu/sq ft per year",
                    "",
                    "Estimated annual thermal loads:",
                    "   a. space heating                              2,538 MMBtu",
                    "   b. air conditioning (104,548 kWh)             2,091 MMBtu",
                    "   c. potable hot water                          1,376 MMBtu",
                    "   d. total thermal load                         6,005 MMBtu",
                    "",
                    "CHP System",
                    "   a. generator capacity                            52 kW",
                    "   b. heat rate                                 11,896 Btu/kWh",
                    "   c. heat recovery rate                         6,215 Btu/kWh",
                    "   d. CHP system installed cost                 $2,766/kW",
                    "   e. generator O&&M cost                        $0.019/kWh",
                    "",
                    "CHP System Economics",
                    "   a. electricity                Baseline        CHP",
                    "      1. non-cooling power        346,920      346,920 kWh",
                    "      2. cooling power            104,548      104,548 kWh",
                    "      3. total power consumed     451,468      451,468 kWh",
                    "      4. on site generation             0      338,601 kWh",
                    "      5. utility power            451,468      112,867 kWh",
                    "   b. natural gas",
                    "      1. space heating              3,384        2,412 MMBtu",
                    "      2. potable hot water          1,834            0 MMBtu",
                    "      3. generator fuel                 0        4,027 MMBtu",
                    "      4. total fuel consumed        5,218        6,439 MMBtu",
                    "   c. operating costs         ",
                    "      1. utility power            $53,137      $13,284",
                    "      2. natural gas              $70,303      $86,754",
                    "      3. generator O&&M                 $0       $6,433",
                    "      4. total operating cost    $123,440     $106,471",
                    "   d. simple payback                              8.40 years",
                });
    // On screen the loads end at character 54, the economics columns at 41 and 54.
    for (const std::size_t line : std::array<std::size_t, 9>{9, 10, 11, 12, 15, 16, 17, 18, 19}) {
        EXPECT_EQ(shownText(out.lblClimateData[line]).find_last_of("0123456789"), 53u) << line;
    }
    for (std::size_t line = 23; line <= 38; ++line) {
        const std::string shown = shownText(out.lblClimateData[line]);
        if (line != 28 && line != 33) {
            EXPECT_EQ(shown.find_last_of("0123456789"), 53u) << line;
            EXPECT_TRUE(line == 38 || shown[40] != ' ') << line;
        }
    }

    const Method3Results& r = out.results;
    EXPECT_DOUBLE_EQ(r.capacityKW, 451'468 * 0.75 / 6'570);
    EXPECT_DOUBLE_EQ(r.absorptionCOP, 0.6);
    EXPECT_DOUBLE_EQ(r.savings, 16'969);
    EXPECT_NEAR(r.payback, 8.4009255, 1e-7);
}

TEST(Method3Test, SampleBuildingBoxesAndComparisonColumn) {
    std::array<std::string, 12> comparisons;
    const Method3Output out = run(sampleBuilding(), &comparisons);
    // The cooling power of 104,548 kWh is longer than its field and is kept whole.
    expectLines(out.RecoveredHeatSummary, 0,
                {
                    "Hot Water Summary",
                    "a. load                         1,376 MMBtu",
                    "b. recovered heat               1,376 MMBtu",
                    "c. water heater load                0 MMBtu",
                    "d. water heater fuel                0 MMBtu",
                    "Space Heating Summary",
                    "a. load                         2,538 MMBtu",
                    "b. recovered heat                 729 MMBtu",
                    "c. boiler load                  1,809 MMBtu",
                    "d. boiler fuel                  2,413 MMBtu",
                    "Space Cooling Summary",
                    "a. chilled water load          1,255 MMBtu",
                    "b. thermal input               2,091 MMBtu",
                    "c. recovered heat                  0 MMBtu",
                    "d. absorption chiller output       0 MMBtu",
                    "e. electric chiller load       1,255 MMBtu",
                    "f. cooling power              104,548 kWh",
                });
    const std::string before(20, '.');
    const std::vector<std::string> column{
        "   Method 3",       "      1,376 MMBtu", "      2,538 MMBtu", "      2,091 MMBtu",
        "      6,005 MMBtu", "         52 kW",    "      6,570 hours", "    338,601 kWh",
        "      2,105 MMBtu", "   $142,555",       "    $16,969",       "        8.4 years",
    };
    for (std::size_t row = 0; row < column.size(); ++row) {
        EXPECT_EQ(comparisons[row], before + column[row]) << "row " << row;
    }
}

TEST(Method3Test, HotWaterUsePerOccupant) {
    struct Case {
        const char* name;
        OptionGroup<HotWaterUsage> usage;
        double load; // MMBtu/yr for 10 occupants at 60 F
    };
    const Case cases[] = {
        {"medium", HotWaterUsage::Medium, 106.6384},
        {"none set counts as medium", std::nullopt, 106.6384},
        {"low", HotWaterUsage::Low, 65.4372},
        {"high", HotWaterUsage::High, 130.8744},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Method3Inputs in = sampleBuilding();
        in.occupants = 10;
        in.avgTemperature = 60;
        in.hotWaterUsage = c.usage;
        EXPECT_NEAR(run(in).results.potableHotWaterLoad, c.load, 1e-9);
    }
}

TEST(Method3Test, RecoveredHeatBelowHotWaterLoad) {
    Method3Inputs in = sampleBuilding();
    in.heatedFloorSpace = 10'000;
    in.cooledFloorSpace = 0;
    in.hotWaterUsage = HotWaterUsage::Medium;
    const Method3Output out = run(in);
    expectLines(out.RecoveredHeatSummary, 1,
                {
                    "a. load                         2,242 MMBtu",
                    "b. recovered heat                 241 MMBtu",
                    "c. water heater load            2,001 MMBtu",
                    "d. water heater fuel            2,668 MMBtu",
                });
    EXPECT_EQ(out.RecoveredHeatSummary[7], "b. recovered heat                   0 MMBtu");
    EXPECT_EQ(out.RecoveredHeatSummary[13], "c. recovered heat                  0 MMBtu");
    EXPECT_EQ(out.lblClimateData[30],
              "      2. potable hot water          2,989        2,667 MMBtu");
}

// A mild climate with a large floor space: the recovered heat covers every load, and the
// generator fuel makes CHP dearer than the baseline.
TEST(Method3Test, RecoveredHeatAboveAllLoadsAtALoss) {
    Method3Inputs in = sampleBuilding();
    in.HDD = 100;
    in.CDD = 100;
    in.avgTemperature = 70;
    in.coolingIntensity = 0.85;
    in.heatingIntensity = 8.951 * 1027;
    in.heatedFloorSpace = 100'000;
    in.cooledFloorSpace = 100'000;
    in.occupants = 10;
    in.hotWaterUsage = HotWaterUsage::High;
    std::array<std::string, 12> comparisons;
    const Method3Output out = run(in, &comparisons);
    EXPECT_EQ(out.RecoveredHeatSummary[2], "b. recovered heat                 115 MMBtu");
    EXPECT_EQ(out.RecoveredHeatSummary[7], "b. recovered heat                  69 MMBtu");
    expectLines(out.RecoveredHeatSummary, 11,
                {
                    "a. chilled water load            102 MMBtu",
                    "b. thermal input                 170 MMBtu",
                    "c. recovered heat                170 MMBtu",
                    "d. absorption chiller output     102 MMBtu",
                    "e. electric chiller load           0 MMBtu",
                    "f. cooling power                   0 kWh",
                });
    expectLines(out.lblClimateData, 32,
                {
                    "      4. total fuel consumed          243        3,268 MMBtu",
                    "   c. operating costs         ",
                    "      1. utility power            $42,666      $10,666",
                    "      2. natural gas               $3,273      $44,030",
                    "      3. generator O&&M                 $0       $5,396",
                    "      4. total operating cost     $45,939      $60,092",
                    "   d. simple payback                             -9.32 years",
                });
    EXPECT_EQ(comparisons[10], std::string(20, '.') + "   -$14,153");
    EXPECT_EQ(comparisons[11], std::string(20, '.') + "       -9.3 years");
}

TEST(Method3Test, CityNotFound) {
    // The caller found no row: no degree days, the previous average temperature, and the
    // intensities of the coolest-summer zone.
    Method3Inputs in = sampleBuilding();
    in.cityName = "Atlantis";
    in.HDD = 0;
    in.CDD = 0;
    in.coolingIntensity = 0.85;
    in.heatingIntensity = 8.951 * 1027;
    const Method3Output out = run(in);
    expectLines(out.lblClimateData, 0,
                {
                    "For Atlantis, Pennsylvania there are:",
                    "        0 heating degree days",
                    "        0 cooling degree days",
                    "and the average temperature is 55.9 F.",
                    "",
                    "Air conditioning consumes 0.000 kWh/sq ft per year",
                    "and space heating consumes 0 Btu/sq ft per year",
                    "",
                    "Estimated annual thermal loads:",
                    "   a. space heating                                  0 MMBtu",
                    "   b. air conditioning (0 kWh)                       0 MMBtu",
                    "   c. potable hot water                          1,376 MMBtu",
                    "   d. total thermal load                         1,376 MMBtu",
                });
    EXPECT_DOUBLE_EQ(out.results.capacityKW, 346'920 * 0.75 / 6'570);
}

TEST(Method3Test, NoFloorSpace) {
    // No floor space: no gen-set, so both cases buy the same power and gas and the totals
    // are equal (payback 0), even with demand and standby charges.
    Method3Inputs in = sampleBuilding();
    in.heatedFloorSpace = 0;
    in.cooledFloorSpace = 0;
    in.demandCharge = 10;
    in.standbyCharge = 2;
    std::array<std::string, 12> comparisons;
    Method3Output out = run(in, &comparisons);
    expectLines(out.lblClimateData, 14,
                {
                    "CHP System",
                    "   a. generator capacity                             0 kW",
                    "   b. heat rate                                      0 Btu/kWh",
                    "   c. heat recovery rate                             0 Btu/kWh",
                    "   d. CHP system installed cost                     $0/kW",
                    "   e. generator O&&M cost                        $0.000/kWh",
                });
    expectLines(out.lblClimateData, 34,
                {
                    "      1. utility power            $26,380      $26,380",
                    "      2. natural gas              $24,709      $24,709",
                    "      3. generator O&&M                 $0           $0",
                    "      4. total operating cost     $51,089      $51,089",
                    "   d. simple payback                              0.00 years",
                });
    const std::string before(20, '.');
    EXPECT_EQ(comparisons[5], before + "          0 kW");
    EXPECT_EQ(comparisons[9], before + "    $88,638");
    EXPECT_EQ(comparisons[10], before + "         $0");
    EXPECT_EQ(comparisons[11], before + "        0.0 years");
    EXPECT_DOUBLE_EQ(out.results.absorptionCOP, 0.1);

    // And without occupants nothing at all.
    in.occupants = 0;
    out = run(in);
    EXPECT_EQ(out.lblClimateData[18], "   d. CHP system installed cost                     $0/kW");
    EXPECT_EQ(out.lblClimateData[37], "      4. total operating cost     $26,380      $26,380");
    EXPECT_EQ(out.RecoveredHeatSummary[16], "f. cooling power                   0 kWh");
    EXPECT_DOUBLE_EQ(out.results.payback, 0);
}

TEST(Method3Test, DemandChargeOnlyAboveTheCapacity) {
    // 87,600 kWh of air conditioning at 75 % run time: exactly a 10 kW gen-set.
    Method3Inputs in = sampleBuilding();
    in.coolingIntensity = 1.0;
    in.CDD = 1'000;
    in.heatedFloorSpace = 0;
    in.cooledFloorSpace = 87'600;
    in.energyRate = 0.1;
    in.demandCharge = 5;
    in.standbyCharge = 1.5;
    in.peakKW = {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 14};
    const Method3Results r = run(in).results;
    EXPECT_DOUBLE_EQ(r.capacityKW, 10);
    EXPECT_DOUBLE_EQ(r.baselineElectricCost, 8'760 + 124 * 5);
    EXPECT_DOUBLE_EQ(r.chpElectricCost, 2'190 + 4 * 5 + 1.5 * 12 * 10);
}

TEST(Method3Test, GasTurbineChillerCOP) {
    Method3Inputs in = sampleBuilding();
    in.primeMover = PrimeMover::GasTurbine;
    const Method3Output out = run(in);
    EXPECT_DOUBLE_EQ(out.results.absorptionCOP, 1.2);
    EXPECT_EQ(out.lblClimateData[10],
              "   b. air conditioning (104,548 kWh)             1,045 MMBtu");
    expectLines(out.RecoveredHeatSummary, 11,
                {
                    "a. chilled water load          1,255 MMBtu",
                    "b. thermal input               1,045 MMBtu",
                    "c. recovered heat                282 MMBtu",
                    "d. absorption chiller output     339 MMBtu",
                    "e. electric chiller load         916 MMBtu",
                    "f. cooling power              76,307 kWh",
                });
    EXPECT_EQ(out.lblClimateData[38],
              "   d. simple payback                            233.38 years");
}

} // namespace
} // namespace plenara
