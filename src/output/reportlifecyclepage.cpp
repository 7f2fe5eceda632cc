#include "output/lifecyclereport.h"
#include "output/reportpages.h"

#include <algorithm>

namespace plenara {

namespace {

// The chart fills the page down to this body line, and takes at least this many lines: the
// page's 60 lines fit within the half-inch margins of a letter page at full size, even with
// the line spacing of "Courier New" itself (about 221 twips), the widest of the fonts in use.
constexpr int kChartEndLine = 60;
constexpr int kLeastChartLines = 20;
constexpr std::size_t kNoteWidth = 88;

void addIndented(std::vector<std::string>& lines, const std::vector<std::string>& more,
                 const std::string& indent) {
    for (const std::string& line : more) {
        lines.push_back(line.empty() ? line : indent + line);
    }
}

} // namespace

ReportBody PrintLifeCycle(const ProjectInputs& inputs, const ProjectResults& results) {
    const LifeCycleResults& r = results.lifeCycle;
    ReportBody body;
    std::vector<std::string>& lines = body.lines;
    lines = {"", "", "Life-Cycle Economics and Emissions of the Three Methods:", ""};
    lines.push_back("Inputs:");
    addIndented(lines, lifeCycleInputLines(inputs, r), "   ");
    lines.emplace_back();
    addIndented(lines, lifeCycleResultLines(r), " ");
    lines.emplace_back();
    addIndented(lines, lifeCycleCO2Lines(r), " ");
    lines.emplace_back();
    addIndented(lines,
                wrappedLines("Year 0 is the net installed cost. Each later year adds the "
                             "first-year savings of electricity, fuel and O&M, each escalated at "
                             "its own rate, discounted to year 0 at the discount rate.",
                             kNoteWidth),
                " ");
    lines.emplace_back();

    ReportChart chart;
    chart.firstLine = static_cast<int>(lines.size());
    chart.lineCount = std::max(kChartEndLine - chart.firstLine, kLeastChartLines);
    chart.data = lifeCycleChartData(r);
    lines.resize(lines.size() + static_cast<std::size_t>(chart.lineCount));
    body.chart = std::move(chart);
    return body;
}

} // namespace plenara
