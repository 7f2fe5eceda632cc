#pragma once

#include "engine/options.h"

#include <array>
#include <string>

namespace plenara {

// Twelve texts of a monthly column, January (0) to December (11).
using MonthTexts = std::array<std::string, 12>;

// One month of the utility bills, read from the monthly boxes.
struct MonthlyBill {
    double KWh = 0.0;            // electricity used, kWh
    double KW = 0.0;             // peak demand, kW
    double Fuel1Quantity = 0.0;  // in the unit of fuel 1
    double Fuel1Cost = 0.0;      // dollars
    double Fuel2Quantity = 0.0;  // in the unit of fuel 2
    double Fuel2Cost = 0.0;      // dollars
    bool IsCoolingMonth = false; // May to September
    bool IsHeatingMonth = false; // the other seven months
};

using MonthlyBills = std::array<MonthlyBill, 12>;

// Whether month m (0 = January) is a cooling month, May to September; the others heat.
constexpr bool isCoolingMonth(std::size_t m) {
    return m >= 4 && m <= 8;
}

// The twelve bill records, January first; every text read with Number (blank is 0).
MonthlyBills loadMonthlyBills(const MonthTexts& kWh, const MonthTexts& kW, const MonthTexts& fuel1,
                              const MonthTexts& fuel1Cost, const MonthTexts& fuel2,
                              const MonthTexts& fuel2Cost);

// The largest monthly kWh: the size of 100 % on-site generation in Method 2.
double peakMonthKWh(const MonthlyBills& bills);

// The mean kWh of the seven heating months: the electricity used for everything but air
// conditioning.
double baselineKWh(const MonthlyBills& bills);

// The cooling load of a month in MMBtu: the electricity of a cooling month above the winter
// baseline, taken as air conditioning delivering 12 Btu per watt-hour.
double monthlyCoolingLoadMMBtu(const MonthlyBill& bill, double baselineKWh);

// The heating and hot-water load of a month in MMBtu, as delivered by the boiler or water
// heater: both fuels in MMBtu times the boiler efficiency.
double monthlyThermalLoadMMBtu(const MonthlyBill& bill, double fuel1UnitFactor,
                               double fuel2UnitFactor, double boilerEfficiency);

// The gas price in dollars per MMBtu from the typed price and its unit, converted with the
// heat content of natural gas in that unit (FuelUnitFactor): 1.00 per CCF is 9.7561 $/MMBtu.
// With no unit set the price counts as typed. Every conversion of a gas price uses it.
double gasPricePerMMBtu(double typedPrice, OptionGroup<GasCostUnit> unit);

// Whether the boiler burns (and is priced as burning) natural gas: when the water heater burns
// natural gas, and when fuel 1 has no average cost to price it by.
bool boilerBurnsGas(OptionGroup<WaterHeaterFuel> waterHeaterFuel, double fuel1AverageCost);

// The price per MMBtu of the fuel that the boiler burns: the gas price when the water heater
// burns natural gas; otherwise the average cost of fuel 1 (as shown, dollars per unit)
// divided by its MMBtu per unit, or the gas price when that average is 0.
double boilerFuelPricePerMMBtu(OptionGroup<WaterHeaterFuel> waterHeaterFuel,
                               double gasPricePerMMBtu, double fuel1AverageCost,
                               double fuel1UnitFactor);

} // namespace plenara
