#include "project/recalculationdriver.h"

#include "engine/formatpattern.h"
#include "engine/method1.h"
#include "engine/method2.h"
#include "engine/method3.h"
#include "engine/number.h"
#include "engine/summary.h"
#include "lifecycle/lifecycle.h"
#include "project/lifecycleinputs.h"
#include "project/methodinputs.h"

namespace plenara {

void formatMonths(MonthTexts& texts, const char* pattern) {
    for (std::string& text : texts) {
        text = FormatPattern(Number(text), pattern);
    }
}

const char* gasCostPattern(GasCostUnit unit) {
    return unit == GasCostUnit::Therms || unit == GasCostUnit::CCF ? "$#0.0000" : "$##0.00";
}

const char* gasCostCaption(GasCostUnit unit) {
    switch (unit) {
    case GasCostUnit::Therms:
        return "/therm";
    case GasCostUnit::Decatherms:
        return "/decatherm";
    case GasCostUnit::MMBtu:
        return "/MMBtu";
    case GasCostUnit::CCF:
        return "/CCF";
    case GasCostUnit::MCF:
        return "/MCF";
    }
    return "";
}

void formatInputFields(ProjectInputs& in, std::string& label18) {
    formatLifeCycleInputs(in);
    formatMonths(in.MonthlyKWh, kQuantityPattern);
    formatMonths(in.MonthlyFuel1, kQuantityPattern);
    formatMonths(in.MonthlyFuel2, kQuantityPattern);
    formatMonths(in.MonthlyKW, kDemandPattern);
    formatMonths(in.MonthlyPowerBill, kBillPattern);
    formatMonths(in.MonthlyFuel1Cost, kBillPattern);
    formatMonths(in.MonthlyFuel2Cost, kBillPattern);
    in.EnergyCharge = FormatPattern(Number(in.EnergyCharge), kRatePattern);
    in.FuelAdjCharge = FormatPattern(Number(in.FuelAdjCharge), kRatePattern);
    in.DemandCharge = FormatPattern(Number(in.DemandCharge), kChargePattern);
    in.StandbyCharge = FormatPattern(Number(in.StandbyCharge), kChargePattern);
    in.HeatedFloorSpace = FormatPattern(Number(in.HeatedFloorSpace), kQuantityPattern);
    in.CooledFloorSpace = FormatPattern(Number(in.CooledFloorSpace), kQuantityPattern);
    in.Occupants = FormatPattern(Number(in.Occupants), kDemandPattern);

    if (!in.GasCostUnit) {
        return;
    }
    label18 = gasCostCaption(*in.GasCostUnit);
    in.GasCost = FormatPattern(Number(in.GasCost), gasCostPattern(*in.GasCostUnit));
}

RecalculationDriver::RecalculationDriver(ClimateTable climate, EmissionData emissions)
    : m_climate(std::move(climate))
    , m_emissions(std::move(emissions)) {}

void RecalculationDriver::refreshTotals(const ProjectInputs& in, TotalsRefresh which,
                                        TotalsCaptions& totals) {
    switch (which) {
    case TotalsRefresh::AnnualPower:
        updateAnnualPower(in.MonthlyKWh, in.MonthlyPowerBill, totals);
        break;
    case TotalsRefresh::AnnualPowerCost:
        updateAnnualPowerCost(in.MonthlyKWh, in.MonthlyPowerBill, totals);
        break;
    case TotalsRefresh::Fuel1Totals:
        updateFuel1Totals(in.MonthlyFuel1, in.MonthlyFuel1Cost, totals);
        break;
    }
}

ProjectResults RecalculationDriver::UpdateAllResults(ProjectInputs& in, const ViewSettings& view) {
    ProjectResults r;
    UpdateAllResults(in, view, r);
    return r;
}

void RecalculationDriver::UpdateAllResults(ProjectInputs& in, const ViewSettings& view,
                                           ProjectResults& r) {
    r.totals = TotalsCaptions{};

    // 1-2. The fractions of the two percentage boxes.
    m_state.RunTimeFraction = percentageFraction(in.RunTimeFractionText, m_state.RunTimeFraction);
    m_state.BoilerEfficiency =
        percentageFraction(in.BoilerEfficiencyText, m_state.BoilerEfficiency);
    r.RunTimeFraction = m_state.RunTimeFraction;
    r.BoilerEfficiency = m_state.BoilerEfficiency;

    // 3-4. The numeric inputs in their display patterns, then the totals read from them. The
    // texts that the rewrite changes beyond recognition are noted first.
    m_state.warnings.noticeTyped(in);
    formatInputFields(in, m_state.Label18);
    m_state.warnings.noticeRewritten(in);
    r.totals.Label18 = m_state.Label18;
    updateAnnualPower(in.MonthlyKWh, in.MonthlyPowerBill, r.totals);
    updateAnnualPowerCost(in.MonthlyKWh, in.MonthlyPowerBill, r.totals);
    updateFuel1Totals(in.MonthlyFuel1, in.MonthlyFuel1Cost, r.totals);
    updateFuel2Totals(in.MonthlyFuel2, in.MonthlyFuel2Cost, r.totals);

    const MethodInputs mi =
        methodInputs(in, r.totals, m_state.RunTimeFraction, m_state.BoilerEfficiency, m_climate,
                     m_state.avgTemperature, view);
    m_state.avgTemperature = mi.method3.avgTemperature;

    // 5. Method 1, which writes the rows of the comparison table.
    Method1Output out1 = updateMethod1a(mi.method1);
    r.method1 = out1.results;
    r.lblMethod1 = out1.lblMethod1;
    r.lblComparisons = out1.lblComparisons;
    r.genCapacityByMethod[1] = out1.results.genCapacity;
    r.paybackByMethod[1] = out1.results.payback;

    // 6. Method 2, which prices the boiler fuel at the average cost of fuel 1 as shown.
    // The sweep's month records are large: they are written in place.
    computeMethod2(mi.method2, r.method2);
    Method2Captions out2 = method2Captions(mi.method2, r.method2, r.lblComparisons);
    r.lblAnnualResults = std::move(out2.lblAnnualResults);
    r.lblBasisOfResults = std::move(out2.lblBasisOfResults);
    r.lblMonthlyData = std::move(out2.lblMonthlyData);
    r.lblGenSetParameters = std::move(out2.lblGenSetParameters);
    r.lblSimplePayback = std::move(out2.lblSimplePayback);
    r.primeMoverEnabled = out2.primeMoverEnabled;
    r.Text1EfficiencyLine = std::move(out2.Text1EfficiencyLine);
    in.CapacityIteration = out2.capacityText;
    r.genCapacityByMethod[2] = r.method2.capacityKW;
    r.paybackByMethod[2] = r.method2.payback;

    // 7. Method 3, from the climate of the city.
    Method3Output out3 = updateMethod3a(mi.method3, r.lblComparisons);
    r.method3 = out3.results;
    r.lblClimateData = out3.lblClimateData;
    r.RecoveredHeatSummary = out3.RecoveredHeatSummary;
    r.genCapacityByMethod[3] = out3.results.capacityKW;
    r.paybackByMethod[3] = out3.results.payback;

    // 8 is the charts, drawn by the window from these results.

    // 9. The summary and the payback range.
    SummaryInputs s;
    s.genCapacityByMethod = r.genCapacityByMethod;
    s.paybackByMethod = r.paybackByMethod;
    s.runTimeFraction = m_state.RunTimeFraction;
    s.cityName = r.method3.cityName;
    s.stateName = r.method3.stateName;
    s.groundTemperature = r.method3.avgTemperature;
    s.primeMover = in.PrimeMover;
    s.hotWaterUsage = in.HotWaterUsage;
    const SummaryOutput summary = updateResultsSummary(s);
    r.lblPaybackRange = summary.lblPaybackRange;
    r.lblSummary = summary.lblSummary;

    // The life-cycle economics and CO2 of the three methods, from the figures they computed.
    r.lifeCycle = projectLifeCycle(in, r.method1, r.method2, r.method3, m_emissions);

    r.warnings =
        m_state.warnings.list(in, m_climate, m_state.RunTimeFraction, m_state.BoilerEfficiency);

    // 10. The show-details switches; "Print Forms" and "Screen Shot" never show.
    r.summaryFrameVisible = view.Check1[0];
    r.tabVisible = {true, true, true, true, true, true, true};
    r.tabVisible[tab::Method1] = view.Check1[1];
    r.tabVisible[tab::Method2] = view.Check1[2];
    r.tabVisible[tab::Method3] = view.Check1[3];
    r.tabVisible[tab::ComparisonOfMethods] = view.Check1[4];
}

} // namespace plenara
