#pragma once

#include "lifecycle/emissiondata.h"
#include "lifecycle/lifecycleparameters.h"
#include "lifecycle/methodfigures.h"

#include <string>
#include <string_view>

namespace plenara {

// The CO2 rate of grid power that a project uses, and where it comes from.
struct GridRateChoice {
    double lbPerMWh = 0.0;
    // "Pennsylvania non-baseload, eGRID2022", "U.S. average, eGRID2022", "custom".
    std::string description;
    bool unitedStatesRate = false; // the state is not in the table, or lacks that rate

    friend bool operator==(const GridRateChoice&, const GridRateChoice&) = default;
};

// The grid rate of `state` by the chosen basis; a state that the table does not hold (or that
// lacks the rate) takes the U.S. rate of the same basis.
GridRateChoice gridRateFor(const EmissionData& data, std::string_view state, GridCO2Basis basis,
                           double customLbPerMWh);

// Metric tons of CO2 per unit of what a case buys and burns.
struct CO2Rates {
    double gridTonnesPerKWh = 0.0; // grossed up for the power lost on the way to the meter
    double gasTonnesPerMMBtu = 0.0;
    double genSetTonnesPerMMBtu = 0.0; // per MMBtu of the heat rate's lower heating value
    double fuel1TonnesPerMMBtu = 0.0;
    double fuel2TonnesPerMMBtu = 0.0;
    bool fuel1AtGridRate = false; // the fuel has no factor of its own (electricity, say)
    bool fuel2AtGridRate = false;
};

// The rates of a project: purchased power at the grid rate / (1 - grid loss); each fuel at its
// factor, and a fuel without one as the kWh its MMBtu hold (3,413 Btu per kWh) at the grid rate.
CO2Rates co2Rates(const EmissionData& data, const GridRateChoice& grid, double gridLossFraction,
                  std::string_view fuel1Type, std::string_view fuel2Type);

// The metric tons of CO2 a year of one case: its purchased power and the fuels it burns.
double co2Tonnes(const CaseFigures& figures, const CO2Rates& rates);

} // namespace plenara
