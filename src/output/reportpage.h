#pragma once

#include "output/linechart.h"
#include "output/tornadochart.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace plenara {

// The seven parts of a report that the user can choose, in the order in which they print:
// input data and summary, comparison of methods, Method 1, Method 2, Method 3, life-cycle
// economics and emissions, sensitivity.
inline constexpr std::size_t kReportOptionCount = 7;
using ReportChoice = std::array<bool, kReportOptionCount>;

// A chart drawn on a report page over lines of its body that the text leaves empty, across
// the width of the text area.
struct ReportChart {
    int firstLine = 0; // the body line (from 0) at whose top the chart begins
    int lineCount = 0; // how many body lines it covers
    LineChartData data;
    // A tornado chart, drawn instead of the line chart where a page has one.
    std::optional<TornadoChartData> tornado;

    friend bool operator==(const ReportChart&, const ReportChart&) = default;
};

// One printed page of a report as plain lines: the header, the data-set line, the body
// exactly as it prints (its leading empty lines and trailing blanks kept) and the footer;
// and a chart where the page has one. A page as text shows the chart's lines empty.
struct ReportPage {
    std::string header;
    std::string dataSetLine;
    std::vector<std::string> body;
    std::string footer;
    std::optional<ReportChart> chart;

    friend bool operator==(const ReportPage&, const ReportPage&) = default;
};

// The number of pages that the chosen parts print: one each for the first three, two each for
// the Method 2 and Method 3 reports, one each for the life-cycle and the sensitivity reports.
int reportPageTotal(const ReportChoice& chosen);

} // namespace plenara
