#include "project/recalculationdriver.h"

#include "climate/intensity.h"
#include "engine/formatpattern.h"
#include "engine/fuels.h"
#include "engine/method1.h"
#include "engine/method2.h"
#include "engine/method3.h"
#include "engine/monthlyloads.h"
#include "engine/number.h"
#include "engine/summary.h"
#include "lifecycle/lifecycle.h"
#include "project/lifecycleinputs.h"

#include <cmath>

namespace plenara {

namespace {

void formatMonths(MonthTexts& texts, const char* pattern) {
    for (std::string& text : texts) {
        text = FormatPattern(Number(text), pattern);
    }
}

std::array<double, 12> monthValues(const MonthTexts& texts) {
    std::array<double, 12> values{};
    for (std::size_t m = 0; m < texts.size(); ++m) {
        values[m] = Number(texts[m]);
    }
    return values;
}

double energyRateOf(const ProjectInputs& in) {
    return Number(in.EnergyCharge) + Number(in.FuelAdjCharge);
}

} // namespace

void formatInputFields(ProjectInputs& in, std::string& label18) {
    formatLifeCycleInputs(in);
    formatMonths(in.MonthlyKWh, "###,###,##0");
    formatMonths(in.MonthlyFuel1, "###,###,##0");
    formatMonths(in.MonthlyFuel2, "###,###,##0");
    formatMonths(in.MonthlyKW, "###,##0");
    formatMonths(in.MonthlyPowerBill, "$###,##0");
    formatMonths(in.MonthlyFuel1Cost, "$###,##0");
    formatMonths(in.MonthlyFuel2Cost, "$###,##0");
    in.EnergyCharge = FormatPattern(Number(in.EnergyCharge), "$##0.0000");
    in.FuelAdjCharge = FormatPattern(Number(in.FuelAdjCharge), "$##0.0000");
    in.DemandCharge = FormatPattern(Number(in.DemandCharge), "$###0.00");
    in.StandbyCharge = FormatPattern(Number(in.StandbyCharge), "$###0.00");
    in.HeatedFloorSpace = FormatPattern(Number(in.HeatedFloorSpace), "###,###,##0");
    in.CooledFloorSpace = FormatPattern(Number(in.CooledFloorSpace), "###,###,##0");
    in.Occupants = FormatPattern(Number(in.Occupants), "###,##0");

    if (!in.GasCostUnit) {
        return;
    }
    const char* pattern = "$##0.00";
    switch (*in.GasCostUnit) {
    case GasCostUnit::Therms:
        pattern = "$#0.0000";
        label18 = "/therm";
        break;
    case GasCostUnit::Decatherms:
        label18 = "/decatherm";
        break;
    case GasCostUnit::MMBtu:
        label18 = "/MMBtu";
        break;
    case GasCostUnit::CCF:
        pattern = "$#0.0000";
        label18 = "/CCF";
        break;
    case GasCostUnit::MCF:
        label18 = "/MCF";
        break;
    }
    in.GasCost = FormatPattern(Number(in.GasCost), pattern);
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

    const double energyRate = energyRateOf(in);
    const double demandCharge = Number(in.DemandCharge);
    const double standbyCharge = Number(in.StandbyCharge);
    const double gasPrice = gasPricePerMMBtu(Number(in.GasCost), in.GasCostUnit);
    const double fuel1Factor = FuelUnitFactor(in.Fuel1Type, in.Fuel1Units);
    const double fuel2Factor = FuelUnitFactor(in.Fuel2Type, in.Fuel2Units);
    const std::array<double, 12> peakKW = monthValues(in.MonthlyKW);

    // 5. Method 1, which writes the rows of the comparison table.
    Method1Inputs m1;
    m1.energyRate = energyRate;
    m1.demandCharge = demandCharge;
    m1.standbyCharge = standbyCharge;
    m1.gasPrice = gasPrice;
    m1.fuel1Quantity = monthValues(in.MonthlyFuel1);
    m1.fuel2Quantity = monthValues(in.MonthlyFuel2);
    m1.fuel1UnitFactor = fuel1Factor;
    m1.fuel2UnitFactor = fuel2Factor;
    m1.peakKW = peakKW;
    // The annual consumption as shown: a whole number of kWh.
    m1.annualPower = Number(r.totals.lblAnnualPower);
    m1.boilerEfficiency = m_state.BoilerEfficiency;
    m1.primeMover = in.PrimeMover;
    m1.installationDifficulty = in.InstallationDifficulty;
    Method1Output out1 = updateMethod1a(m1);
    r.method1 = out1.results;
    r.lblMethod1 = out1.lblMethod1;
    r.lblComparisons = out1.lblComparisons;
    r.genCapacityByMethod[1] = out1.results.genCapacity;
    r.paybackByMethod[1] = out1.results.payback;

    // 6. Method 2, which prices the boiler fuel at the average cost of fuel 1 as shown.
    Method2Inputs m2;
    m2.bills = loadMonthlyBills(in.MonthlyKWh, in.MonthlyKW, in.MonthlyFuel1, in.MonthlyFuel1Cost,
                                in.MonthlyFuel2, in.MonthlyFuel2Cost);
    m2.kWhTexts = in.MonthlyKWh;
    m2.runTimeFraction = m_state.RunTimeFraction;
    m2.boilerEfficiency = m_state.BoilerEfficiency;
    m2.fuel1UnitFactor = fuel1Factor;
    m2.fuel2UnitFactor = fuel2Factor;
    m2.gasPrice = gasPrice;
    m2.fuel1AverageCost = Number(r.totals.lblFuel1AvgCost);
    m2.energyCharge = energyRate;
    m2.demandCharge = demandCharge;
    m2.standbyCharge = standbyCharge;
    m2.primeMover = in.PrimeMover;
    m2.installationDifficulty = in.InstallationDifficulty;
    m2.heatAllocation = in.HeatAllocation;
    m2.waterHeaterFuel = in.WaterHeaterFuel;
    m2.scrlMonths = view.scrlMonths;
    m2.scrlGeneration = view.scrlGeneration;
    // The sweep's month records are large: they are written in place.
    computeMethod2(m2, r.method2);
    Method2Captions out2 = method2Captions(m2, r.method2, r.lblComparisons);
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
    Method3Inputs m3;
    m3.stateName = in.State;
    m3.cityName = in.City;
    if (const ClimateRecord* city = findCity(m_climate, in.State, in.City)) {
        m3.HDD = Number(city->HDD);
        m3.CDD = Number(city->CDD);
        m_state.avgTemperature = Number(city->AvgTemp);
    }
    m3.avgTemperature = m_state.avgTemperature;
    m3.coolingIntensity = CoolingIntensity(m3.HDD, m3.CDD, in.ACCriteria);
    m3.heatingIntensity = HeatingIntensity(m3.HDD, m3.CDD);
    m3.heatedFloorSpace = Number(in.HeatedFloorSpace);
    m3.cooledFloorSpace = Number(in.CooledFloorSpace);
    // A whole number of occupants, halves to the even number.
    m3.occupants = std::nearbyint(Number(in.Occupants));
    m3.hotWaterUsage = in.HotWaterUsage;
    m3.energyRate = energyRate;
    m3.demandCharge = demandCharge;
    m3.standbyCharge = standbyCharge;
    m3.peakKW = peakKW;
    m3.gasPrice = gasPrice;
    m3.boilerEfficiency = m_state.BoilerEfficiency;
    m3.runTimeFraction = m_state.RunTimeFraction;
    m3.primeMover = in.PrimeMover;
    m3.installationDifficulty = in.InstallationDifficulty;
    Method3Output out3 = updateMethod3a(m3, r.lblComparisons);
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
    const std::array<MethodFigures, 3> figures = {
        method1Figures(r.method1), method2Figures(r.method2, m2.bills, fuel1Factor, fuel2Factor),
        method3Figures(r.method3)};
    r.lifeCycle = computeLifeCycle(figures, lifeCycleParameters(in), m_emissions, in.State,
                                   in.Fuel1Type, in.Fuel2Type);

    r.warnings =
        m_state.warnings.list(in, m_climate, m_state.RunTimeFraction, m_state.BoilerEfficiency);

    // 10. The show-details switches; "Print Forms" and "Screen Shot" never show.
    r.summaryFrameVisible = view.Check1[0];
    r.tabVisible = {true, true, true, true, true, true};
    r.tabVisible[tab::Method1] = view.Check1[1];
    r.tabVisible[tab::Method2] = view.Check1[2];
    r.tabVisible[tab::Method3] = view.Check1[3];
    r.tabVisible[tab::ComparisonOfMethods] = view.Check1[4];
}

} // namespace plenara
