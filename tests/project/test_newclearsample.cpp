#include "project/newclearsample.h"
#include "project/projectfile.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

const ClimateTable& shippedClimate() {
    static const ClimateTable table = [] {
        const ClimateReadResult r = readClimateData(PLENARA_SHIPPED_DATA_DIR);
        EXPECT_TRUE(r.ok()) << r.error;
        return r.table;
    }();
    return table;
}

ClimateTable climateWith(int pennsylvaniaCities) {
    ClimateTable table;
    table.rows.push_back({"New York", "Syracuse", "6800", "550", "47.9"});
    for (int i = 1; i <= pennsylvaniaCities; ++i) {
        table.rows.push_back({"Pennsylvania", "City " + std::to_string(i), "5000", "900", "52"});
    }
    return table;
}

// A project in which every field differs from what the commands set, and in which the
// unit and city lists are not those of the fields' texts.
ProjectInputs editedProject() {
    ProjectInputs p;
    p.MonthlyKWh.fill("5");
    p.MonthlyFuel2.fill("7");
    p.MonthlyFuel2Cost.fill("$9");
    p.Fuel1Type = "steam";
    p.Fuel1UnitList = {"thousand pounds"};
    p.Fuel2Type = "steam";
    p.Fuel2Units = "thousand pounds";
    p.Fuel2UnitList = {"thousand pounds"};
    p.GasCost = "2";
    p.GasCostUnit.reset();
    p.State = "Ohio";
    p.CityList = {"Akron"};
    p.InstallationDifficulty = InstallationDifficulty::Retrofit;
    p.PrimeMover.reset();
    p.HotWaterUsage = HotWaterUsage::High;
    p.RunTimeFractionText = " 95%";
    p.BoilerEfficiencyText = "60%";
    p.ACCriteria = "Room AC";
    p.HeatAllocation = HeatAllocation::CoolingPriority;
    p.WaterHeaterFuel = WaterHeaterFuel::Fuel1;
    p.CapacityIteration = "210";
    p.LaterSettings = {{"Future", "1"}};
    p.DiscountRate = "8.0";
    p.GridCO2 = GridCO2Basis::Custom;
    return p;
}

TEST(ResetInputsTest, BlanksTheProjectAndKeepsTheSettings) {
    const ProjectInputs before = editedProject();
    ProjectInputs p = before;
    std::string currentFile = "/home/u/Tower.TAV";
    ResetInputs(p, shippedClimate(), currentFile);

    ProjectInputs expected = before;
    expected.MonthlyKWh.fill("0");
    expected.MonthlyKW.fill("0");
    expected.MonthlyPowerBill.fill("0");
    expected.MonthlyFuel1.fill("0");
    expected.MonthlyFuel1Cost.fill("0");
    expected.MonthlyFuel2.fill("");
    expected.MonthlyFuel2Cost.fill("");
    expected.EnergyCharge = expected.FuelAdjCharge = expected.DemandCharge = "0";
    expected.StandbyCharge = expected.GasCost = "0";
    expected.GasCostUnit = GasCostUnit::Therms;
    expected.State = "New York";
    expected.CityList = citiesOfState(shippedClimate(), "New York");
    expected.City = "Albany";
    expected.HeatedFloorSpace = expected.CooledFloorSpace = expected.Occupants = "0";
    expected.InstallationDifficulty = InstallationDifficulty::Typical;
    expected.PrimeMover = PrimeMover::RecipEngine;
    expected.Fuel1Type = "Fuel #1";
    expected.Fuel1Units = "therms";
    expected.Fuel2Type = "Fuel #2";
    expected.Fuel2Units = "gallons"; // over the list of steam units, which stays
    expected.LaterSettings.clear();  // a later version's settings belong to the old file
    expected.DiscountRate = "6.0";   // a new project's economics start from the defaults
    expected.GridCO2 = GridCO2Basis::StateNonBaseload;
    EXPECT_EQ(p, expected);
    EXPECT_EQ(currentFile, "");
    ASSERT_FALSE(p.CityList.empty());
    EXPECT_EQ(p.CityList.front(), "Albany");
}

TEST(SampleDataTest, LoadsTheExampleBuilding) {
    const ProjectInputs before = editedProject();
    ProjectInputs p = before;
    std::string currentFile = "/home/u/Tower.TAV";
    mnuFSampleData_Click(p, shippedClimate(), currentFile);

    ProjectInputs expected = before;
    expected.MonthlyKWh = {"68400",  "67800",  "57000", "56400", "57600", "117600",
                           "138000", "136800", "90600", "61200", "63600", "69000"};
    expected.MonthlyKW = {"138", "132", "132", "126", "150", "400",
                          "432", "402", "276", "174", "138", "138"};
    expected.MonthlyPowerBill = {"8058",  "7980",  "6709",  "6638", "6674", "13842",
                                 "16242", "16101", "10663", "7203", "7486", "8121"};
    expected.MonthlyFuel1 = {"27979", "25328", "29645", "16939", "7390",  "6797",
                             "5532",  "4722",  "6405",  "12761", "15407", "24922"};
    expected.MonthlyFuel1Cost = {"68548", "62053", "72630", "41500", "18105", "16992",
                                 "13553", "11569", "15692", "31264", "37747", "61059"};
    expected.MonthlyFuel2.fill("");
    expected.MonthlyFuel2Cost.fill("");
    expected.EnergyCharge = "0.0444";
    expected.FuelAdjCharge = "0.0733";
    expected.DemandCharge = "0";
    expected.StandbyCharge = "0";
    expected.GasCost = "1.3119";
    expected.GasCostUnit = GasCostUnit::CCF;
    expected.State = "Pennsylvania";
    expected.CityList = citiesOfState(shippedClimate(), "Pennsylvania");
    expected.City = "Philadelphia";
    expected.HeatedFloorSpace = "98000";
    expected.CooledFloorSpace = "98000";
    expected.Occupants = "200";
    expected.InstallationDifficulty = InstallationDifficulty::Typical;
    expected.PrimeMover = PrimeMover::RecipEngine;
    expected.HotWaterUsage = HotWaterUsage::Low;
    expected.Fuel1Type = "#2 fuel oil";
    expected.Fuel1Units = "gallons";
    expected.Fuel1UnitList = {"gallons"};
    expected.LaterSettings.clear(); // a later version's settings belong to the old file
    // Fuel 2's type and unit, the percentages, the A/C criteria, the heat allocation, the
    // water-heater fuel, the capacity and the life-cycle inputs stay as they were.
    EXPECT_EQ(p, expected);
    EXPECT_EQ(p.CityList.at(4), "Philadelphia");
    EXPECT_EQ(currentFile, "") << "a plain Save must ask for a name";

    // The sample's low hot-water use is saved with it, on line 22.
    p.WaterHeaterFuel = WaterHeaterFuel::NaturalGas;
    p.DiscountRate = ProjectInputs().DiscountRate;
    p.GridCO2 = GridCO2Basis::StateNonBaseload;
    const std::string text = projectFileText(p);
    EXPECT_EQ(text.substr(text.size() - 21), "\r\nHotWaterUsage=Low\r\n");
}

TEST(SampleDataTest, TheCityIsTheFifthOfPennsylvaniaOrTheLast) {
    const std::pair<int, const char*> cases[] = {
        {7, "City 5"}, {5, "City 5"}, {3, "City 3"}, {1, "City 1"}, {0, ""}};
    for (const auto& [count, city] : cases) {
        ProjectInputs p = editedProject();
        std::string currentFile;
        mnuFSampleData_Click(p, climateWith(count), currentFile);
        EXPECT_EQ(p.State, "Pennsylvania");
        EXPECT_EQ(p.City, city) << count << " cities";
        EXPECT_EQ(p.CityList.size(), static_cast<std::size_t>(count));
    }
}

} // namespace
} // namespace plenara
