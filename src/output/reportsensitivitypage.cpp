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

} // namespace plenara
