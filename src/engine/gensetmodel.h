#pragma once

#include "engine/options.h"

namespace plenara {

struct GenSetCostResult {
    double equipmentCost = 0.0;    // dollars
    double installationCost = 0.0; // dollars
};

struct GenSetPerformanceResult {
    double heatRate = 0.0;          // Btu of fuel per kWh generated (LHV)
    double efficiency = 0.0;        // fraction, 3,413 / heatRate
    double recoveredHeatRate = 0.0; // Btu recovered per kWh generated
    double omCostPerKWh = 0.0;      // dollars of operation and maintenance per kWh
    double absorptionCOP = 0.0;     // of an absorption chiller driven by the recovered heat
};

// Equipment and installation cost of a gen-set of `capacityKW` from the fitted curves of
// its prime mover. The installation cost is scaled by the installation difficulty relative
// to the base share of the curve; Low, or no difficulty set, leaves it unscaled. With no
// prime mover set the recip-engine curves apply.
GenSetCostResult GenSetCost(double capacityKW, OptionGroup<PrimeMover> primeMover,
                            OptionGroup<InstallationDifficulty> difficulty);

// Heat rate, efficiency, recovered heat, O&M cost and absorption COP of a gen-set of
// `capacityKW`. At a capacity of 0 or less everything is 0 except the COP, which is 0.1 so
// that no caller divides by zero. With no prime mover set the recip-engine curves apply.
GenSetPerformanceResult GenSetPerformance(double capacityKW, OptionGroup<PrimeMover> primeMover);

} // namespace plenara
