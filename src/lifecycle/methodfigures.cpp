#include "lifecycle/methodfigures.h"

#include <cstddef>

namespace plenara {

namespace {

// The share of fuel 1 in a boiler burning both fuels; all of it when neither was billed, so
// that a load without a bill still counts somewhere.
double fuel1Share(double fuel1MMBtu, double fuel2MMBtu) {
    const double both = fuel1MMBtu + fuel2MMBtu;
    return both > 0.0 ? fuel1MMBtu / both : 1.0;
}

void addHeaterFuel(CaseFigures& figures, double heaterMMBtu, double share1) {
    figures.fuel1MMBtu += heaterMMBtu * share1;
    figures.fuel2MMBtu += heaterMMBtu * (1.0 - share1);
}

} // namespace

MethodFigures method1Figures(const Method1Results& r) {
    MethodFigures f;
    f.installedCost = r.installedCost;
    f.capacityKW = r.genCapacity;
    const double share1 = fuel1Share(r.summerFuel1MMBtu, r.summerFuel2MMBtu);

    f.baseline.electricityCost = r.baselinePowerCost;
    f.baseline.fuelCost = r.baselineGasCost;
    f.baseline.gridKWh = r.annualPower;
    addHeaterFuel(f.baseline, r.baselineWaterHeaterFuel, share1);

    f.chp.electricityCost = r.chpPowerCost;
    f.chp.fuelCost = r.chpGasCost;
    f.chp.omCost = r.omCost;
    f.chp.gridKWh = r.annualPower - r.onSiteGeneration;
    f.chp.gasMMBtu = r.genFuelMMBtu;
    addHeaterFuel(f.chp, r.chpWaterHeaterFuel, share1);
    return f;
}

MethodFigures method2Figures(const Method2Results& r, const MonthlyBills& bills,
                             double fuel1UnitFactor, double fuel2UnitFactor) {
    MethodFigures f;
    f.installedCost = r.equipmentCost + r.installationCost;
    f.capacityKW = r.capacityKW;
    const auto add = [&](CaseFigures& figures, int step) {
        const auto& months = r.months[static_cast<std::size_t>(step)];
        for (std::size_t m = 0; m < months.size(); ++m) {
            const Method2Month& month = months[m];
            figures.electricityCost += month.ElectricCost;
            figures.fuelCost += month.FuelCost;
            figures.omCost += month.OMCost;
            figures.gridKWh += month.UtilityKWh;
            figures.gasMMBtu += month.GenSetFuelMMBtu;
            addHeaterFuel(figures, month.HeaterFuelMMBtu,
                          fuel1Share(bills[m].Fuel1Quantity * fuel1UnitFactor,
                                     bills[m].Fuel2Quantity * fuel2UnitFactor));
        }
    };
    add(f.baseline, 0);
    add(f.chp, r.selectedStep);
    return f;
}

MethodFigures method3Figures(const Method3Results& r) {
    MethodFigures f;
    f.installedCost = r.equipmentCost + r.installationCost;
    f.capacityKW = r.capacityKW;

    f.baseline.electricityCost = r.baselineElectricCost;
    f.baseline.fuelCost = r.baselineGasCost;
    f.baseline.gridKWh = r.nonCoolingPower + r.acPower;
    f.baseline.gasMMBtu = r.baselineFuel;

    f.chp.electricityCost = r.chpElectricCost;
    f.chp.fuelCost = r.chpGasCost;
    f.chp.omCost = r.omCost;
    f.chp.gridKWh = r.coolingPower + r.nonCoolingPower - r.generation;
    f.chp.gasMMBtu = r.chpFuel;
    return f;
}

} // namespace plenara
