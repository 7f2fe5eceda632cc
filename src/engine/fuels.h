#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace plenara {

// The heating fuels offered in the two fuel boxes, in list order.
const std::array<std::string_view, 5>& fuelNames();

// The units offered for natural gas, in list order; also the list of both unit boxes when
// the window opens.
const std::array<std::string_view, 5>& naturalGasUnits();

// The units offered for a fuel, in list order: the five gas units, "thousand pounds" for
// steam, "gallons" for the oils, none for any other text. The fuel is compared ignoring case.
std::vector<std::string> fuelUnitList(std::string_view fuel);

// MMBtu per unit of a fuel measured in a unit, both compared ignoring case but without
// trimming. A fuel, or a gas unit, that matches nothing counts as 1 MMBtu per unit; for
// the oils and steam the unit plays no part.
double FuelUnitFactor(std::string_view fuel, std::string_view unit);

} // namespace plenara
