#include "sensitivity/uncertaininput.h"

namespace plenara {

const std::array<UncertainInput, kUncertainInputs>& uncertainInputs() {
    static const std::array<UncertainInput, kUncertainInputs> all = {
        UncertainInput::GasPrice,        UncertainInput::EnergyCharge,
        UncertainInput::DemandCharge,    UncertainInput::InstalledCost,
        UncertainInput::RunTimeFraction, UncertainInput::BoilerEfficiency,
        UncertainInput::Fuel1Cost,       UncertainInput::Fuel2Cost,
    };
    return all;
}

std::string_view uncertainInputName(UncertainInput input) {
    switch (input) {
    case UncertainInput::GasPrice:
        return "Gas price";
    case UncertainInput::EnergyCharge:
        return "Energy charge";
    case UncertainInput::DemandCharge:
        return "Demand charge";
    case UncertainInput::InstalledCost:
        return "Installed cost";
    case UncertainInput::RunTimeFraction:
        return "Run-time fraction";
    case UncertainInput::BoilerEfficiency:
        return "Boiler efficiency";
    case UncertainInput::Fuel1Cost:
        return "Fuel 1 cost";
    case UncertainInput::Fuel2Cost:
        return "Fuel 2 cost";
    }
    return {};
}

} // namespace plenara
