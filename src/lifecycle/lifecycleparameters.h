#pragma once

namespace plenara {

// The most years a life-cycle analysis covers; the cash flows are kept in a fixed array of
// this size so that a recalculation allocates nothing for them.
inline constexpr int kMostAnalysisYears = 40;

// Which CO2 rate the purchased and displaced grid power carries.
enum class GridCO2Basis {
    StateNonBaseload, // the state's marginal generation, which on-site power displaces
    StateAverage,     // the state's total output rate
    Custom,           // a rate the user types
};

// What the life-cycle economics and the CO2 figures read, already converted from the input
// texts and kept within their ranges. Rates are fractions: 0.06 for 6 % a year.
struct LifeCycleParameters {
    int analysisYears = 20;
    double discountRate = 0.06;
    double electricEscalation = 0.02; // of the electricity part of the yearly cash flow
    double fuelEscalation = 0.02;     // of the fuel part
    double omEscalation = 0.02;       // of the gen-set O&M part
    double costAdjustment = 0.0;      // scales each method's installed cost: 0.1 is 10 % more
    double taxCredit = 0.0;           // fraction of the adjusted installed cost
    double rebatePerKW = 0.0;         // $ per kW of capacity
    double grant = 0.0;               // $
    GridCO2Basis gridBasis = GridCO2Basis::StateNonBaseload;
    double customGridLbPerMWh = 0.0;
    double gridLossFraction = 0.042; // share of generated power lost before it reaches a meter

    friend bool operator==(const LifeCycleParameters&, const LifeCycleParameters&) = default;
};

} // namespace plenara
