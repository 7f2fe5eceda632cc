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
// compute them (texts rewritten in their patterns first). `previous` holds the values that the
// project's recalculations keep (the last good percentages, the last ground temperature); it is
// read, never changed, so a caller can run copies of a project without disturbing the state
// that one recalculation hands to the next. Writes into `numbers` in place: the Method 2 sweep
// is large.
void computeProjectNumbers(ProjectInputs inputs, const ClimateTable& climate,
                           double previousRunTimeFraction, double previousBoilerEfficiency,
                           double previousAvgTemperature, ProjectNumbers& numbers);

} // namespace plenara
