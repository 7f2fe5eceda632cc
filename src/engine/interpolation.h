#pragma once

#include "engine/method2.h"

#include <array>
#include <string>

namespace plenara {

struct InterpolationResult {
    double payback = 0.0; // years; 0 outside the swept range
    std::string caption;  // the sentence of the specified-capacity dialog
};

// The payback of a generator of `capacity` kW, interpolated linearly between the two
// neighbouring steps of the Method 2 sweep.
InterpolationResult InterpolateResults(double capacity,
                                       const std::array<double, kSweepSteps>& capacityPoints,
                                       const std::array<double, kSweepSteps>& paybackPoints);

} // namespace plenara
