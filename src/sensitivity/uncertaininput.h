#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace plenara {

// The inputs nobody knows for sure, which a sensitivity analysis moves.
enum class UncertainInput {
    GasPrice,         // the natural-gas price, in the unit the user chose
    EnergyCharge,     // the energy charge together with the fuel adjustment charge, $/kWh
    DemandCharge,     // $/kW-month
    InstalledCost,    // each method's installed cost, $
    RunTimeFraction,  // %
    BoilerEfficiency, // %
    Fuel1Cost,        // the monthly bills of fuel 1, $/yr
    Fuel2Cost,        // the monthly bills of fuel 2, $/yr
};

inline constexpr std::size_t kUncertainInputs = 8;

// Every uncertain input in the order of the enumeration.
const std::array<UncertainInput, kUncertainInputs>& uncertainInputs();

// How the user knows the input: "Gas price", "Energy charge", ...
std::string_view uncertainInputName(UncertainInput input);

// Factors by which the uncertain inputs are moved; 1 leaves an input as it is.
struct InputFactors {
    std::array<double, kUncertainInputs> factor{1, 1, 1, 1, 1, 1, 1, 1};

    double& operator[](UncertainInput input) { return factor[static_cast<std::size_t>(input)]; }
    double operator[](UncertainInput input) const {
        return factor[static_cast<std::size_t>(input)];
    }

    // Every input at 1 except `input` at `f`.
    static InputFactors only(UncertainInput input, double f) {
        InputFactors factors;
        factors[input] = f;
        return factors;
    }
};

} // namespace plenara
