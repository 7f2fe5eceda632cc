#include "engine/captiontext.h"
#include "engine/method2.h"
#include "engine/monthlyloads.h"

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

// The sample building: a year of bills with a summer air-conditioning peak and #2 fuel oil for
// heat and hot water.
Method2Inputs sampleBuilding(OptionGroup<HeatAllocation> allocation) {
    Method2Inputs in;
    in.bills = loadMonthlyBills(
        {"68400", "67800", "57000", "56400", "57600", "117600", "138000", "136800", "90600",
         "61200", "63600", "69000"},
        {"138", "132", "132", "126", "150", "400", "432", "402", "276", "174", "138", "138"},
        {"27979", "25328", "29645", "16939", "7390", "6797", "5532", "4722", "6405", "12761",
         "15407", "24922"},
        {"68548", "62053", "72630", "41500", "18105", "16992", "13553", "11569", "15692", "31264",
         "37747", "61059"},
        {}, {});
    in.kWhTexts = {"68,400",  "67,800",  "57,000", "56,400", "57,600", "117,600",
                   "138,000", "136,800", "90,600", "61,200", "63,600", "69,000"};
    in.runTimeFraction = 0.75;
    in.boilerEfficiency = 0.75;
    in.fuel1UnitFactor = 0.136998; // #2 fuel oil, gallons
    in.fuel2UnitFactor = 1.0;
    in.gasPrice = 1.3119 * 10.27; // $1.3119 per CCF
    in.fuel1AverageCost = 2.452;  // $450,712 / 183,827 gallons as the label shows it
    in.energyCharge = 0.0444 + 0.0733;
    in.primeMover = PrimeMover::RecipEngine;
    in.installationDifficulty = InstallationDifficulty::Typical;
    in.heatAllocation = allocation;
    in.waterHeaterFuel = WaterHeaterFuel::NaturalGas;
    in.scrlMonths = 7;
    in.scrlGeneration = 0;
    return in;
}

// The same kWh every month, enough demand that some always remains, a high power price and
// cheap gas: every step saves more than the one before, so the full-size step 20 is chosen and
// the January output is kWh / (0.75 x 744).
Method2Inputs flatBuilding(double monthKWh) {
    Method2Inputs in = sampleBuilding(HeatAllocation::CoolingPriority);
    for (MonthlyBill& bill : in.bills) {
        bill.KWh = monthKWh;
        bill.KW = monthKWh / 558.0 * 1.2;
    }
    in.energyCharge = 0.5;
    in.gasPrice = 1.0;
    return in;
}

// The comparison table as Method 1 leaves it; row 1 shows a hot-water load of 1,152 MMBtu.
std::array<std::string, 12> method1Comparisons() {
    std::array<std::string, 12> rows;
    rows[0] = "                                            Method 1" + Blanks(5);
    rows[1] = " 1. Service Hot Water Load                " + R(11, 1152, "##,##0") + Blanks(5);
    for (std::size_t k = 2; k < rows.size(); ++k) {
        rows[k] = std::string(42, '.') + Blanks(16);
    }
    return rows;
}

struct Method2Run {
    Method2Output out;
    std::array<std::string, 12> comparisonsBefore;
    std::array<std::string, 12> comparisons;
};

Method2Run runMethod2(const Method2Inputs& in) {
    Method2Run r;
    r.comparisonsBefore = method1Comparisons();
    r.comparisons = r.comparisonsBefore;
    r.out = updateMethod2a(in, r.comparisons);
    return r;
}

// What Method 2 added to each comparison row.
std::array<std::string, 12> appendedColumn(const Method2Run& r) {
    std::array<std::string, 12> added;
    for (std::size_t k = 0; k < added.size(); ++k) {
        EXPECT_EQ(r.comparisons[k].substr(0, r.comparisonsBefore[k].size()),
                  r.comparisonsBefore[k]);
        added[k] = r.comparisons[k].substr(r.comparisonsBefore[k].size());
    }
    return added;
}

bool partOfNumber(char c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '.';
}

// Each number of the line ends at its position: its last digit is the character before, and
// the character at it (if any) belongs to no number.
void expectFieldsEndAt(const std::string& line, const std::vector<std::size_t>& ends) {
    for (const std::size_t end : ends) {
        ASSERT_LE(end, line.size()) << line;
        EXPECT_TRUE(line[end - 1] >= '0' && line[end - 1] <= '9')
            << "number ending at " << end << " of: " << line;
        if (end < line.size()) {
            EXPECT_FALSE(partOfNumber(line[end])) << "number ending at " << end << " of: " << line;
        }
    }
}

struct SampleCase {
    const char* name;
    OptionGroup<HeatAllocation> allocation;
    bool coolingPriorityRun;
    int selectedStep;
    double capacityKW;
    std::array<std::string, 5> genSetParameters;
    std::array<std::string, 6> simplePayback;
    std::array<std::string, 12> comparisonColumn;
    std::string selectedAnnualRow;
};

const std::array<std::string, 5> kHeatingParameters = {
    "Generator Parameters:", "   capacity                 110 kW",
    "   equipment cost        $1,294/kW", "   installation cost       $558/kW",
    "   total installed cost  $1,852/kW"};
const std::array<std::string, 6> kHeatingPayback = {
    "Simple Payback",
    "   baseline operating cost           $455,125",
    "   CHP operating cost                $421,124",
    "   annual operating savings/losses    $34,001",
    "   CHP system capital cost           $203,718",
    "   simple payback                        5.99 years"};
const std::array<std::string, 12> kHeatingComparison = {
    "   Method 2     ", "      1,152     ", "     17,736     ", "      2,756     ",
    "     21,643     ", "        110     ", "      6,570     ", "    729,000     ",
    "      4,040     ", "   $203,718     ", "    $34,001     ", "        6.0     "};
const char* const kHeatingSelectedRow =
    "   111.3   $56,798   $51,834   $58,769   $35,274   $17,733   $23,491   $23,557   $21,921"
    "   $19,590   $27,903   $33,028   $51,226  $421,124   6.03";

const std::array<std::string, 5> kCoolingParameters = {
    "Generator Parameters:", "   capacity                 100 kW",
    "   equipment cost        $1,348/kW", "   installation cost       $585/kW",
    "   total installed cost  $1,933/kW"};
const std::array<std::string, 6> kCoolingPayback = {
    "Simple Payback",
    "   baseline operating cost           $455,125",
    "   CHP operating cost                $446,292",
    "   annual operating savings/losses     $8,833",
    "   CHP system capital cost           $193,256",
    "   simple payback                       21.88 years"};
const std::array<std::string, 12> kCoolingComparison = {
    "   Method 2     ", "      1,152     ", "     17,736     ", "      2,756     ",
    "     21,643     ", "        100     ", "      6,570     ", "    662,400     ",
    "      3,736     ", "   $193,256     ", "     $8,833     ", "       21.9     "};
const char* const kCoolingSelectedRow =
    "    98.9   $57,094   $52,130   $58,828   $35,304   $17,820   $29,380   $29,446   $27,809"
    "   $25,478   $28,157   $33,324   $51,522  $446,292  21.75";

TEST(Method2SampleBuildingTest, EveryAllocationMode) {
    // With the summer hot-water load larger than the recovered heat, heating only and heating
    // priority send nothing to the chiller and come out alike; with no option set the
    // cooling-priority run is made.
    const std::vector<SampleCase> cases = {
        {"heating only", HeatAllocation::HeatingOnly, false, 9, 110, kHeatingParameters,
         kHeatingPayback, kHeatingComparison, kHeatingSelectedRow},
        {"heating priority", HeatAllocation::HeatingPriority, false, 9, 110, kHeatingParameters,
         kHeatingPayback, kHeatingComparison, kHeatingSelectedRow},
        {"cooling priority", HeatAllocation::CoolingPriority, true, 8, 100, kCoolingParameters,
         kCoolingPayback, kCoolingComparison, kCoolingSelectedRow},
        {"no allocation option", std::nullopt, true, 8, 100, kCoolingParameters, kCoolingPayback,
         kCoolingComparison, kCoolingSelectedRow},
    };
    for (const SampleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Method2Run r = runMethod2(sampleBuilding(c.allocation));
        const Method2Results& res = r.out.results;
        EXPECT_EQ(res.coolingPriorityRun, c.coolingPriorityRun);
        EXPECT_DOUBLE_EQ(res.peakMonthKWh, 138'000.0);
        EXPECT_NEAR(res.baselineKWh, 63'342.857143, 1e-6);
        EXPECT_EQ(res.selectedStep, c.selectedStep);
        EXPECT_DOUBLE_EQ(res.capacityKW, c.capacityKW);
        EXPECT_EQ(r.out.capacityText, std::to_string(static_cast<int>(c.capacityKW)));
        EXPECT_EQ(r.out.primeMoverEnabled, (std::array<bool, 4>{true, false, true, true}));
        EXPECT_EQ(r.out.lblGenSetParameters, c.genSetParameters);
        EXPECT_EQ(r.out.lblSimplePayback, c.simplePayback);
        EXPECT_EQ(appendedColumn(r), c.comparisonColumn);
        EXPECT_EQ(r.out.lblAnnualResults[2 + c.selectedStep].text, c.selectedAnnualRow);
        EXPECT_EQ(r.out.lblBasisOfResults, "Results for August (136,800 kWh)");
    }
}

TEST(Method2SampleBuildingTest, ResultLinesKeepTheirColumns) {
    const Method2Run r = runMethod2(sampleBuilding(HeatAllocation::HeatingPriority));
    for (std::size_t k = 1; k < 5; ++k) {
        expectFieldsEndAt(r.out.lblGenSetParameters[k], {31});
    }
    for (std::size_t k = 1; k < 6; ++k) {
        expectFieldsEndAt(r.out.lblSimplePayback[k], {45});
    }
    expectFieldsEndAt(r.comparisons[1], {53});
    for (std::size_t k = 1; k < 12; ++k) {
        expectFieldsEndAt(r.comparisons[k], {69});
    }
}

TEST(Method2AnnualResultsTest, HeadingsRowsAndBoldSelectedStep) {
    const Method2Run r = runMethod2(sampleBuilding(HeatAllocation::HeatingPriority));
    const std::array<Caption, 12>& rows = r.out.lblAnnualResults;
    EXPECT_EQ(rows[0], (Caption{"  Capacity                                        Total Operating "
                                "Cost (Gas, Electric, and O&&M)                                  "
                                "              Payback",
                                false}));
    EXPECT_EQ(rows[1], (Caption{"     kW         Jan       Feb       Mar       Apr       May      "
                                " Jun       Jul       Aug       Sep       Oct       Nov       Dec "
                                "   Annual      yrs",
                                false}));
    // Step 0 saves nothing: its payback reads 999.00 in full.
    EXPECT_EQ(rows[2], (Caption{"     0.0   $59,694   $54,731   $61,428   $37,904   $20,420   "
                                "$26,387   $26,454   $24,817   $22,486   $30,758   $35,924   "
                                "$54,122  $455,125 999.00",
                                false}));
    for (std::size_t k = 2; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].bold, k == 2 + 9) << "row " << k;
        expectFieldsEndAt(rows[k].text,
                          {8, 18, 28, 38, 48, 58, 68, 78, 88, 98, 108, 118, 128, 138, 145});
    }
}

// August of the sample building: the detail table follows the run's allocation mode and the
// generation scroll bar, shared with the annual table.
TEST(Method2MonthlyDetailTest, SampleBuildingAugust) {
    const Method2Output cooling = runMethod2(sampleBuilding(HeatAllocation::CoolingPriority)).out;
    EXPECT_EQ(cooling.lblMonthlyData[0].text.substr(0, 20), "             Power  ");
    EXPECT_EQ(cooling.lblMonthlyData[12],
              (Caption{"    98.9     55,200    311.3   311.3     0.0    485.2    646.9      311.3"
                       "   186.8   694.7    57,892   78,908   136,800     636.0    646.9   "
                       "1,282.9     $9,604  $17,284    $921   $27,809",
                       true}));
    const Method2Output heating = runMethod2(sampleBuilding(HeatAllocation::HeatingPriority)).out;
    EXPECT_EQ(heating.lblMonthlyData[0].text.substr(0, 20), "            Power   ");
    EXPECT_EQ(heating.lblMonthlyData[13],
              (Caption{"   111.3     62,100   344.1   344.1    141.1     0.0     0.0   881.5  "
                       "73,457  63,343   136,800   74,700      711      188      899   $8,792  "
                       "$12,117   $20,909   $1,012    $21,921    $205,068",
                       true}));

    Method2Inputs in = sampleBuilding(HeatAllocation::HeatingPriority);
    in.scrlGeneration = 11;
    const Method2Output scrolled = runMethod2(in).out;
    EXPECT_EQ(scrolled.lblMonthlyData[13].text,
              "   247.3    136,800   673.0   485.2      0.0   187.8   112.7   768.8  64,067  "
              "63,343   136,800        0    1,504        0    1,504       $0  $20,264   $20,264"
              "   $1,901    $22,165    $347,371");
    EXPECT_EQ(scrolled.lblAnnualResults[2].text,
              "   136.0   $56,555   $51,619   $58,811   $35,316   $17,776   $22,904   $22,970"
              "   $21,333   $19,002   $27,949   $33,005   $50,955  $418,195   6.25");
    for (std::size_t k = 2; k < 12; ++k) {
        EXPECT_FALSE(scrolled.lblAnnualResults[k].bold) << "row " << k; // step 9 is above
        EXPECT_FALSE(scrolled.lblMonthlyData[k + 2].bold) << "line " << k + 2;
    }
}

TEST(Method2BasisOfResultsTest, MonthNameAndTrimmedKWhText) {
    Method2Inputs in = sampleBuilding(HeatAllocation::CoolingPriority);
    in.scrlMonths = 0;
    in.kWhTexts[0] = "  68,400  ";
    EXPECT_EQ(runMethod2(in).out.lblBasisOfResults, "Results for January (68,400 kWh)");
    in.scrlMonths = 11;
    EXPECT_EQ(runMethod2(in).out.lblBasisOfResults, "Results for December (69,000 kWh)");
}

// Line 9 of the assumptions names the efficiency used, rounded to a whole percent with halves
// to the even number: 57.5 % is a half although 0.575 x 100 falls just below it in binary.
TEST(Method2AssumptionsTest, EfficiencyLineNamesTheEfficiencyUsed) {
    const std::pair<double, const char*> cases[] = {{0.80, "80"},  {0.62, "62"},  {0.625, "62"},
                                                    {0.575, "58"}, {0.635, "64"}, {0.754, "75"},
                                                    {1.0, "100"}};
    for (const auto& [efficiency, percent] : cases) {
        EXPECT_EQ(method2EfficiencyLine(efficiency),
                  std::string("      efficiency of ") + percent + "%")
            << efficiency;
    }
}

TEST(Method2EdgeTest, BillsWithNoKWhAtAll) {
    Method2Inputs in = sampleBuilding(HeatAllocation::CoolingPriority);
    for (MonthlyBill& bill : in.bills) {
        bill.KWh = 0.0;
    }
    const Method2Run r = runMethod2(in);
    const Method2Results& res = r.out.results;
    for (int s = 0; s < kSweepSteps; ++s) {
        EXPECT_EQ(res.stepResults[s].CapacityKW, 0.0) << "step " << s;
        EXPECT_EQ(res.annualResults[s].CapacityKW, 0.0) << "step " << s;
        EXPECT_EQ(res.annualResults[s].SimplePayback, 999.0) << "step " << s;
    }
    EXPECT_EQ(res.selectedStep, 0);
    EXPECT_EQ(res.capacityKW, 1.0);
    EXPECT_EQ(r.out.capacityText, "1");
    EXPECT_EQ(res.payback, 0.0);
    // Per kW of a 1 kW set the costs are wider than their field and are written whole.
    EXPECT_EQ(r.out.lblGenSetParameters,
              (std::array<std::string, 5>{
                  "Generator Parameters:", "   capacity                   1 kW",
                  "   equipment cost        $59,559/kW", "   installation cost     $30,125/kW",
                  "   total installed cost  $89,684/kW"}));
    EXPECT_EQ(r.out.lblSimplePayback[3], "   annual operating savings/losses         $0");
    EXPECT_EQ(r.out.lblSimplePayback[5], "   simple payback                        0.00 years");
}

TEST(Method2EdgeTest, CostsRiseWithAnyGeneration) {
    // Power costs nothing, so generating only adds fuel and maintenance.
    Method2Inputs in = sampleBuilding(HeatAllocation::HeatingPriority);
    in.energyCharge = 0.0;
    const Method2Run r = runMethod2(in);
    const Method2Results& res = r.out.results;
    for (int s = 0; s < kSweepSteps; ++s) {
        EXPECT_EQ(res.annualResults[s].SimplePayback, 999.0) << "step " << s;
    }
    EXPECT_EQ(res.selectedStep, 0);
    EXPECT_EQ(res.chpOperatingCost, res.baselineOperatingCost);
    EXPECT_EQ(res.savings, 0.0);
    EXPECT_EQ(res.payback, 0.0);
    EXPECT_EQ(r.out.lblSimplePayback,
              (std::array<std::string, 6>{"Simple Payback",
                                          "   baseline operating cost           $339,308",
                                          "   CHP operating cost                $339,308",
                                          "   annual operating savings/losses         $0",
                                          "   CHP system capital cost            $89,684",
                                          "   simple payback                        0.00 years"}));
    const std::array<std::string, 12> added = appendedColumn(r);
    EXPECT_EQ(added[7], "          0     ");
    EXPECT_EQ(added[10], "         $0     ");
    EXPECT_EQ(added[11], "        0.0     ");
}

TEST(Method2SelectionTest, ShortestPaybackAndTiesToTheLowerStep) {
    struct Case {
        const char* name;
        std::vector<double> paybacks; // steps from 0; the rest save nothing
        int expected;
    };
    const std::vector<Case> cases = {
        {"shortest wins", {999, 8, 5, 6}, 2},
        {"tie goes to the lower step", {999, 7, 4.5, 6, 4.5}, 2},
        {"nothing saves: step 0", {999}, 0},
        {"a payback of 1000 years or more is never chosen", {999, 1000, 2500}, 0},
        {"last step",
         {999, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1, 0.05, 0.01},
         20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::array<Method2Annual, kSweepSteps> annual{};
        for (Method2Annual& a : annual) {
            a.SimplePayback = 999.0;
        }
        for (std::size_t s = 0; s < c.paybacks.size(); ++s) {
            annual[s].SimplePayback = c.paybacks[s];
        }
        EXPECT_EQ(chooseMethod2Step(annual), c.expected);
    }
}

TEST(Method2CapacityTest, RoundsJanuaryOutputToFiveKWHalvesToEven) {
    struct Case {
        double monthKWh;
        double januaryOutputKW;
        double capacityKW;
        const char* text;
        std::array<bool, 4> enabled; // recip, gas turbine, microturbine, fuel cell
    };
    const std::vector<Case> cases = {
        {6'975, 12.5, 10, "10", {true, false, true, true}},
        {9'765, 17.5, 20, "20", {true, false, true, true}},
        {446'400, 800, 800, "800", {true, true, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Method2Run r = runMethod2(flatBuilding(c.monthKWh));
        const Method2Results& res = r.out.results;
        EXPECT_EQ(res.selectedStep, 20);
        EXPECT_DOUBLE_EQ(res.months[20][0].GenSetKWh / (0.75 * 744), c.januaryOutputKW);
        EXPECT_EQ(res.capacityKW, c.capacityKW);
        EXPECT_EQ(r.out.capacityText, c.text);
        EXPECT_EQ(r.out.primeMoverEnabled, c.enabled);
    }
}

TEST(Method2HeatingPriorityRunTest, GenerationCutToTheMonthStandbyOnFullCapacity) {
    Method2Inputs in = sampleBuilding(HeatAllocation::HeatingPriority);
    in.demandCharge = 10.0;
    in.standbyCharge = 5.0;
    const Method2Results res = runMethod2(in).out.results;
    // Step 20 would generate the peak month's 138,000 kWh; January uses 68,400.
    const Method2Month& january = res.months[20][0];
    EXPECT_NEAR(res.stepResults[20].CapacityKW, 247.311828, 1e-6);
    EXPECT_EQ(january.GenSetKWh, 68'400.0);
    EXPECT_EQ(january.MonthKWh, 68'400.0);
    EXPECT_EQ(january.UtilityKWh, 0.0);
    EXPECT_EQ(january.GenSetKW, res.stepResults[20].CapacityKW);
    EXPECT_EQ(january.UtilityKW, 0.0);
    EXPECT_NEAR(january.ElectricCost, 5.0 * 247.311828, 1e-5);
    EXPECT_NEAR(january.BaseKWh, 63'342.857143, 1e-6);
    // July: the whole month generated, part of the peak demand still bought.
    const Method2Month& july = res.months[20][6];
    EXPECT_EQ(july.GenSetKWh, 138'000.0);
    EXPECT_NEAR(july.UtilityKW, 123.855830, 1e-6);
    EXPECT_NEAR(july.ElectricCost, 2'475.117440, 1e-6);
}

// Little hot water in summer and a demand charge: recovered heat left over after heating can
// drive the chiller, which avoids demand.
Method2Inputs lowSummerHeatBuilding(HeatAllocation allocation) {
    Method2Inputs in = sampleBuilding(allocation);
    for (std::size_t m = 4; m <= 8; ++m) {
        in.bills[m].Fuel1Quantity = 100.0;
    }
    in.demandCharge = 10.0;
    return in;
}

TEST(Method2AllocationTest, HeatingOnlySendsNothingToCooling) {
    const Method2Results only =
        runMethod2(lowSummerHeatBuilding(HeatAllocation::HeatingOnly)).out.results;
    const Method2Results priority =
        runMethod2(lowSummerHeatBuilding(HeatAllocation::HeatingPriority)).out.results;
    EXPECT_NEAR(only.stepResults[10].AvoidedACKW, 33.727808, 1e-6);
    for (int s = 0; s < kSweepSteps; ++s) {
        for (std::size_t m = 0; m < 12; ++m) {
            const Method2Month& month = only.months[s][m];
            EXPECT_EQ(month.HeatToChillerMMBtu, 0.0);
            EXPECT_EQ(month.AvoidedACKW, 0.0);
            EXPECT_EQ(month.ElectricCoolingMMBtu, month.CoolingLoadMMBtu);
        }
    }
    // July at step 10 (69,000 kWh generated, 376.4 MMBtu recovered, 10.3 MMBtu of hot water).
    const Method2Month& julyOnly = only.months[10][6];
    EXPECT_NEAR(julyOnly.CoolingLoadMMBtu, 895.885714, 1e-6);
    EXPECT_NEAR(julyOnly.ACKWh, 74'657.142857, 1e-6);
    EXPECT_NEAR(julyOnly.UtilityKW, 308.344086, 1e-6);
    const Method2Month& julyPriority = priority.months[10][6];
    EXPECT_NEAR(julyPriority.HeatToThermalMMBtu, 10.274850, 1e-6);
    EXPECT_NEAR(julyPriority.HeatToChillerMMBtu, 366.127484, 1e-6);
    EXPECT_NEAR(julyPriority.AbsorptionCoolingMMBtu, 219.676491, 1e-6);
    EXPECT_NEAR(julyPriority.ACKWh, 56'350.768643, 1e-6);
    EXPECT_NEAR(julyPriority.AvoidedACKW, 33.727808, 1e-6);
    EXPECT_NEAR(julyPriority.UtilityKW, 274.616278, 1e-6);
    // No cooling load in January: nothing avoided in either mode.
    EXPECT_EQ(priority.months[10][0].AvoidedACKW, 0.0);
    // Cooling priority: the chiller takes all the recovered heat, hot water none.
    const Method2Results cooling =
        runMethod2(lowSummerHeatBuilding(HeatAllocation::CoolingPriority)).out.results;
    const Method2Month& julyCooling = cooling.months[10][6];
    EXPECT_NEAR(julyCooling.HeatToChillerMMBtu, 376.402334, 1e-6);
    EXPECT_EQ(julyCooling.HeatToThermalMMBtu, 0.0);
    EXPECT_NEAR(julyCooling.BaseKWh, 138'000.0 - 55'837.026143, 1e-6);
    EXPECT_NEAR(julyCooling.DemandChargeCost, 2'746.16278, 1e-5);
}

TEST(Method2WaterHeaterFuelTest, PricesHeaterFuelOnlyInTheHeatingPriorityRun) {
    // January at step 0: 3,833.067 MMBtu of heater fuel, at $13.4732/MMBtu of gas or at the
    // fuel-1 price $2.452 / 0.136998 MMBtu per gallon; gas again when fuel 1 has no cost. The
    // run tells which of the two it priced, for the CO2 to count the same fuel.
    struct Case {
        const char* name;
        OptionGroup<HeatAllocation> allocation;
        OptionGroup<WaterHeaterFuel> waterHeater;
        double fuel1AverageCost;
        double fuelCost;
        bool burnsGas;
    };
    const std::vector<Case> cases = {
        {"gas, heating priority", HeatAllocation::HeatingPriority, WaterHeaterFuel::NaturalGas,
         2.452, 51'643.7287, true},
        {"fuel 1, heating priority", HeatAllocation::HeatingPriority, WaterHeaterFuel::Fuel1, 2.452,
         68'604.508, false},
        {"no option, heating priority", HeatAllocation::HeatingPriority, std::nullopt, 2.452,
         68'604.508, false},
        {"fuel 1 without a cost, heating priority", HeatAllocation::HeatingPriority,
         WaterHeaterFuel::Fuel1, 0.0, 51'643.7287, true},
        {"fuel 1, cooling priority", HeatAllocation::CoolingPriority, WaterHeaterFuel::Fuel1, 2.452,
         51'643.7287, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Method2Inputs in = sampleBuilding(c.allocation);
        in.waterHeaterFuel = c.waterHeater;
        in.fuel1AverageCost = c.fuel1AverageCost;
        const Method2Results res = runMethod2(in).out.results;
        EXPECT_NEAR(res.months[0][0].HeaterFuelMMBtu, 3'833.067042, 1e-6);
        EXPECT_NEAR(res.months[0][0].FuelCost, c.fuelCost, 1e-3);
        EXPECT_EQ(res.boilerBurnsGas, c.burnsGas);
    }
}

} // namespace
} // namespace plenara
