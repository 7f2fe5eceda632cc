#include "engine/fuels.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

TEST(FuelUnitFactorTest, HeatContentOfEveryFuelAndUnit) {
    EXPECT_DOUBLE_EQ(FuelUnitFactor("natural gas", "therms"), 0.1);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("natural gas", "decatherms"), 1.0);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("natural gas", "MBtu (million Btus)"), 1.0);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("natural gas", "CCF (hundred cu ft)"), 0.1025);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("natural gas", "MCF (thousand cu ft)"), 1.025);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("natural gas", "gallons"), 1.0);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("#2 fuel oil", "gallons"), 0.136998);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("#4 fuel oil", "gallons"), 0.145879);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("#6 fuel oil", "gallons"), 0.15755);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("steam", "thousand pounds"), 1.0);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("coal", "tons"), 1.0);
}

TEST(FuelUnitFactorTest, ComparisonsIgnoreCaseButNotBlanks) {
    EXPECT_DOUBLE_EQ(FuelUnitFactor("Natural Gas", "CCF (hundred cu ft)"), 0.1025);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("NATURAL GAS", "THERMS"), 0.1);
    EXPECT_DOUBLE_EQ(FuelUnitFactor(" natural gas", "therms"), 1.0);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("natural gas", "therms "), 1.0);
}

TEST(FuelUnitFactorTest, ThermsCountOnlyForNaturalGas) {
    // The placeholder text of the fuel box is no fuel.
    EXPECT_DOUBLE_EQ(FuelUnitFactor("Fuel #1", "therms"), 1.0);
    // An oil set by a file whose unit list still holds the gas units.
    EXPECT_DOUBLE_EQ(FuelUnitFactor("#2 fuel oil", "therms"), 0.136998);
    EXPECT_DOUBLE_EQ(FuelUnitFactor("steam", "therms"), 1.0);
    EXPECT_DOUBLE_EQ(1000 * FuelUnitFactor("natural gas", "therms"), 100.0);
}

TEST(FuelUnitListTest, ChoosingAFuelOffersItsUnits) {
    const std::vector<std::string> gas = {"therms", "decatherms", "MBtu (million Btus)",
                                          "CCF (hundred cu ft)", "MCF (thousand cu ft)"};
    EXPECT_EQ(fuelUnitList("natural gas"), gas);
    EXPECT_EQ(fuelUnitList("Natural Gas"), gas);
    EXPECT_EQ(fuelUnitList("steam"), std::vector<std::string>{"thousand pounds"});
    EXPECT_EQ(fuelUnitList("#2 fuel oil"), std::vector<std::string>{"gallons"});
    EXPECT_EQ(fuelUnitList("#4 fuel oil"), std::vector<std::string>{"gallons"});
    EXPECT_EQ(fuelUnitList("#6 fuel oil"), std::vector<std::string>{"gallons"});
    EXPECT_TRUE(fuelUnitList("Fuel #1").empty());
    EXPECT_TRUE(fuelUnitList("").empty());
}

TEST(FuelNamesTest, ListOrder) {
    const auto& names = fuelNames();
    ASSERT_EQ(names.size(), 5u);
    EXPECT_EQ(names[0], "natural gas");
    EXPECT_EQ(names[1], "#2 fuel oil");
    EXPECT_EQ(names[4], "steam");
}

} // namespace
} // namespace plenara
