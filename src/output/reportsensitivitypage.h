#pragma once

#include "sensitivity/sensitivity.h"

#include <string>
#include <vector>

namespace plenara {

// Where the tornado chart of the sensitivity page is drawn: the body lines it covers, which
// the text leaves empty.
inline constexpr int kSensitivityChartFirstLine = 3;
inline constexpr int kSensitivityChartLines = 26;

// The body of the sensitivity page: its title, the lines left empty for the tornado chart,
// then the tornado rows, the break-even prices, the spark spread, the Method 2 grid and the
// Monte Carlo figures.
std::vector<std::string> PrintSensitivity(const SensitivityResults& results);

} // namespace plenara
