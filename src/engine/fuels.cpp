#include "engine/fuels.h"

#include <cctype>

namespace plenara {

namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

} // namespace

const std::array<std::string_view, 5>& fuelNames() {
    static const std::array<std::string_view, 5> names = {"natural gas", "#2 fuel oil",
                                                          "#4 fuel oil", "#6 fuel oil", "steam"};
    return names;
}

const std::array<std::string_view, 5>& naturalGasUnits() {
    static const std::array<std::string_view, 5> units = {
        "therms", "decatherms", "MBtu (million Btus)", "CCF (hundred cu ft)",
        "MCF (thousand cu ft)"};
    return units;
}

std::vector<std::string> fuelUnitList(std::string_view fuel) {
    const std::string f = lowerCase(fuel);
    if (f == "natural gas") {
        return {naturalGasUnits().begin(), naturalGasUnits().end()};
    }
    if (f == "steam") {
        return {"thousand pounds"};
    }
    if (f == "#2 fuel oil" || f == "#4 fuel oil" || f == "#6 fuel oil") {
        return {"gallons"};
    }
    return {};
}

double FuelUnitFactor(std::string_view fuel, std::string_view unit) {
    const std::string f = lowerCase(fuel);
    const std::string u = lowerCase(unit);
    double btuPerUnit = 1'000'000.0;
    if (f == "natural gas") {
        if (u == "therms") {
            btuPerUnit = 100'000.0;
        } else if (u == "decatherms") {
            btuPerUnit = 1'000'000.0;
        } else if (u == "mbtu (million btus)") {
            btuPerUnit = 1'000'000.0;
        } else if (u == "ccf (hundred cu ft)") {
            btuPerUnit = 102'500.0;
        } else if (u == "mcf (thousand cu ft)") {
            btuPerUnit = 1'025'000.0;
        }
    } else if (f == "steam") {
        btuPerUnit = 1'000'000.0;
    } else if (f == "#2 fuel oil") {
        btuPerUnit = 136'998.0;
    } else if (f == "#4 fuel oil") {
        btuPerUnit = 145'879.0;
    } else if (f == "#6 fuel oil") {
        btuPerUnit = 157'550.0;
    }
    return btuPerUnit / 1'000'000.0;
}

} // namespace plenara
