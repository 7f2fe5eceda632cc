#include "engine/method1.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

using Visibility = DerivationPanel::Visibility;

// The sample building: #2 fuel oil in gallons, gas at $1.3119 per CCF, a recip engine with a
// typical installation; its annual kWh is the sum of the twelve bills, 984,000.
Method1Inputs sampleBuilding() {
    Method1Inputs in;
    in.energyRate = 0.0444 + 0.0733;
    in.gasPrice = 1.3119 * 10.27;
    in.fuel1Quantity = {27979, 25328, 29645, 16939, 7390,  6797,
                        5532,  4722,  6405,  12761, 15407, 24922};
    in.fuel1UnitFactor = 0.136998;
    in.peakKW = {138, 132, 132, 126, 150, 400, 432, 402, 276, 174, 138, 138};
    in.annualPower = 984'000;
    in.boilerEfficiency = 0.75;
    in.primeMover = PrimeMover::RecipEngine;
    in.installationDifficulty = InstallationDifficulty::Typical;
    return in;
}

// 100 MMBtu of summer gas at 80 % gives a 192 MMBtu hot-water load, which a 2.67 kW recip
// covers entirely; at $20/MMBtu gas against 5 cents power it loses money.
Method1Inputs smallLosingBuilding() {
    Method1Inputs in;
    in.energyRate = 0.05;
    in.demandCharge = 5;
    in.standbyCharge = 3;
    in.gasPrice = 20;
    in.fuel1Quantity = {0, 0, 0, 0, 20, 20, 20, 20, 20, 0, 0, 0};
    in.peakKW.fill(50);
    in.annualPower = 500'000;
    in.boilerEfficiency = 0.8;
    in.primeMover = PrimeMover::RecipEngine;
    in.installationDifficulty = InstallationDifficulty::Typical;
    return in;
}

// The sample's hot water would take 202 kW, but 744,000 kWh a year limit the plant to 100 kW.
Method1Inputs hundredKWBuilding() {
    Method1Inputs in = sampleBuilding();
    in.annualPower = 744'000;
    in.demandCharge = 10;
    in.standbyCharge = 2.5;
    in.peakKW = {100, 100, 80, 120, 100, 150, 200, 100, 90, 100, 100, 100};
    return in;
}

std::vector<std::string> texts(const std::array<Caption, 42>& captions) {
    std::vector<std::string> t;
    for (const Caption& c : captions) {
        t.push_back(c.text);
    }
    return t;
}

TEST(Method1SampleBuildingTest, EveryResultLine) {
    const Method1Output out = updateMethod1a(sampleBuilding());
    const std::vector<std::string> expected = {
        "1. Cogeneration System Description",
        "   a. generator capacity                                     132 kW",
        "   b. generator heat rate (30.1% LHV)                     11,354 Btu/kWh",
        "   c. generator heat recovery rate                         5,401 Btu/kWh",
        "   d. annual operating time                                7,440 hrs",
        "",
        "                                      Baseline               132 kW",
        "2. Power Consumption                   System              Recip-Engine CHP",
        "   a. utility power                     984,000                     0 kWh",
        "   b. on-site generation                      0               984,000 kWh",
        "   c. total power consumed              984,000               984,000 kWh",
        "   d. approx. cost                 ",
        "      (1) energy && fuel adj chg        $115,817                    $0",
        "      (2) demand && standby charges           $0                    $0",
        "      (3) total approx. cost           $115,817                    $0",
        "",
        "3. Water Heater Summary",
        "   a. hot water load                      7,607                 7,607 MMBtu",
        "   b. recovered heat                          0                -5,314 MMBtu",
        "      ------------------------     ------------          ------------ -----",
        "   c. net water heater output             7,607                 2,292 MMBtu",
        "   d. estimated fuel consumption         10,142                 3,056 MMBtu",
        "",
        "4. Fuel Consumption",
        "   a. water heater                       10,142                 3,056 MMBtu",
        "   b. generator                               0                11,172 MMBtu",
        "      ------------------------     ------------          ------------ -----",
        "   c. total fuel consumption             10,142                14,229 MMBtu",
        "   d. approx. cost                     $136,646              $191,707",
        "",
        "5. Annual Operating Cost",
        "   a. purchased electricity            $115,817                    $0",
        "   b. natural gas                      $136,646              $191,707",
        "   c. gen-set O&&M                            $0               $15,492",
        "      ------------------------     ------------          ------------",
        "   d. total operating cost             $252,462              $207,199",
        "   e. annual operating savings (loss)                         $45,263",
        "",
        "6. Simple Payback",
        "   a. estimated gen-set installed cost                       $227,004",
        "   b. annual operating savings (loss)                         $45,263",
        "   c. simple payback                                              5.0 yrs",
    };
    EXPECT_EQ(texts(out.lblMethod1), expected);
    for (std::size_t i = 0; i < out.lblMethod1.size(); ++i) {
        const bool heading = i == 0 || i == 16 || i == 23 || i == 30 || i == 38;
        EXPECT_EQ(out.lblMethod1[i].bold, heading) << "line " << i;
    }
    EXPECT_NEAR(out.results.genCapacity, 984'000.0 / 7'440.0, 1e-9);
    EXPECT_NEAR(out.results.hotWaterLoad, 7'606.5125544, 1e-6);
    EXPECT_NEAR(out.results.installedCost, 227'003.66, 0.005);
    EXPECT_NEAR(out.results.payback, 5.0152, 0.0001);
}

TEST(Method1SampleBuildingTest, ComparisonColumn) {
    const std::array<std::string, 12> expected = {
        "                                            Method 1     ",
        " 1. Service Hot Water Load                      7,607     ",
        " 2. Space Heating && Hot Water Load                        ",
        " 3. Space Cooling Load                                    ",
        " 4. Total Thermal Load                          7,607     ",
        " 5. Generator Capacity                            132     ",
        " 6. Operating Time                              7,440     ",
        " 7. Power Output                              984,000     ",
        " 8. Recovered Heat                              5,314     ",
        " 9. Installed Cost                           $227,004     ",
        "10. Annual Operating Savings                  $45,263     ",
        "11. Simple Payback                                5.0     ",
    };
    EXPECT_EQ(updateMethod1a(sampleBuilding()).lblComparisons, expected);
}

TEST(Method1SizingTest, NoSummerFuelOrNoPowerMeansNoGenerator) {
    Method1Inputs noSummerFuel = sampleBuilding();
    for (std::size_t m = 4; m <= 8; ++m) {
        noSummerFuel.fuel1Quantity[m] = 0;
    }
    Method1Inputs noPower = sampleBuilding();
    noPower.annualPower = 0;
    for (const Method1Inputs& in : {noSummerFuel, noPower}) {
        const Method1Output out = updateMethod1a(in);
        EXPECT_EQ(out.results.genCapacity, 0.0);
        EXPECT_EQ(out.results.savings, 0.0);
        EXPECT_EQ(out.results.payback, 0.0);
        const std::vector<std::string> lines = texts(out.lblMethod1);
        EXPECT_EQ(lines[1], "   a. generator capacity                                       0 kW");
        EXPECT_EQ(lines[2],
                  "   b. generator heat rate ( 0.0% LHV)                          0 Btu/kWh");
        EXPECT_EQ(lines[18],
                  "   b. recovered heat                          0                     0 MMBtu");
        EXPECT_EQ(lines[33],
                  "   c. gen-set O&&M                            $0                    $0");
        EXPECT_EQ(lines[36],
                  "   e. annual operating savings (loss)                              $0");
        EXPECT_EQ(lines[41],
                  "   c. simple payback                                              0.0 yrs");
        EXPECT_EQ(out.lblComparisons[11],
                  "11. Simple Payback                                0.0     ");
    }
    EXPECT_EQ(updateMethod1a(noSummerFuel).lblMethod1[14].text,
              "      (3) total approx. cost           $115,817              $115,817");
}

TEST(Method1SizingTest, CapacityCappedByAnnualPowerLeavesNoUtilityPower) {
    const Method1Output out = updateMethod1a(hundredKWBuilding());
    EXPECT_EQ(out.results.genCapacity, 100.0);
    EXPECT_EQ(out.lblMethod1[8].text,
              "   a. utility power                     744,000                     0 kWh");
    EXPECT_EQ(out.lblMethod1[9].text,
              "   b. on-site generation                      0               744,000 kWh");
    // Part of the hot water still comes from the water heater.
    EXPECT_EQ(out.lblMethod1[20].text,
              "   c. net water heater output             7,607                 3,417 MMBtu");
}

TEST(Method1SizingTest, UncappedPlantRecoversTheWholeLoad) {
    const std::vector<std::string> lines = texts(updateMethod1a(smallLosingBuilding()).lblMethod1);
    EXPECT_EQ(lines[1], "   a. generator capacity                                       3 kW");
    EXPECT_EQ(lines[17],
              "   a. hot water load                        192                   192 MMBtu");
    EXPECT_EQ(lines[18],
              "   b. recovered heat                          0                  -192 MMBtu");
    EXPECT_EQ(lines[20],
              "   c. net water heater output               192                     0 MMBtu");
    EXPECT_EQ(lines[21],
              "   d. estimated fuel consumption            240                     0 MMBtu");
}

TEST(Method1DemandTest, PeakEqualToCapacityAddsNoExcessAndStandbyIsPaidEveryMonth) {
    // Peaks above 100 kW: 20 + 50 + 100 kW of excess at $10; standby 12 × $2.50 × 100 kW.
    Method1Output out = updateMethod1a(hundredKWBuilding());
    EXPECT_DOUBLE_EQ(out.results.baselineDemandCost, 13'400.0);
    EXPECT_DOUBLE_EQ(out.results.chpDemandCost, 3'000.0 + 1'700.0);
    EXPECT_EQ(out.lblMethod1[13].text,
              "      (2) demand && standby charges      $13,400                $4,700");

    Method1Inputs noPeaks = hundredKWBuilding();
    noPeaks.peakKW.fill(0);
    out = updateMethod1a(noPeaks);
    EXPECT_DOUBLE_EQ(out.results.chpDemandCost, 3'000.0);
    EXPECT_EQ(out.lblMethod1[13].text,
              "      (2) demand && standby charges           $0                $3,000");
}

TEST(Method1EconomicsTest, LossIsShownWithAMinusAndHasNoPayback) {
    const Method1Output out = updateMethod1a(smallLosingBuilding());
    EXPECT_NEAR(out.results.savings, -226.348, 0.001);
    EXPECT_EQ(out.results.payback, 0.0);
    EXPECT_EQ(out.lblMethod1[35].text,
              "   d. total operating cost              $32,800               $33,026");
    EXPECT_EQ(out.lblMethod1[36].text,
              "   e. annual operating savings (loss)                           -$226");
    EXPECT_EQ(out.lblMethod1[40].text,
              "   b. annual operating savings (loss)                           -$226");
    EXPECT_EQ(out.lblMethod1[41].text,
              "   c. simple payback                                              0.0 yrs");
    EXPECT_EQ(out.lblComparisons[10], "10. Annual Operating Savings                    -$226     ");
    EXPECT_EQ(out.lblComparisons[11], "11. Simple Payback                                0.0     ");
}

TEST(Method1PrimeMoverTest, HeaderNameAndHotWaterCapacity) {
    // A 1,000 MMBtu hot-water load sized with each prime mover's recovery curve.
    struct Row {
        const char* name;
        OptionGroup<PrimeMover> mover;
        double capacityKW;
        const char* header;
    };
    const Row rows[] = {
        {"recip", PrimeMover::RecipEngine, 18.5721387, "Recip-Engine CHP"},
        {"gas turbine", PrimeMover::GasTurbine, 7.3649393, "Gas-Turbine CHP"},
        {"microturbine", PrimeMover::Microturbine, 19.9554553, "Microturbine CHP"},
        {"fuel cell", PrimeMover::FuelCell, 43.2848323, " Fuel Cell CHP"},
        {"none set", std::nullopt, 18.5721387, "Generator"},
    };
    for (const Row& row : rows) {
        Method1Inputs in;
        in.fuel1Quantity[4] = 1'000.0 / 1.8;
        in.annualPower = 10'000'000;
        in.primeMover = row.mover;
        const Method1Output out = updateMethod1a(in);
        EXPECT_NEAR(out.results.genCapacity, row.capacityKW, 1e-6) << row.name;
        EXPECT_NEAR(out.results.recoveredHeat, 1'000.0, 1e-6) << row.name;
        EXPECT_EQ(out.lblMethod1[7].text,
                  std::string("2. Power Consumption                   System              ") +
                      row.header)
            << row.name;
    }
}

TEST(Method1LayoutTest, TwoColumnValuesEndAtTheSameShownColumns) {
    const int twoColumnLines[] = {8,  9,  10, 12, 13, 14, 17, 18, 20,
                                  21, 24, 25, 27, 28, 31, 32, 33, 35};
    for (const Method1Inputs& in :
         {sampleBuilding(), smallLosingBuilding(), hundredKWBuilding(), Method1Inputs{}}) {
        const Method1Output out = updateMethod1a(in);
        for (const int i : twoColumnLines) {
            const std::string shown = shownText(out.lblMethod1[i].text);
            ASSERT_GE(shown.size(), 69u) << i;
            EXPECT_NE(shown[46], ' ') << i;
            EXPECT_EQ(shown[47], ' ') << i;
            EXPECT_NE(shown[68], ' ') << i;
            EXPECT_TRUE(shown.size() == 69 || shown[69] == ' ') << i;
        }
    }
}

TEST(Method1LayoutTest, ValueWiderThanItsFieldIsWrittenWhole) {
    // 150,000 kW running 7,440 hours: numbers wider than the fields made for them.
    Method1Inputs in;
    in.energyRate = 0.1;
    in.gasPrice = 10;
    in.fuel1Quantity[4] = 5e6;
    in.annualPower = 7'440.0 * 150'000;
    const Method1Output out = updateMethod1a(in);
    EXPECT_EQ(out.lblMethod1[6].text,
              "                                      Baseline            150,000 kW");
    EXPECT_EQ(out.lblMethod1[8].text,
              "   a. utility power                 1,116,000,000                   0 kWh");
    EXPECT_EQ(out.lblMethod1[9].text,
              "   b. on-site generation                      0           1,116,000,000 kWh");
    EXPECT_EQ(out.lblComparisons[7],
              " 7. Power Output                          1,116,000,000     ");
    EXPECT_EQ(lblMethod1_MouseMove(18, out.results).lines[1].text,
              "gen-set capacity:       150,000 kW");

    // Both columns too wide: the second keeps a blank before it instead of running into the
    // first.
    in.annualPower = 1e13;
    EXPECT_EQ(updateMethod1a(in).lblMethod1[10].text,
              "   c. total power consumed          10,000,000,000,000 10,000,000,000,000 kWh");
}

// A results record with round-ish figures of the sample building and some fuel 2.
Method1Results panelResults() {
    Method1Results r;
    r.summerFuel1MMBtu = 4'225.840308;
    r.summerFuel2MMBtu = 300.25;
    r.annualWaterHeaterFuel = 10'142.0167392;
    r.hotWaterLoad = 7'606.5125544;
    r.boilerEfficiency = 0.75;
    r.genCapacity = 132.258;
    r.onSiteGeneration = 984'000;
    r.heatRecoveryRate = 5'400.68;
    r.recoveredHeat = 5'314.27;
    r.chpWaterHeaterFuel = 3'056.33;
    r.heatRate = 11'354.07;
    r.genFuelMMBtu = 11'172.41;
    r.baselineWaterHeaterFuel = 10'142.02;
    r.gasPrice = 13.473213;
    r.baselineGasCost = 136'645.55;
    r.chpTotalFuel = 14'228.73;
    r.chpGasCost = 191'706.75;
    r.omRate = 0.0157443;
    r.omCost = 15'492.43;
    return r;
}

struct PanelCase {
    const char* name;
    int hovered;
    std::vector<int> marked;
    std::vector<DerivationLine> lines; // panel lines 0 to 10; missing ones are empty
    Visibility visibility;
};

DerivationLine line(std::string text, bool red = false, bool bold = false) {
    return {std::move(text), bold, red};
}

TEST(Method1DerivationPanelTest, EveryHoveredLine) {
    const DerivationLine title = line("", false, true); // a cleared panel keeps line 0 bold
    const std::vector<DerivationLine> omLines = {line("Gen-Set O&&M Costs", false, true),
                                                 line("generation         984,000 kWh"),
                                                 line("O&&M rate           $0.0157/kWh"),
                                                 line("-------------      -------"),
                                                 line("annual cost        $15,492", true),
                                                 line(""),
                                                 line(""),
                                                 line("on-site generation x gen-set O&&M rate")};
    const std::vector<PanelCase> cases = {
        {"hot water load",
         17,
         {17},
         {line("Summer (May-Sept) Fuel Consumption", false, true),
          line("fuel #1:            4,226 MMBtu"), line("fuel #2:              300 MMBtu"),
          line("water heater fuel:  4,526 MMBtu"), line("fraction of year:    0.42"),
          line("Annual Water Heater Operation", false, true),
          line("fuel consumption:  10,142 MMBtu"), line("wh efficiency:      75.0%"),
          line("hot water load:     7,607 MMBtu")},
         Visibility::Shown},
        {"recovered heat",
         18,
         {18},
         {line("Recovered Heat", false, true), line("gen-set capacity:          132 kW"),
          line("annual operating hours:  7,440 hrs"), line("on-site generation:    984,000 kWh"),
          line("heat recovery rate:      5,401 Btu/kWh"),
          line("recovered heat:          5,314 MMBtu")},
         Visibility::Shown},
        {"water-heater fuel",
         21,
         {21},
         {line("Net Water Heater Output", false, true),
          line("hot water load           7,607 MMBtu"),
          line("recovered heat to DHW    5,314 MMBtu"),
          line("---------------------   ------ -----"),
          line("DHW from water heater    2,292 MMBtu"), line("wh efficiency            75.0%"),
          line("---------------------   ------ -----"),
          line("wh fuel consumption      3,056 MMBtu", true), line(""),
          line("wh output divided by efficiency")},
         Visibility::Shown},
        {"water heater", 24, {24, 21}, {title}, Visibility::Unchanged},
        {"generator fuel",
         25,
         {25},
         {line("Gen-Set Fuel Consumption", false, true), line("generation      984,000 kWh"),
          line("heat rate        11,354 Btu/kWh"), line("------------   -------- -------"),
          line("gas use          11,172 MMBtu", true), line(""), line(""),
          line("generation x heat rate / 1,000,000")},
         Visibility::Shown},
        {"gas cost",
         28,
         {28, 27},
         {line("Baseline Cost of Natural Gas", false, true),
          line("fuel consumption     10,142 MMBtu", true),
          line("cost of natural gas  $13.47/MMBtu"), line("-------------------  ------ -----"),
          line("cost of fuel       $136,646", true), line(""), line("CHP Cost of Natural Gas"),
          line("fuel consumption     14,229 MMBtu", true),
          line("cost of natural gas  $13.47/MMBtu"), line("-------------------  ------ -----"),
          line("cost of fuel       $191,707", true)},
         Visibility::Shown},
        {"purchased electricity", 31, {31, 11}, {title}, Visibility::Hidden},
        {"natural gas", 32, {32, 28}, {title}, Visibility::Hidden},
        {"O&M", 33, {33}, omLines, Visibility::Shown},
        {"savings", 40, {40, 36}, omLines, Visibility::Hidden},
        {"payback",
         41,
         {41},
         {line("Simple Payback:", false, true), line("If the annual operating savings are"),
          line("greater than zero, then the simple"), line("payback is the estimated gen-set"),
          line("installed cost divided by the annual"), line("operating savings.")},
         Visibility::Shown},
        {"capacity line", 1, {}, {title}, Visibility::Hidden},
    };
    const Method1Results results = panelResults();
    for (const PanelCase& c : cases) {
        const DerivationPanel panel = lblMethod1_MouseMove(c.hovered, results);
        EXPECT_EQ(panel.markedLines, c.marked) << c.name;
        EXPECT_EQ(panel.visibility, c.visibility) << c.name;
        for (std::size_t i = 0; i < panel.lines.size(); ++i) {
            const DerivationLine expected = i < c.lines.size() ? c.lines[i] : DerivationLine{};
            EXPECT_EQ(panel.lines[i], expected) << c.name << ", panel line " << i;
        }
    }
}

} // namespace
} // namespace plenara
