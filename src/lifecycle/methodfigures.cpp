#include "lifecycle/methodfigures.h"

#include <cstddef>

namespace plenara {

MethodFigures method1Figures(const Method1Results& r) {
    MethodFigures f;
    // A gen-set of no capacity is none to buy, whatever the cost curve gives at 0 kW.
    if (r.genCapacity > 0.0) {
        f.installedCost = r.installedCost;
        f.capacityKW = r.genCapacity;
    }

    f.baseline.electricityCost = r.baselinePowerCost;
    f.baseline.fuelCost = r.baselineGasCost;
    f.baseline.gridKWh = r.annualPower;
    f.baseline.gasMMBtu = r.baselineWaterHeaterFuel;

    f.chp.electricityCost = r.chpPowerCost;
    f.chp.fuelCost = r.chpGasCost;
    f.chp.omCost = r.omCost;
    f.chp.gridKWh = r.annualPower - r.onSiteGeneration;
    f.chp.gasMMBtu = r.chpWaterHeaterFuel;
    f.chp.genSetMMBtu = r.genFuelMMBtu;
    return f;
}

MethodFigures method2Figures(const Method2Results& r) {
    MethodFigures f;
    // When no step saves, the sweep keeps step 0, which generates nothing: the 1 kW and its cost
    // that the payback panel shows are no plant to buy, so the life cycle has no outlay.
    if (r.selectedStep > 0) {
        f.installedCost = r.equipmentCost + r.installationCost;
        f.capacityKW = r.capacityKW;
    }
    double CaseFigures::*boilerFuel =
        r.boilerBurnsGas ? &CaseFigures::gasMMBtu : &CaseFigures::fuel1MMBtu;
    const auto add = [&](CaseFigures& figures, int step) {
        for (const Method2Month& month : r.months[static_cast<std::size_t>(step)]) {
            figures.electricityCost += month.ElectricCost;
            figures.fuelCost += month.FuelCost;
            figures.omCost += month.OMCost;
            figures.gridKWh += month.UtilityKWh;
            figures.genSetMMBtu += month.GenSetFuelMMBtu;
            figures.*boilerFuel += month.HeaterFuelMMBtu;
        }
    };
    add(f.baseline, 0);
    add(f.chp, r.selectedStep);
    return f;
}

MethodFigures method3Figures(const Method3Results& r) {
    MethodFigures f;
    if (r.capacityKW > 0.0) {
        f.installedCost = r.equipmentCost + r.installationCost;
        f.capacityKW = r.capacityKW;
    }

    f.baseline.electricityCost = r.baselineElectricCost;
    f.baseline.fuelCost = r.baselineGasCost;
    f.baseline.gridKWh = r.nonCoolingPower + r.acPower;
    f.baseline.gasMMBtu = r.baselineFuel;

    f.chp.electricityCost = r.chpElectricCost;
    f.chp.fuelCost = r.chpGasCost;
    f.chp.omCost = r.omCost;
    f.chp.gridKWh = r.coolingPower + r.nonCoolingPower - r.generation;
    f.chp.gasMMBtu = r.chpFuel - r.genSetFuel;
    f.chp.genSetMMBtu = r.genSetFuel;
    return f;
}

} // namespace plenara
