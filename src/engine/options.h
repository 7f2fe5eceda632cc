#pragma once

#include <optional>

namespace plenara {

// The option groups of a project. Within a group at most one option is set; a project
// file can turn every option of a group off, so a group's state is an optional value.
template <typename E>
using OptionGroup = std::optional<E>;

// Unit of the natural-gas price.
enum class GasCostUnit { Therms, Decatherms, MMBtu, CCF, MCF };

// Daily hot-water use per occupant.
enum class HotWaterUsage { Low, Medium, High };

// The generator type of the CHP system.
enum class PrimeMover { RecipEngine, GasTurbine, Microturbine, FuelCell };

// How hard the installation is; it scales the installation cost.
enum class InstallationDifficulty { Low, Typical, High, Retrofit };

// Where Method 2 sends the recovered heat first.
enum class HeatAllocation { HeatingOnly, HeatingPriority, CoolingPriority };

// The fuel burnt by the boiler and water heater in Method 2.
enum class WaterHeaterFuel { NaturalGas, Fuel1 };

} // namespace plenara
