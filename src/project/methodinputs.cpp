#include "project/methodinputs.h"

#include "climate/intensity.h"
#include "engine/formatpattern.h"
#include "engine/fuels.h"
#include "engine/monthlyloads.h"
#include "engine/number.h"
#include "project/recalculationdriver.h"

#include <cmath>

namespace plenara {

namespace {

std::array<double, 12> monthValues(const MonthTexts& texts) {
    std::array<double, 12> values{};
    for (std::size_t m = 0; m < texts.size(); ++m) {
        values[m] = Number(texts[m]);
    }
    return values;
}

} // namespace

InputNumbers inputNumbers(const ProjectInputs& in, const TotalsCaptions& totals) {
    InputNumbers n;
    n.kWh = monthValues(in.MonthlyKWh);
    n.kW = monthValues(in.MonthlyKW);
    n.fuel1 = monthValues(in.MonthlyFuel1);
    n.fuel1Cost = monthValues(in.MonthlyFuel1Cost);
    n.fuel2 = monthValues(in.MonthlyFuel2);
    n.fuel2Cost = monthValues(in.MonthlyFuel2Cost);
    n.energyCharge = Number(in.EnergyCharge);
    n.fuelAdjCharge = Number(in.FuelAdjCharge);
    n.demandCharge = Number(in.DemandCharge);
    n.standbyCharge = Number(in.StandbyCharge);
    n.gasCost = Number(in.GasCost);
    n.heatedFloorSpace = Number(in.HeatedFloorSpace);
    n.cooledFloorSpace = Number(in.CooledFloorSpace);
    n.occupants = Number(in.Occupants);
    // The annual consumption as shown: a whole number of kWh.
    n.annualPower = Number(totals.lblAnnualPower);
    // The boiler fuel is priced at the average cost of fuel 1 as shown.
    n.fuel1AverageCost = Number(totals.lblFuel1AvgCost);
    return n;
}

InputNumbers typedInputNumbers(const ProjectInputs& in) {
    InputNumbers n;
    const auto rounded = [](const MonthTexts& texts, const char* pattern) {
        std::array<double, 12> values{};
        for (std::size_t m = 0; m < texts.size(); ++m) {
            values[m] = patternValue(Number(texts[m]), pattern);
        }
        return values;
    };
    // The patterns of formatInputFields, the totals as billtotals writes them.
    n.kWh = rounded(in.MonthlyKWh, kQuantityPattern);
    n.kW = rounded(in.MonthlyKW, kDemandPattern);
    n.fuel1 = rounded(in.MonthlyFuel1, kQuantityPattern);
    n.fuel1Cost = rounded(in.MonthlyFuel1Cost, kBillPattern);
    n.fuel2 = rounded(in.MonthlyFuel2, kQuantityPattern);
    n.fuel2Cost = rounded(in.MonthlyFuel2Cost, kBillPattern);
    n.energyCharge = patternValue(Number(in.EnergyCharge), kRatePattern);
    n.fuelAdjCharge = patternValue(Number(in.FuelAdjCharge), kRatePattern);
    n.demandCharge = patternValue(Number(in.DemandCharge), kChargePattern);
    n.standbyCharge = patternValue(Number(in.StandbyCharge), kChargePattern);
    // With no unit set the price is not rewritten.
    n.gasCost = in.GasCostUnit ? patternValue(Number(in.GasCost), gasCostPattern(*in.GasCostUnit))
                               : Number(in.GasCost);
    n.heatedFloorSpace = patternValue(Number(in.HeatedFloorSpace), kQuantityPattern);
    n.cooledFloorSpace = patternValue(Number(in.CooledFloorSpace), kQuantityPattern);
    n.occupants = patternValue(Number(in.Occupants), kDemandPattern);

    const MonthSums power = sumMonthValues(n.kWh, {});
    n.annualPower = patternValue(power.quantity, kTotalQuantityPattern);
    const MonthSums fuel1 = sumMonthValues(n.fuel1, n.fuel1Cost);
    n.fuel1AverageCost = patternValue(fuel1.averageCost, kAverageCostPattern);
    return n;
}

MethodInputs methodInputs(const ProjectInputs& in, const InputNumbers& n, double runTimeFraction,
                          double boilerEfficiency, const ClimateTable& climate,
                          double avgTemperature, const ViewSettings& view) {
    const double energyRate = n.energyCharge + n.fuelAdjCharge;
    const double demandCharge = n.demandCharge;
    const double standbyCharge = n.standbyCharge;
    const double gasPrice = gasPricePerMMBtu(n.gasCost, in.GasCostUnit);
    const double fuel1Factor = FuelUnitFactor(in.Fuel1Type, in.Fuel1Units);
    const double fuel2Factor = FuelUnitFactor(in.Fuel2Type, in.Fuel2Units);

    MethodInputs mi;
    Method1Inputs& m1 = mi.method1;
    m1.energyRate = energyRate;
    m1.demandCharge = demandCharge;
    m1.standbyCharge = standbyCharge;
    m1.gasPrice = gasPrice;
    m1.fuel1Quantity = n.fuel1;
    m1.fuel2Quantity = n.fuel2;
    m1.fuel1UnitFactor = fuel1Factor;
    m1.fuel2UnitFactor = fuel2Factor;
    m1.peakKW = n.kW;
    m1.annualPower = n.annualPower;
    m1.boilerEfficiency = boilerEfficiency;
    m1.primeMover = in.PrimeMover;
    m1.installationDifficulty = in.InstallationDifficulty;

    Method2Inputs& m2 = mi.method2;
    for (std::size_t m = 0; m < 12; ++m) {
        MonthlyBill& b = m2.bills[m];
        b.KWh = n.kWh[m];
        b.KW = n.kW[m];
        b.Fuel1Quantity = n.fuel1[m];
        b.Fuel1Cost = n.fuel1Cost[m];
        b.Fuel2Quantity = n.fuel2[m];
        b.Fuel2Cost = n.fuel2Cost[m];
        b.IsCoolingMonth = isCoolingMonth(m);
        b.IsHeatingMonth = !b.IsCoolingMonth;
    }
    m2.kWhTexts = in.MonthlyKWh;
    m2.runTimeFraction = runTimeFraction;
    m2.boilerEfficiency = boilerEfficiency;
    m2.fuel1UnitFactor = fuel1Factor;
    m2.fuel2UnitFactor = fuel2Factor;
    m2.gasPrice = gasPrice;
    m2.fuel1AverageCost = n.fuel1AverageCost;
    m2.energyCharge = energyRate;
    m2.demandCharge = demandCharge;
    m2.standbyCharge = standbyCharge;
    m2.primeMover = in.PrimeMover;
    m2.installationDifficulty = in.InstallationDifficulty;
    m2.heatAllocation = in.HeatAllocation;
    m2.waterHeaterFuel = in.WaterHeaterFuel;
    m2.scrlMonths = view.scrlMonths;
    m2.scrlGeneration = view.scrlGeneration;

    Method3Inputs& m3 = mi.method3;
    m3.stateName = in.State;
    m3.cityName = in.City;
    if (const ClimateRecord* city = findCity(climate, in.State, in.City)) {
        m3.HDD = Number(city->HDD);
        m3.CDD = Number(city->CDD);
        avgTemperature = Number(city->AvgTemp);
        mi.cityFound = true;
    }
    m3.avgTemperature = avgTemperature;
    m3.coolingIntensity = CoolingIntensity(m3.HDD, m3.CDD, in.ACCriteria);
    m3.heatingIntensity = HeatingIntensity(m3.HDD, m3.CDD);
    m3.heatedFloorSpace = n.heatedFloorSpace;
    m3.cooledFloorSpace = n.cooledFloorSpace;
    // A whole number of occupants, halves to the even number.
    m3.occupants = std::nearbyint(n.occupants);
    m3.hotWaterUsage = in.HotWaterUsage;
    m3.energyRate = energyRate;
    m3.demandCharge = demandCharge;
    m3.standbyCharge = standbyCharge;
    m3.peakKW = n.kW;
    m3.gasPrice = gasPrice;
    m3.boilerEfficiency = boilerEfficiency;
    m3.runTimeFraction = runTimeFraction;
    m3.primeMover = in.PrimeMover;
    m3.installationDifficulty = in.InstallationDifficulty;
    return mi;
}

MethodInputs methodInputs(const ProjectInputs& formatted, const TotalsCaptions& totals,
                          double runTimeFraction, double boilerEfficiency,
                          const ClimateTable& climate, double avgTemperature,
                          const ViewSettings& view) {
    return methodInputs(formatted, inputNumbers(formatted, totals), runTimeFraction,
                        boilerEfficiency, climate, avgTemperature, view);
}

void computeProjectNumbers(const ProjectInputs& inputs, const ClimateTable& climate,
                           double previousRunTimeFraction, double previousBoilerEfficiency,
                           double previousAvgTemperature, ProjectNumbers& numbers) {
    numbers.RunTimeFraction =
        percentageFraction(inputs.RunTimeFractionText, previousRunTimeFraction);
    numbers.BoilerEfficiency =
        percentageFraction(inputs.BoilerEfficiencyText, previousBoilerEfficiency);
    // The numbers of the rewritten texts without writing them: the rewriting of some hundred
    // texts cost more than the three methods together.
    const MethodInputs mi =
        methodInputs(inputs, typedInputNumbers(inputs), numbers.RunTimeFraction,
                     numbers.BoilerEfficiency, climate, previousAvgTemperature, ViewSettings{});
    numbers.method1 = computeMethod1(mi.method1);
    computeMethod2(mi.method2, numbers.method2);
    numbers.method3 = computeMethod3(mi.method3);
}

} // namespace plenara
