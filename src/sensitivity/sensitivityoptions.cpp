#include "sensitivity/sensitivityoptions.h"

#include "engine/number.h"

#include <algorithm>
#include <cmath>

namespace plenara {

SensitivityOptions sensitivityOptions(const SensitivityInputs& in) {
    SensitivityOptions o;
    o.percent = std::min(Number(in.Percent), kMostSensitivityPercent);
    o.targetPaybackYears =
        std::clamp(Number(in.TargetPayback), kShortestTargetPayback, kLongestTargetPayback);
    const double draws = std::nearbyint(Number(in.Draws));
    o.draws = static_cast<int>(std::clamp(draws, double(kFewestDraws), double(kMostDraws)));
    o.method = std::clamp(in.Method, 1, 3);
    return o;
}

} // namespace plenara
