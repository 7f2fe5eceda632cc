#pragma once

#include "climate/climatedata.h"
#include "engine/billtotals.h"
#include "engine/method1.h"
#include "engine/method2.h"
#include "engine/method3.h"
#include "project/projectinputs.h"
#include "project/viewsettings.h"

namespace plenara {

// What the three methods read, converted from the inputs as a recalculation converts them:
// from the texts as rewritten in their display patterns, Method 1's annual consumption and
// Method 2's average cost of fuel 1 as their totals show them.
struct MethodInputs {
    Method1Inputs method1;
    Method2Inputs method2;
    Method3Inputs method3;
    bool cityFound = false; // whether the climate data hold the city (else 0 degree days)
};

// The numbers that the methods read from the numeric texts of a project, as rewritten in their
// display patterns, and from the two totals that they read as shown.
struct InputNumbers {
    std::array<double, 12> kWh{};
    std::array<double, 12> kW{};
    std::array<double, 12> fuel1{};
    std::array<double, 12> fuel1Cost{};
    std::array<double, 12> fuel2{};
    std::array<double, 12> fuel2Cost{};
    double energyCharge = 0.0;
    double fuelAdjCharge = 0.0;
    double demandCharge = 0.0;
    double standbyCharge = 0.0;
    double gasCost = 0.0;
    double heatedFloorSpace = 0.0;
    double cooledFloorSpace = 0.0;
    double occupants = 0.0;
    double annualPower = 0.0;      // kWh, as the annual total shows it
    double fuel1AverageCost = 0.0; // dollars per unit, as the average cost shows it
};

// The numbers of `formatted` (texts already rewritten by formatInputFields) and its totals.
InputNumbers inputNumbers(const ProjectInputs& formatted, const TotalsCaptions& totals);

// The same numbers worked out from the texts as typed, without rewriting them: each text's
// number rounded as its pattern shows it (patternValue), the totals summed from those in the
// order in which the totals sum them.
InputNumbers typedInputNumbers(const ProjectInputs& typed);

// The method inputs of a project and the numbers of its texts. `avgTemperature` is Method
// 3's ground temperature when the city is not found; it becomes the city's when it is.
MethodInputs methodInputs(const ProjectInputs& inputs, const InputNumbers& numbers,
                          double runTimeFraction, double boilerEfficiency,
                          const ClimateTable& climate, double avgTemperature,
                          const ViewSettings& view);

// The method inputs of `formatted` (texts already rewritten by formatInputFields) and of the
// totals read from them. `avgTemperature` is Method 3's ground temperature when the city is
// not found; it becomes the city's when it is.
MethodInputs methodInputs(const ProjectInputs& formatted, const TotalsCaptions& totals,
                          double runTimeFraction, double boilerEfficiency,
                          const ClimateTable& climate, double avgTemperature,
                          const ViewSettings& view);

// The numbers of one recalculation without a caption: what a calculation that runs the
// project many times with changed inputs needs (sensitivity, batches).
struct ProjectNumbers {
    double RunTimeFraction = 0.75;
    double BoilerEfficiency = 0.75;
    Method1Results method1;
    Method2Results method2;
    Method3Results method3;
};

// The numbers of the three methods for `inputs`, exactly as a full recalculation of them would
// compute them (texts rewritten in their patterns first), though without writing a text. `previous`
// holds the values that the project's recalculations keep (the last good percentages, the last
// ground temperature); it is read, never changed, so a caller can run copies of a project without
// disturbing the state that one recalculation hands to the next. Writes into `numbers` in place:
// the Method 2 sweep is large.
void computeProjectNumbers(const ProjectInputs& inputs, const ClimateTable& climate,
                           double previousRunTimeFraction, double previousBoilerEfficiency,
                           double previousAvgTemperature, ProjectNumbers& numbers);

} // namespace plenara
