#include "project/inputactions.h"

#include "engine/fuels.h"

namespace plenara {

namespace {

void refillUnits(std::string& fuelText, std::string& unitText, std::vector<std::string>& unitList,
                 const std::string& fuel) {
    fuelText = fuel;
    unitList = fuelUnitList(fuel);
    unitText = unitList.empty() ? std::string() : unitList.front();
}

} // namespace

void chooseFuel1(ProjectInputs& inputs, const std::string& fuel) {
    refillUnits(inputs.Fuel1Type, inputs.Fuel1Units, inputs.Fuel1UnitList, fuel);
}

void chooseFuel2(ProjectInputs& inputs, const std::string& fuel) {
    refillUnits(inputs.Fuel2Type, inputs.Fuel2Units, inputs.Fuel2UnitList, fuel);
}

void chooseState(ProjectInputs& inputs, const ClimateTable& climate, const std::string& state) {
    inputs.State = state;
    inputs.CityList = citiesOfState(climate, state);
    inputs.City = inputs.CityList.empty() ? std::string() : inputs.CityList.front();
}

} // namespace plenara
