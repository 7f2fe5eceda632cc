#pragma once

#include "sensitivity/sensitivity.h"

#include <optional>
#include <string>
#include <vector>

namespace plenara {

// X as the user would type it: "20", "12.5".
std::string sensitivityPercentText(double percent);

// How the inputs move, for titles: "alone at -20 % and +20 %", or "unchanged, varied by 0 %"
// when X shows as 0.
std::string inputsMovedText(double percent);

// An uncertain input with its unit: "Gas price ($/therm)", "Run-time fraction (%)".
std::string uncertainInputCaption(UncertainInput input, const std::string& gasPriceUnit);

// A value of the input as its box shows it: "$0.6240", "$1,230,000", "60.0%".
std::string uncertainValueText(UncertainInput input, double value, const std::string& gasPriceUnit);

// A payback in years to one decimal, or "none" when there is none.
std::string paybackYearsText(double years);
std::string paybackYearsText(const std::optional<double>& years);

// A net present value in whole dollars ("-$12,345"), or "none".
std::string npvText(double dollars);
std::string npvText(const std::optional<double>& dollars);

// The net present value at a tornado bar's end: as npvText, but "n/a" where the method has
// none, so that it is not mistaken for a lost payback in the column beside it.
std::string tornadoNpvText(double dollars);

// A price of the gas-price or energy-charge box as it shows it, or "none in range".
std::string breakEvenText(const std::optional<double>& price, BreakEvenPrice which,
                          const std::string& gasPriceUnit);

// The share of the draws with no payback: "12.3 %".
std::string shareText(double share);

// The figures of the spark spread as the tab and the report show them.
struct SparkSpreadTexts {
    std::string sparkSpread;      // "$21.67", per MMBtu
    std::string powerCost;        // "$0.1176", per kWh
    std::string gasPrice;         // "$12.80", per MMBtu
    std::string generationMargin; // "-$45.41", per MWh
    std::string heatRate;         // "11.46", MMBtu per MWh
    std::string om;               // "$16.33", per MWh
};
SparkSpreadTexts sparkSpreadTexts(const SparkSpread& spread);

// The figures as fixed-pitch lines of at most 90 characters: the command-line panel and the
// report page.
std::vector<std::string> sensitivityLines(const SensitivityResults& results);

} // namespace plenara
