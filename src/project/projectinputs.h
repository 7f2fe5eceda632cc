#pragma once

#include "engine/monthlyloads.h"
#include "engine/options.h"
#include "lifecycle/lifecycleparameters.h"
#include "project/sensitivityinputs.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plenara {

// Everything the user enters for a project, one field per input control of the main window.
// Text fields keep the text as typed (every recalculation rewrites the numeric ones in their
// display patterns); drop-down boxes keep the shown text and their current list; option
// groups keep the set option. The default values are those of a freshly opened window.
struct ProjectInputs {
    // Monthly utility data, January (0) to December (11).
    MonthTexts MonthlyKWh;       // kWh used
    MonthTexts MonthlyKW;        // peak demand, kW
    MonthTexts MonthlyPowerBill; // dollars
    std::string Fuel1Type = "Fuel #1";
    std::string Fuel1Units = "therms";
    std::vector<std::string> Fuel1UnitList = naturalGasUnitList();
    MonthTexts MonthlyFuel1;     // in Fuel1Units
    MonthTexts MonthlyFuel1Cost; // dollars
    std::string Fuel2Type = "Fuel #2";
    std::string Fuel2Units = "therms";
    std::vector<std::string> Fuel2UnitList = naturalGasUnitList();
    MonthTexts MonthlyFuel2;     // in Fuel2Units
    MonthTexts MonthlyFuel2Cost; // dollars

    // Utility rate data.
    std::string EnergyCharge = "0";  // dollars per kWh
    std::string FuelAdjCharge = "0"; // dollars per kWh
    std::string DemandCharge = "0";  // dollars per kW per month
    std::string StandbyCharge = "0"; // dollars per kW of generator per month
    std::string GasCost = "0";       // dollars per GasCostUnit
    OptionGroup<plenara::GasCostUnit> GasCostUnit = plenara::GasCostUnit::Therms;

    // Site and equipment data.
    std::string State; // empty until a state is chosen
    std::string City;
    std::vector<std::string> CityList;
    std::string HeatedFloorSpace; // sq ft
    std::string CooledFloorSpace; // sq ft
    std::string Occupants;        // persons
    OptionGroup<plenara::HotWaterUsage> HotWaterUsage = plenara::HotWaterUsage::Medium;
    OptionGroup<plenara::PrimeMover> PrimeMover = plenara::PrimeMover::RecipEngine;
    OptionGroup<plenara::InstallationDifficulty> InstallationDifficulty =
        plenara::InstallationDifficulty::Typical;
    std::string RunTimeFractionText = "75%";
    std::string BoilerEfficiencyText = "75%";
    std::string ACCriteria = "Central AC";

    // Method 2 settings.
    OptionGroup<plenara::HeatAllocation> HeatAllocation = plenara::HeatAllocation::HeatingOnly;
    OptionGroup<plenara::WaterHeaterFuel> WaterHeaterFuel = plenara::WaterHeaterFuel::NaturalGas;
    std::string CapacityIteration = "125"; // kW; every recalculation writes Method 2's capacity

    // Life-cycle economics and emissions. The texts start as the display patterns write
    // their defaults, so that a project that keeps them writes no setting of them.
    std::string AnalysisYears = "20";       // years, 1 to 40
    std::string DiscountRate = "6.0";       // % per year
    std::string ElectricEscalation = "2.0"; // % per year, may be negative
    std::string FuelEscalation = "2.0";     // % per year, may be negative
    std::string OMEscalation = "2.0";       // % per year, may be negative
    std::string CostAdjustment = "0.0";     // % of each method's installed cost, may be negative
    std::string TaxCredit = "0.0";          // % of the adjusted installed cost
    std::string RebatePerKW = "$0";         // dollars per kW of capacity
    std::string Grant = "$0";               // dollars
    GridCO2Basis GridCO2 = GridCO2Basis::StateNonBaseload;
    std::string GridCO2Custom = "0.0"; // lb/MWh, used with GridCO2Basis::Custom
    std::string GridLoss = "4.2";      // %, the U.S. grid gross loss of eGRID2023
    // The inputs of the "Sensitivity" tab.
    SensitivityInputs Sensitivity;

    // Settings of line 22 of a project file whose keys a later version of the program wrote:
    // kept as read, key and value, and written back unchanged; New and Clear Form drop them.
    std::vector<std::pair<std::string, std::string>> LaterSettings;

    static std::vector<std::string> naturalGasUnitList();

    friend bool operator==(const ProjectInputs&, const ProjectInputs&) = default;
};

// The month labels of the monthly grid, which also label the months of every chart.
const std::array<std::string, 12>& monthLabels();

// The 20 items of the run-time fraction box, "100%" down to "  5%" in steps of 5.
const std::vector<std::string>& runTimeFractionItems();

// The 31 items of the boiler efficiency box, "80%" down to "50%".
const std::vector<std::string>& boilerEfficiencyItems();

// The items of the air-conditioning criteria box.
const std::vector<std::string>& acCriteriaItems();

} // namespace plenara
