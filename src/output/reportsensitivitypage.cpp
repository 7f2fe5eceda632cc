#include "output/reportsensitivitypage.h"

#include "sensitivity/sensitivitytext.h"

namespace plenara {

std::vector<std::string> PrintSensitivity(const SensitivityResults& results) {
    std::vector<std::string> body = {
        "",
        "                               SENSITIVITY OF THE SIMPLE PAYBACK",
        "",
    };
    body.resize(static_cast<std::size_t>(kSensitivityChartFirstLine + kSensitivityChartLines));
    body.emplace_back();
    for (std::string& line : sensitivityLines(results)) {
        body.push_back(std::move(line));
    }
    return body;
}

ReportBody PrintSensitivityPage(const ProjectSession& session) {
    const SensitivityResults results =
        computeSensitivity(session.inputs(), session.climate(), session.state(),
                           sensitivityOptions(session.inputs().Sensitivity));
    ReportBody page;
    page.lines = PrintSensitivity(results);
    ReportChart chart;
    chart.firstLine = kSensitivityChartFirstLine;
    chart.lineCount = kSensitivityChartLines;
    chart.tornado = tornadoChartData(results);
    page.chart = std::move(chart);
    return page;
}

} // namespace plenara
