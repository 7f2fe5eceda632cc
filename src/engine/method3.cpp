#include "engine/method3.h"

#include "engine/captiontext.h"
#include "engine/formatpattern.h"
#include "engine/gensetmodel.h"
#include "engine/number.h"

#include <cmath>
#include <string_view>

namespace plenara {

namespace {

constexpr double kBtuPerMMBtu = 1'000'000.0;
constexpr double kHoursPerYear = 8'760.0;
constexpr double kDaysPerYear = 365.0;
constexpr double kPoundsPerGallon = 8.3;
// The hot-water tank is held at 140 F; the city's average temperature stands in for the
// temperature of the incoming ground water.
constexpr double kTankTemperatureF = 140.0;
// Electricity for everything but air conditioning, per square foot of heated floor space
// and year.
constexpr double kNonCoolingKWhPerSqFt = 3.54;
// The gen-set is sized to produce three quarters of the estimated annual power; the utility
// supplies the rest.
constexpr double kOnSiteShare = 0.75;
// Electric air conditioning delivers 12 Btu of cooling per watt-hour.
constexpr double kCoolingBtuPerWh = 12.0;

// Daily hot-water use per occupant of a multifamily building, in gallons. With no option set
// the medium use applies.
double gallonsPerPersonPerDay(OptionGroup<HotWaterUsage> usage) {
    if (!usage) {
        return 44.0;
    }
    switch (*usage) {
    case HotWaterUsage::High:
        return 54.0;
    case HotWaterUsage::Medium:
        return 44.0;
    case HotWaterUsage::Low:
        return 27.0;
    }
    return 44.0;
}

// Int of the loads and costs: the figures are whole kWh, MMBtu and dollars from the point
// where they are rounded, and later steps use the rounded figures.
double Int(double x) {
    return std::floor(x);
}

} // namespace

Method3Results computeMethod3(const Method3Inputs& in) {
    Method3Results r;
    r.stateName = in.stateName;
    r.cityName = in.cityName;
    r.avgTemperature = in.avgTemperature;
    r.HDD = in.HDD;
    r.CDD = in.CDD;
    r.heatedFloorSpace = in.heatedFloorSpace;
    r.cooledFloorSpace = in.cooledFloorSpace;

    const double boilerEfficiency = in.boilerEfficiency;
    r.spaceHeatingLoad = in.heatingIntensity * boilerEfficiency * in.HDD *
                         (r.heatedFloorSpace / 1000.0) / kBtuPerMMBtu;
    r.acPower = in.coolingIntensity * in.CDD / 1000.0 * r.cooledFloorSpace;
    r.potableHotWaterLoad = gallonsPerPersonPerDay(in.hotWaterUsage) * kPoundsPerGallon *
                            (kTankTemperatureF - r.avgTemperature) / kBtuPerMMBtu * kDaysPerYear *
                            in.occupants;

    r.nonCoolingPower = Int(r.heatedFloorSpace * kNonCoolingKWhPerSqFt);
    r.coolingPower = Int(r.acPower);
    const double operatingHours = in.runTimeFraction * kHoursPerYear;
    r.capacityKW = (r.coolingPower + r.nonCoolingPower) * kOnSiteShare / operatingHours;

    const GenSetPerformanceResult performance = GenSetPerformance(r.capacityKW, in.primeMover);
    r.heatRate = performance.heatRate;
    r.recoveredHeatRate = performance.recoveredHeatRate;
    r.omRate = performance.omCostPerKWh;
    // The chiller of the sized gen-set: the capacity does not depend on the cooling input, so
    // the input can wait until the gen-set is known.
    r.absorptionCOP = performance.absorptionCOP;
    const GenSetCostResult cost =
        GenSetCost(r.capacityKW, in.primeMover, in.installationDifficulty);
    r.equipmentCost = cost.equipmentCost;
    r.installationCost = cost.installationCost;

    r.coolingThermalInput = r.acPower * 1000.0 * kCoolingBtuPerWh / r.absorptionCOP / kBtuPerMMBtu;
    r.totalThermalLoad = r.spaceHeatingLoad + r.coolingThermalInput + r.potableHotWaterLoad;

    r.generation = Int(r.capacityKW * in.runTimeFraction * kHoursPerYear);
    r.recoveredHeat = r.generation * r.recoveredHeatRate / kBtuPerMMBtu;

    // Hot water takes the recovered heat first because it is needed all year; what is left
    // heats the space and only then drives the chiller.
    r.heatToHotWater = Min(r.recoveredHeat, r.potableHotWaterLoad);
    r.heatToSpaceHeating = Min(r.recoveredHeat - r.heatToHotWater, r.spaceHeatingLoad);
    r.heatToCooling =
        Min(r.recoveredHeat - r.heatToHotWater - r.heatToSpaceHeating, r.coolingThermalInput);

    double baselineDemand = 0.0;
    double chpDemand = 0.0;
    for (const double kW : in.peakKW) {
        baselineDemand += kW * in.demandCharge;
        chpDemand += Max(kW - r.capacityKW, 0.0) * in.demandCharge;
    }
    r.baselineElectricCost = Int(in.energyRate * (r.nonCoolingPower + r.acPower) + baselineDemand);
    // The CHP case still buys the full cooling power: the capacity is not iterated, so the
    // absorption chiller's share is not taken off here (the cooling box shows it instead).
    r.chpElectricCost = Int(in.energyRate * (r.coolingPower + r.nonCoolingPower - r.generation) +
                            chpDemand + in.standbyCharge * 12.0 * r.capacityKW);

    r.baselineFuel =
        Int(r.potableHotWaterLoad / boilerEfficiency) + Int(r.spaceHeatingLoad / boilerEfficiency);
    r.baselineGasCost = Int(in.gasPrice * r.baselineFuel);
    r.genSetFuel = Int(r.heatRate * r.generation / kBtuPerMMBtu);
    r.chpFuel = Int((r.spaceHeatingLoad - r.heatToSpaceHeating) / boilerEfficiency) + r.genSetFuel +
                Int((r.potableHotWaterLoad - r.heatToHotWater) / boilerEfficiency);
    r.chpGasCost = Int(in.gasPrice * r.chpFuel);
    r.omCost = Int(r.omRate * r.generation);

    r.baselineTotal = r.baselineGasCost + r.baselineElectricCost;
    r.chpTotal = r.chpElectricCost + r.chpGasCost + r.omCost;
    r.savings = r.baselineTotal - r.chpTotal;
    r.payback =
        r.baselineTotal != r.chpTotal ? (r.equipmentCost + r.installationCost) / r.savings : 0.0;
    return r;
}

// A two-column line of the economics: the baseline value ends at character 41, the CHP value
// at character 54, the unit follows.
namespace {

std::string economicsLine(std::string_view label, double baseline, double chp,
                          std::string_view pattern, std::string_view unit) {
    std::string line(label);
    line += R(11, baseline, pattern);
    line += "  ";
    line += R(11, chp, pattern);
    line += unit;
    return line;
}

// The air-conditioning line carries its kWh inside the label; the label is padded with
// blanks to 48 characters so that the MMBtu figure lines up with the other loads.
std::string airConditioningLine(const Method3Results& r) {
    constexpr std::size_t kLabelWidth = 48;
    std::string label =
        "   b. air conditioning (" + FormatPattern(r.acPower, "##,###,###0") + " kWh) ";
    if (label.size() < kLabelWidth) {
        label += Blanks(static_cast<long long>(kLabelWidth - label.size()));
    }
    return label + R(6, r.coolingThermalInput, "###,##0") + " MMBtu";
}

std::array<std::string, 39> climateDataLines(const Method3Inputs& in, const Method3Results& r) {
    const double installedCost = r.equipmentCost + r.installationCost;
    // A gen-set of no size has no cost per kW; show $0 rather than divide by zero.
    const double costPerKW = r.capacityKW > 0.0 ? installedCost / r.capacityKW : 0.0;
    const double fuelBaselineHeating = Int(r.spaceHeatingLoad / in.boilerEfficiency);
    const double fuelChpHeating =
        Int((r.spaceHeatingLoad - r.heatToSpaceHeating) / in.boilerEfficiency);
    const double fuelBaselineHotWater = Int(r.potableHotWaterLoad / in.boilerEfficiency);
    const double fuelChpHotWater =
        Int((r.potableHotWaterLoad - r.heatToHotWater) / in.boilerEfficiency);
    const double generatorFuel = Int(r.heatRate * r.generation / kBtuPerMMBtu);
    const double baselinePower = r.nonCoolingPower + r.acPower;

    std::array<std::string, 39> l;
    l[0] = "For " + r.cityName + ", " + r.stateName + " there are:";
    l[1] = "   " + R(6, r.HDD, "##,##0") + " heating degree days";
    l[2] = "   " + R(6, r.CDD, "##,##0") + " cooling degree days";
    l[3] = "and the average temperature is " + FormatPattern(r.avgTemperature, "##0.0") + " F.";
    l[5] = "Air conditioning consumes " +
           FormatPattern(in.coolingIntensity * r.CDD / 1000.0, "###0.000") + " kWh/sq ft per year";
    l[6] = "and space heating consumes " +
           FormatPattern(in.heatingIntensity * r.HDD / 1000.0, "###,###0") + " Btu/sq ft per year";
    l[8] = "Estimated annual thermal loads:";
    l[9] = "   a. space heating                             " +
           R(6, r.spaceHeatingLoad, "###,##0") + " MMBtu";
    l[10] = airConditioningLine(r);
    l[11] = "   c. potable hot water                         " +
            R(6, r.potableHotWaterLoad, "###,##0") + " MMBtu";
    l[12] = "   d. total thermal load                        " +
            R(6, r.totalThermalLoad, "###,##0") + " MMBtu";
    l[14] = "CHP System";
    l[15] =
        "   a. generator capacity                       " + R(7, r.capacityKW, "##,##0") + " kW";
    l[16] =
        "   b. heat rate                                " + R(7, r.heatRate, "##,##0") + " Btu/kWh";
    l[17] = "   c. heat recovery rate                       " +
            R(7, r.recoveredHeatRate, "##,##0") + " Btu/kWh";
    l[18] = "   d. CHP system installed cost                " + R(7, costPerKW, "$##,##0") + "/kW";
    l[19] = "   e. generator O&&M cost                       " + R(7, r.omRate, "$#0.000") + "/kWh";
    l[21] = "CHP System Economics";
    l[22] = "   a. electricity                Baseline        CHP";
    l[23] = economicsLine("      1. non-cooling power    ", r.nonCoolingPower, r.nonCoolingPower,
                          "###,###,##0", " kWh");
    l[24] = economicsLine("      2. cooling power        ", r.acPower, r.coolingPower,
                          "###,###,##0", " kWh");
    l[25] = economicsLine("      3. total power consumed ", baselinePower,
                          r.coolingPower + r.nonCoolingPower, "###,###,##0", " kWh");
    l[26] =
        economicsLine("      4. on site generation   ", 0.0, r.generation, "###,###,##0", " kWh");
    l[27] = economicsLine("      5. utility power        ", baselinePower,
                          r.coolingPower + r.nonCoolingPower - r.generation, "###,###,##0", " kWh");
    l[28] = "   b. natural gas";
    l[29] = economicsLine("      1. space heating        ", fuelBaselineHeating, fuelChpHeating,
                          "###,###,##0", " MMBtu");
    l[30] = economicsLine("      2. potable hot water    ", fuelBaselineHotWater, fuelChpHotWater,
                          "###,###,##0", " MMBtu");
    l[31] = economicsLine("      3. generator fuel       ", 0.0, generatorFuel, "###,###,##0",
                          " MMBtu");
    l[32] = economicsLine("      4. total fuel consumed  ", r.baselineFuel, r.chpFuel,
                          "###,###,##0", " MMBtu");
    l[33] = "   c. operating costs         ";
    l[34] = economicsLine("      1. utility power        ", r.baselineElectricCost,
                          r.chpElectricCost, "$###,###,##0", "");
    l[35] = economicsLine("      2. natural gas          ", r.baselineGasCost, r.chpGasCost,
                          "$###,###,##0", "");
    l[36] = economicsLine("      3. generator O&&M        ", 0.0, r.omCost, "$###,###,##0", "");
    l[37] = economicsLine("      4. total operating cost ", r.baselineTotal, r.chpTotal,
                          "$###,###,##0", "");
    l[38] = "   d. simple payback                     " + std::string("  ") +
            R(11, r.payback, "#,##0.00") + " years";
    return l;
}

std::string boxLine(std::string_view label, double value) {
    return std::string(label) + R(10, value, "###,##,##0") + " MMBtu";
}

std::string chillerLine(std::string_view label, double value, std::string_view unit) {
    return std::string(label) + R(6, value, "##,##0") + std::string(unit);
}

std::array<std::string, 17> recoveredHeatLines(const Method3Inputs& in, const Method3Results& r) {
    const double cop = r.absorptionCOP;
    const double chilledWaterLoad = cop * r.coolingThermalInput;
    const double chillerOutput = r.heatToCooling * cop;
    const double electricChillerLoad = cop * r.coolingThermalInput - r.heatToCooling * cop;
    const double waterHeaterLoad = r.potableHotWaterLoad - r.heatToHotWater;
    const double boilerLoad = r.spaceHeatingLoad - r.heatToSpaceHeating;

    std::array<std::string, 17> l;
    l[0] = "Hot Water Summary";
    l[1] = boxLine("a. load                    ", r.potableHotWaterLoad);
    l[2] = boxLine("b. recovered heat          ", r.heatToHotWater);
    l[3] = boxLine("c. water heater load       ", waterHeaterLoad);
    l[4] = boxLine("d. water heater fuel       ", waterHeaterLoad / in.boilerEfficiency);
    l[5] = "Space Heating Summary";
    l[6] = boxLine("a. load                    ", r.spaceHeatingLoad);
    l[7] = boxLine("b. recovered heat          ", r.heatToSpaceHeating);
    l[8] = boxLine("c. boiler load             ", boilerLoad);
    l[9] = boxLine("d. boiler fuel             ", boilerLoad / in.boilerEfficiency);
    l[10] = "Space Cooling Summary";
    l[11] = boxLine("a. chilled water load     ", chilledWaterLoad);
    l[12] = boxLine("b. thermal input          ", r.coolingThermalInput);
    l[13] = boxLine("c. recovered heat         ", r.heatToCooling);
    l[14] = chillerLine("d. absorption chiller output  ", chillerOutput, " MMBtu");
    l[15] = chillerLine("e. electric chiller load      ", electricChillerLoad, " MMBtu");
    // The chilled water the absorption chiller cannot make is made electrically at 12 Btu/Wh.
    l[16] = chillerLine("f. cooling power              ",
                        electricChillerLoad * kBtuPerMMBtu / kCoolingBtuPerWh / 1000.0, " kWh");
    return l;
}

void appendComparisonColumn(const Method3Inputs& in, const Method3Results& r,
                            std::array<std::string, 12>& lblComparisons) {
    struct Row {
        double value;
        std::string_view pattern;
        std::string_view unit;
    };
    const std::array<Row, 11> rows{{
        {r.potableHotWaterLoad, "###,###,##0", " MMBtu"},
        {r.spaceHeatingLoad, "###,###,##0", " MMBtu"},
        {r.coolingThermalInput, "###,###,##0", " MMBtu"},
        {r.spaceHeatingLoad + r.potableHotWaterLoad + r.coolingThermalInput, "###,###,##0",
         " MMBtu"},
        {r.capacityKW, "###,###,##0", " kW"},
        {in.runTimeFraction * kHoursPerYear, "###,###,##0", " hours"},
        {r.generation, "###,###,##0", " kWh"},
        {r.recoveredHeat, "###,###,##0", " MMBtu"},
        {r.equipmentCost + r.installationCost, "$###,###,##0", ""},
        {r.savings, "$###,###,##0", ""},
        {r.payback, "###,###,##0.0", " years"},
    }};
    lblComparisons[0] += "   Method 3";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        lblComparisons[i + 1] += R(11, rows[i].value, rows[i].pattern);
        lblComparisons[i + 1] += rows[i].unit;
    }
}

} // namespace

Method3Output updateMethod3a(const Method3Inputs& in, std::array<std::string, 12>& lblComparisons) {
    Method3Output out;
    out.results = computeMethod3(in);
    out.lblClimateData = climateDataLines(in, out.results);
    out.RecoveredHeatSummary = recoveredHeatLines(in, out.results);
    appendComparisonColumn(in, out.results, lblComparisons);
    return out;
}

} // namespace plenara
