#pragma once

#include "sensitivity/projectvariations.h"

#include <array>

namespace plenara {

inline constexpr std::size_t kGridSize = 5;

// Method 2's payback over gas price x energy charge (with the fuel adjustment), each at -40 %,
// -20 %, today's, +20 % and +40 %.
struct PaybackGrid {
    std::array<double, kGridSize> percents{-40, -20, 0, 20, 40};
    std::array<double, kGridSize> gasPrices{};     // in the unit the user chose
    std::array<double, kGridSize> energyCharges{}; // $/kWh, fuel adjustment included
    // [gas price][energy charge]; 0 or less: no payback.
    std::array<std::array<double, kGridSize>, kGridSize> method2PaybackYears{};
};

// 24 runs: the centre is the project as it stands.
PaybackGrid computePaybackGrid(const ProjectVariations& project);

} // namespace plenara
