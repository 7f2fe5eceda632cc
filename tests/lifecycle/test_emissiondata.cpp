#include "lifecycle/emissiondata.h"
#include "lifecycle/emissions.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace plenara {
namespace {

namespace fs = std::filesystem;

const std::string kGrid = "State,CO2_total_output_lb_per_MWh,CO2_nonbaseload_lb_per_MWh,"
                          "eGRID_year\nOhio,1000,1500,2022\nU.S.,800,1400,2022\n";
const std::string kFuel = "Fuel,kg_CO2_per_MMBtu,source\nNatural gas,53.06,EPA\n"
                          "#2 fuel oil,73.96,\"EPA, Table C-1\"\n";
const std::string kLoss = "Region,Grid_gross_loss_percent,data_year,source\nU.S.,4.2,2023,eGRID\n";

TEST(EmissionData, TheShippedFilesRead) {
    const EmissionData data = readEmissionData(PLENARA_SHIPPED_DATA_DIR);
    ASSERT_TRUE(data.ok()) << data.problem;
    EXPECT_EQ(data.states.size(), 51u);
    const GridCO2Row* pennsylvania = gridRowOf(data, "Pennsylvania");
    ASSERT_NE(pennsylvania, nullptr);
    EXPECT_EQ(*pennsylvania, (GridCO2Row{"Pennsylvania", 711.366, 1434.88, "eGRID2022"}));
    EXPECT_EQ(data.unitedStates, (GridCO2Row{"U.S.", 823.149, 1405.322, "eGRID2022"}));
    // Every state of the state box has both rates.
    for (const GridCO2Row& row : data.states) {
        EXPECT_TRUE(row.totalLbPerMWh && row.nonBaseloadLbPerMWh) << row.region;
    }
    // The fuel names of the fuel boxes find their factors, whatever their case.
    EXPECT_EQ(fuelFactorOf(data, "natural gas")->kgPerMMBtu, 53.06);
    EXPECT_EQ(fuelFactorOf(data, "#2 fuel oil")->kgPerMMBtu, 73.96);
    EXPECT_EQ(fuelFactorOf(data, "#4 Fuel Oil")->kgPerMMBtu, 75.04);
    EXPECT_EQ(fuelFactorOf(data, "#6 fuel oil")->kgPerMMBtu, 75.10);
    EXPECT_EQ(fuelFactorOf(data, "steam")->kgPerMMBtu, 66.33);
    EXPECT_EQ(fuelFactorOf(data, "Fuel #1"), nullptr);
    EXPECT_EQ(fuelFactorOf(data, " steam"), nullptr);
    // The default of the grid-loss box is this figure.
    EXPECT_EQ(data.usGridLossPercent, 4.2);
    EXPECT_EQ(data.gridLossYear, "2023");
}

// A file that cannot be used is named with its folder and the line, and no data are kept.
TEST(EmissionData, BrokenFilesAreNamed) {
    struct Case {
        const char* name;
        std::string grid;
        std::string fuel;
        std::string loss;
        std::string message; // the part after the folder
    };
    const std::string gridHeader =
        "State,CO2_total_output_lb_per_MWh,CO2_nonbaseload_lb_per_MWh,eGRID_year\n";
    const Case cases[] = {
        {"empty grid file", "", kFuel, kLoss, "GridCO2ByState.csv:the file is empty."},
        {"missing column", "State,CO2_total_output_lb_per_MWh\nOhio,1\n", kFuel, kLoss,
         "GridCO2ByState.csv:line 1, the heading line, has no column "
         "\"CO2_nonbaseload_lb_per_MWh\"."},
        {"word for a rate", gridHeader + "Ohio,abc,1,2022\nU.S.,1,1,2022\n", kFuel, kLoss,
         "GridCO2ByState.csv:line 2, column CO2_total_output_lb_per_MWh reads \"abc\" where a "
         "rate in lb/MWh from 0 to 5,000 is needed."},
        {"negative rate", gridHeader + "\nOhio,1,-5,2022\nU.S.,1,1,2022\n", kFuel, kLoss,
         "GridCO2ByState.csv:line 3, column CO2_nonbaseload_lb_per_MWh reads \"-5\" where a "
         "rate in lb/MWh from 0 to 5,000 is needed."},
        {"twice", gridHeader + "Ohio,1,1,2022\nOhio,2,2,2022\nU.S.,1,1,2022\n", kFuel, kLoss,
         "GridCO2ByState.csv:line 3 lists Ohio a second time."},
        {"no U.S. row", gridHeader + "Ohio,1,1,2022\n", kFuel, kLoss,
         "GridCO2ByState.csv:the file has no row \"U.S.\", whose rates stand in for a state it "
         "does not list."},
        {"bad year", gridHeader + "Ohio,1,1,22\nU.S.,1,1,2022\n", kFuel, kLoss,
         "GridCO2ByState.csv:line 2, column eGRID_year reads \"22\" where a year such as 2022 "
         "is needed."},
        {"no gas", kGrid, "Fuel,kg_CO2_per_MMBtu\nSteam,66.33\n", kLoss,
         "FuelCO2Factors.csv:the file has no row \"Natural gas\", the fuel of every gen-set."},
        {"factor too large", kGrid, "Fuel,kg_CO2_per_MMBtu\nNatural gas,5306\n", kLoss,
         "FuelCO2Factors.csv:line 2, column kg_CO2_per_MMBtu reads \"5306\" where a factor in "
         "kg per MMBtu from 0 to 500 is needed."},
        {"heading only", kGrid, kFuel, "Region,Grid_gross_loss_percent,data_year\n",
         "GridLossFactors.csv:the file has a heading line but no data."},
        {"no U.S. loss", kGrid, kFuel, "Region,Grid_gross_loss_percent,data_year\nERCOT,4.2,2023\n",
         "GridLossFactors.csv:the file has no row \"U.S.\"."},
    };
    for (const Case& c : cases) {
        const EmissionData data = readEmissionTexts(c.grid, c.fuel, c.loss, "/data");
        const std::size_t colon = c.message.find(':');
        const std::string expected =
            "File \"" + c.message.substr(0, colon) +
            "\" in folder \"/data\" cannot be used: " + c.message.substr(colon + 1) +
            " Without it the Life Cycle tab shows no CO2 figures.";
        EXPECT_EQ(data.problem, expected) << c.name;
        EXPECT_FALSE(data.ok()) << c.name;
        EXPECT_TRUE(data.states.empty() && data.fuels.empty()) << c.name;
    }
    // CR LF line ends, quoted fields with commas, blank lines and extra columns are fine.
    std::string crlf = kGrid;
    for (std::size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2)) {
        crlf.insert(at, "\r");
    }
    const EmissionData data = readEmissionTexts(crlf, kFuel, kLoss + "\n\n", "/data");
    EXPECT_TRUE(data.ok()) << data.problem;
    EXPECT_EQ(data.states.size(), 1u);
}

TEST(EmissionData, AMissingFileIsNamed) {
    const fs::path folder = fs::temp_directory_path() / "plenara-emissiondata-missing";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "GridCO2ByState.csv") << kGrid;
    std::ofstream(folder / "FuelCO2Factors.csv") << kFuel;
    const EmissionData data = readEmissionData(folder.string());
    EXPECT_EQ(data.problem, "File \"GridLossFactors.csv\" was not found in folder \"" +
                                folder.string() +
                                "\". Without it the Life Cycle tab shows no CO2 figures.");
    fs::create_directory(folder / "GridLossFactors.csv");
    EXPECT_NE(readEmissionData(folder.string()).problem.find("GridLossFactors.csv"),
              std::string::npos);
    fs::remove_all(folder);
    // A record that was never read says so.
    EXPECT_EQ(EmissionData().problem, "The emission data were not read.");
}

// The grid rate by the chosen basis; a state the table lacks takes the U.S. rate.
TEST(EmissionData, GridRateChoice) {
    const EmissionData data = readEmissionTexts(kGrid, kFuel, kLoss, "/data");
    struct Case {
        const char* state;
        GridCO2Basis basis;
        GridRateChoice expected;
    };
    const Case cases[] = {
        {"Ohio", GridCO2Basis::StateNonBaseload, {1500, "Ohio non-baseload, eGRID2022", false}},
        {"Ohio", GridCO2Basis::StateAverage, {1000, "Ohio average, eGRID2022", false}},
        {"Ohio", GridCO2Basis::Custom, {950, "custom", false}},
        {"Atlantis", GridCO2Basis::StateNonBaseload, {1400, "U.S. non-baseload, eGRID2022", true}},
        {"", GridCO2Basis::StateAverage, {800, "U.S. average, eGRID2022", true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gridRateFor(data, c.state, c.basis, 950), c.expected) << c.state;
    }
}

} // namespace
} // namespace plenara
