#pragma once

#include "engine/method1.h"
#include "engine/method2.h"
#include "engine/method3.h"
#include "engine/monthlyloads.h"

namespace plenara {

// The yearly operating figures of one case (the building without CHP, or with it) as a
// method computes them, split the way the life-cycle analysis escalates and the CO2 figures
// count them.
struct CaseFigures {
    double electricityCost = 0.0; // $/yr: energy, demand and standby charges
    double fuelCost = 0.0;        // $/yr: gen-set, boiler and water-heater fuel
    double omCost = 0.0;          // $/yr: gen-set operation and maintenance
    double gridKWh = 0.0;         // kWh/yr bought from the utility
    double gasMMBtu = 0.0;        // MMBtu/yr of natural gas burnt by a boiler or water heater
    double fuel1MMBtu = 0.0;      // MMBtu/yr of fuel 1 burnt by the boiler or water heater
    double fuel2MMBtu = 0.0;      // MMBtu/yr of fuel 2
    double genSetMMBtu = 0.0;     // MMBtu/yr of natural gas burnt by the gen-set: the heat
                                  // rate's lower heating value, as the method prices it

    double totalCost() const { return electricityCost + fuelCost + omCost; }

    friend bool operator==(const CaseFigures&, const CaseFigures&) = default;
};

// One method's gen-set and its two cases.
struct MethodFigures {
    double installedCost = 0.0; // $, as the method computes it
    double capacityKW = 0.0;    // the capacity the method reports
    CaseFigures baseline;
    CaseFigures chp;

    friend bool operator==(const MethodFigures&, const MethodFigures&) = default;
};

// A fuel counts as the fuel that the method prices it as, so that the CO2 and the costs describe
// the same plant.

// Method 1 prices the water heater's fuel at the gas price: the gen-set and the water heater
// burn natural gas.
MethodFigures method1Figures(const Method1Results& results);

// Method 2 compares the chosen step with step 0 of the run it made, month by month. The
// gen-set burns natural gas; the boiler burns natural gas or fuel 1, as the run priced it.
MethodFigures method2Figures(const Method2Results& results);

// Method 3 burns natural gas in the gen-set and the boilers alike.
MethodFigures method3Figures(const Method3Results& results);

} // namespace plenara
