#include "lifecycle/incentives.h"

#include <algorithm>

namespace plenara {

InstalledCost installedCostAfterIncentives(double installedCost, double capacityKW,
                                           const LifeCycleParameters& p) {
    InstalledCost cost;
    cost.adjusted = std::max(installedCost * (1.0 + p.costAdjustment), 0.0);
    cost.taxCredit = cost.adjusted * p.taxCredit;
    cost.rebate = p.rebatePerKW * std::max(capacityKW, 0.0);
    cost.grant = p.grant;
    // Incentives larger than the cost pay for it, and no more: the owner is not paid to
    // install the gen-set.
    cost.net = std::max(cost.adjusted - cost.taxCredit - cost.rebate - cost.grant, 0.0);
    return cost;
}

} // namespace plenara
