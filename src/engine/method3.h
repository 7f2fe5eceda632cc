#pragma once

#include "engine/options.h"

#include <array>
#include <string>

namespace plenara {

// What Method 3 reads, already converted. The climate lookup is done by the caller.
struct Method3Inputs {
    std::string stateName;         // text of the state box
    std::string cityName;          // text of the city box
    double HDD = 0.0;              // heating degree days of the city, 0 when not found
    double CDD = 0.0;              // cooling degree days, 0 when not found
    double avgTemperature = 0.0;   // degrees F; the previous value when the city is not found
    double coolingIntensity = 0.0; // kWh per sq ft per 1,000 CDD
    double heatingIntensity = 0.0; // Btu per sq ft per 1,000 HDD
    double heatedFloorSpace = 0.0; // sq ft
    double cooledFloorSpace = 0.0; // sq ft
    double occupants = 0.0;        // persons, a whole number
    OptionGroup<HotWaterUsage> hotWaterUsage;
    double energyRate = 0.0;    // $/kWh: energy charge + fuel adjustment charge
    double demandCharge = 0.0;  // $/kW-month
    double standbyCharge = 0.0; // $/kW-month
    std::array<double, 12> peakKW{};
    double gasPrice = 0.0; // $/MMBtu
    double boilerEfficiency = 0.75;
    double runTimeFraction = 0.75;
    OptionGroup<PrimeMover> primeMover;
    OptionGroup<InstallationDifficulty> installationDifficulty;
};

// Method 3: loads from degree days and hot-water use.
struct Method3Results {
    std::string stateName;
    std::string cityName;
    double avgTemperature = 0.0;      // degrees F, also the ground-water temperature
    double heatedFloorSpace = 0.0;    // sq ft
    double cooledFloorSpace = 0.0;    // sq ft
    double spaceHeatingLoad = 0.0;    // MMBtu/yr delivered to the space
    double acPower = 0.0;             // kWh/yr of electric air conditioning
    double coolingThermalInput = 0.0; // MMBtu/yr an absorption chiller would need
    double potableHotWaterLoad = 0.0; // MMBtu/yr
    double totalThermalLoad = 0.0;    // MMBtu/yr

    // Working values of the run, kept for the reports and the command-line tool.
    double HDD = 0.0;
    double CDD = 0.0;
    double nonCoolingPower = 0.0; // kWh/yr, whole
    double coolingPower = 0.0;    // kWh/yr, whole
    double capacityKW = 0.0;
    double heatRate = 0.0;          // Btu/kWh
    double recoveredHeatRate = 0.0; // Btu/kWh
    double omRate = 0.0;            // $/kWh
    double absorptionCOP = 0.0;
    double equipmentCost = 0.0;        // $
    double installationCost = 0.0;     // $
    double generation = 0.0;           // kWh/yr, whole
    double recoveredHeat = 0.0;        // MMBtu/yr
    double heatToHotWater = 0.0;       // MMBtu/yr
    double heatToSpaceHeating = 0.0;   // MMBtu/yr
    double heatToCooling = 0.0;        // MMBtu/yr
    double baselineElectricCost = 0.0; // $/yr
    double chpElectricCost = 0.0;      // $/yr
    double baselineFuel = 0.0;         // MMBtu/yr
    double chpFuel = 0.0;              // MMBtu/yr
    double genSetFuel = 0.0;           // MMBtu/yr of chpFuel burnt by the gen-set
    double baselineGasCost = 0.0;      // $/yr
    double chpGasCost = 0.0;           // $/yr
    double omCost = 0.0;               // $/yr
    double baselineTotal = 0.0;        // $/yr
    double chpTotal = 0.0;             // $/yr
    double savings = 0.0;              // $/yr
    double payback = 0.0;              // years; negative for a loss, 0 when equal
};

struct Method3Output {
    Method3Results results;
    std::array<std::string, 39> lblClimateData;
    std::array<std::string, 17> RecoveredHeatSummary;
};

// The numbers of Method 3 alone.
Method3Results computeMethod3(const Method3Inputs& in);

// Computes Method 3 and appends its column to the comparison table.
Method3Output updateMethod3a(const Method3Inputs& in, std::array<std::string, 12>& lblComparisons);

} // namespace plenara
