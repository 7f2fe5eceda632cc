#pragma once

#include <string>

namespace plenara {

// The inputs of the "Sensitivity" tab, kept with the project on line 22. The texts are kept as
// typed, like the other text boxes; the sensitivity calculation reads them with Number and
// keeps them within their ranges.
struct SensitivityInputs {
    std::string Percent = "20";       // X: every uncertain input moves by -X % and +X %
    std::string TargetPayback = "10"; // years, for the break-even prices
    std::string Draws = "1000";       // Monte Carlo draws, 100 to 10,000
    int Method = 2;                   // the method of the tornado chart and the histogram, 1 to 3

    friend bool operator==(const SensitivityInputs&, const SensitivityInputs&) = default;
};

} // namespace plenara
