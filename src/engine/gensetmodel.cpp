#include "engine/gensetmodel.h"

#include <algorithm>
#include <cmath>

namespace plenara {

namespace {

// Share of the installation in the installed cost, for the base curve and for each
// difficulty; the base curve is scaled by difficulty share / base share.
struct InstallationShares {
    double base;
    double typical;
    double high;
    double retrofit;
};

InstallationShares sharesOf(PrimeMover mover) {
    switch (mover) {
    case PrimeMover::GasTurbine:
        return {0.133, 0.33, 0.5, 1.0};
    case PrimeMover::Microturbine:
        return {0.155, 0.33, 0.5, 1.0};
    case PrimeMover::FuelCell:
        return {0.067, 0.15, 0.25, 0.33};
    case PrimeMover::RecipEngine:
        break;
    }
    return {0.145, 0.33, 0.5, 1.0};
}

double installationFactor(PrimeMover mover, OptionGroup<InstallationDifficulty> difficulty) {
    if (!difficulty) {
        return 1.0;
    }
    const InstallationShares s = sharesOf(mover);
    switch (*difficulty) {
    case InstallationDifficulty::Low:
        return 1.0;
    case InstallationDifficulty::Typical:
        return s.typical / s.base;
    case InstallationDifficulty::High:
        return s.high / s.base;
    case InstallationDifficulty::Retrofit:
        return s.retrofit / s.base;
    }
    return 1.0;
}

} // namespace

GenSetCostResult GenSetCost(double capacityKW, OptionGroup<PrimeMover> primeMover,
                            OptionGroup<InstallationDifficulty> difficulty) {
    const PrimeMover mover = primeMover.value_or(PrimeMover::RecipEngine);
    const double kW = capacityKW;
    double equipment = 0.0;
    double baseInstallation = 0.0;
    switch (mover) {
    case PrimeMover::RecipEngine:
        equipment = 759.9 * kW + 58'799.0;
        baseInstallation = 125.79 * kW + 13'111.0;
        break;
    case PrimeMover::GasTurbine:
        equipment = 586.25 * kW + 1'685'008.0;
        baseInstallation = 87.985 * kW + 270'437.0;
        break;
    case PrimeMover::Microturbine:
        equipment = 1'209.2 * kW + 30'624.0;
        baseInstallation = 209.77 * kW + 6'386.0;
        break;
    case PrimeMover::FuelCell:
        equipment = 5'953.0 * std::pow(kW, 0.923);
        baseInstallation = 722.0 * std::pow(kW, 0.8165);
        break;
    }
    return {equipment, baseInstallation * installationFactor(mover, difficulty)};
}

GenSetPerformanceResult GenSetPerformance(double capacityKW, OptionGroup<PrimeMover> primeMover) {
    GenSetPerformanceResult r;
    if (!(capacityKW > 0.0)) {
        r.absorptionCOP = 0.1;
        return r;
    }
    const double kW = capacityKW;
    const double lnKW = std::log(kW);
    switch (primeMover.value_or(PrimeMover::RecipEngine)) {
    case PrimeMover::RecipEngine:
        r.heatRate = 14'161.0 - 574.63 * lnKW;
        r.recoveredHeatRate = 11'188.0 * std::pow(kW, 0.8509) / kW;
        r.omCostPerKWh = 0.0417 * std::pow(kW, -0.1994);
        r.absorptionCOP = 0.6;
        break;
    case PrimeMover::GasTurbine:
        r.heatRate = 27'406.0 - 1'717.1 * lnKW;
        r.recoveredHeatRate = 27'148.0 * std::pow(kW, 0.8011) / kW;
        r.omCostPerKWh = 0.0389 * std::pow(kW, -0.2104);
        r.absorptionCOP = 1.2;
        break;
    case PrimeMover::Microturbine:
        r.heatRate = 20'061.0 - 1'466.7 * lnKW;
        r.recoveredHeatRate = 13'570.0 * std::pow(kW, 0.766) / kW;
        // The fitted log curve crosses zero near 1,390 kW; maintenance never pays for itself.
        r.omCostPerKWh = std::max(0.0, 0.0369 - 0.0051 * lnKW);
        r.absorptionCOP = 0.6;
        break;
    case PrimeMover::FuelCell:
        r.heatRate = 12'452.0 - 691.55 * lnKW;
        r.recoveredHeatRate = 5'266.3 * std::pow(kW, 0.8598) / kW;
        r.omCostPerKWh = 0.043;
        r.absorptionCOP = 0.6;
        break;
    }
    r.efficiency = 3'413.0 / r.heatRate;
    return r;
}

} // namespace plenara
