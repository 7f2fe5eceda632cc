#pragma once

#include "engine/captiontext.h"
#include "engine/method2.h"

#include <array>

namespace plenara {

// The monthly detail table of the Method 2 tab: four heading lines, then one line per step
// from `firstStep` (the scroll value, 0..11) for rowCount + 2 steps, for the month `month`
// (0 = January). The line of the selected step is bold. Lines beyond those written stay
// empty.
std::array<Caption, 14> updateMonthlyTableHeat(const Method2Results& results, int selectedStep,
                                               int rowCount, int month, int firstStep);
std::array<Caption, 14> updateMonthlyTableCool(const Method2Results& results, int selectedStep,
                                               int rowCount, int month, int firstStep);

} // namespace plenara
