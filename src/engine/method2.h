#pragma once

#include "engine/captiontext.h"
#include "engine/monthlyloads.h"
#include "engine/options.h"

#include <array>
#include <string>

namespace plenara {

inline constexpr int kSweepSteps = 21; // 0 % to 100 % of the peak month in 5 % steps

// One step of the Method 2 sweep.
struct Method2Step {
    double CapacityKW = 0.0;
    double InstalledCost = 0.0;     // $
    double OMCostPerKWh = 0.0;      // $/kWh
    double Efficiency = 0.0;        // fraction
    double HeatRate = 0.0;          // Btu/kWh
    double RecoveredHeatRate = 0.0; // Btu/kWh
    double AbsorptionTons = 0.0;    // tons of absorption cooling the recovered heat can drive
    double AbsorptionCOP = 0.0;
    double AvoidedACKW = 0.0; // kW of electric air conditioning replaced
};

// One month of one step of the sweep; energy in MMBtu unless the name says kWh or kW.
struct Method2Month {
    double GenSetKW = 0.0;
    double GenSetKWh = 0.0;
    double CoolingLoadMMBtu = 0.0;
    double ThermalLoadMMBtu = 0.0;
    double ACKWh = 0.0;
    double BaseKWh = 0.0;
    double RecoveredHeatMMBtu = 0.0;
    double HeatToThermalMMBtu = 0.0;
    double HeatToChillerMMBtu = 0.0;
    double HeaterLoadMMBtu = 0.0;
    double AbsorptionCoolingMMBtu = 0.0;
    double ElectricCoolingMMBtu = 0.0;
    double MonthKWh = 0.0;
    double UtilityKWh = 0.0;
    double UtilityKW = 0.0;
    double AvoidedACKW = 0.0;
    double GenSetFuelMMBtu = 0.0;
    double HeaterFuelMMBtu = 0.0;
    double TotalFuelMMBtu = 0.0;
    double EnergyChargeCost = 0.0; // cooling-priority run only
    double DemandChargeCost = 0.0; // cooling-priority run only
    double ElectricCost = 0.0;
    double FuelCost = 0.0;
    double EnergyCost = 0.0;
    double OMCost = 0.0;
    double TotalCost = 0.0;
};

// The annual figures of one step.
struct Method2Annual {
    double CapacityKW = 0.0;
    double CapitalCost = 0.0;   // $
    double AnnualCost = 0.0;    // $/yr, sum of TotalCost over the twelve months
    double SimplePayback = 0.0; // years; 999 for a step that saves nothing
};

// What Method 2 reads, already converted from the input texts.
struct Method2Inputs {
    MonthlyBills bills;             // the twelve bill records, January first
    MonthTexts kWhTexts;            // the kWh boxes as shown, for the basis-of-results line
    double runTimeFraction = 0.75;  // fraction, above 0
    double boilerEfficiency = 0.75; // fraction
    double fuel1UnitFactor = 1.0;   // MMBtu per unit
    double fuel2UnitFactor = 1.0;   // MMBtu per unit
    double gasPrice = 0.0;          // $/MMBtu
    double fuel1AverageCost = 0.0;  // $/unit, read back from the shown average cost of fuel 1
    double energyCharge = 0.0;      // $/kWh: energy charge + fuel adjustment charge
    double demandCharge = 0.0;      // $/kW-month
    double standbyCharge = 0.0;     // $/kW of generator per month
    OptionGroup<PrimeMover> primeMover;
    OptionGroup<InstallationDifficulty> installationDifficulty;
    OptionGroup<HeatAllocation> heatAllocation;
    OptionGroup<WaterHeaterFuel> waterHeaterFuel;
    int scrlMonths = 7;     // month of the basis line and the detail table, 0 = January
    int scrlGeneration = 0; // first step of the tables, 0..11
};

// Method 2: the generation sweep, the chosen step and its economics.
struct Method2Results {
    double peakMonthKWh = 0.0;
    double baselineKWh = 0.0;
    std::array<Method2Step, kSweepSteps> stepResults{};
    // The month records of the run made, [step][month 0 = January].
    std::array<std::array<Method2Month, 12>, kSweepSteps> months{};
    bool coolingPriorityRun = false; // which run filled `months`
    // Whether the run priced the boiler's fuel as natural gas; otherwise as fuel 1.
    bool boilerBurnsGas = true;
    std::array<Method2Annual, kSweepSteps> annualResults{};
    int selectedStep = 0;
    double energyCharge = 0.0;
    double demandCharge = 0.0;
    double standbyCharge = 0.0;

    double capacityKW = 0.0;            // the chosen capacity rounded to 5 kW, at least 1
    double equipmentCost = 0.0;         // $ at capacityKW
    double installationCost = 0.0;      // $ at capacityKW
    double baselineOperatingCost = 0.0; // $/yr, step 0
    double chpOperatingCost = 0.0;      // $/yr, selected step
    double savings = 0.0;               // $/yr
    double payback = 0.0;               // years; 0 when nothing is saved
};

// The captions of Method 2.
struct Method2Captions {
    std::array<Caption, 12> lblAnnualResults;
    std::string lblBasisOfResults;
    std::array<Caption, 14> lblMonthlyData;
    std::array<std::string, 5> lblGenSetParameters;
    std::array<std::string, 6> lblSimplePayback;
    std::string capacityText; // the rounded capacity, for the capacity boxes
    // Line 9 of the assumptions text `Text1`: the boiler efficiency that the run used.
    std::string Text1EfficiencyLine;
    // Whether the options optRecip, optGasTurbine, optMicroturbine, optFuelCell are enabled.
    std::array<bool, 4> primeMoverEnabled{};
};

struct Method2Output : Method2Captions {
    Method2Results results;
};

// Whether the heating-priority run serves the allocation (heating priority or heating only);
// otherwise the cooling-priority run does.
bool usesHeatingPriorityRun(OptionGroup<HeatAllocation> allocation);

// The step with the shortest simple payback; of equal ones the lower step. Step 0, whose
// payback is always 999, is chosen when no step saves money.
int chooseMethod2Step(const std::array<Method2Annual, kSweepSteps>& annualResults);

// The numbers of Method 2 alone: the sweep, the chosen step and its economics. The second
// form fills a record in place; every field is written.
Method2Results computeMethod2(const Method2Inputs& in);
void computeMethod2(const Method2Inputs& in, Method2Results& results);

// The captions of a Method 2 run, and its column appended to the comparison table, whose row 1
// it reads from the 40th character on (the Method 1 hot-water load as shown).
Method2Captions method2Captions(const Method2Inputs& in, const Method2Results& results,
                                std::array<std::string, 12>& lblComparisons);

// Line 9 of the Method 2 assumptions text: "      efficiency of 80%", the boiler efficiency
// as a whole percent, halves to the even number like the other whole-number roundings.
std::string method2EfficiencyLine(double boilerEfficiency);

// Computes Method 2 and appends its column to the comparison table, whose row 1 it reads
// from the 40th character on (the Method 1 hot-water load as shown).
Method2Output updateMethod2a(const Method2Inputs& in, std::array<std::string, 12>& lblComparisons);

} // namespace plenara
