#include "ui/resultassumptions.h"

#include <array>
#include <string_view>

namespace plenara {

namespace {

// Kept word for word as users have always read them, typos included ("Enegy"): the
// printed forms and the help quote the same lines.
constexpr std::array<std::string_view, 34> kMethod1Methodology = {
    "    ASSUMPTIONS & METHODOLOGY",
    "    -------------------------",
    "1. Hot Water Heater Uses Fossil ",
    "   Fuel(s)",
    "   a. cost of fuel #1 and fuel #2 ",
    "      used to estimate annual ",
    "      cost of heating",
    "      water",
    "   b. fuel consumption figures",
    "      used only to calculate ",
    "      average cost of fuel as ",
    "      a quick visual check of ",
    "      data",
    "",
    "2. Electrical Power Consumption",
    "   and Monthly Peak Demand Data",
    "   a. used in sizing generator, ",
    "      efficiency, and heat recovery",
    "   b. monthly cost data only used ",
    "      to compute average cost of ",
    "      power as a quick visual check",
    "",
    "3. Electric and Natural Gas Utility",
    "   Data",
    "   a. used to estimate cost of ",
    "      operating generator",
    "   b. used to estimate avoided cost",
    "      of purchased electricity",
    "",
    "4. Assumes 7,440 hours of generator ",
    "   operation per year.",
    "",
    "5. Inappropriate for any facility",
    "   with electric water heaters.",
};

// Line 9 names the boiler efficiency of the run; this is its place-holder.
constexpr std::size_t kMethod2EfficiencyLine = 8;

constexpr std::array<std::string_view, 60> kMethod2Assumptions = {
    "       ASSUMPTIONS & METHODOLOGY",
    "       -------------------------",
    "1. Fuel Use for Space Heating and ",
    "   Hot Water",
    "   a. loads derived from fuel use ",
    "      input data on \"Energy & ",
    "      Utility Data\" tab",
    "   b. assumes boiler/water heater ",
    "      efficiency of 62%",
    "   c. hot water load set at load ",
    "      for Method 1",
    "2. Space Cooling Load and Energy ",
    "   Use",
    "   a. load derived from input data ",
    "      for electrical power use for",
    "      winter months on \"Enegy & ",
    "      Utility Data\" tab",
    "   b. electrical a/c efficiency ",
    "      assumed to be SEER 12",
    "   c. absorption chiller efficiency",
    "      assumed to be gCOP 0.60 for ",
    "      \"low temperature\" heat for ",
    "      recip engines, microturbines, ",
    "      and fuel cells; 1.20 for \"high ",
    "      temperature\" exhaust from gas ",
    "      turbines",
    "3. Cost of Power",
    "   a. uses specific input data for ",
    "      energy consumption, fuel ",
    "      adjustment charge, demand ",
    "      charge, and standby charge ",
    "      on \"Energy & Utility Data\" ",
    "      tab.",
    "   b. input data for monthly ",
    "      electric bills is not used",
    "   c. average cost of power ",
    "      displayed on \"Energy & ",
    "      Utility Data\" tab is not ",
    "      used.",
    "4. Cost of Fuel",
    "   a. specific input data for cost ",
    "      of natural gas on \"Energy & ",
    "      Utility Data\" tab is used for",
    "      generator fuel",
    "   b. either natural gas cost or ",
    "      average cost of Fuel #1 ",
    "      from \"Energy & Utility ",
    "      Data\" tab is used for ",
    "      water heater fuel (default",
    "      is natural gas, selection ",
    "      is made on \"Method 2\" tab).",
    "5. On-Site Power Generation",
    "   a. selected to give lowest ",
    "      simple payback",
    "   b. assumes each month has the same ",
    "      generation",
    "6. Generator Size & Characteristics",
    "   a. sized for 75% on-time",
    "   b. cost and performance",
    "      taken from curve fits",
};

constexpr std::array<std::string_view, 33> kMethod3Assumptions = {
    "          ASSUMPTIONS & METHODOLOGY",
    "   ----------------------------------------",
    "1. Space Heating and Cooling loads computed ",
    "   using EIA algorithms based on Heating",
    "   and Cooling Degree Days",
    "2. Domestic Hot Water loads computed from",
    "   hot water consumption reported in ASHRAE",
    "   and average annual temperature for the",
    "   location.",
    "3. The generator is sized to provide 3/4",
    "   of the annual power consumption with",
    "   a fraction on time of 75%. It is assumed",
    "   that peak power demand occurs during ",
    "   the when the remaining 1/4 of the power",
    "   is consumed.",
    "4. Heat recovered from the generator is",
    "   allocated to thermal loads to domestic",
    "   (potable) hot water, space heating, and",
    "   space cooling, in that order.",
    "5. Ideally there should be an iteration on",
    "   generator capacity. This is not necessary",
    "   as long as the application is limited",
    "   by the electrical loads. If the thermal ",
    "   loads constrain the analysis, the cooling",
    "   power listed in the box above will be",
    "   different than the cooling power listed",
    "   in line 2 to the left. The control logic",
    "   has not yet been developed to iterate",
    "   on the generator capacity until the",
    "   cooling power in line 2 equals the power",
    "   required by electric air conditioners ",
    "   supplementing the absorption chiller",
    "   (the cooling power listed above).",
};

template <std::size_t N>
QString joinLines(const std::array<std::string_view, N>& lines) {
    QString text;
    for (const std::string_view line : lines) {
        text += QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace

QString method1MethodologyText() {
    return joinLines(kMethod1Methodology);
}

QString method2AssumptionsText(const std::string& efficiencyLine) {
    std::array<std::string_view, 60> lines = kMethod2Assumptions;
    lines[kMethod2EfficiencyLine] = efficiencyLine;
    return joinLines(lines);
}

QString method3AssumptionsText() {
    return joinLines(kMethod3Assumptions);
}

} // namespace plenara
