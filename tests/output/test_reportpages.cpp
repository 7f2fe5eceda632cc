#include "climate/climatedata.h"
#include "engine/captiontext.h"
#include "engine/formatpattern.h"
#include "output/reportcomposer.h"
#include "output/reportpages.h"
#include "project/projectsession.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

const std::string kDate = "12/06/2026";

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

// The sample building as the window shows it after "Sample Data".
class SampleReport : public ::testing::Test {
protected:
    SampleReport()
        : session(readClimateData(PLENARA_SHIPPED_DATA_DIR).table) {
        session.loadSampleData();
    }

    ProjectSession session;
};

// ---------------------------------------------------------------- input data and summary

TEST_F(SampleReport, SummaryPageHeadingsInFixedColumns) {
    const std::vector<std::string> lines =
        PrintIOResultsSummary(session.inputs(), session.results());
    ASSERT_GE(lines.size(), 36u);
    EXPECT_EQ(lines[0], ""); // the text starts with a line break
    EXPECT_EQ(lines[1], "                       Electricity       ");
    // Fuel names right-aligned in 11 columns: "#2 fuel oil" fills them; "Fuel #2" gets 4 blanks.
    EXPECT_EQ(lines[2], "                -------------------------         #2 fuel oil" +
                            blanks(10) + "    Fuel #2");
    EXPECT_EQ(lines[3], "                 Power  Demand              ---------------------    "
                        "--------------------");
    // Units right-aligned in 10 columns.
    EXPECT_EQ(lines[4], "Month               kWh     kW       Cost     gallons        cost  "
                        "    therms      cost");
}

TEST_F(SampleReport, SummaryPageMonthlyRowsTotalsAndAverages) {
    const std::vector<std::string> lines =
        PrintIOResultsSummary(session.inputs(), session.results());
    ASSERT_GE(lines.size(), 20u);
    // January: name in 1-9, kWh in 13-23, kW in 25-30, bill in 32-42, fuel 1 in 43-53, its
    // cost in 57-67; the blank fuel 2 columns and the rest of the 100 columns stay blank.
    const std::string january = "January  " + blanks(3) + "     68,400" + " " + "   138" + " " +
                                "     $8,058" + "     27,979" + blanks(3) + "    $68,548" +
                                blanks(33);
    EXPECT_EQ(lines[5], january);
    EXPECT_EQ(lines[5].size(), 100u);
    const std::string september = "September" + blanks(3) + "     90,600" + " " + "   276" + " " +
                                  "    $10,663" + "      6,405" + blanks(3) + "    $15,692" +
                                  blanks(33);
    EXPECT_EQ(lines[13], september);
    EXPECT_EQ(lines[17], std::string(90, '-'));
    // Sums: 984,000 kWh; $115,717; 183,827 gallons; $450,712. Bill and fuel cost take 12
    // columns (31-42 and 56-67).
    EXPECT_EQ(lines[18], "Annual Total" + std::string("    984,000") + blanks(7) + "    $115,717" +
                             "    183,827" + blanks(2) + "    $450,712" + blanks(33));
    // $115,717 / 984,000 kWh = $0.1176; $450,712 / 183,827 gal = $2.4518. No fuel 2: blank.
    EXPECT_EQ(lines[19], "Average Cost" + blanks(18) + "      $0.118" + blanks(13) +
                             "      $2.452" + blanks(33));
    EXPECT_EQ(lines[20], "");
}

// A value wider than its columns widens them behind one blank; the rest of the line moves
// right, no digit lost and no two values touching.
TEST_F(SampleReport, SummaryPageNeverCutsANumber) {
    // 1,000,000,000,000 kWh take 17 columns and a blank where 11 are set: every later field
    // moves 7 right.
    session.inputs().MonthlyKWh[0] = "1000000000000";
    session.inputs().EnergyCharge = "1234.5";
    session.recalculate();
    const std::vector<std::string> wide =
        PrintIOResultsSummary(session.inputs(), session.results());
    EXPECT_EQ(wide[5], "January  " + blanks(3) + " 1,000,000,000,000" + " " + "   138" + " " +
                           "     $8,058" + "     27,979" + blanks(3) + "    $68,548" + blanks(33));
    // 1,000,000,000,000 + 915,600 kWh of the other months.
    EXPECT_EQ(wide[18], "Annual Total" + std::string(" 1,000,000,915,600") + blanks(7) +
                            "    $115,717" + "    183,827" + blanks(2) + "    $450,712" +
                            blanks(33));
    ASSERT_GE(wide.size(), 23u);
    EXPECT_EQ(wide[22].substr(0, 46), "   Energy Charge                $1234.5000/kWh");
}

TEST_F(SampleReport, SummaryPageRateSiteAndEquipmentLines) {
    const std::vector<std::string> lines =
        PrintIOResultsSummary(session.inputs(), session.results());
    ASSERT_GE(lines.size(), 35u);
    EXPECT_EQ(lines[21], "Electric Utility Rate Data                                 Natural Gas "
                         "Utility Rate Data");
    EXPECT_EQ(lines[22], "   Energy Charge                $0.0444/kWh                   cost of "
                         "gas $1.3119/CCF");
    EXPECT_EQ(lines[23], "   Fuel Adjustment Charge       $0.0733/kWh");
    EXPECT_EQ(lines[24], "   Demand Charge                  $0.00/kW/month");
    EXPECT_EQ(lines[25], "   Standby Charge                 $0.00/kW/month");
    EXPECT_EQ(lines[26], "");
    EXPECT_EQ(lines[27], "Location: Philadelphia, Pennsylvania");
    EXPECT_EQ(lines[28], "");
    EXPECT_EQ(lines[29], "Building Specifications:                                  Equipment "
                         "Specifications:");
    EXPECT_EQ(lines[30], "   heated floor space            98,000 sq ft" + blanks(16) +
                             "recip-engine driven generator");
    EXPECT_EQ(lines[31], "   air conditioned floor space   98,000 sq ft" + blanks(16) +
                             "typical installation costs");
    EXPECT_EQ(lines[32],
              "   approx. number of occupants      200" + blanks(22) + "low hot water usage");
    EXPECT_EQ(lines[33], "");
    EXPECT_EQ(lines[34], "Results:");
}

TEST_F(SampleReport, SummaryPageEndsWithTheSummaryLinesThatAreNotBlank) {
    const std::vector<std::string> lines =
        PrintIOResultsSummary(session.inputs(), session.results());
    std::vector<std::string> expected;
    for (std::size_t i = 1; i < session.results().lblSummary.size(); ++i) {
        const std::string& text = session.results().lblSummary[i].text;
        if (text.find_first_not_of(' ') != std::string::npos) {
            expected.push_back(text);
        }
    }
    ASSERT_EQ(lines.size(), 35 + expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 35, lines.end()), expected);
    EXPECT_EQ(lines[35], "1. Recovered Heat for Domestic Hot Water Only (Loads Estimated from "
                         "Utility Bills)");
}

TEST_F(SampleReport, SummaryLinesBlankOrLongerThan95Characters) {
    ProjectResults results = session.results();
    results.lblSummary = {};
    results.lblSummary[0].text = "Summary of Results:"; // never printed
    results.lblSummary[1].text = "first";
    results.lblSummary[2].text = "      ";
    results.lblSummary[3].text = std::string(95, 'x') + "cut";
    // Blank in its first 95 characters: not printed although text follows.
    results.lblSummary[4].text = blanks(95) + "late";
    const std::vector<std::string> lines = PrintIOResultsSummary(session.inputs(), results);
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_EQ(lines[34], "Results:");
    EXPECT_EQ(lines[35], "first");
    EXPECT_EQ(lines[36], std::string(95, 'x'));
}

TEST_F(SampleReport, MonthWithoutKWhLeavesItsColumnBlank) {
    ProjectInputs inputs = session.inputs();
    inputs.MonthlyKWh[2] = "0";
    inputs.MonthlyKW[3] = ""; // blank counts as 0 as well
    const std::vector<std::string> lines = PrintIOResultsSummary(inputs, session.results());
    const std::string march = "March    " + blanks(3) + blanks(11) + " " + "   132" + " " +
                              "     $6,709" + "     29,645" + blanks(3) + "    $72,630" +
                              blanks(33);
    EXPECT_EQ(lines[7], march);
    const std::string april = "April    " + blanks(3) + "     56,400" + " " + blanks(6) + " " +
                              "     $6,638" + "     16,939" + blanks(3) + "    $41,500" +
                              blanks(33);
    EXPECT_EQ(lines[8], april);
    // The sum leaves March out: 984,000 - 57,000 = 927,000 kWh.
    EXPECT_EQ(lines[18].substr(12, 11), "    927,000");
}

TEST_F(SampleReport, InputsPrintAsTypedAndLongNumbersWidenTheirColumns) {
    ProjectInputs inputs = session.inputs();
    inputs.MonthlyPowerBill[0] = "8058.00";     // not reformatted
    inputs.MonthlyFuel1[0] = "123,456,789,012"; // 15 characters and a blank in 11 columns
    inputs.GasCostUnit = std::nullopt;
    inputs.PrimeMover = PrimeMover::FuelCell;
    inputs.InstallationDifficulty = InstallationDifficulty::Retrofit;
    inputs.HotWaterUsage = HotWaterUsage::Medium;
    const std::vector<std::string> lines = PrintIOResultsSummary(inputs, session.results());
    EXPECT_EQ(lines[5].substr(31, 11), "    8058.00");
    EXPECT_EQ(lines[5].substr(42, 16), " 123,456,789,012");
    EXPECT_EQ(lines[5].substr(58, 14), blanks(3) + "    $68,548");
    // No gas unit option: the line ends with the price.
    EXPECT_EQ(lines[22], "   Energy Charge                $0.0444/kWh                   cost of "
                         "gas $1.3119");
    EXPECT_EQ(lines[30].substr(61), "fuel cell generator");
    EXPECT_EQ(lines[31].substr(61), "very high costs for a retrofit installation");
    EXPECT_EQ(lines[32].substr(61), "medium hot water usage");
}

TEST_F(SampleReport, GasUnitTexts) {
    ProjectInputs inputs = session.inputs();
    const std::vector<std::pair<GasCostUnit, std::string>> units = {
        {GasCostUnit::Therms, "/therm"},
        {GasCostUnit::Decatherms, "/decatherms"},
        {GasCostUnit::MMBtu, "/MMBtu"},
        {GasCostUnit::CCF, "/CCF"},
        {GasCostUnit::MCF, "/MCF"}};
    for (const auto& [unit, text] : units) {
        inputs.GasCostUnit = unit;
        const std::string line = PrintIOResultsSummary(inputs, session.results())[22];
        EXPECT_EQ(line.substr(line.size() - text.size() - 7), "$1.3119" + text) << text;
    }
}

// ---------------------------------------------------------------- comparison of methods

TEST_F(SampleReport, ComparisonPageShowsOneAmpersand) {
    const std::vector<std::string> lines = PrintComparisonOfMethods(session.results());
    const auto& table = session.results().lblComparisons;
    ASSERT_EQ(lines.size(), 4 + table.size());
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Comparison of Loads and CHP System Information for Alternative "
                        "Calculational Procedures:");
    EXPECT_EQ(lines[3], "");
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(lines[4 + i], shownText(table[i])) << i;
    }
    // Stored as " 2. Space Heating && Hot Water Load".
    EXPECT_NE(table[2].find("&&"), std::string::npos);
    EXPECT_EQ(lines[6].rfind(" 2. Space Heating & Hot Water Load ", 0), 0u);
}

// ---------------------------------------------------------------- Method 1

TEST_F(SampleReport, Method1PageDetailsThenAssumptions) {
    const std::vector<std::string> lines = PrintMethod1(session.results());
    const auto& details = session.results().lblMethod1;
    ASSERT_EQ(lines.size(), 4 + details.size() + 18);
    EXPECT_EQ(lines[2], "Details of Method 1 Calculations:");
    EXPECT_EQ(lines[3], "");
    for (std::size_t i = 0; i < details.size(); ++i) {
        EXPECT_EQ(lines[4 + i], shownText(details[i].text)) << i;
    }
    EXPECT_EQ(lines[4 + 12],
              "      (1) energy & fuel adj chg        $115,817                    $0");
    const std::vector<std::string> assumptions(lines.begin() + 4 + 42, lines.end());
    const std::vector<std::string> expected = {
        "",
        "Method 1 Assumptions & Methodology:",
        "1. Hot Water Heater Uses Fossil Fuel(s)",
        "   a. cost of fuel #1 and fuel #2 used to estimate annual cost of heating water",
        "   b. fuel consumption figures used only to calculate average cost of fuel as",
        "      a quick visual check of the data",
        "",
        "2. Electrical Power Consumption and Monthly Peak Demand Data",
        "   a. used in sizing generator, efficiency, and heat recovery",
        "   b. monthly cost data only used to compute average cost of power as a quick visual "
        "check",
        "",
        "3. Electric and Natural Gas Utility Data",
        "   a. used to estimate cost of operating generator",
        "   b. used to estimate avoided cost of purchased electricity",
        "",
        "4. Assumes 7,440 hours of generator operation per year.",
        "",
        "5. Inappropriate for any facility with electric water heaters."};
    EXPECT_EQ(std::vector<std::string>(lines.end() - 18, lines.end()), expected);
    EXPECT_EQ(lines[4 + 42], ""); // the line after the last detail line
}

// ---------------------------------------------------------------- Method 2

// A Method 2 run worked out by hand: step s costs 5000 - 100 s + m dollars in month m, so
// January + February is 10001 - 200 s, March + April 10005 - 200 s and so on, and the year
// 60066 - 1200 s. Steps 5 and 7 share the shortest payback; the first of them counts.
ProjectResults handMadeMethod2() {
    ProjectResults r;
    r.RunTimeFraction = 0.75;
    r.genCapacityByMethod[2] = 50.0;
    r.lblGenSetParameters = {"Generator Parameters:", "   capacity                  50 kW",
                             "   equipment cost        $1,294/kW",
                             "   installation cost       $558/kW",
                             "   total installed cost  $1,852/kW"};
    r.lblSimplePayback = {"Simple Payback", "   a", "   b", "   c", "   d", "   e"};
    Method2Results& m2 = r.method2;
    for (std::size_t s = 0; s < 21; ++s) {
        m2.annualResults[s].CapacityKW = 10.0 * static_cast<double>(s) + 0.4;
        m2.annualResults[s].SimplePayback = s == 0 ? 999.0 : 10.0 + static_cast<double>(s);
        for (std::size_t m = 0; m < 12; ++m) {
            m2.months[s][m].TotalCost =
                5000.0 - 100.0 * static_cast<double>(s) + static_cast<double>(m);
        }
    }
    m2.annualResults[5].SimplePayback = 3.2;
    m2.annualResults[7].SimplePayback = 3.2;
    m2.annualResults[20].CapacityKW = 1234.0;
    m2.selectedStep = 5;
    m2.months[5][0].GenSetKWh = 10000.0;
    m2.months[0][7].ThermalLoadMMBtu = 1234.5;   // August, step 0
    m2.months[0][7].CoolingLoadMMBtu = 987654.0; // seven characters: only the last six print
    return r;
}

TEST(Method2ReportPage, WorkedByHand) {
    ProjectInputs inputs;
    inputs.HeatAllocation = HeatAllocation::HeatingPriority;
    const std::vector<std::string> lines = PrintMethod2Page1(inputs, handMadeMethod2(), 7);
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2],
              "Details of Method 2 Calculations (priority use of recovered heat to heating):");
    EXPECT_EQ(lines[3], "");
    // The right column starts at column 40.
    EXPECT_EQ(lines[4], "Generator Parameters:" + blanks(18) + "Simple Payback");
    EXPECT_EQ(lines[5], "   capacity                  50 kW" + blanks(5) + "   a");
    EXPECT_EQ(lines[8], "   total installed cost  $1,852/kW" + blanks(5) + "   d");
    EXPECT_EQ(lines[9], blanks(39) + "   e");
    EXPECT_EQ(lines[10], std::string(91, '-'));
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], "Minimum Annual Operating Costs Occur for:");
    EXPECT_EQ(lines[13], "a. generator capacity        50 kW");
    EXPECT_EQ(lines[14], "b. heat & hot water load  1,235 MMBtu");
    // Wider than its six columns: the whole number, never its last digits alone.
    EXPECT_EQ(lines[15], "c. space cooling load    987,654 MMBtu");
    EXPECT_EQ(lines[16], "");
    EXPECT_EQ(lines[17], "   Gen-Set      Total     Total     Total     Total     Total     Total"
                         "      Total    Simple");
    EXPECT_EQ(lines[18], "  Capacity      Cost      Cost      Cost      Cost      Cost      Cost"
                         "      Annual   Payback");
    EXPECT_EQ(lines[19], "     kW       Jan-Feb   Mar-Apr   May-Jun   Jul-Aug   Sep-Oct   Nov-Dec"
                         "      Cost     years ");
    EXPECT_EQ(lines[20], "  " + std::string(91, '-'));
    // "  " + capacity in 7 + 3 blanks + six sums in 10 + " " + year in 10 + payback in 8.
    EXPECT_EQ(lines[21], "        0   " + std::string("   $10,001   $10,005   $10,009") +
                             "   $10,013   $10,017   $10,021" + "    $60,066" + "   999.0");
    EXPECT_EQ(lines[26], "       50   " + std::string("    $9,001    $9,005    $9,009") +
                             "    $9,013    $9,017    $9,021" + "    $54,066" + "     3.2");
    EXPECT_EQ(lines[41], "    1,234   " + std::string("    $6,001    $6,005    $6,009") +
                             "    $6,013    $6,017    $6,021" + "    $36,066" + "    30.0");
    EXPECT_EQ(lines[21].size(), 91u);
    EXPECT_EQ(lines[42], "");
    EXPECT_EQ(lines[43], "Baseline Operating Cost:                    $60,066");
    EXPECT_EQ(lines[44], "Minimum CHP Operating Cost:                 $54,066");
    EXPECT_EQ(lines[45], "CHP Annual Savings:                          $6,000");
    EXPECT_EQ(lines[46], "Minimum Simple Payback:                         3.2 years");
    EXPECT_EQ(lines[47], "Monthly On Site Generation:                  10,000 kWh");
    // 10,000 kWh x 365 / 31 = 117,741.9 kWh; / (0.75 x 8,760 h) = 17.9 kW.
    EXPECT_EQ(lines[48], "Annual On Site Generation (75% run time):   117,742 kWh");
    EXPECT_EQ(lines[49], "\"Ideal\" Generator Capacity:                      18 kW");
}

TEST(Method2ReportPage, TitleFollowsTheAllocation) {
    ProjectInputs inputs;
    const ProjectResults results = handMadeMethod2();
    const std::string heating =
        "Details of Method 2 Calculations (priority use of recovered heat to heating):";
    const std::string cooling =
        "Details of Method 2 Calculations (priority use of recovered heat to chilled water):";
    inputs.HeatAllocation = HeatAllocation::HeatingOnly;
    EXPECT_EQ(PrintMethod2Page1(inputs, results, 7)[2], heating);
    inputs.HeatAllocation = HeatAllocation::CoolingPriority;
    EXPECT_EQ(PrintMethod2Page1(inputs, results, 7)[2], cooling);
}

TEST_F(SampleReport, Method2PageWithPriorityToCoolingUsesTheCoolingRun) {
    session.inputs().HeatAllocation = HeatAllocation::CoolingPriority;
    session.recalculate();
    const ProjectResults& r = session.results();
    ASSERT_TRUE(r.method2.coolingPriorityRun);
    const std::vector<std::string> lines =
        PrintMethod2Page1(session.inputs(), r, session.view().scrlMonths);
    EXPECT_EQ(lines[2], "Details of Method 2 Calculations (priority use of recovered heat to "
                        "chilled water):");
    // The sweep rows sum the months of the cooling-priority run.
    for (std::size_t s = 0; s < 21; ++s) {
        double annual = 0.0;
        for (const Method2Month& month : r.method2.months[s]) {
            annual += month.TotalCost;
        }
        EXPECT_EQ(lines[21 + s].substr(72, 11),
                  " " + rightCut(FormatPattern(annual, "$###,##0"), 10))
            << s;
    }
    const double january =
        r.method2.months[static_cast<std::size_t>(r.method2.selectedStep)][0].GenSetKWh;
    EXPECT_EQ(lines[47], "Monthly On Site Generation:            " +
                             rightCut(FormatPattern(january, "###,###,##0"), 12) + " kWh");
}

TEST_F(SampleReport, Method2PageOfTheSampleBuilding) {
    const ProjectResults& r = session.results();
    const std::vector<std::string> lines =
        PrintMethod2Page1(session.inputs(), r, session.view().scrlMonths);
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_EQ(lines[4], r.lblGenSetParameters[0] + blanks(18) + r.lblSimplePayback[0]);
    EXPECT_EQ(lines[6], r.lblGenSetParameters[2] + blanks(5) + r.lblSimplePayback[2]);
    // The comparison table shows a Method 2 capacity of 110 kW.
    EXPECT_EQ(lines[13], "a. generator capacity       110 kW");
}

TEST(Method2ReportPage, AssumptionsPage) {
    ProjectResults results;
    results.BoilerEfficiency = 0.62;
    results.RunTimeFraction = 0.85;
    const std::vector<std::string> lines = PrintMethod2Page3(results);
    ASSERT_EQ(lines.size(), 3u + 27u + 1u); // the last row ends with a line break
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Method 2 Assumptions & Methodology:");
    EXPECT_EQ(lines[3], "1. Fuel Use for Space Heating and Hot Water");
    EXPECT_EQ(lines[4],
              "   a. loads derived from fuel use input data on \"Monthly Utility Data\" tab");
    EXPECT_EQ(lines[5], "   b. assumes boiler/water heater efficiency of 62%");
    EXPECT_EQ(lines[8], "   a. load derived from input data for electrical power use for winter "
                        "months on ");
    EXPECT_EQ(lines[9], "      \"Monthly Utility Data\" tab");
    EXPECT_EQ(lines[12], "      recip engines, microturbines, and fuel cells; 1.20 for \"high "
                         "temperature\"exhaust from");
    EXPECT_EQ(lines[16], "      and standby charge on the \"Monthly Utility Data\" and \"Utility "
                         "Rate Data\" tabs.");
    EXPECT_EQ(lines[23], "      used for water heater fuel (default is natural gas, selection is "
                         "made on \"Method 2\" tab).");
    EXPECT_EQ(lines[28], "   a. sized for 85% on-time");
    EXPECT_EQ(lines[29], "   b. cost and performance taken from curve fits");
    EXPECT_EQ(lines[30], "");
}

// ---------------------------------------------------------------- Method 3

TEST_F(SampleReport, Method3PageClimateLinesThenRecoveredHeatSideBySide) {
    const ProjectResults& r = session.results();
    const std::vector<std::string> lines = PrintMethod3Page1(r);
    const std::size_t climate = r.lblClimateData.size();
    ASSERT_EQ(lines.size(), 4 + climate + 1 + 5 + 1 + 7);
    EXPECT_EQ(lines[2], "Details of Method 3 Calculations:");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "For Philadelphia, Pennsylvania there are:");
    for (std::size_t i = 0; i < climate; ++i) {
        EXPECT_EQ(lines[4 + i], shownText(r.lblClimateData[i])) << i;
    }
    EXPECT_EQ(lines[4 + 19], "   e. generator O&M cost                        $0.019/kWh");
    std::size_t at = 4 + climate;
    EXPECT_EQ(lines[at++], "");
    EXPECT_EQ(lines[at++], "Space Heating Summary" + blanks(29) + "Hot Water Summary");
    for (std::size_t j = 6; j < 10; ++j) {
        const std::string& left = r.RecoveredHeatSummary[j];
        ASSERT_LE(left.size(), 50u);
        EXPECT_EQ(lines[at++], left + blanks(50 - left.size()) + r.RecoveredHeatSummary[j - 5]);
    }
    EXPECT_EQ(lines[at++], "");
    EXPECT_EQ(lines[at++], "Space Cooling Summary" + blanks(29));
    for (std::size_t j = 11; j < 17; ++j) {
        const std::string& caption = r.RecoveredHeatSummary[j];
        EXPECT_EQ(lines[at++], caption + blanks(50 - caption.size())) << j;
    }
}

// A caption longer than its 50 columns (a large value) is kept whole and moves its right
// neighbour along, so that no digit is lost.
TEST(Method3ReportPage, LongRecoveredHeatCaptionsAreKeptWhole) {
    ProjectResults results;
    results.RecoveredHeatSummary[0] = "right";
    results.RecoveredHeatSummary[5] = std::string(60, 'L');
    results.RecoveredHeatSummary[16] = std::string(55, 'C');
    const std::vector<std::string> lines = PrintMethod3Page1(results);
    const std::size_t first = 4 + results.lblClimateData.size() + 1;
    EXPECT_EQ(lines[first], std::string(60, 'L') + "right");
    EXPECT_EQ(lines.back(), std::string(55, 'C'));
}

TEST(Method3ReportPage, AssumptionsWithTheRunTimeFraction) {
    ProjectResults results;
    results.RunTimeFraction = 0.85;
    const std::vector<std::string> lines = PrintMethod3Page2(results);
    ASSERT_EQ(lines.size(), 3u + 17u + 1u);
    EXPECT_EQ(lines[2], "Method 3 Assumptions & Methodology:");
    EXPECT_EQ(lines[3], "1. Space Heating and Cooling loads computed using EIA algorithms based "
                        "on Heating");
    EXPECT_EQ(lines[8], "   a fraction on time of 85%. It is assumed that peak power demand "
                        "occurs during");
    EXPECT_EQ(lines[11], "   (potable) hot water, space heating, and Space cooling, in that "
                         "order.");
    EXPECT_EQ(lines[19], "   (the cooling power listed above).");
    EXPECT_EQ(lines[20], "");
}

// ---------------------------------------------------------------- the whole report

TEST_F(SampleReport, AllFivePartsMakeSevenNumberedPages) {
    const std::vector<ReportPage> pages =
        composeReport(session, {true, true, true, true, true}, "Run #1", kDate);
    ASSERT_EQ(pages.size(), 7u);
    // "1 of 7" is six characters and the date text twelve: 44 blanks, 38 blanks.
    EXPECT_EQ(pages[0].footer, blanks(44) + "1 of 7" + blanks(38) + "12/06/2026  ");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].header, "Plenara");
        EXPECT_EQ(pages[i].dataSetLine, "Run #1");
        EXPECT_EQ(pages[i].footer,
                  blanks(44) + std::to_string(i + 1) + " of 7" + blanks(38) + "12/06/2026  ");
    }
    EXPECT_EQ(pages[0].body, PrintIOResultsSummary(session.inputs(), session.results()));
    EXPECT_EQ(pages[1].body[2].rfind("Comparison of Loads", 0), 0u);
    EXPECT_EQ(pages[2].body[2], "Details of Method 1 Calculations:");
    EXPECT_EQ(pages[3].body[2].rfind("Details of Method 2 Calculations", 0), 0u);
    EXPECT_EQ(pages[4].body[2], "Method 2 Assumptions & Methodology:");
    EXPECT_EQ(pages[5].body[2], "Details of Method 3 Calculations:");
    EXPECT_EQ(pages[6].body[2], "Method 3 Assumptions & Methodology:");
}

TEST_F(SampleReport, PageTotalsAndOrder) {
    EXPECT_EQ(reportPageTotal({true, false, false, false, false}), 1);
    EXPECT_EQ(reportPageTotal({false, false, false, true, false}), 2);
    EXPECT_EQ(reportPageTotal({true, true, true, true, true}), 7);
    EXPECT_EQ(reportPageTotal({}), 0);

    const std::vector<ReportPage> one =
        composeReport(session, {true, false, false, false, false}, "Run #1", kDate);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].footer, blanks(44) + "1 of 1" + blanks(38) + "12/06/2026  ");

    EXPECT_TRUE(composeReport(session, {}, "Run #1", kDate).empty());

    const std::vector<ReportPage> method3 =
        composeReport(session, {false, true, false, false, true}, "Run #1", kDate);
    ASSERT_EQ(method3.size(), 3u);
    EXPECT_EQ(method3[1].body[2], "Details of Method 3 Calculations:");
    EXPECT_EQ(method3[1].footer.substr(44, 6), "2 of 3");
    EXPECT_EQ(method3[2].footer.substr(44, 6), "3 of 3");
}

TEST_F(SampleReport, EmptyRunIdLeavesTheDataSetLineEmpty) {
    const std::vector<ReportPage> pages =
        composeReport(session, {true, true, false, false, false}, "", kDate);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].dataSetLine, "");
    EXPECT_EQ(pages[1].dataSetLine, "");
}

TEST_F(SampleReport, DetailBoxesAndTabsAreGivenBack) {
    for (const std::array<bool, 5>& boxes :
         {std::array<bool, 5>{}, std::array<bool, 5>{true, false, true, false, true},
          std::array<bool, 5>{false, true, false, true, false}}) {
        session.view().Check1 = boxes;
        session.recalculate();
        const auto tabsBefore = session.results().tabVisible;
        for (std::size_t part = 0; part < 5; ++part) {
            ReportChoice chosen{};
            chosen[part] = true;
            composeReport(session, chosen, "Run #1", kDate);
            EXPECT_EQ(session.view().Check1, boxes) << part;
            EXPECT_EQ(session.results().tabVisible, tabsBefore) << part;
            EXPECT_EQ(session.results().summaryFrameVisible, boxes[0]) << part;
        }
        composeReport(session, {true, true, true, true, true}, "Run #1", kDate);
        EXPECT_EQ(session.view().Check1, boxes);
        EXPECT_EQ(session.results().tabVisible, tabsBefore);
    }
}

TEST_F(SampleReport, ComposingDoesNotChangeTheResults) {
    const std::vector<std::string> before = PrintMethod1(session.results());
    const std::string inputsBefore = session.inputs().MonthlyKWh[0];
    composeReport(session, {true, true, true, true, true}, "Run #1", kDate);
    EXPECT_EQ(PrintMethod1(session.results()), before);
    EXPECT_EQ(session.inputs().MonthlyKWh[0], inputsBefore);
    EXPECT_FALSE(session.isModified());
}

} // namespace
} // namespace plenara
