#include "engine/method2.h"

#include "engine/captiontext.h"
#include "engine/formatpattern.h"
#include "engine/gensetmodel.h"
#include "engine/monthlytables.h"
#include "engine/number.h"
#include "engine/textfields.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace plenara {

namespace {

constexpr double kBtuPerMMBtu = 1'000'000.0;
// Electric air conditioning delivers 12 Btu of cooling per watt-hour.
constexpr double kCoolingBtuPerKWh = 12'000.0;
constexpr double kCoolingBtuPerWh = 12.0;
// A ton of cooling is 12,000 Btu per hour.
constexpr double kBtuPerTonHour = 12'000.0;
// Every month counts as 31 days.
constexpr double kHoursPerMonth = 744.0;
constexpr double kHoursPerYear = 8'760.0;
// The payback of a step that saves nothing: larger than any real payback yet below the
// starting "best" of the selection, so that step 0 is always a candidate.
constexpr double kNoPayback = 999.0;
constexpr double kSelectionStart = 1000.0;
// The rounded capacity is a multiple of this many kW.
constexpr double kCapacityGrainKW = 5.0;
constexpr double kMinimumCapacityKW = 1.0;

// The scroll bars run from 0 to 11; a value outside is held at the nearest end so that no
// table reads past the sweep.
int clampScroll(int value) {
    return value < 0 ? 0 : (value > 11 ? 11 : value);
}

// Prices and constants of one sweep, read once before the months are simulated.
struct SweepContext {
    const Method2Inputs& in;
    double baselineKWh = 0.0;
    double boilerFuelPrice = 0.0; // $/MMBtu
    double generationHours = 0.0; // hours a month the gen-set runs at full output
    bool heatingOnly = false;
    // The loads of each month, the same at every step.
    std::array<double, 12> coolingLoadMMBtu{};
    std::array<double, 12> thermalLoadMMBtu{};
};

Method2Step sizeStep(double capacityKW, const Method2Inputs& in) {
    Method2Step step;
    step.CapacityKW = capacityKW;
    const GenSetCostResult cost = GenSetCost(capacityKW, in.primeMover, in.installationDifficulty);
    step.InstalledCost = cost.equipmentCost + cost.installationCost;
    const GenSetPerformanceResult perf = GenSetPerformance(capacityKW, in.primeMover);
    step.OMCostPerKWh = perf.omCostPerKWh;
    step.Efficiency = perf.efficiency;
    step.HeatRate = perf.heatRate;
    step.RecoveredHeatRate = perf.recoveredHeatRate;
    step.AbsorptionCOP = perf.absorptionCOP;
    step.AbsorptionTons =
        step.RecoveredHeatRate * step.CapacityKW * step.AbsorptionCOP / kBtuPerTonHour;
    step.AvoidedACKW = step.AbsorptionTons * kBtuPerTonHour / kCoolingBtuPerWh / 1'000.0;
    return step;
}

// The parts of a month that both runs compute alike: loads and the recovered heat. The record
// is filled where it lies: the sweep writes 252 of them a recalculation.
void startMonth(const SweepContext& ctx, const Method2Step& step, std::size_t m, double genSetKWh,
                Method2Month& month) {
    month = Method2Month{};
    month.MonthKWh = ctx.in.bills[m].KWh;
    month.GenSetKWh = genSetKWh;
    month.RecoveredHeatMMBtu = step.RecoveredHeatRate * genSetKWh / kBtuPerMMBtu;
    month.CoolingLoadMMBtu = ctx.coolingLoadMMBtu[m];
    month.ThermalLoadMMBtu = ctx.thermalLoadMMBtu[m];
}

// Cooling and fuel figures that follow once the recovered heat has been shared out.
void finishCoolingAndFuel(const SweepContext& ctx, const Method2Step& step, Method2Month& month) {
    month.AbsorptionCoolingMMBtu = step.AbsorptionCOP * month.HeatToChillerMMBtu;
    month.ElectricCoolingMMBtu = month.CoolingLoadMMBtu - month.AbsorptionCoolingMMBtu;
    month.ACKWh = month.ElectricCoolingMMBtu * kBtuPerMMBtu / kCoolingBtuPerKWh;
    month.GenSetFuelMMBtu = step.HeatRate * month.GenSetKWh / kBtuPerMMBtu;
    month.HeaterFuelMMBtu = month.HeaterLoadMMBtu / ctx.in.boilerEfficiency;
    month.TotalFuelMMBtu = month.GenSetFuelMMBtu + month.HeaterFuelMMBtu;
    month.UtilityKWh = Max(month.MonthKWh - month.GenSetKWh, 0.0);
}

void finishCosts(const Method2Step& step, Method2Month& month) {
    month.EnergyCost = month.ElectricCost + month.FuelCost;
    month.OMCost = step.OMCostPerKWh * month.GenSetKWh;
    month.TotalCost = month.EnergyCost + month.OMCost;
}

// Recovered heat drives the absorption chiller first; what is left serves heating and hot
// water. The gen-set runs at the same output every month and no standby charge is billed.
void coolingPriorityMonth(const SweepContext& ctx, const Method2Step& step, std::size_t m,
                          double stepKWh, Method2Month& month) {
    const MonthlyBill& bill = ctx.in.bills[m];
    startMonth(ctx, step, m, stepKWh, month);
    month.GenSetKW = month.GenSetKWh / ctx.generationHours;
    month.AvoidedACKW = month.CoolingLoadMMBtu > 0.0 ? step.AvoidedACKW : 0.0;
    month.UtilityKW = Max(bill.KW - month.GenSetKW - month.AvoidedACKW, 0.0);
    month.HeatToChillerMMBtu =
        Min(month.CoolingLoadMMBtu / step.AbsorptionCOP, month.RecoveredHeatMMBtu);
    month.HeatToThermalMMBtu =
        Min(month.RecoveredHeatMMBtu - month.HeatToChillerMMBtu, month.ThermalLoadMMBtu);
    month.HeaterLoadMMBtu = month.ThermalLoadMMBtu - month.HeatToThermalMMBtu;
    finishCoolingAndFuel(ctx, step, month);
    month.BaseKWh = Max(month.MonthKWh - month.ACKWh, 0.0);
    month.FuelCost = month.TotalFuelMMBtu * ctx.in.gasPrice;
    month.EnergyChargeCost = ctx.in.energyCharge * month.UtilityKWh;
    month.DemandChargeCost = ctx.in.demandCharge * month.UtilityKW;
    month.ElectricCost = month.EnergyChargeCost + month.DemandChargeCost;
    finishCosts(step, month);
}

// Recovered heat serves heating and hot water first; the chiller gets the rest unless the
// allocation is heating only. The gen-set never generates more than the month uses, yet its
// full capacity stays on the bill as standby and as reduced demand.
void heatingPriorityMonth(const SweepContext& ctx, const Method2Step& step, std::size_t m,
                          double stepKWh, Method2Month& month) {
    const MonthlyBill& bill = ctx.in.bills[m];
    startMonth(ctx, step, m, Min(stepKWh, bill.KWh), month);
    month.GenSetKW = step.CapacityKW;
    month.AvoidedACKW =
        (ctx.heatingOnly || !(month.CoolingLoadMMBtu > 0.0)) ? 0.0 : step.AvoidedACKW;
    month.UtilityKW = Max(bill.KW - month.GenSetKW - month.AvoidedACKW, 0.0);
    month.HeatToThermalMMBtu = Min(month.ThermalLoadMMBtu, month.RecoveredHeatMMBtu);
    month.HeaterLoadMMBtu = month.ThermalLoadMMBtu - month.HeatToThermalMMBtu;
    month.HeatToChillerMMBtu = ctx.heatingOnly
                                   ? 0.0
                                   : Min(month.RecoveredHeatMMBtu - month.HeatToThermalMMBtu,
                                         month.CoolingLoadMMBtu / step.AbsorptionCOP);
    finishCoolingAndFuel(ctx, step, month);
    month.BaseKWh = ctx.baselineKWh;
    month.FuelCost =
        month.GenSetFuelMMBtu * ctx.in.gasPrice + month.HeaterFuelMMBtu * ctx.boilerFuelPrice;
    month.ElectricCost = ctx.in.demandCharge * month.UtilityKW +
                         ctx.in.energyCharge * month.UtilityKWh +
                         ctx.in.standbyCharge * month.GenSetKW;
    finishCosts(step, month);
}

// Simulates and prices every month of every step in the run the allocation calls for.
void runMethod2Sweep(const Method2Inputs& in, Method2Results& r) {
    SweepContext ctx{in};
    ctx.baselineKWh = r.baselineKWh;
    ctx.boilerFuelPrice = boilerFuelPricePerMMBtu(in.waterHeaterFuel, in.gasPrice,
                                                  in.fuel1AverageCost, in.fuel1UnitFactor);
    ctx.generationHours = in.runTimeFraction * kHoursPerMonth;
    ctx.heatingOnly = in.heatAllocation == HeatAllocation::HeatingOnly;
    for (std::size_t m = 0; m < 12; ++m) {
        ctx.coolingLoadMMBtu[m] = monthlyCoolingLoadMMBtu(in.bills[m], ctx.baselineKWh);
        ctx.thermalLoadMMBtu[m] = monthlyThermalLoadMMBtu(in.bills[m], in.fuel1UnitFactor,
                                                          in.fuel2UnitFactor, in.boilerEfficiency);
    }
    r.energyCharge = in.energyCharge;
    r.demandCharge = in.demandCharge;
    r.standbyCharge = in.standbyCharge;

    const double kWhStep = r.peakMonthKWh / 20.0;
    const double kWStep = r.peakMonthKWh / ctx.generationHours / 20.0;
    for (int s = 0; s < kSweepSteps; ++s) {
        r.stepResults[s] = sizeStep(s * kWStep, in);
    }

    r.coolingPriorityRun = !usesHeatingPriorityRun(in.heatAllocation);
    // The cooling-priority run prices all its fuel at the gas price.
    r.boilerBurnsGas =
        r.coolingPriorityRun || boilerBurnsGas(in.waterHeaterFuel, in.fuel1AverageCost);
    for (int s = 0; s < kSweepSteps; ++s) {
        const Method2Step& step = r.stepResults[s];
        double annualCost = 0.0;
        for (std::size_t m = 0; m < 12; ++m) {
            Method2Month& month = r.months[s][m];
            if (r.coolingPriorityRun) {
                coolingPriorityMonth(ctx, step, m, s * kWhStep, month);
            } else {
                heatingPriorityMonth(ctx, step, m, s * kWhStep, month);
            }
            annualCost += month.TotalCost;
        }
        Method2Annual& annual = r.annualResults[s];
        annual.CapacityKW = s * kWhStep / ctx.generationHours;
        const GenSetCostResult cost =
            GenSetCost(annual.CapacityKW, in.primeMover, in.installationDifficulty);
        annual.CapitalCost = cost.equipmentCost + cost.installationCost;
        annual.AnnualCost = annualCost;
        const double baselineCost = r.annualResults[0].AnnualCost;
        annual.SimplePayback = annual.AnnualCost < baselineCost
                                   ? annual.CapitalCost / (baselineCost - annual.AnnualCost)
                                   : kNoPayback;
    }
}

double sumOverYear(const std::array<Method2Month, 12>& months, double Method2Month::*field) {
    double sum = 0.0;
    for (const Method2Month& month : months) {
        sum += month.*field;
    }
    return sum;
}

// The capacity the user is shown: January's output at the chosen step, to the nearest 5 kW
// (halves to the even multiple), and never below 1 kW so that the per-kW costs exist.
double roundedCapacityKW(double januaryKWh, double generationHours) {
    const double capacity =
        std::nearbyint(januaryKWh / generationHours / kCapacityGrainKW) * kCapacityGrainKW;
    return capacity < kMinimumCapacityKW ? kMinimumCapacityKW : capacity;
}

// Which prime movers come in a size of this capacity: recip, gas turbine, microturbine,
// fuel cell.
std::array<bool, 4> primeMoverAvailability(double capacityKW) {
    return {capacityKW <= 5'000.0, capacityKW >= 750.0, capacityKW >= 10.0 && capacityKW <= 250.0,
            capacityKW <= 2'000.0};
}

std::array<Caption, 12> annualResultsTable(const Method2Results& r, int firstStep) {
    std::array<Caption, 12> rows;
    rows[0].text = "  Capacity                                        Total Operating Cost (Gas, "
                   "Electric, and O&&M)"
                   "                                                Payback";
    rows[1].text = "     kW  ";
    for (const std::string_view month : monthAbbreviations()) {
        rows[1].text += "       ";
        rows[1].text += month;
    }
    rows[1].text += "    Annual      yrs";
    for (std::size_t k = 2; k < rows.size(); ++k) {
        const int s = firstStep + static_cast<int>(k) - 2;
        const Method2Annual& annual = r.annualResults[s];
        std::string line = R(8, annual.CapacityKW, "#,##0.0");
        double annualCost = 0.0;
        const auto cell = [&line](double value, const char* pattern, std::size_t width) {
            line += tableCellAfter(line, FormatPattern(value, pattern), width);
        };
        for (const Method2Month& month : r.months[s]) {
            cell(month.TotalCost, "$###,##0", 10);
            annualCost += month.TotalCost;
        }
        cell(annualCost, "$###,##0", 10);
        // Seven places, not five, so that a step without savings reads 999.00 and the
        // payback stands apart from the annual cost.
        cell(annual.SimplePayback, "##0.00", 7);
        rows[k] = {line, s == r.selectedStep};
    }
    return rows;
}

std::string trimmedBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

void appendComparisons(const Method2Inputs& in, const Method2Results& r,
                       std::array<std::string, 12>& rows) {
    // Method 1's hot-water load is taken as it is shown, from the 40th character of its row.
    constexpr std::size_t kValueStart = 39;
    const double hotWaterLoad =
        rows[1].size() > kValueStart ? Number(std::string_view(rows[1]).substr(kValueStart)) : 0.0;
    const std::array<Method2Month, 12>& months = r.months[r.selectedStep];
    const double thermalLoad = sumOverYear(months, &Method2Month::ThermalLoadMMBtu);
    const double coolingLoad = sumOverYear(months, &Method2Month::CoolingLoadMMBtu);
    const double installed = r.equipmentCost + r.installationCost;

    struct Cell {
        double value;
        std::string_view pattern;
    };
    const std::array<Cell, 11> cells = {{
        {hotWaterLoad, "###,###,##0"},
        {thermalLoad - hotWaterLoad, "###,###,##0"},
        {coolingLoad, "###,###,##0"},
        {thermalLoad + coolingLoad, "###,###,##0"},
        {r.capacityKW, "###,###,##0"},
        {in.runTimeFraction * kHoursPerYear, "###,###,##0"},
        {sumOverYear(months, &Method2Month::GenSetKWh), "###,###,##0"},
        {sumOverYear(months, &Method2Month::RecoveredHeatMMBtu), "###,###,##0"},
        {installed, "$###,###,##0"},
        {r.savings, "$###,###,##0"},
        {r.payback, "###,###,##0.0"},
    }};
    rows[0] += "   Method 2" + Blanks(5);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        rows[k + 1] += R(11, cells[k].value, cells[k].pattern) + Blanks(5);
    }
}

void fillParameterAndPaybackLines(const Method2Results& r, Method2Captions& out) {
    const double c = r.capacityKW;
    const double installed = r.equipmentCost + r.installationCost;
    out.lblGenSetParameters = {
        "Generator Parameters:",
        "   capacity              " + R(6, c, "##,##0") + " kW",
        "   equipment cost        " + R(6, r.equipmentCost / c, "$#,##0") + "/kW",
        "   installation cost     " + R(6, r.installationCost / c, "$#,##0") + "/kW",
        "   total installed cost  " + R(6, installed / c, "$#,##0") + "/kW",
    };
    out.lblSimplePayback = {
        "Simple Payback",
        "   baseline operating cost           " + R(8, r.baselineOperatingCost, "$###,##0"),
        "   CHP operating cost                " + R(8, r.chpOperatingCost, "$###,##0"),
        "   annual operating savings/losses   " + R(8, r.savings, "$###,##0"),
        "   CHP system capital cost       " + R(12, installed, "$###,###,##0"),
        "   simple payback                    " + R(8, r.payback, "###0.00") + " years",
    };
}

} // namespace

bool usesHeatingPriorityRun(OptionGroup<HeatAllocation> allocation) {
    return allocation == HeatAllocation::HeatingPriority ||
           allocation == HeatAllocation::HeatingOnly;
}

int chooseMethod2Step(const std::array<Method2Annual, kSweepSteps>& annualResults) {
    double best = kSelectionStart;
    int chosen = 0;
    for (int s = 0; s < kSweepSteps; ++s) {
        if (annualResults[s].SimplePayback < best) {
            best = annualResults[s].SimplePayback;
            chosen = s;
        }
    }
    return chosen;
}

void computeMethod2(const Method2Inputs& in, Method2Results& r) {
    r.peakMonthKWh = peakMonthKWh(in.bills);
    r.baselineKWh = baselineKWh(in.bills);
    runMethod2Sweep(in, r);
    r.selectedStep = chooseMethod2Step(r.annualResults);

    const std::array<Method2Month, 12>& chosen = r.months[r.selectedStep];
    r.capacityKW = roundedCapacityKW(chosen[0].GenSetKWh, in.runTimeFraction * kHoursPerMonth);
    const GenSetCostResult cost =
        GenSetCost(r.capacityKW, in.primeMover, in.installationDifficulty);
    r.equipmentCost = cost.equipmentCost;
    r.installationCost = cost.installationCost;
    r.baselineOperatingCost = sumOverYear(r.months[0], &Method2Month::TotalCost);
    r.chpOperatingCost = sumOverYear(chosen, &Method2Month::TotalCost);
    r.savings = r.baselineOperatingCost - r.chpOperatingCost;
    r.payback = r.savings != 0.0 ? (r.equipmentCost + r.installationCost) / r.savings : 0.0;
}

Method2Results computeMethod2(const Method2Inputs& in) {
    Method2Results r;
    computeMethod2(in, r);
    return r;
}

Method2Captions method2Captions(const Method2Inputs& in, const Method2Results& r,
                                std::array<std::string, 12>& lblComparisons) {
    Method2Captions out;
    const int month = clampScroll(in.scrlMonths);
    const int firstStep = clampScroll(in.scrlGeneration);
    out.lblAnnualResults = annualResultsTable(r, firstStep);
    out.lblBasisOfResults = "Results for " +
                            std::string(monthNames()[static_cast<std::size_t>(month)]) + " (" +
                            trimmedBlanks(in.kWhTexts[month]) + " kWh)";
    out.lblMonthlyData = r.coolingPriorityRun
                             ? updateMonthlyTableCool(r, r.selectedStep, 8, month, firstStep)
                             : updateMonthlyTableHeat(r, r.selectedStep, 8, month, firstStep);
    out.capacityText = FormatPattern(r.capacityKW, "0");
    out.Text1EfficiencyLine = method2EfficiencyLine(in.boilerEfficiency);
    out.primeMoverEnabled = primeMoverAvailability(r.capacityKW);
    fillParameterAndPaybackLines(r, out);
    appendComparisons(in, r, lblComparisons);
    return out;
}

Method2Output updateMethod2a(const Method2Inputs& in, std::array<std::string, 12>& lblComparisons) {
    Method2Output out;
    computeMethod2(in, out.results);
    static_cast<Method2Captions&>(out) = method2Captions(in, out.results, lblComparisons);
    return out;
}

std::string method2EfficiencyLine(double boilerEfficiency) {
    // The percent as typed: 57.5 % is held as 0.575, whose product with 100 falls just below
    // 57.5, and must round as the half that it is.
    const double percent = std::nearbyint(std::round(boilerEfficiency * 1e8) / 1e6);
    return "      efficiency of " + FormatPattern(percent, "0") + "%";
}

} // namespace plenara
