#include "project/methodinputs.h"

#include "climate/intensity.h"
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

MethodInputs methodInputs(const ProjectInputs& in, const TotalsCaptions& totals,
                          double runTimeFraction, double boilerEfficiency,
                          const ClimateTable& climate, double avgTemperature,
                          const ViewSettings& view) {
    const double energyRate = Number(in.EnergyCharge) + Number(in.FuelAdjCharge);
    const double demandCharge = Number(in.DemandCharge);
    const double standbyCharge = Number(in.StandbyCharge);
    const double gasPrice = gasPricePerMMBtu(Number(in.GasCost), in.GasCostUnit);
    const double fuel1Factor = FuelUnitFactor(in.Fuel1Type, in.Fuel1Units);
    const double fuel2Factor = FuelUnitFactor(in.Fuel2Type, in.Fuel2Units);
    const std::array<double, 12> peakKW = monthValues(in.MonthlyKW);

    MethodInputs mi;
    Method1Inputs& m1 = mi.method1;
    m1.energyRate = energyRate;
    m1.demandCharge = demandCharge;
    m1.standbyCharge = standbyCharge;
    m1.gasPrice = gasPrice;
    m1.fuel1Quantity = monthValues(in.MonthlyFuel1);
    m1.fuel2Quantity = monthValues(in.MonthlyFuel2);
    m1.fuel1UnitFactor = fuel1Factor;
    m1.fuel2UnitFactor = fuel2Factor;
    m1.peakKW = peakKW;
    // The annual consumption as shown: a whole number of kWh.
    m1.annualPower = Number(totals.lblAnnualPower);
    m1.boilerEfficiency = boilerEfficiency;
    m1.primeMover = in.PrimeMover;
    m1.installationDifficulty = in.InstallationDifficulty;

    Method2Inputs& m2 = mi.method2;
    m2.bills = loadMonthlyBills(in.MonthlyKWh, in.MonthlyKW, in.MonthlyFuel1, in.MonthlyFuel1Cost,
                                in.MonthlyFuel2, in.MonthlyFuel2Cost);
    m2.kWhTexts = in.MonthlyKWh;
    m2.runTimeFraction = runTimeFraction;
    m2.boilerEfficiency = boilerEfficiency;
    m2.fuel1UnitFactor = fuel1Factor;
    m2.fuel2UnitFactor = fuel2Factor;
    m2.gasPrice = gasPrice;
    // The boiler fuel is priced at the average cost of fuel 1 as shown.
    m2.fuel1AverageCost = Number(totals.lblFuel1AvgCost);
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
    m3.heatedFloorSpace = Number(in.HeatedFloorSpace);
    m3.cooledFloorSpace = Number(in.CooledFloorSpace);
    // A whole number of occupants, halves to the even number.
    m3.occupants = std::nearbyint(Number(in.Occupants));
    m3.hotWaterUsage = in.HotWaterUsage;
    m3.energyRate = energyRate;
    m3.demandCharge = demandCharge;
    m3.standbyCharge = standbyCharge;
    m3.peakKW = peakKW;
    m3.gasPrice = gasPrice;
    m3.boilerEfficiency = boilerEfficiency;
    m3.runTimeFraction = runTimeFraction;
    m3.primeMover = in.PrimeMover;
    m3.installationDifficulty = in.InstallationDifficulty;
    return mi;
}

void computeProjectNumbers(ProjectInputs inputs, const ClimateTable& climate,
                           double previousRunTimeFraction, double previousBoilerEfficiency,
                           double previousAvgTemperature, ProjectNumbers& numbers) {
    numbers.RunTimeFraction =
        percentageFraction(inputs.RunTimeFractionText, previousRunTimeFraction);
    numbers.BoilerEfficiency =
        percentageFraction(inputs.BoilerEfficiencyText, previousBoilerEfficiency);
    std::string label18;
    formatInputFields(inputs, label18);
    TotalsCaptions totals;
    updateAnnualPower(inputs.MonthlyKWh, inputs.MonthlyPowerBill, totals);
    updateFuel1Totals(inputs.MonthlyFuel1, inputs.MonthlyFuel1Cost, totals);
    const MethodInputs mi =
        methodInputs(inputs, totals, numbers.RunTimeFraction, numbers.BoilerEfficiency, climate,
                     previousAvgTemperature, ViewSettings{});
    numbers.method1 = computeMethod1(mi.method1);
    computeMethod2(mi.method2, numbers.method2);
    numbers.method3 = computeMethod3(mi.method3);
}

} // namespace plenara
