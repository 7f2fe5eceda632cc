#include "cli/cliapp.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace plenara {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

CliRun run(std::vector<std::string> args) {
    args.push_back("--climate");
    args.push_back(std::string(PLENARA_SHIPPED_DATA_DIR) + "/ClimateData.Dat");
    std::ostringstream out;
    std::ostringstream err;
    CliRun r;
    r.status = runCli(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The lines of one panel of the --panels output, without its header.
std::vector<std::string> panel(const std::string& output, const std::string& name) {
    const std::vector<std::string> lines = linesOf(output);
    std::vector<std::string> section;
    bool inside = false;
    for (const std::string& line : lines) {
        if (!line.empty() && line.front() == '[' && line.back() == ']') {
            inside = line == "[" + name + "]";
            continue;
        }
        if (inside) {
            section.push_back(line);
        }
    }
    return section;
}

TEST(CliTest, HelpAndUsageErrors) {
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: plenara-cli [OPTIONS] [PROJECT.TAV]", 0), 0u);

    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--no-such-option"},
                                                {"--month", "12"},
                                                {"--month"},
                                                {"--first-step", "x"},
                                                {"--hot-water", "lukewarm"},
                                                {"--water-heater", "coal"},
                                                {"--capacity", "-5"},
                                                {"--sample", "A.TAV"},
                                                {"--json", "--panels"},
                                                {"A.TAV", "B.TAV"}}) {
        const CliRun r = run(bad);
        EXPECT_EQ(r.status, 2) << bad.front();
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
    }
}

TEST(CliTest, SampleBuildingPaybackRangeAndComparison) {
    const CliRun r = run({"--sample"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> expected = {
        "Simple payback ranges from 5.0 to 8.4 years depending on assumptions about uses of "
        "recovered heat and algorithms for estimating building thermal loads.  These results are "
        "also based on a recip-engine generator of 52 to 132 kW.",
        "",
        "                                            Method 1        Method 2        Method 3",
        " 1. Service Hot Water Load                      7,607           7,607           1,376 "
        "MMBtu",
        " 2. Space Heating & Hot Water Load                             11,281           2,538 "
        "MMBtu",
        " 3. Space Cooling Load                                          2,756           2,091 "
        "MMBtu",
        " 4. Total Thermal Load                          7,607          21,643           6,005 "
        "MMBtu",
        " 5. Generator Capacity                            132             110              52 kW",
        " 6. Operating Time                              7,440           6,570           6,570 "
        "hours",
        " 7. Power Output                              984,000         729,000         338,601 kWh",
        " 8. Recovered Heat                              5,314           4,040           2,105 "
        "MMBtu",
        " 9. Installed Cost                           $227,004        $203,718        $142,555",
        "10. Annual Operating Savings                  $45,263         $34,001         $16,969",
        "11. Simple Payback                                5.0             6.0             8.4 "
        "years"};
    EXPECT_EQ(linesOf(r.out), expected);
}

TEST(CliTest, PanelsShowEveryCaptionAsTheWindowDoes) {
    const CliRun r = run({"--sample", "--panels", "--month", "0", "--first-step", "11"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> totals = panel(r.out, "totals");
    EXPECT_EQ(totals,
              (std::vector<std::string>{"lblAnnualPower=984,000", "lblAverageCostPower=$0.118",
                                        "lblAnnualPowerCost=$115,717", "lblAnnualFuel1=183,827",
                                        "lblAnnualFuel1Cost=$450,712", "lblFuel1AvgCost=$2.452",
                                        "lblAnnualFuel2=0", "lblAnnualFuel2Cost=$0",
                                        "lblAvgFuel2Cost=$0.000", "Label18=/CCF"}));
    const std::vector<std::string> method1 = panel(r.out, "lblMethod1");
    ASSERT_EQ(method1.size(), 42u);
    EXPECT_EQ(method1[12], "      (1) energy & fuel adj chg        $115,817                    $0");
    EXPECT_EQ(method1[41],
              "   c. simple payback                                              5.0 yrs");
    EXPECT_EQ(panel(r.out, "lblComparisons").size(), 12u);
    EXPECT_EQ(panel(r.out, "lblAnnualResults").size(), 12u);
    EXPECT_EQ(panel(r.out, "lblBasisOfResults"),
              std::vector<std::string>{"Results for January (68,400 kWh)"});
    const std::vector<std::string> monthly = panel(r.out, "lblMonthlyData");
    ASSERT_EQ(monthly.size(), 14u);
    // With the first step at 11 the rows run from step 11 (136.0 kW) to step 20.
    EXPECT_EQ(monthly[4].substr(0, 8), "   136.0");
    EXPECT_EQ(panel(r.out, "lblGenSetParameters").front(), "Generator Parameters:");
    EXPECT_EQ(panel(r.out, "lblSimplePayback").front(), "Simple Payback");
    EXPECT_EQ(panel(r.out, "txtCapacityIteration"), std::vector<std::string>{"110"});
    EXPECT_EQ(
        panel(r.out, "primeMovers"),
        std::vector<std::string>{"optRecip=1 optGasTurbine=0 optMicroturbine=1 optFuelCell=1"});
    EXPECT_EQ(panel(r.out, "selectedStep"), std::vector<std::string>{"9"});
    EXPECT_EQ(panel(r.out, "lblClimateData").size(), 39u);
    EXPECT_EQ(panel(r.out, "lblClimateData").front(), "For Philadelphia, Pennsylvania there are:");
    EXPECT_EQ(panel(r.out, "RecoveredHeatSummary").size(), 17u);
    EXPECT_EQ(panel(r.out, "lblPaybackRange").size(), 1u);
    const std::vector<std::string> summary = panel(r.out, "lblSummary");
    ASSERT_EQ(summary.size(), 26u);
    EXPECT_EQ(summary[0], "1. Recovered Heat for Domestic Hot Water Only (Loads Estimated from "
                          "Utility Bills)");
    EXPECT_EQ(summary[1], "   a. simple payback of 5.0 years");
}

TEST(CliTest, SettingsThatProjectFilesDoNotHold) {
    const CliRun low = run({"--sample", "--panels"});
    const CliRun high = run({"--sample", "--panels", "--hot-water", "high"});
    ASSERT_EQ(high.status, 0);
    // Method 3's hot water: 200 occupants at 54 instead of 27 gallons a day.
    EXPECT_NE(panel(low.out, "RecoveredHeatSummary")[1],
              panel(high.out, "RecoveredHeatSummary")[1]);
    const CliRun fuel1 = run({"--sample", "--json", "--water-heater", "fuel1"});
    ASSERT_EQ(fuel1.status, 0);
    EXPECT_NE(fuel1.out.find("\"schema\": \"plenara-results\""), std::string::npos);
}

TEST(CliTest, CapacityInterpolatesOnTheFinalSweep) {
    const CliRun atZero = run({"--sample", "--capacity", "0"});
    ASSERT_EQ(atZero.status, 0);
    EXPECT_EQ(atZero.out, "Simple payback for a 0 kW CHP system is 999.00 years\n");
    const CliRun outside = run({"--sample", "--capacity", "5000"});
    EXPECT_EQ(outside.out,
              "The specified generator capacity is outside the limits for interpolation\n");
}

TEST(CliTest, JsonHoldsTheNumbers) {
    const CliRun r = run({"--sample", "--json"});
    ASSERT_EQ(r.status, 0);
    for (const char* field :
         {"\"version\": 1", "\"selectedStep\": 9", "\"capacityKW\": 110",
          "\"city\": \"Philadelphia\"", "\"run\": \"heating-priority\"", "{\"step\": 20,"}) {
        EXPECT_NE(r.out.find(field), std::string::npos) << field;
    }
    EXPECT_EQ(r.out.find("nan"), std::string::npos);
    EXPECT_EQ(r.out.front(), '{');
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");
}

TEST(CliTest, FileProblemsNameTheFileAndPrintNoResults) {
    const fs::path folder = fs::temp_directory_path() / "plenara-cli-test";
    fs::create_directories(folder);
    const std::string broken = (folder / "BROKEN.TAV").string();
    std::ofstream(broken) << "not a project\r\n";
    const CliRun bad = run({broken, "--panels"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find(broken), std::string::npos);

    const std::string nowhere = (folder / "no" / "such" / "X.TAV").string();
    const CliRun unsaved = run({"--sample", "--save", nowhere});
    EXPECT_EQ(unsaved.status, 1);
    EXPECT_TRUE(unsaved.out.empty());
    EXPECT_NE(unsaved.err.find(nowhere), std::string::npos);

    std::ostringstream out;
    std::ostringstream err;
    const std::string missingClimate = (folder / "ClimateData.Dat").string();
    EXPECT_EQ(runCli({"--sample", "--climate", missingClimate}, out, err), 1);
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find(folder.string()), std::string::npos);

    // A saved project reads back to the same results; the hot-water level is not stored, so
    // it is given again (the sample's is low).
    const std::string saved = (folder / "SAVED.TAV").string();
    ASSERT_EQ(run({"--sample", "--save", saved}).status, 0);
    EXPECT_EQ(run({saved, "--hot-water", "low"}).out, run({"--sample"}).out);
    EXPECT_NE(run({saved}).out, run({"--sample"}).out);
    fs::remove_all(folder);
}

} // namespace
} // namespace plenara
