#pragma once

#include "climate/climatedata.h"
#include "project/projectinputs.h"

#include <string>

namespace plenara {

// Choosing a fuel from the list of fuel box 1: its unit list is refilled with the units of
// the fuel and shows the first one (nothing when the fuel has no units).
void chooseFuel1(ProjectInputs& inputs, const std::string& fuel);
void chooseFuel2(ProjectInputs& inputs, const std::string& fuel);

// Choosing a state: the city list is refilled with the cities that the climate data list
// for it, in file order, and shows the first one (nothing when there is none).
void chooseState(ProjectInputs& inputs, const ClimateTable& climate, const std::string& state);

} // namespace plenara
