#include "project/projectinputs.h"

#include "engine/fuels.h"
#include "engine/textfields.h"

#include <cstdio>

namespace plenara {

std::vector<std::string> ProjectInputs::naturalGasUnitList() {
    return {naturalGasUnits().begin(), naturalGasUnits().end()};
}

const std::array<std::string, 12>& monthLabels() {
    static const std::array<std::string, 12> labels = [] {
        std::array<std::string, 12> texts;
        for (std::size_t m = 0; m < texts.size(); ++m) {
            texts[m] = std::string(monthAbbreviations()[m]);
        }
        return texts;
    }();
    return labels;
}

const std::vector<std::string>& runTimeFractionItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> list;
        for (int percent = 100; percent >= 5; percent -= 5) {
            char text[8];
            std::snprintf(text, sizeof text, "%3d%%", percent);
            list.emplace_back(text);
        }
        return list;
    }();
    return items;
}

const std::vector<std::string>& boilerEfficiencyItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> list;
        for (int percent = 80; percent >= 50; --percent) {
            list.push_back(std::to_string(percent) + "%");
        }
        return list;
    }();
    return items;
}

const std::vector<std::string>& acCriteriaItems() {
    static const std::vector<std::string> items = {"Electric AC", "Central AC", "Room AC"};
    return items;
}

} // namespace plenara
