#pragma once

#include "output/reportpage.h"
#include "project/projectinputs.h"
#include "project/projectresults.h"

#include <optional>
#include <string>
#include <vector>

namespace plenara {

// The bodies of the report pages, each as the lines that print, composed from the inputs as
// they stand (after a recalculation, so in their display patterns) and the results of that
// recalculation. They change nothing; the pages that need a detail tab switched on before
// they are composed are switched by composeReport.

// Every input the user typed, in fixed columns, then the lines of the results summary.
std::vector<std::string> PrintIOResultsSummary(const ProjectInputs& inputs,
                                               const ProjectResults& results);

// The side-by-side comparison table of the three methods.
std::vector<std::string> PrintComparisonOfMethods(const ProjectResults& results);

// The Method 1 detail lines and the method's fixed assumptions.
std::vector<std::string> PrintMethod1(const ProjectResults& results);

// The Method 2 generator and payback figures, the loads of the month `scrlMonths`
// (0 = January) and the sweep of on-site generation with its cost summary.
std::vector<std::string> PrintMethod2Page1(const ProjectInputs& inputs,
                                           const ProjectResults& results, int scrlMonths);

// The written assumptions of Method 2.
std::vector<std::string> PrintMethod2Page3(const ProjectResults& results);

// The Method 3 climate, load and recovered-heat lines.
std::vector<std::string> PrintMethod3Page1(const ProjectResults& results);

// The written assumptions of Method 3.
std::vector<std::string> PrintMethod3Page2(const ProjectResults& results);

// The lines of a page with the chart drawn over some of them.
struct ReportBody {
    std::vector<std::string> lines;
    std::optional<ReportChart> chart;
};

// The life-cycle economics and CO2 of the three methods: the inputs, the table of the three
// methods, and the cumulative discounted cash flow drawn as a chart.
ReportBody PrintLifeCycle(const ProjectInputs& inputs, const ProjectResults& results);

} // namespace plenara
