#pragma once

#include "project/projectinputs.h"
#include "sensitivity/projectvariations.h"

namespace plenara {

// One $/kWh is 293.07 $/MMBtu (1,000,000 Btu / 3,412.14 Btu per kWh).
inline constexpr double kKWhPerMMBtu = 293.07;

// The spark spread as CHP engineers quote it, and the margin of Method 2's gen-set.
struct SparkSpread {
    double averagePowerCostPerKWh =
        0.0; // annual bill / annual kWh: the "Average Cost" of the bills
    double gasPricePerMMBtu = 0.0;
    double sparkSpreadPerMMBtu = 0.0; // average power cost x 293.07 - gas price
    // Method 2's gen-set at the capacity the method reports.
    double heatRateMMBtuPerMWh = 0.0;
    double omPerMWh = 0.0;
    // Power cost per MWh - gas $/MMBtu x heat rate (MMBtu/MWh) - O&M per MWh.
    double generationMarginPerMWh = 0.0;
    // No size of Method 2 saves: it buys no gen-set, and the figures are those of the 1 kW
    // that its panel reports.
    bool method2BuysNone = false;
};

SparkSpread computeSparkSpread(const ProjectVariations& project);

} // namespace plenara
