#pragma once

#include "engine/captiontext.h"
#include "engine/options.h"

#include <array>
#include <string>
#include <vector>

namespace plenara {

// What Method 1 reads, already converted from the input texts.
struct Method1Inputs {
    double energyRate = 0.0;                // $/kWh: energy charge + fuel adjustment charge
    double demandCharge = 0.0;              // $ per kW of monthly peak demand, per month
    double standbyCharge = 0.0;             // $ per kW of generator capacity, per month
    double gasPrice = 0.0;                  // $/MMBtu, converted from the typed price by its unit
    std::array<double, 12> fuel1Quantity{}; // monthly fuel 1 in its unit, January first
    std::array<double, 12> fuel2Quantity{}; // monthly fuel 2 in its unit
    double fuel1UnitFactor = 1.0;           // MMBtu per unit of fuel 1
    double fuel2UnitFactor = 1.0;           // MMBtu per unit of fuel 2
    std::array<double, 12> peakKW{};        // monthly peak demand, kW
    double annualPower = 0.0;               // kWh/yr, read back from the annual kWh caption
    double boilerEfficiency = 0.75;         // fraction; the water heater's efficiency
    OptionGroup<PrimeMover> primeMover;
    OptionGroup<InstallationDifficulty> installationDifficulty;
};

// Method 1: recovered heat to domestic hot water only. Every field is recomputed on each run.
struct Method1Results {
    double summerFuel1 = 0.0; // fuel units, May to September
    double summerFuel2 = 0.0; // fuel units, May to September
    double summerFuel1MMBtu = 0.0;
    double summerFuel2MMBtu = 0.0;
    double annualWaterHeaterFuel = 0.0; // MMBtu/yr
    double hotWaterLoad = 0.0;          // MMBtu/yr
    double genCapacity = 0.0;           // kW
    double onSiteGeneration = 0.0;      // kWh/yr
    double annualPower = 0.0;           // kWh/yr
    double heatRate = 0.0;              // Btu/kWh (LHV)
    double genEfficiency = 0.0;         // fraction (LHV)
    double heatRecoveryRate = 0.0;      // Btu/kWh
    double omRate = 0.0;                // $/kWh
    double omCost = 0.0;                // $/yr
    double genFuelMMBtu = 0.0;          // MMBtu/yr
    double genFuelCost = 0.0;           // $/yr
    double equipmentCost = 0.0;         // $
    double installationCost = 0.0;      // $
    double installedCost = 0.0;         // $
    double baselinePowerCost = 0.0;     // $/yr
    double chpPowerCost = 0.0;          // $/yr
    double standbyCharge = 0.0;         // $/kW-month
    double gasPrice = 0.0;              // $/MMBtu
    double energyRate = 0.0;            // $/kWh
    double boilerEfficiency = 0.0;      // fraction

    // Quantities of the display, derived from the above.
    double baselineDemandCost = 0.0;      // $/yr
    double chpDemandCost = 0.0;           // $/yr, standby included
    double recoveredHeat = 0.0;           // MMBtu/yr
    double baselineWaterHeaterFuel = 0.0; // MMBtu/yr
    double chpWaterHeaterFuel = 0.0;      // MMBtu/yr
    double chpTotalFuel = 0.0;            // MMBtu/yr
    double baselineGasCost = 0.0;         // $/yr
    double chpGasCost = 0.0;              // $/yr
    double baselineTotal = 0.0;           // $/yr
    double chpTotal = 0.0;                // $/yr
    double savings = 0.0;                 // $/yr, negative for a loss
    double payback = 0.0;                 // years; 0 when there is no saving
};

struct Method1Output {
    Method1Results results;
    std::array<Caption, 42> lblMethod1;         // the result panel, stored form
    std::array<std::string, 12> lblComparisons; // row labels and the Method 1 column
};

// The numbers of Method 1 alone.
Method1Results computeMethod1(const Method1Inputs& in);

// Computes Method 1 and writes its panel and its column of the comparison table.
Method1Output updateMethod1a(const Method1Inputs& in);

// One line of the derivation panel beside the Method 1 panel.
struct DerivationLine {
    std::string text; // stored form
    bool bold = false;
    bool red = false;

    friend bool operator==(const DerivationLine&, const DerivationLine&) = default;
};

// What hovering over a line of the Method 1 panel shows: the result lines marked in red, the
// lines of the derivation panel, and whether the panel is shown, hidden or left as it was.
struct DerivationPanel {
    enum class Visibility { Shown, Hidden, Unchanged };

    std::vector<int> markedLines;
    std::array<DerivationLine, 11> lines; // panel line 0 is bold
    Visibility visibility = Visibility::Hidden;
};

// The derivation panel for the mouse over result line `index` of the Method 1 panel.
DerivationPanel lblMethod1_MouseMove(int index, const Method1Results& results);

} // namespace plenara
