#include "cli/cliapp.h"
#include "clirun.h"
#include "engine/formatpattern.h"
#include "project/projectfile.h"
#include "project/projectsession.h"
#include "samplecomparison.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace plenara {
namespace {

namespace fs = std::filesystem;

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
                                                {"--sample", "--capacity", "nan"},
                                                {"--sample", "--capacity", "inf"},
                                                {"--sample", "--capacity", "abc"},
                                                {"--sample", "--capacity", ""},
                                                {"--sample", "A.TAV"},
                                                {"--json", "--panels"},
                                                {"A.TAV", "B.TAV"},
                                                // An empty file name names no file at all.
                                                {"--sample", "--save", ""},
                                                {"--sample", "--climate", ""},
                                                {"--sample", "--pdf", ""},
                                                {""},
                                                // Nothing to screen: no project, no sample.
                                                {},
                                                {"--hot-water", "low", "--json"},
                                                {"--sample", "--sensitivity", "95"},
                                                {"--sample", "--sensitivity", "-5"},
                                                {"--sample", "--draws", "99"},
                                                {"--sample", "--draws", "10001"},
                                                {"--sample", "--draws", "1e3"},
                                                {"--sample", "--month", "x"},
                                                {"--sample", "--sensitivity-method", "2.0"},
                                                {"--sample", "--sensitivity-method", "4"},
                                                {"--sample", "--target-payback", "x"},
                                                // A text option with no value does not take
                                                // the next option for it.
                                                {"--sample", "--itc", "--json"},
                                                {"--sample", "--itc=", "--json"},
                                                {"--sample", "--analysis-years", "--panels"},
                                                {"--sample", "--grant"},
                                                {"--sample", "--grid-co2", "--json"},
                                                {"--sample", "--target-payback", "--json"},
                                                {"--sample", "--capacity", "--panels"},
                                                // Nor does a file name: no file "--json".
                                                {"--sample", "--save", "--json"},
                                                {"--sample", "--pdf", "--panels"},
                                                {"--sample", "--export-csv", "--json"},
                                                {"--sample", "--emission-data", "--json"},
                                                // Read as 11 by the tab's box: refused.
                                                {"--sample", "--sensitivity", "1e1"},
                                                // No payback is 0 years long.
                                                {"--sample", "--target-payback", "0"},
                                                {"--sample", "--target-payback", "1e9"},
                                                {"--sample", "--target-payback", "1001"}}) {
        const CliRun r = run(bad);
        EXPECT_EQ(r.status, 2) << (bad.empty() ? "(nothing)" : bad.back());
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
    }
    // A count written otherwise than in digits is no whole number, whatever its value.
    EXPECT_EQ(run({"--sample", "--draws", "1e3"})
                  .err.rfind(
                      "plenara-cli: --draws: takes a whole number from 100 to 10000, not '1e3'", 0),
              0u);
}

TEST(CliTest, SampleBuildingPaybackRangeAndComparison) {
    const CliRun r = run({"--sample"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> expected = {test::kSamplePaybackRange, ""};
    expected.insert(expected.end(), test::kSampleComparison.begin(), test::kSampleComparison.end());
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
              "   c. simple payback                                              4.7 yrs");
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
    EXPECT_EQ(summary[1], "   a. simple payback of 4.7 years");
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
    // Outside the swept sizes: the dialog's message on the error stream, status 1, and the
    // other outputs still written.
    // A number below the smallest size is outside as much as one above the largest.
    for (const char* kW : {"5000", "-5"}) {
        const CliRun outside = run({"--sample", "--panels", "--capacity", kW});
        EXPECT_EQ(outside.status, 1) << kW;
        EXPECT_EQ(outside.err, "plenara-cli: The specified generator capacity is outside the "
                               "limits for interpolation\n");
        EXPECT_EQ(panel(outside.out, "selectedStep"), std::vector<std::string>{"9"});
    }
}

TEST(CliTest, JsonHoldsTheNumbers) {
    const CliRun r = run({"--sample", "--json"});
    ASSERT_EQ(r.status, 0);
    const nlohmann::json doc = nlohmann::json::parse(r.out);
    EXPECT_EQ(doc["schema"], "plenara-results");
    EXPECT_EQ(doc["version"], 1);
    EXPECT_EQ(doc["city"], "Philadelphia");
    EXPECT_EQ(doc["method2"]["selectedStep"], 9);
    EXPECT_EQ(doc["method2"]["capacityKW"], 110);
    EXPECT_EQ(doc["method2"]["run"], "heating-priority");
    EXPECT_EQ(doc["method2"]["sweep"].size(), 21u);
    EXPECT_EQ(doc["method2"]["sweep"][20]["step"], 20);
    EXPECT_EQ(doc["method2"]["sweep"][0]["simplePaybackYears"], 999);
    // Savings over the installed cost: 48,018.39 a year for $227,003.66.
    EXPECT_NEAR(doc["method1"]["annualSavings"].get<double>(), 48'018.39, 0.005);
    EXPECT_NEAR(doc["method1"]["paybackYears"].get<double>(), 227'003.66 / 48'018.39, 1e-6);
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");
}

// The sensitivity object: the tab's settings as given, every field the documentation names,
// null where a figure is none, and the settings kept by --save.
TEST(CliTest, SensitivityJsonAndPanel) {
    const fs::path saved = fs::temp_directory_path() / "plenara-cli-sensitivity.tav";
    const CliRun r = run({"--sample", "--json", "--sensitivity", "25", "--target-payback", "6",
                          "--draws", "200", "--sensitivity-method", "1", "--save", saved.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("NaN"), std::string::npos);
    EXPECT_EQ(r.out.find("Infinity"), std::string::npos);
    const nlohmann::json doc = nlohmann::json::parse(r.out);
    const nlohmann::json& s = doc["sensitivity"];
    EXPECT_EQ(s["percent"], 25);
    EXPECT_EQ(s["targetPaybackYears"], 6);
    EXPECT_EQ(s["method"], 1);
    EXPECT_EQ(s["gasPriceUnit"], "$/CCF");
    // Method 1's payback today, as the comparison table shows it: 4.7 years.
    EXPECT_NEAR(s["basePaybackYears"].get<double>(), 4.7, 0.05);
    // Gas price, energy charge, demand charge, installed cost, run-time fraction, boiler
    // efficiency and fuel 1 (the sample has no fuel 2).
    ASSERT_EQ(s["tornado"].size(), 7u);
    for (const char* field :
         {"input", "lowValue", "highValue", "lowPaybackYears", "highPaybackYears"}) {
        EXPECT_TRUE(s["tornado"][0].contains(field)) << field;
    }
    for (const char* method : {"method1", "method2", "method3"}) {
        for (const char* field : {"gasPriceForTarget", "gasPriceNoSavings", "energyChargeForTarget",
                                  "energyChargeNoSavings"}) {
            EXPECT_TRUE(s["breakEven"][method].contains(field)) << method << " " << field;
        }
        for (const char* field : {"p10", "p50", "p90", "noPaybackShare"}) {
            EXPECT_TRUE(s["monteCarlo"][method].contains(field)) << method << " " << field;
        }
    }
    // The fuel adjustment keeps the sample saving at an energy charge of 0.
    EXPECT_TRUE(s["breakEven"]["method2"]["energyChargeNoSavings"].is_null());
    EXPECT_EQ(s["monteCarlo"]["draws"], 200);
    EXPECT_EQ(s["grid"]["method2PaybackYears"].size(), 5u);
    EXPECT_TRUE(s["sparkSpreadPerMMBtu"].is_number());
    EXPECT_TRUE(s["generationMarginPerMWh"].is_number());

    // The saved project holds the tab's settings; without --sensitivity there is no object.
    // The project named after --sensitivity is no X of it.
    const CliRun reopened = run({"--json", "--sensitivity", saved.string()});
    fs::remove(saved);
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    const nlohmann::json again = nlohmann::json::parse(reopened.out)["sensitivity"];
    EXPECT_EQ(again["percent"], 25);
    EXPECT_EQ(again["targetPaybackYears"], 6);
    EXPECT_EQ(again["method"], 1);
    EXPECT_EQ(again["monteCarlo"]["draws"], 200);
    EXPECT_FALSE(nlohmann::json::parse(run({"--sample", "--json"}).out).contains("sensitivity"));
    // Print option 6: one page, its tornado chart over the lines the text leaves empty.
    const CliRun report = run({"--sample", "--report", "6"});
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.out.find("SENSITIVITY OF THE SIMPLE PAYBACK"), std::string::npos);
    EXPECT_NE(report.out.find("1 of 1"), std::string::npos);
    EXPECT_NE(report.out.find("Break-even prices (target payback 10.0 years)"), std::string::npos);

    const CliRun panelRun = run({"--sample", "--sensitivity", "--draws", "100"});
    ASSERT_EQ(panelRun.status, 0) << panelRun.err;
    const std::vector<std::string> lines = panel(panelRun.out, "sensitivity");
    ASSERT_GT(lines.size(), 30u);
    EXPECT_EQ(lines[0], "Method 2 simple payback with each input alone at -20 % and +20 % "
                        "(today 5.7 years)");
    // Each tornado row ends in the net present values at -X % and +X % that the JSON holds,
    // in whole dollars: the widest bar, the energy charge, first.
    const nlohmann::json tornado =
        nlohmann::json::parse(run({"--sample", "--json", "--sensitivity", "--draws", "100"})
                                  .out)["sensitivity"]["tornado"];
    ASSERT_EQ(tornado.size(), 7u);
    EXPECT_EQ(lines[4].rfind("  Energy charge ($/kWh)", 0), 0u) << lines[4];
    for (std::size_t i = 0; i < tornado.size(); ++i) {
        const std::string& line = lines[4 + i];
        const std::string low = FormatPattern(tornado[i]["lowNpv"].get<double>(), "$#,###,##0");
        const std::string high = FormatPattern(tornado[i]["highNpv"].get<double>(), "$#,###,##0");
        // The columns end at 79 and 90.
        ASSERT_EQ(line.size(), 90u) << line;
        EXPECT_EQ(line.substr(79 - low.size() - 1, low.size() + 1), " " + low) << line;
        EXPECT_EQ(line.substr(90 - high.size() - 1), " " + high) << line;
    }
}

// Texts of project and climate files are Windows-1252; the JSON is UTF-8 whatever the bytes.
TEST(CliTest, JsonIsUtf8ForWindows1252Texts) {
    const fs::path folder = fs::temp_directory_path() / "plenara-cli-json-test";
    fs::create_directories(folder);
    ProjectInputs project;
    project.State = "Qu\xE9"
                    "bec";
    project.City = "Montr\xE9"
                   "al \x93"
                   "Centre\x94";
    project.Fuel1Type = "\xFF\x81";
    const std::string path = (folder / "QUEBEC.TAV").string();
    ASSERT_TRUE(WriteProjectFile(path, project).ok());
    const CliRun r = run({path, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::json doc = nlohmann::json::parse(r.out);
    EXPECT_EQ(doc["state"], "Qu\xC3\xA9"
                            "bec");
    EXPECT_EQ(doc["city"], "Montr\xC3\xA9"
                           "al \xE2\x80\x9C"
                           "Centre\xE2\x80\x9D");
    // The city is not in the climate data: a warning, in UTF-8 too.
    EXPECT_NE(r.err.find("plenara-cli: warning: City: \"Montr\xC3\xA9"
                         "al"),
              std::string::npos)
        << r.err;
    fs::remove_all(folder);
}

// Inputs that are not used as typed are told on the error stream, or refused with --strict.
TEST(CliTest, WarningsAndStrict) {
    const fs::path folder = fs::temp_directory_path() / "plenara-cli-warning-test";
    fs::create_directories(folder);
    const std::string path = (folder / "TYPED.TAV").string();
    ASSERT_EQ(run({"--sample", "--save", path}).status, 0);
    ProjectInputs project;
    ASSERT_TRUE(ReadProjectFile(path, project).ok());
    project.MonthlyKWh[2] = "1e12";
    project.BoilerEfficiencyText = "150%";
    // The "Sensitivity" tab's boxes on line 22 as much as the others.
    project.Sensitivity.Draws = "1e9";
    ASSERT_TRUE(WriteProjectFile(path, project).ok());

    const CliRun warned = run({path});
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.err, "plenara-cli: warning: kWh, March: \"1e12\" read as 112\n"
                          "plenara-cli: warning: Monte Carlo draws: \"1e9\" read as 19, below "
                          "100; 100 is used\n"
                          "plenara-cli: warning: Annual Average Boiler Efficiency: \"150%\" is "
                          "above 100%; 75% is used\n");
    EXPECT_NE(warned.out.find("Simple payback"), std::string::npos);

    const CliRun strict = run({path, "--strict", "--save", path + ".2"});
    EXPECT_EQ(strict.status, 2);
    EXPECT_TRUE(strict.out.empty());
    EXPECT_EQ(strict.err.rfind("plenara-cli: error: kWh, March: \"1e12\" read as 112\n", 0), 0u);
    EXPECT_FALSE(fs::exists(path + ".2")) << "nothing is written when the inputs are refused";

    const CliRun clean = run({"--sample", "--strict"});
    EXPECT_EQ(clean.status, 0);
    EXPECT_TRUE(clean.err.empty());

    // A setting of the "Sensitivity" tab where nothing reads it is told, not dropped silently.
    const std::string unused = " changes nothing without --sensitivity, --save or report page 6\n";
    const struct {
        std::vector<std::string> args;
        std::string err;
    } settings[] = {
        {{"--sample", "--draws", "500", "--target-payback", "8"},
         "plenara-cli: warning: --target-payback" + unused + "plenara-cli: warning: --draws" +
             unused},
        {{"--sample", "--sensitivity-method", "3", "--report", "0,1"},
         "plenara-cli: warning: --sensitivity-method" + unused},
        {{"--sample", "--draws", "500", "--sensitivity"}, ""},
        {{"--sample", "--draws", "500", "--report", "6"}, ""},
        {{"--sample", "--draws", "500", "--save", (folder / "KEPT.TAV").string()}, ""},
    };
    for (const auto& c : settings) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 0) << c.args.back();
        EXPECT_EQ(r.err, c.err) << c.args.back();
    }
    std::vector<std::string> strictArgs = settings[0].args;
    strictArgs.emplace_back("--strict");
    EXPECT_EQ(run(strictArgs).status, 2);
    fs::remove_all(folder);
}

// The life-cycle inputs as options, typed as into the window's boxes; the [lifeCycle] panel;
// the inputs saved on line 22.
TEST(CliTest, LifeCycleOptionsPanelAndFile) {
    const fs::path folder = fs::temp_directory_path() / "plenara-cli-lifecycle-test";
    fs::create_directories(folder);
    const std::string path = (folder / "LIFE.TAV").string();
    const CliRun r = run({"--sample",
                          "--panels",
                          "--analysis-years",
                          "15",
                          "--discount-rate",
                          "7.5",
                          "--fuel-escalation",
                          "-1",
                          "--cost-adjustment",
                          "-15",
                          "--itc",
                          "30",
                          "--rebate-per-kw",
                          "200",
                          "--grant",
                          "10000",
                          "--grid-co2",
                          "state",
                          "--grid-loss",
                          "5",
                          "--save",
                          path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const std::vector<std::string> life = panel(r.out, "lifeCycle");
    ASSERT_GT(life.size(), 30u);
    EXPECT_EQ(life[0], "Analysis period 15 years; discount rate 7.5% per year.");
    // Method 1: $227,003.66 x 0.85 = $192,953.11, less 30 % ($57,885.93), 132.258 kW x $200
    // ($26,451.61) and $10,000: $98,615.57. Method 2: $203,717.70 x 0.85 x 0.70 = $121,212.03,
    // less 110 kW x $200 and $10,000: $89,212.03.
    EXPECT_NE(std::find(life.begin(), life.end(),
                        "Net installed cost                           $98,616          $89,212"
                        "          $64,513"),
              life.end())
        << r.out;
    EXPECT_NE(r.out.find("711.4 lb CO2/MWh (Pennsylvania average, eGRID2022), grossed up for a "
                         "grid\nloss of 5.0%."),
              std::string::npos);
    ProjectInputs saved;
    ASSERT_TRUE(ReadProjectFile(path, saved).ok());
    EXPECT_EQ(saved.AnalysisYears, "15");
    EXPECT_EQ(saved.FuelEscalation, "-1.0");
    EXPECT_EQ(saved.GridCO2, GridCO2Basis::StateAverage);
    EXPECT_EQ(saved.Grant, "$10,000");

    // A rate for --grid-co2 is the custom rate; anything else is a bad option.
    const CliRun custom = run({path, "--json", "--grid-co2", "0"});
    ASSERT_EQ(custom.status, 0) << custom.err;
    const nlohmann::json doc = nlohmann::json::parse(custom.out);
    EXPECT_GT(doc["method3"]["lifeCycle"]["co2ChpTonnes"].get<double>(), 0.0);
    for (const char* bad : {"marginal", "-5", "", "1e3x"}) {
        const CliRun refused = run({"--sample", "--grid-co2", bad});
        EXPECT_EQ(refused.status, 2) << bad;
    }
    fs::remove_all(folder);
}

// Each method's "lifeCycle" object, null where there is none; and never NaN or Infinity,
// whatever the inputs.
TEST(CliTest, JsonLifeCycleOfEveryMethod) {
    const nlohmann::json doc = nlohmann::json::parse(run({"--sample", "--json"}).out);
    for (const char* method : {"method1", "method2", "method3"}) {
        const nlohmann::json& life = doc[method]["lifeCycle"];
        for (const char* field : {"netInstalledCost", "npv", "irr", "discountedPaybackYears", "sir",
                                  "co2BaselineTonnes", "co2ChpTonnes", "co2ChangeTonnes"}) {
            EXPECT_TRUE(life[field].is_number()) << method << " " << field;
        }
        ASSERT_EQ(life["cashFlows"].size(), 20u);
        EXPECT_EQ(life["cashFlows"][19]["year"], 20);
        EXPECT_NEAR(life["cashFlows"][19]["cumulativeDiscounted"].get<double>(),
                    life["npv"].get<double>(), 1e-6);
    }
    // The first year of Method 1 saves the panel's $48,018.39, discounted by 1.06.
    EXPECT_NEAR(doc["method1"]["lifeCycle"]["cashFlows"][0]["discountedSavings"].get<double>(),
                48'018.39 / 1.06, 0.01);

    // Incentives above the cost: no outlay, so no rate and no ratio; without emission data no
    // CO2, said on the error stream, the rest as usual.
    const CliRun free = run({"--sample", "--json", "--grant", "999999999", "--emission-data",
                             "/nonexistent-plenara-data"});
    ASSERT_EQ(free.status, 0);
    EXPECT_EQ(free.err, "plenara-cli: warning: File \"GridCO2ByState.csv\" was not found in "
                        "folder \"/nonexistent-plenara-data\". Without it the Life Cycle tab "
                        "shows no CO2 figures.\n");
    const nlohmann::json freeDoc = nlohmann::json::parse(free.out);
    const nlohmann::json& life = freeDoc["method1"]["lifeCycle"];
    EXPECT_EQ(life["netInstalledCost"], 0);
    EXPECT_TRUE(life["irr"].is_null());
    EXPECT_TRUE(life["sir"].is_null());
    EXPECT_EQ(life["discountedPaybackYears"], 0);
    EXPECT_TRUE(life["co2ChangeTonnes"].is_null());

    // Extreme inputs: every number of the document is finite or null.
    const fs::path folder = fs::temp_directory_path() / "plenara-cli-extreme-test";
    fs::create_directories(folder);
    ProjectInputs huge;
    huge.MonthlyKWh.fill(std::string(300, '9'));
    huge.MonthlyFuel1.fill(std::string(300, '9'));
    huge.GasCost = std::string(300, '9');
    const std::string path = (folder / "HUGE.TAV").string();
    ASSERT_TRUE(WriteProjectFile(path, huge).ok());
    const std::vector<std::vector<std::string>> cases = {
        {path, "--json"},
        {"--sample", "--json", "--discount-rate", "1e308", "--analysis-years", "0"},
        {"--sample", "--json", "--electric-escalation", "-99", "--om-escalation", "99",
         "--fuel-escalation", "abc", "--analysis-years", "40", "--discount-rate", "0"},
        {"--sample", "--json", "--cost-adjustment", "-100", "--rebate-per-kw", "1e99"},
        {"--sample", "--json", "--grid-co2", "99999", "--grid-loss", "100"},
    };
    for (const std::vector<std::string>& args : cases) {
        const CliRun r = run(args);
        ASSERT_EQ(r.status, 0) << args.back();
        const std::function<void(const nlohmann::json&)> finite = [&](const nlohmann::json& j) {
            if (j.is_number()) {
                EXPECT_TRUE(std::isfinite(j.get<double>())) << args.back();
            }
            for (const nlohmann::json& child : j) {
                if (j.is_structured()) {
                    finite(child);
                }
            }
        };
        finite(nlohmann::json::parse(r.out));
        EXPECT_EQ(r.out.find("NaN"), std::string::npos);
        EXPECT_EQ(r.out.find("Infinity"), std::string::npos);
    }
    fs::remove_all(folder);
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
    EXPECT_EQ(err.str().find('\r'), std::string::npos) << "messages end lines with LF alone";

    // A named pipe is refused at once, never waited on.
    const std::string pipe = (folder / "PIPE.TAV").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const CliRun fifo = run({pipe});
    EXPECT_EQ(fifo.status, 1);
    EXPECT_NE(fifo.err.find("it is a named pipe (FIFO), not a file."), std::string::npos);

    // A saved project reads back to the same results, its hot-water level and water-heater
    // fuel included.
    const std::string saved = (folder / "SAVED.TAV").string();
    ASSERT_EQ(run({"--sample", "--water-heater", "fuel1", "--save", saved}).status, 0);
    EXPECT_EQ(run({saved}).out, run({"--sample", "--water-heater", "fuel1"}).out);
    EXPECT_NE(run({saved}).out, run({"--sample"}).out);
    fs::remove_all(folder);
}

// The pages of a --report text: split at the form-feed lines.
std::vector<std::vector<std::string>> reportPages(const std::string& text) {
    std::vector<std::vector<std::string>> pages(1);
    for (const std::string& line : linesOf(text)) {
        if (line == "\f") {
            pages.emplace_back();
        } else {
            pages.back().push_back(line);
        }
    }
    return pages;
}

// A footer "N of T" centred in 94 columns, then the date MM/DD/YYYY and two blanks.
bool isFooter(const std::string& line, int page, int total) {
    const std::string text = std::to_string(page) + " of " + std::to_string(total);
    const std::size_t before = (94 - text.size()) / 2;
    if (line.size() != 100 || line.substr(0, before) != std::string(before, ' ') ||
        line.substr(before, text.size()) != text) {
        return false;
    }
    const std::string date = line.substr(88, 10);
    return date[2] == '/' && date[5] == '/' && line.substr(98) == "  ";
}

TEST(CliReportTest, ReportPagesAsTextWithFormFeeds) {
    const CliRun r = run({"--sample", "--report", "4,0,1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto pages = reportPages(r.out);
    // Options 0 and 1 print one page each, option 4 two; always in the order 0, 1, 4.
    ASSERT_EQ(pages.size(), 4u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        ASSERT_GE(pages[i].size(), 4u);
        EXPECT_EQ(pages[i][0], "Plenara");
        EXPECT_EQ(pages[i][1], "Run #1");
        EXPECT_EQ(pages[i][2], ""); // every body starts with an empty line
        EXPECT_TRUE(isFooter(pages[i].back(), static_cast<int>(i) + 1, 4)) << pages[i].back();
    }
    EXPECT_EQ(pages[0][3], "                       Electricity       ");
    EXPECT_EQ(pages[1][4], "Comparison of Loads and CHP System Information for Alternative "
                           "Calculational Procedures:");
    EXPECT_EQ(pages[2][4], "Details of Method 3 Calculations:");
    EXPECT_EQ(pages[3][4], "Method 3 Assumptions & Methodology:");
    // No summary after the pages.
    EXPECT_EQ(r.out.find("Simple payback ranges"), std::string::npos);
}

// The sixth print option: the life-cycle page, with the lines left for its chart empty in text.
TEST(CliReportTest, TheLifeCyclePage) {
    const CliRun r = run({"--sample", "--report", "5"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_GT(lines.size(), 60u);
    EXPECT_EQ(lines[4], "Life-Cycle Economics and Emissions of the Three Methods:");
    EXPECT_NE(r.out.find("Internal rate of return                        22.6%"),
              std::string::npos);
    EXPECT_TRUE(isFooter(lines.back(), 1, 1));
    EXPECT_EQ(r.out.find('\f'), std::string::npos);

    // Costs wider than their columns are printed whole, one blank apart.
    const fs::path folder = fs::temp_directory_path() / "plenara-cli-wide-test";
    fs::create_directories(folder);
    ProjectSession sample{ClimateTable{}};
    sample.loadSampleData();
    ProjectInputs huge = sample.inputs();
    huge.MonthlyKWh.fill("1000000000000");
    const std::string path = (folder / "HUGE.TAV").string();
    ASSERT_TRUE(WriteProjectFile(path, huge).ok());
    const CliRun wide = run({path, "--report", "5"});
    fs::remove_all(folder);
    int checked = 0;
    for (const std::string& line : linesOf(wide.out)) {
        if (line.find("Installed cost, adjusted") != std::string::npos) {
            std::istringstream cells(line.substr(line.find("adjusted") + 8));
            std::vector<std::string> costs;
            for (std::string cell; cells >> cell;) {
                costs.push_back(cell);
            }
            ASSERT_EQ(costs.size(), 3u) << line;
            EXPECT_EQ(costs[1].size(), std::string("$1,874,875,876,194").size()) << line;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 1);
}

TEST(CliReportTest, RunIdAndReportOptionErrors) {
    const CliRun named = run({"--sample", "--report", "3", "--run-id", "Building 7 && more"});
    ASSERT_EQ(named.status, 0) << named.err;
    const auto pages = reportPages(named.out);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0][1], "Building 7 && more"); // the identifier prints as typed
    EXPECT_EQ(pages[1][4], "Method 2 Assumptions & Methodology:");
    EXPECT_TRUE(isFooter(pages[1].back(), 2, 2));

    const CliRun empty = run({"--sample", "--report", "2", "--run-id", ""});
    ASSERT_EQ(empty.status, 0);
    EXPECT_EQ(reportPages(empty.out)[0][1], "");

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--sample", "--report", "7"},
          {"--report", ""},
          {"--report", "0,,1"},
          {"--report", "0,"},
          {"--report", "01"},
          {"--report", "all"},
          {"--report"},
          {"--pdf", ""},
          {"--json", "--report", "0"},
          {"--json", "--pdf", "out.pdf"}}) {
        const CliRun r = run(bad);
        EXPECT_EQ(r.status, 2) << bad.back();
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(CliReportTest, PdfGoesThroughTheWriterItIsGiven) {
    std::vector<ReportPage> written;
    std::string writtenPath;
    const ReportPdfWriter writer = [&](const std::vector<ReportPage>& pages,
                                       const std::string& path) {
        written = pages;
        writtenPath = path;
        return std::string();
    };
    const std::string climate = std::string(PLENARA_SHIPPED_DATA_DIR) + "/ClimateData.Dat";
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runCli({"--sample", "--pdf", "out.pdf", "--climate", climate}, out, err, writer), 0)
        << err.str();
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(writtenPath, "out.pdf");
    // Without --report the default page alone: the input data and summary.
    ASSERT_EQ(written.size(), 1u);
    EXPECT_TRUE(isFooter(written[0].footer, 1, 1));

    const ReportPdfWriter failing = [](const std::vector<ReportPage>&, const std::string&) {
        return std::string("The PDF file out.pdf could not be written: disk full");
    };
    std::ostringstream out2;
    std::ostringstream err2;
    // Nothing is printed, the panels asked for beside it neither.
    EXPECT_EQ(runCli({"--sample", "--panels", "--report", "0,1", "--pdf", "out.pdf", "--climate",
                      climate},
                     out2, err2, failing),
              1);
    EXPECT_TRUE(out2.str().empty());
    EXPECT_NE(err2.str().find("disk full"), std::string::npos);
}

// Results that never reach the standard output (a full disk, a closed pipe) are no success.
TEST(CliTest, AStandardOutputThatFailsIsAFailure) {
    const std::string climate = std::string(PLENARA_SHIPPED_DATA_DIR) + "/ClimateData.Dat";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--sample", "--climate", climate},
          {"--sample", "--json", "--climate", climate},
          {"--sample", "--panels", "--climate", climate}}) {
        std::ostringstream out;
        out.setstate(std::ios::badbit);
        std::ostringstream err;
        EXPECT_EQ(runCli(args, out, err), 1) << args[1];
        EXPECT_EQ(err.str(), "plenara-cli: the standard output could not be written.\n");
    }
}

TEST(CliReportTest, PdfWithoutAWriterFailsClearly) {
    const CliRun r = run({"--sample", "--report", "0", "--pdf", "out.pdf"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("--pdf is not available"), std::string::npos);
}

// Runs a shell command and returns its standard output.
TEST(CliReportTest, ProgramWithoutPdfOutputRefusesPdf) {
#ifdef PLENARA_CLI_HAS_PDF
    GTEST_SKIP() << "plenara-cli was built with PDF output";
#else
    const fs::path pdf = fs::temp_directory_path() / "plenara-cli-no-pdf.pdf";
    const std::string command = std::string("'") + PLENARA_CLI_PROGRAM + "' --sample --climate '" +
                                PLENARA_SHIPPED_DATA_DIR + "/ClimateData.Dat' --pdf '" +
                                pdf.string() + "' 2>&1; echo \"status $?\"";
    const std::string output = commandOutput(command);
    EXPECT_NE(output.find("--pdf is not available"), std::string::npos) << output;
    EXPECT_NE(output.find("status 1"), std::string::npos) << output;
    EXPECT_FALSE(fs::exists(pdf));
#endif
}

TEST(CliReportTest, ProgramWritesOnePdfPagePerReportPage) {
#ifndef PLENARA_CLI_HAS_PDF
    GTEST_SKIP() << "plenara-cli was built without PDF output";
#else
    if (std::system("command -v pdfinfo > /dev/null && command -v pdftotext > /dev/null") != 0) {
        GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
    }
    const fs::path folder = fs::temp_directory_path() / "plenara-cli-pdf-test";
    fs::create_directories(folder);
    const fs::path pdf = folder / "report.pdf";
    fs::remove(pdf);
    const std::string command = std::string("'") + PLENARA_CLI_PROGRAM +
                                "' --sample --report 0,1,4 --run-id 'Test Building' --climate '" +
                                PLENARA_SHIPPED_DATA_DIR + "/ClimateData.Dat' --pdf '" +
                                pdf.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string info = commandOutput("pdfinfo '" + pdf.string() + "'");
    const std::size_t pages = info.find("Pages:");
    ASSERT_NE(pages, std::string::npos) << info;
    EXPECT_EQ(std::atoi(info.c_str() + pages + 6), 4) << info;
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
    for (int page = 1; page <= 4; ++page) {
        const std::string text = commandOutput("pdftotext -f " + std::to_string(page) + " -l " +
                                               std::to_string(page) + " '" + pdf.string() + "' -");
        EXPECT_NE(text.find("Plenara"), std::string::npos) << page;
        EXPECT_NE(text.find("Test Building"), std::string::npos) << page;
        EXPECT_NE(text.find(std::to_string(page) + " of 4"), std::string::npos) << page;
    }
    fs::remove_all(folder);
#endif
}

// A full disk (a small file system of its own, mounted in a namespace of the test's own) keeps
// the PDF that was there before and leaves no temporary file.
TEST(CliReportTest, AFullDiskKeepsTheOldPdf) {
#ifndef PLENARA_CLI_HAS_PDF
    GTEST_SKIP() << "plenara-cli was built without PDF output";
#else
    if (std::system("unshare -rm true 2>/dev/null") != 0) {
        GTEST_SKIP() << "no mount namespace can be made here (unshare -rm)";
    }
    const fs::path folder = fs::temp_directory_path() / "plenara-cli-full-disk";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string disk = (folder / "disk").string();
    fs::create_directories(disk);
    const std::string script = (folder / "full.sh").string();
    std::ofstream(script) << "mount -t tmpfs -o size=40k tmpfs '" << disk << "' || exit 9\n"
                          << "printf old > '" << disk << "/r.pdf'\n"
                          << "head -c 30000 /dev/zero > '" << disk << "/fill'\n"
                          << "'" << PLENARA_CLI_PROGRAM
                          << "' --sample --report 0,1,2,3,4 --climate '" << PLENARA_SHIPPED_DATA_DIR
                          << "/ClimateData.Dat' --pdf '" << disk << "/r.pdf' 2>&1\n"
                          << "echo \"status $?\"\n"
                          << "cat '" << disk << "/r.pdf'; echo\n"
                          << "ls -A '" << disk << "'\n";
    const std::string output = commandOutput("unshare -rm sh '" + script + "'");
    EXPECT_NE(output.find("No space left on device"), std::string::npos) << output;
    EXPECT_NE(output.find("status 1\nold\nfill\nr.pdf\n"), std::string::npos) << output;
    fs::remove_all(folder);
#endif
}

} // namespace
} // namespace plenara
