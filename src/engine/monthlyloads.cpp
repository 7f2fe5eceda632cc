#include "engine/monthlyloads.h"

#include "engine/fuels.h"
#include "engine/number.h"

namespace plenara {

namespace {

constexpr double kBtuPerMMBtu = 1'000'000.0;
// Electric air conditioning delivers 12 Btu of cooling per watt-hour.
constexpr double kCoolingBtuPerKWh = 12'000.0;

} // namespace

MonthlyBills loadMonthlyBills(const MonthTexts& kWh, const MonthTexts& kW, const MonthTexts& fuel1,
                              const MonthTexts& fuel1Cost, const MonthTexts& fuel2,
                              const MonthTexts& fuel2Cost) {
    MonthlyBills bills;
    for (std::size_t m = 0; m < bills.size(); ++m) {
        MonthlyBill& b = bills[m];
        b.KWh = Number(kWh[m]);
        b.KW = Number(kW[m]);
        b.Fuel1Quantity = Number(fuel1[m]);
        b.Fuel1Cost = Number(fuel1Cost[m]);
        b.Fuel2Quantity = Number(fuel2[m]);
        b.Fuel2Cost = Number(fuel2Cost[m]);
        b.IsCoolingMonth = isCoolingMonth(m);
        b.IsHeatingMonth = !b.IsCoolingMonth;
    }
    return bills;
}

double peakMonthKWh(const MonthlyBills& bills) {
    double peak = 0.0;
    for (const MonthlyBill& b : bills) {
        if (b.KWh >= peak) {
            peak = b.KWh;
        }
    }
    return peak;
}

double baselineKWh(const MonthlyBills& bills) {
    double sum = 0.0;
    int count = 0;
    for (const MonthlyBill& b : bills) {
        if (b.IsHeatingMonth) {
            sum += b.KWh;
            ++count;
        }
    }
    return sum / count;
}

double monthlyCoolingLoadMMBtu(const MonthlyBill& bill, double baselineKWh) {
    if (bill.IsCoolingMonth && bill.KWh > baselineKWh) {
        return (bill.KWh - baselineKWh) * kCoolingBtuPerKWh / kBtuPerMMBtu;
    }
    return 0.0;
}

double monthlyThermalLoadMMBtu(const MonthlyBill& bill, double fuel1UnitFactor,
                               double fuel2UnitFactor, double boilerEfficiency) {
    return (fuel1UnitFactor * bill.Fuel1Quantity + fuel2UnitFactor * bill.Fuel2Quantity) *
           boilerEfficiency;
}

double gasPricePerMMBtu(double typedPrice, OptionGroup<GasCostUnit> unit) {
    if (!unit) {
        return typedPrice;
    }
    // The heat content of the fuel table: a CCF of gas is 0.1025 MMBtu, an MCF 1.025, so that
    // a price per CCF or MCF is priced like the gas that the bills measure in those units.
    const std::string_view unitText = naturalGasUnits()[static_cast<std::size_t>(*unit)];
    return typedPrice / FuelUnitFactor("natural gas", unitText);
}

bool boilerBurnsGas(OptionGroup<WaterHeaterFuel> waterHeaterFuel, double fuel1AverageCost) {
    return waterHeaterFuel == WaterHeaterFuel::NaturalGas || fuel1AverageCost == 0.0;
}

double boilerFuelPricePerMMBtu(OptionGroup<WaterHeaterFuel> waterHeaterFuel,
                               double gasPricePerMMBtu, double fuel1AverageCost,
                               double fuel1UnitFactor) {
    return boilerBurnsGas(waterHeaterFuel, fuel1AverageCost) ? gasPricePerMMBtu
                                                             : fuel1AverageCost / fuel1UnitFactor;
}

} // namespace plenara
