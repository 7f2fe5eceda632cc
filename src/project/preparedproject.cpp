#include "project/preparedproject.h"

#include "engine/billtotals.h"
#include "engine/formatpattern.h"
#include "engine/monthlyloads.h"
#include "engine/number.h"
#include "project/recalculationdriver.h"

namespace plenara {

namespace {

// A text's value after the rewrite in its pattern, as the methods read it.
double shownValue(const std::string& text, const char* pattern) {
    return Number(FormatPattern(Number(text), pattern));
}

} // namespace

PreparedProject::PreparedProject(const ProjectInputs& inputs, const ClimateTable& climate,
                                 double previousRunTimeFraction, double previousBoilerEfficiency,
                                 double previousAvgTemperature)
    : m_formatted(inputs)
    , m_previousRunTimeFraction(previousRunTimeFraction)
    , m_previousBoilerEfficiency(previousBoilerEfficiency) {
    // The steps of computeProjectNumbers, once.
    m_runTimeFraction =
        percentageFraction(m_formatted.RunTimeFractionText, previousRunTimeFraction);
    m_boilerEfficiency =
        percentageFraction(m_formatted.BoilerEfficiencyText, previousBoilerEfficiency);
    std::string label18;
    formatInputFields(m_formatted, label18);
    TotalsCaptions totals;
    updateAnnualPower(m_formatted.MonthlyKWh, m_formatted.MonthlyPowerBill, totals);
    updateFuel1Totals(m_formatted.MonthlyFuel1, m_formatted.MonthlyFuel1Cost, totals);
    m_methodInputs =
        plenara::methodInputs(m_formatted, totals, m_runTimeFraction, m_boilerEfficiency, climate,
                              previousAvgTemperature, ViewSettings{});
}

void PreparedProject::compute(const ChangedTexts& c, ProjectNumbers& numbers) const {
    MethodInputs mi = m_methodInputs;
    Method1Inputs& m1 = mi.method1;
    Method2Inputs& m2 = mi.method2;
    Method3Inputs& m3 = mi.method3;

    numbers.RunTimeFraction = c.RunTimeFractionText ? percentageFraction(*c.RunTimeFractionText,
                                                                         m_previousRunTimeFraction)
                                                    : m_runTimeFraction;
    numbers.BoilerEfficiency =
        c.BoilerEfficiencyText
            ? percentageFraction(*c.BoilerEfficiencyText, m_previousBoilerEfficiency)
            : m_boilerEfficiency;
    m2.runTimeFraction = m3.runTimeFraction = numbers.RunTimeFraction;
    m1.boilerEfficiency = m2.boilerEfficiency = m3.boilerEfficiency = numbers.BoilerEfficiency;

    if (c.GasCost) {
        // With no unit set the price is not rewritten.
        const OptionGroup<GasCostUnit> unit = m_formatted.GasCostUnit;
        const double typed =
            unit ? shownValue(*c.GasCost, gasCostPattern(*unit)) : Number(*c.GasCost);
        m1.gasPrice = m2.gasPrice = m3.gasPrice = gasPricePerMMBtu(typed, unit);
    }
    if (c.EnergyCharge || c.FuelAdjCharge) {
        const double energy =
            shownValue(c.EnergyCharge.value_or(m_formatted.EnergyCharge), kRatePattern) +
            shownValue(c.FuelAdjCharge.value_or(m_formatted.FuelAdjCharge), kRatePattern);
        m1.energyRate = m2.energyCharge = m3.energyRate = energy;
    }
    if (c.DemandCharge) {
        m1.demandCharge = m2.demandCharge = m3.demandCharge =
            shownValue(*c.DemandCharge, kChargePattern);
    }
    if (c.MonthlyFuel1Cost) {
        MonthTexts costs = *c.MonthlyFuel1Cost;
        formatMonths(costs, kBillPattern);
        TotalsCaptions totals;
        updateFuel1Totals(m_formatted.MonthlyFuel1, costs, totals);
        // The boiler fuel is priced at the average cost of fuel 1 as shown.
        m2.fuel1AverageCost = Number(totals.lblFuel1AvgCost);
        for (std::size_t m = 0; m < 12; ++m) {
            m2.bills[m].Fuel1Cost = Number(costs[m]);
        }
    }
    if (c.MonthlyFuel2Cost) {
        MonthTexts costs = *c.MonthlyFuel2Cost;
        formatMonths(costs, kBillPattern);
        for (std::size_t m = 0; m < 12; ++m) {
            m2.bills[m].Fuel2Cost = Number(costs[m]);
        }
    }
    numbers.method1 = computeMethod1(m1);
    computeMethod2(m2, numbers.method2);
    numbers.method3 = computeMethod3(m3);
}

} // namespace plenara
