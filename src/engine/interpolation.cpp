#include "engine/interpolation.h"

#include "engine/formatpattern.h"

namespace plenara {

InterpolationResult InterpolateResults(double capacity,
                                       const std::array<double, kSweepSteps>& capacityPoints,
                                       const std::array<double, kSweepSteps>& paybackPoints) {
    constexpr std::size_t kLast = kSweepSteps - 1;
    if (capacity < capacityPoints[0] || capacity > capacityPoints[kLast]) {
        return {0.0, "The specified generator capacity is outside the limits for interpolation"};
    }

    // The step below the capacity; a capacity on the first step interpolates from there.
    std::size_t i = kLast;
    while (i > 0 && !(capacityPoints[i] < capacity)) {
        --i;
    }
    // Only a capacity above the last step, already refused, could leave i on the last step.
    const std::size_t j = i < kLast ? i + 1 : kLast;

    double payback = paybackPoints[i];
    const double width = capacityPoints[j] - capacityPoints[i];
    // Bills without kWh give a sweep whose steps are all 0 kW: the interval has no width,
    // and the lower step's payback is the answer.
    if (width != 0.0) {
        // Weighted form of the straight line through both steps, so that a capacity on a
        // step gives that step's payback to the last bit.
        const double t = (capacity - capacityPoints[i]) / width;
        payback = (1.0 - t) * paybackPoints[i] + t * paybackPoints[j];
    }
    return {payback, "Simple payback for a " + FormatPattern(capacity, "#,##0") +
                         " kW CHP system is " + FormatPattern(payback, "###0.00") + " years"};
}

} // namespace plenara
