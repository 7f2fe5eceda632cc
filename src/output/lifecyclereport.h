#pragma once

#include "lifecycle/lifecycle.h"
#include "output/linechart.h"
#include "project/projectinputs.h"

#include <string>
#include <vector>

namespace plenara {

// The texts of the life-cycle results, shared by the "Life Cycle" tab, its report page and
// plenara-cli, so that all of them show the same figures in the same words.

// The table of the three methods in fixed columns: costs, savings, paybacks, NPV, IRR, SIR,
// then the annual CO2.
std::vector<std::string> lifeCycleResultLines(const LifeCycleResults& results);

// What the CO2 figures rest on: the grid rate and its source, the grid loss, and the notes
// that qualify them; or why there are none.
std::vector<std::string> lifeCycleCO2Lines(const LifeCycleResults& results);

// The inputs of the analysis in words, for the report page.
std::vector<std::string> lifeCycleInputLines(const ProjectInputs& inputs,
                                             const LifeCycleResults& results);

// The year-by-year cash flows: year 0 (the net installed cost) to the end of the period, and
// of each method the savings, the discounted savings and the cumulative discounted cash flow.
struct TextTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};
TextTable lifeCycleCashFlowTable(const LifeCycleResults& results);

// The same table as fixed-pitch lines.
std::vector<std::string> lifeCycleCashFlowLines(const LifeCycleResults& results);

// The cumulative discounted cash flow of each method by year, year 0 at minus the net
// installed cost; a method without sound figures has no line.
LineChartData lifeCycleChartData(const LifeCycleResults& results);

// Breaks a text into lines of at most `width` characters at blanks.
std::vector<std::string> wrappedLines(const std::string& text, std::size_t width);

} // namespace plenara
