#pragma once

#include "engine/captiontext.h"
#include "engine/options.h"

#include <array>
#include <string>

namespace plenara {

struct SummaryInputs {
    // Entries 1, 2 and 3 for Methods 1, 2 and 3; entry 0 is unused.
    std::array<double, 4> genCapacityByMethod{}; // kW
    std::array<double, 4> paybackByMethod{};     // years; 0 or less: no payback
    double runTimeFraction = 0.75;
    std::string cityName;
    std::string stateName;
    double groundTemperature = 0.0; // degrees F
    OptionGroup<PrimeMover> primeMover;
    OptionGroup<HotWaterUsage> hotWaterUsage; // the level Method 3 used; none set is medium
};

struct SummaryOutput {
    std::string lblPaybackRange;
    std::array<Caption, 27> lblSummary; // line 0 is the heading "Summary of Results:"
};

// The payback range sentence and the summary lines of the results tab.
SummaryOutput updateResultsSummary(const SummaryInputs& in);

} // namespace plenara
