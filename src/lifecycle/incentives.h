#pragma once

#include "lifecycle/lifecycleparameters.h"

namespace plenara {

// A method's installed cost brought to the user's prices and reduced by the incentives.
struct InstalledCost {
    double adjusted = 0.0;  // $: the method's cost times (1 + cost adjustment)
    double taxCredit = 0.0; // $: the credit's share of the adjusted cost
    double rebate = 0.0;    // $: the rebate per kW times the capacity
    double grant = 0.0;     // $
    double net = 0.0;       // $: adjusted less the three, never below 0

    friend bool operator==(const InstalledCost&, const InstalledCost&) = default;
};

// The installed cost of a method of `capacityKW` after the cost adjustment and incentives.
InstalledCost installedCostAfterIncentives(double installedCost, double capacityKW,
                                           const LifeCycleParameters& p);

} // namespace plenara
