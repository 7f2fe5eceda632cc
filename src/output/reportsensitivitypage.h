#pragma once

#include "output/reportpages.h"
#include "project/projectsession.h"
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

// The sensitivity page of a project with its tornado chart: the figures of the "Sensitivity"
// tab, computed afresh with the tab's inputs (the same as the tab shows: its draws have a fixed
// seed).
ReportBody PrintSensitivityPage(const ProjectSession& session);

} // namespace plenara
