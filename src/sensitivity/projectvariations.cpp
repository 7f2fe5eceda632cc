#include "sensitivity/projectvariations.h"

#include "engine/formatpattern.h"
#include "engine/number.h"
#include "lifecycle/cashflow.h"
#include "lifecycle/incentives.h"
#include "lifecycle/methodfigures.h"
#include "project/lifecycleinputs.h"
#include "project/recalculationdriver.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace plenara {

namespace {

std::array<double, 12> monthNumbers(const MonthTexts& texts) {
    std::array<double, 12> values{};
    for (std::size_t m = 0; m < 12; ++m) {
        values[m] = Number(texts[m]);
    }
    return values;
}

double sum(const std::array<double, 12>& values) {
    double total = 0.0;
    for (double v : values) {
        total += v;
    }
    return total;
}

MonthTexts scaledMonths(const std::array<double, 12>& base, double factor) {
    MonthTexts texts;
    for (std::size_t m = 0; m < 12; ++m) {
        texts[m] = decimalText(base[m] * factor);
    }
    return texts;
}

std::string percentageText(double percent) {
    return decimalText(percent) + "%";
}

double installedCostOf(const ProjectNumbers& n, int method) {
    switch (method) {
    case 1:
        return n.method1.installedCost;
    case 2:
        return n.method2.equipmentCost + n.method2.installationCost;
    default:
        return n.method3.equipmentCost + n.method3.installationCost;
    }
}

// The net present value of a method as the life-cycle analysis computes it, with its installed
// cost multiplied by `costFactor` before the adjustment and the incentives.
double netPresentValue(const MethodFigures& f, double costFactor, const LifeCycleParameters& p) {
    const InstalledCost cost =
        installedCostAfterIncentives(f.installedCost * costFactor, f.capacityKW, p);
    YearOneSavings savings;
    savings.electricity = f.baseline.electricityCost - f.chp.electricityCost;
    savings.fuel = f.baseline.fuelCost - f.chp.fuelCost;
    savings.om = f.baseline.omCost - f.chp.omCost;
    const double npv = cashFlows(cost.net, savings, p).npv;
    return std::isfinite(npv) ? npv : std::numeric_limits<double>::quiet_NaN();
}

} // namespace

std::string decimalText(double value) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, std::max(value, 0.0), std::chars_format::fixed, 6);
    return std::string(text, end.ptr);
}

ProjectVariations::ProjectVariations(const ProjectInputs& inputs, const ClimateTable& climate,
                                     const RecalculationState& kept)
    : m_project(inputs, climate, kept.RunTimeFraction, kept.BoilerEfficiency, kept.avgTemperature)
    , m_inputs(m_project.formatted())
    , m_lifeCycle(lifeCycleParameters(m_inputs))
    , m_base(std::make_unique<ProjectNumbers>()) {
    m_fuel1Cost = monthNumbers(m_inputs.MonthlyFuel1Cost);
    m_fuel2Cost = monthNumbers(m_inputs.MonthlyFuel2Cost);
    m_fuel1Annual = sum(m_fuel1Cost);
    m_fuel2Annual = sum(m_fuel2Cost);
    m_baseOutcomes = runChanged({}, 1.0, m_base.get());
}

ProjectVariations::~ProjectVariations() = default;

bool ProjectVariations::present(UncertainInput input) const {
    switch (input) {
    case UncertainInput::Fuel1Cost:
        return m_fuel1Annual > 0.0;
    case UncertainInput::Fuel2Cost:
        return m_fuel2Annual > 0.0;
    default:
        return true;
    }
}

double ProjectVariations::baseValue(UncertainInput input, int method) const {
    switch (input) {
    case UncertainInput::GasPrice:
        return Number(m_inputs.GasCost);
    case UncertainInput::EnergyCharge:
        return Number(m_inputs.EnergyCharge) + Number(m_inputs.FuelAdjCharge);
    case UncertainInput::DemandCharge:
        return Number(m_inputs.DemandCharge);
    case UncertainInput::InstalledCost:
        return installedCostOf(*m_base, method);
    case UncertainInput::RunTimeFraction:
        return m_base->RunTimeFraction * 100.0;
    case UncertainInput::BoilerEfficiency:
        return m_base->BoilerEfficiency * 100.0;
    case UncertainInput::Fuel1Cost:
        return m_fuel1Annual;
    case UncertainInput::Fuel2Cost:
        return m_fuel2Annual;
    }
    return 0.0;
}

double ProjectVariations::valueAt(UncertainInput input, int method, double factor) const {
    // A price is the one the run uses: what its box shows once rewritten in its pattern
    // ($0.0355 + $0.0586, not 80 % of $0.1177).
    switch (input) {
    case UncertainInput::GasPrice:
        return m_inputs.GasCostUnit ? patternValue(Number(m_inputs.GasCost) * factor,
                                                   gasCostPattern(*m_inputs.GasCostUnit))
                                    : Number(m_inputs.GasCost) * factor;
    case UncertainInput::EnergyCharge:
        return patternValue(Number(m_inputs.EnergyCharge) * factor, kRatePattern) +
               patternValue(Number(m_inputs.FuelAdjCharge) * factor, kRatePattern);
    case UncertainInput::DemandCharge:
        return patternValue(Number(m_inputs.DemandCharge) * factor, kChargePattern);
    default:
        break;
    }
    const double value = baseValue(input, method) * factor;
    if (input == UncertainInput::RunTimeFraction || input == UncertainInput::BoilerEfficiency) {
        return std::min(value, 100.0);
    }
    return value;
}

MethodOutcomes ProjectVariations::run(const InputFactors& f) const {
    ChangedTexts c;
    if (f[UncertainInput::GasPrice] != 1.0) {
        c.GasCost = decimalText(Number(m_inputs.GasCost) * f[UncertainInput::GasPrice]);
    }
    if (const double e = f[UncertainInput::EnergyCharge]; e != 1.0) {
        c.EnergyCharge = decimalText(Number(m_inputs.EnergyCharge) * e);
        c.FuelAdjCharge = decimalText(Number(m_inputs.FuelAdjCharge) * e);
    }
    if (const double d = f[UncertainInput::DemandCharge]; d != 1.0) {
        c.DemandCharge = decimalText(Number(m_inputs.DemandCharge) * d);
    }
    if (const double r = f[UncertainInput::RunTimeFraction]; r != 1.0) {
        c.RunTimeFractionText = percentageText(valueAt(UncertainInput::RunTimeFraction, 2, r));
    }
    if (const double b = f[UncertainInput::BoilerEfficiency]; b != 1.0) {
        c.BoilerEfficiencyText = percentageText(valueAt(UncertainInput::BoilerEfficiency, 2, b));
    }
    if (const double k = f[UncertainInput::Fuel1Cost];
        k != 1.0 && present(UncertainInput::Fuel1Cost)) {
        c.MonthlyFuel1Cost = scaledMonths(m_fuel1Cost, k);
    }
    if (const double k = f[UncertainInput::Fuel2Cost];
        k != 1.0 && present(UncertainInput::Fuel2Cost)) {
        c.MonthlyFuel2Cost = scaledMonths(m_fuel2Cost, k);
    }
    return runChanged(c, f[UncertainInput::InstalledCost]);
}

MethodOutcomes ProjectVariations::runAtPrice(BreakEvenPrice price, double value) const {
    ChangedTexts c;
    (price == BreakEvenPrice::GasPrice ? c.GasCost : c.EnergyCharge) = decimalText(value);
    return runChanged(c, 1.0);
}

double ProjectVariations::basePrice(BreakEvenPrice price) const {
    return Number(price == BreakEvenPrice::GasPrice ? m_inputs.GasCost : m_inputs.EnergyCharge);
}

double ProjectVariations::priceResolution(BreakEvenPrice price) const {
    // The patterns of the two boxes: "$##0.0000" for the energy charge and for a gas price per
    // therm or CCF, "$##0.00" for the other gas units.
    if (price == BreakEvenPrice::EnergyCharge || !m_inputs.GasCostUnit ||
        *m_inputs.GasCostUnit == GasCostUnit::Therms || *m_inputs.GasCostUnit == GasCostUnit::CCF) {
        return 0.0001;
    }
    return 0.01;
}

MethodOutcomes ProjectVariations::runChanged(const ChangedTexts& changes, double costFactor,
                                             ProjectNumbers* into) const {
    // The Method 2 sweep is large: one record per thread, reused from run to run.
    thread_local ProjectNumbers scratch;
    ProjectNumbers& numbers = into ? *into : scratch;
    m_project.compute(changes, numbers);
    ++m_runs;
    const std::array<MethodFigures, 3> figures = {method1Figures(numbers.method1),
                                                  method2Figures(numbers.method2),
                                                  method3Figures(numbers.method3)};
    MethodOutcomes out;
    for (std::size_t i = 0; i < 3; ++i) {
        out.npv[i] = netPresentValue(figures[i], costFactor, m_lifeCycle);
    }
    out.paybackYears = {numbers.method1.payback, numbers.method2.payback, numbers.method3.payback};
    for (int method = 1; method <= 3; ++method) {
        const auto i = static_cast<std::size_t>(method - 1);
        out.installedCost[i] = installedCostOf(numbers, method) * costFactor;
        out.paybackYears[i] *= costFactor;
    }
    return out;
}

} // namespace plenara
