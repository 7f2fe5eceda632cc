#include "lifecycle/emissions.h"

namespace plenara {

namespace {

constexpr double kKgPerPound = 0.45359237;
constexpr double kKgPerTonne = 1000.0;
constexpr double kKWhPerMWh = 1000.0;
constexpr double kBtuPerKWh = 3413.0;
constexpr double kBtuPerMMBtu = 1'000'000.0;
// The EPA factors are per MMBtu of higher heating value; gen-set heat rates are quoted on the
// lower, which for natural gas (methane: 55.5 against 50.1 MJ/kg) is 1.108 times less.
constexpr double kGasHigherPerLowerHeatingValue = 1.108;

const std::optional<double>& rateOf(const GridCO2Row& row, GridCO2Basis basis) {
    return basis == GridCO2Basis::StateAverage ? row.totalLbPerMWh : row.nonBaseloadLbPerMWh;
}

std::string withEdition(std::string text, const GridCO2Row& row) {
    return row.edition.empty() ? text : text + ", " + row.edition;
}

} // namespace

GridRateChoice gridRateFor(const EmissionData& data, std::string_view state, GridCO2Basis basis,
                           double customLbPerMWh) {
    GridRateChoice choice;
    if (basis == GridCO2Basis::Custom) {
        choice.lbPerMWh = customLbPerMWh;
        choice.description = "custom";
        return choice;
    }
    const char* kind = basis == GridCO2Basis::StateAverage ? " average" : " non-baseload";
    if (const GridCO2Row* row = gridRowOf(data, state); row && rateOf(*row, basis)) {
        choice.lbPerMWh = *rateOf(*row, basis);
        choice.description = withEdition(row->region + kind, *row);
        return choice;
    }
    choice.unitedStatesRate = true;
    choice.lbPerMWh = rateOf(data.unitedStates, basis).value_or(0.0);
    choice.description = withEdition(std::string(kUnitedStatesRow) + kind, data.unitedStates);
    return choice;
}

CO2Rates co2Rates(const EmissionData& data, const GridRateChoice& grid, double gridLossFraction,
                  std::string_view fuel1Type, std::string_view fuel2Type) {
    CO2Rates rates;
    // The power a meter registers is what the plants generated less the grid's losses.
    const double delivered = 1.0 - gridLossFraction;
    rates.gridTonnesPerKWh =
        delivered > 0.0 ? grid.lbPerMWh / kKWhPerMWh * kKgPerPound / kKgPerTonne / delivered : 0.0;
    const double gridTonnesPerMMBtu = rates.gridTonnesPerKWh * kBtuPerMMBtu / kBtuPerKWh;
    const auto perMMBtu = [&](std::string_view fuel, bool& atGridRate) {
        if (const FuelCO2Factor* factor = fuelFactorOf(data, fuel)) {
            atGridRate = false;
            return factor->kgPerMMBtu / kKgPerTonne;
        }
        atGridRate = true;
        return gridTonnesPerMMBtu;
    };
    bool gasAtGridRate = false;
    rates.gasTonnesPerMMBtu = perMMBtu("natural gas", gasAtGridRate);
    rates.genSetTonnesPerMMBtu = rates.gasTonnesPerMMBtu * kGasHigherPerLowerHeatingValue;
    rates.fuel1TonnesPerMMBtu = perMMBtu(fuel1Type, rates.fuel1AtGridRate);
    rates.fuel2TonnesPerMMBtu = perMMBtu(fuel2Type, rates.fuel2AtGridRate);
    return rates;
}

double co2Tonnes(const CaseFigures& f, const CO2Rates& rates) {
    return f.gridKWh * rates.gridTonnesPerKWh + f.gasMMBtu * rates.gasTonnesPerMMBtu +
           f.genSetMMBtu * rates.genSetTonnesPerMMBtu + f.fuel1MMBtu * rates.fuel1TonnesPerMMBtu +
           f.fuel2MMBtu * rates.fuel2TonnesPerMMBtu;
}

} // namespace plenara
