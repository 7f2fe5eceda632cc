#include "engine/monthlyloads.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

MonthTexts texts(std::initializer_list<const char*> values) {
    MonthTexts t;
    std::size_t i = 0;
    for (const char* v : values) {
        t[i++] = v;
    }
    return t;
}

TEST(MonthlyBillsTest, ReadsEveryMonthAndMarksTheSeasons) {
    const MonthTexts kWh = texts({"68,400", "67800", "", "abc", "57,600", "117,600", "138,000",
                                  "136,800", "90,600", "61,200", "63,600", "69,000"});
    const MonthTexts kW = texts({"138", "132"});
    const MonthTexts fuel1 = texts({"27,979"});
    const MonthTexts fuel1Cost = texts({"$68,548"});
    const MonthTexts fuel2 = texts({"", "5"});
    const MonthTexts fuel2Cost = texts({"", "$40"});
    const MonthlyBills bills = loadMonthlyBills(kWh, kW, fuel1, fuel1Cost, fuel2, fuel2Cost);

    EXPECT_EQ(bills[0].KWh, 68'400.0);
    EXPECT_EQ(bills[2].KWh, 0.0);
    EXPECT_EQ(bills[3].KWh, 0.0);
    EXPECT_EQ(bills[1].KW, 132.0);
    EXPECT_EQ(bills[0].Fuel1Quantity, 27'979.0);
    EXPECT_EQ(bills[0].Fuel1Cost, 68'548.0);
    EXPECT_EQ(bills[1].Fuel2Quantity, 5.0);
    EXPECT_EQ(bills[1].Fuel2Cost, 40.0);
    for (std::size_t m = 0; m < 12; ++m) {
        const bool cooling = m >= 4 && m <= 8;
        EXPECT_EQ(bills[m].IsCoolingMonth, cooling) << m;
        EXPECT_EQ(bills[m].IsHeatingMonth, !cooling) << m;
    }
    EXPECT_EQ(peakMonthKWh(bills), 138'000.0);
    // Heating months: Jan, Feb, Mar (0), Apr (0), Oct, Nov, Dec.
    EXPECT_DOUBLE_EQ(baselineKWh(bills), (68'400.0 + 67'800 + 61'200 + 63'600 + 69'000) / 7.0);
}

TEST(MonthlyBillsTest, NoKWhAtAll) {
    const MonthTexts blank{};
    const MonthlyBills bills = loadMonthlyBills(blank, blank, blank, blank, blank, blank);
    EXPECT_EQ(peakMonthKWh(bills), 0.0);
    EXPECT_EQ(baselineKWh(bills), 0.0);
    for (const MonthlyBill& b : bills) {
        EXPECT_EQ(monthlyCoolingLoadMMBtu(b, 0.0), 0.0);
    }
}

TEST(CoolingLoadTest, OnlyCoolingMonthsAboveTheBaseline) {
    MonthlyBill july;
    july.IsCoolingMonth = true;
    july.KWh = 138'000;
    EXPECT_DOUBLE_EQ(monthlyCoolingLoadMMBtu(july, 66'000), 72'000.0 * 12'000 / 1'000'000);
    EXPECT_EQ(monthlyCoolingLoadMMBtu(july, 138'000), 0.0);
    EXPECT_EQ(monthlyCoolingLoadMMBtu(july, 140'000), 0.0);
    MonthlyBill january = july;
    january.IsCoolingMonth = false;
    january.IsHeatingMonth = true;
    EXPECT_EQ(monthlyCoolingLoadMMBtu(january, 66'000), 0.0);
}

TEST(ThermalLoadTest, BothFuelsTimesTheBoilerEfficiency) {
    MonthlyBill b;
    b.Fuel1Quantity = 1000; // therms of gas
    b.Fuel2Quantity = 100;  // gallons of #2 oil
    EXPECT_DOUBLE_EQ(monthlyThermalLoadMMBtu(b, 0.1, 0.136998, 0.8), (100 + 13.6998) * 0.8);
}

// A price per unit divided by the heat content of gas in that unit: a CCF is 102,500 Btu.
TEST(GasPriceTest, ConvertsEveryUnitToDollarsPerMMBtu) {
    EXPECT_DOUBLE_EQ(gasPricePerMMBtu(0.95, GasCostUnit::Therms), 9.5);
    EXPECT_NEAR(gasPricePerMMBtu(9.5, GasCostUnit::MCF), 9.2683, 0.00005);
    EXPECT_NEAR(gasPricePerMMBtu(1.0, GasCostUnit::CCF), 9.7561, 0.00005);
    EXPECT_NEAR(gasPricePerMMBtu(1.3119, GasCostUnit::CCF), 12.7990, 0.00005);
    EXPECT_DOUBLE_EQ(gasPricePerMMBtu(8.0, GasCostUnit::Decatherms), 8.0);
    EXPECT_DOUBLE_EQ(gasPricePerMMBtu(8.0, GasCostUnit::MMBtu), 8.0);
    EXPECT_DOUBLE_EQ(gasPricePerMMBtu(8.0, std::nullopt), 8.0);
}

TEST(BoilerFuelPriceTest, GasOrTheAverageCostOfFuelOne) {
    EXPECT_DOUBLE_EQ(boilerFuelPricePerMMBtu(WaterHeaterFuel::NaturalGas, 9.5, 2.45, 0.136998),
                     9.5);
    EXPECT_DOUBLE_EQ(boilerFuelPricePerMMBtu(WaterHeaterFuel::Fuel1, 9.5, 2.45, 0.136998),
                     2.45 / 0.136998);
    // No fuel 1 costs: the boiler fuel is priced at the gas price.
    EXPECT_DOUBLE_EQ(boilerFuelPricePerMMBtu(WaterHeaterFuel::Fuel1, 9.5, 0.0, 0.136998), 9.5);
    EXPECT_DOUBLE_EQ(boilerFuelPricePerMMBtu(std::nullopt, 9.5, 2.45, 0.136998), 2.45 / 0.136998);
}

} // namespace
} // namespace plenara
