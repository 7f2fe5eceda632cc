#include "project/newclearsample.h"

#include "engine/fuels.h"
#include "project/inputactions.h"

#include <array>

namespace plenara {

namespace {

// The sample building's bills, January to December: kWh, kW, electric bill in dollars,
// gallons of #2 fuel oil and the fuel bill in dollars.
struct SampleMonth {
    const char* kWh;
    const char* kW;
    const char* powerBill;
    const char* fuel1;
    const char* fuel1Cost;
};

constexpr std::array<SampleMonth, 12> kSampleMonths = {{
    {"68400", "138", "8058", "27979", "68548"},
    {"67800", "132", "7980", "25328", "62053"},
    {"57000", "132", "6709", "29645", "72630"},
    {"56400", "126", "6638", "16939", "41500"},
    {"57600", "150", "6674", "7390", "18105"},
    {"117600", "400", "13842", "6797", "16992"},
    {"138000", "432", "16242", "5532", "13553"},
    {"136800", "402", "16101", "4722", "11569"},
    {"90600", "276", "10663", "6405", "15692"},
    {"61200", "174", "7203", "12761", "31264"},
    {"63600", "138", "7486", "15407", "37747"},
    {"69000", "138", "8121", "24922", "61059"},
}};

// Positions in the state and fuel lists of the sample's state (Pennsylvania) and fuel
// (#2 fuel oil), and of its city in the state's city list.
constexpr std::size_t kSampleStateIndex = 37;
constexpr std::size_t kSampleCityIndex = 4;
constexpr std::size_t kSampleFuelIndex = 1;

} // namespace

void ResetInputs(ProjectInputs& inputs, const ClimateTable& climate,
                 std::string& currentProjectFile) {
    currentProjectFile.clear();
    // The settings of a later version belong to the file that was open, not to a new project.
    inputs.LaterSettings.clear();
    inputs.Sensitivity = SensitivityInputs{};

    for (std::size_t m = 0; m < 12; ++m) {
        inputs.MonthlyKWh[m] = "0";
        inputs.MonthlyKW[m] = "0";
        inputs.MonthlyFuel1[m] = "0";
        inputs.MonthlyFuel1Cost[m] = "0";
        inputs.MonthlyFuel2[m] = "";
        inputs.MonthlyFuel2Cost[m] = "";
        inputs.MonthlyPowerBill[m] = "0";
    }

    inputs.EnergyCharge = "0";
    inputs.FuelAdjCharge = "0";
    inputs.DemandCharge = "0";
    inputs.StandbyCharge = "0";
    inputs.GasCost = "0";
    inputs.GasCostUnit = GasCostUnit::Therms;

    chooseState(inputs, climate, "New York");

    inputs.HeatedFloorSpace = "0";
    inputs.CooledFloorSpace = "0";
    inputs.Occupants = "0";
    inputs.InstallationDifficulty = InstallationDifficulty::Typical;
    inputs.PrimeMover = PrimeMover::RecipEngine;

    // Only the texts: the unit lists keep whatever the last fuel choice put in them, so the
    // fuel 2 box can show "gallons" over a list of gas units.
    inputs.Fuel1Type = "Fuel #1";
    inputs.Fuel1Units = "therms";
    inputs.Fuel2Type = "Fuel #2";
    inputs.Fuel2Units = "gallons";
    // The economics of a new project start from the defaults, not from the last project's.
    const ProjectInputs defaults;
    inputs.AnalysisYears = defaults.AnalysisYears;
    inputs.DiscountRate = defaults.DiscountRate;
    inputs.ElectricEscalation = defaults.ElectricEscalation;
    inputs.FuelEscalation = defaults.FuelEscalation;
    inputs.OMEscalation = defaults.OMEscalation;
    inputs.CostAdjustment = defaults.CostAdjustment;
    inputs.TaxCredit = defaults.TaxCredit;
    inputs.RebatePerKW = defaults.RebatePerKW;
    inputs.Grant = defaults.Grant;
    inputs.GridCO2 = defaults.GridCO2;
    inputs.GridCO2Custom = defaults.GridCO2Custom;
    inputs.GridLoss = defaults.GridLoss;
}

void mnuFSampleData_Click(ProjectInputs& inputs, const ClimateTable& climate,
                          std::string& currentProjectFile) {
    // The sample is a new, untitled project: a plain Save must not write it over the file
    // that was open before, nor carry the settings that a later version wrote into that file.
    currentProjectFile.clear();
    inputs.LaterSettings.clear();

    for (std::size_t m = 0; m < 12; ++m) {
        const SampleMonth& month = kSampleMonths[m];
        inputs.MonthlyKWh[m] = month.kWh;
        inputs.MonthlyKW[m] = month.kW;
        inputs.MonthlyPowerBill[m] = month.powerBill;
        inputs.MonthlyFuel1[m] = month.fuel1;
        inputs.MonthlyFuel1Cost[m] = month.fuel1Cost;
        inputs.MonthlyFuel2[m] = "";
        inputs.MonthlyFuel2Cost[m] = "";
    }

    inputs.EnergyCharge = "0.0444";
    inputs.FuelAdjCharge = "0.0733";
    inputs.DemandCharge = "0";
    inputs.StandbyCharge = "0";
    inputs.GasCost = "1.3119";
    inputs.GasCostUnit = GasCostUnit::CCF;

    chooseState(inputs, climate, std::string(stateNames()[kSampleStateIndex]));
    // The city is taken by position, so which one it is depends on the climate data; a file
    // that lists fewer cities for the state gives its last one.
    const std::vector<std::string>& cities = inputs.CityList;
    if (cities.size() > kSampleCityIndex) {
        inputs.City = cities[kSampleCityIndex];
    } else if (!cities.empty()) {
        inputs.City = cities.back();
    }

    inputs.HeatedFloorSpace = "98000";
    inputs.CooledFloorSpace = "98000";
    inputs.Occupants = "200";
    inputs.InstallationDifficulty = InstallationDifficulty::Typical;
    inputs.PrimeMover = PrimeMover::RecipEngine;
    inputs.HotWaterUsage = HotWaterUsage::Low;

    inputs.Fuel1Type = std::string(fuelNames()[kSampleFuelIndex]);
    inputs.Fuel1UnitList = {"gallons"};
    inputs.Fuel1Units = "gallons";
}

} // namespace plenara
