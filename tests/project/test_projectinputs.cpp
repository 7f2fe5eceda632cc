#include "project/datapaths.h"
#include "project/projectinputs.h"
#include "project/viewsettings.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

TEST(ProjectInputsTest, StartValuesOfAFreshWindow) {
    const ProjectInputs p;
    for (std::size_t m = 0; m < 12; ++m) {
        EXPECT_EQ(p.MonthlyKWh[m], "");
        EXPECT_EQ(p.MonthlyKW[m], "");
        EXPECT_EQ(p.MonthlyPowerBill[m], "");
        EXPECT_EQ(p.MonthlyFuel1[m], "");
        EXPECT_EQ(p.MonthlyFuel2Cost[m], "");
    }
    EXPECT_EQ(p.Fuel1Type, "Fuel #1");
    EXPECT_EQ(p.Fuel1Units, "therms");
    EXPECT_EQ(p.Fuel2Type, "Fuel #2");
    EXPECT_EQ(p.Fuel2Units, "therms");
    const std::vector<std::string> gasUnits = {"therms", "decatherms", "MBtu (million Btus)",
                                               "CCF (hundred cu ft)", "MCF (thousand cu ft)"};
    EXPECT_EQ(p.Fuel1UnitList, gasUnits);
    EXPECT_EQ(p.Fuel2UnitList, gasUnits);
    EXPECT_EQ(p.EnergyCharge, "0");
    EXPECT_EQ(p.FuelAdjCharge, "0");
    EXPECT_EQ(p.DemandCharge, "0");
    EXPECT_EQ(p.StandbyCharge, "0");
    EXPECT_EQ(p.GasCost, "0");
    EXPECT_EQ(p.GasCostUnit, GasCostUnit::Therms);
    EXPECT_EQ(p.State, "");
    EXPECT_EQ(p.City, "");
    EXPECT_TRUE(p.CityList.empty());
    EXPECT_EQ(p.HeatedFloorSpace, "");
    EXPECT_EQ(p.CooledFloorSpace, "");
    EXPECT_EQ(p.Occupants, "");
    EXPECT_EQ(p.HotWaterUsage, HotWaterUsage::Medium);
    EXPECT_EQ(p.PrimeMover, PrimeMover::RecipEngine);
    EXPECT_EQ(p.InstallationDifficulty, InstallationDifficulty::Typical);
    EXPECT_EQ(p.RunTimeFractionText, "75%");
    EXPECT_EQ(p.BoilerEfficiencyText, "75%");
    EXPECT_EQ(p.ACCriteria, "Central AC");
    EXPECT_EQ(p.HeatAllocation, HeatAllocation::HeatingOnly);
    EXPECT_EQ(p.WaterHeaterFuel, WaterHeaterFuel::NaturalGas);
    EXPECT_EQ(p.CapacityIteration, "125");
}

TEST(ProjectInputsTest, ListsOfTheDropDownBoxes) {
    const std::vector<std::string>& runTime = runTimeFractionItems();
    ASSERT_EQ(runTime.size(), 20u);
    EXPECT_EQ(runTime[0], "100%");
    EXPECT_EQ(runTime[1], " 95%");
    EXPECT_EQ(runTime[5], " 75%");
    EXPECT_EQ(runTime[18], " 10%");
    EXPECT_EQ(runTime[19], "  5%");

    const std::vector<std::string>& boiler = boilerEfficiencyItems();
    ASSERT_EQ(boiler.size(), 31u);
    EXPECT_EQ(boiler.front(), "80%");
    EXPECT_EQ(boiler[1], "79%");
    EXPECT_EQ(boiler.back(), "50%");

    EXPECT_EQ(acCriteriaItems(),
              (std::vector<std::string>{"Electric AC", "Central AC", "Room AC"}));
}

TEST(ViewSettingsTest, StartValues) {
    const ViewSettings v;
    EXPECT_EQ(v.scrlMonths, 7);
    EXPECT_EQ(v.scrlGeneration, 0);
    for (const bool ticked : v.Check1) {
        EXPECT_FALSE(ticked);
    }
}

TEST(DataPathsTest, DataLiveInShareBesideTheBinFolder) {
    EXPECT_EQ(dataDirectoryFor("/usr/bin"), std::filesystem::path("/usr/share/plenara"));
    EXPECT_EQ(dataDirectoryFor("/home/u/plenara/build/bin"),
              std::filesystem::path("/home/u/plenara/build/share/plenara"));
    EXPECT_TRUE(std::filesystem::exists(dataDirectory() / ".." / ".." / "bin"));
}

} // namespace
} // namespace plenara
