#include "output/chartseries.h"

#include "engine/fuels.h"
#include "engine/number.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace plenara {

namespace {

constexpr const char* kPowerTitle = "Monthly Power Consumption";
constexpr const char* kDemandTitle = "Monthly Electrical Demand";
constexpr const char* kFuelTitle = "Monthly Fuel Consumption";
constexpr const char* kKWhAxis = "kiloWatt-hours";
constexpr const char* kMMBtuAxis = "Million Btu";

ChartData monthlyChart(const char* title, const char* valueAxisTitle, const char* unit,
                       bool stacked) {
    ChartData chart;
    chart.title = title;
    chart.valueAxisTitle = valueAxisTitle;
    chart.unit = unit;
    chart.stacked = stacked;
    chart.months = monthLabels();
    return chart;
}

std::array<double, 12> numbers(const MonthTexts& texts) {
    std::array<double, 12> values{};
    for (std::size_t m = 0; m < 12; ++m) {
        values[m] = Number(texts[m]);
    }
    return values;
}

// The month records of the chosen step of the run made: the recalculation keeps only the run
// that the allocation asks for, so there is no choice left to make here.
std::size_t chosenStep(const Method2Results& m2) {
    return static_cast<std::size_t>(std::clamp(m2.selectedStep, 0, kSweepSteps - 1));
}

const std::array<Method2Month, 12>& chosenMonths(const Method2Results& m2) {
    return m2.months[chosenStep(m2)];
}

template <typename Field>
std::array<double, 12> monthField(const std::array<Method2Month, 12>& months, Field field) {
    std::array<double, 12> values{};
    for (std::size_t m = 0; m < 12; ++m) {
        values[m] = months[m].*field;
    }
    return values;
}

} // namespace

ChartData chtPowerData(const ProjectInputs& inputs) {
    // The single series of an input chart takes the colour of the same series in the CHP
    // chart below it, so that one colour means one thing on the tab.
    ChartData chart = monthlyChart(kPowerTitle, kKWhAxis, "kWh", false);
    chart.series.push_back({"Utility Power", numbers(inputs.MonthlyKWh), kChartRed});
    return chart;
}

ChartData chtDemandData(const ProjectInputs& inputs) {
    // "kiloWats" is the axis title users know from this chart, spelling included.
    ChartData chart = monthlyChart(kDemandTitle, "kiloWats", "kW", false);
    chart.series.push_back({"Utility Demand", numbers(inputs.MonthlyKW), kChartRed});
    return chart;
}

ChartData chtHeatData(const ProjectInputs& inputs) {
    const double f1 = FuelUnitFactor(inputs.Fuel1Type, inputs.Fuel1Units);
    const double f2 = FuelUnitFactor(inputs.Fuel2Type, inputs.Fuel2Units);
    std::array<double, 12> fuel{};
    for (std::size_t m = 0; m < 12; ++m) {
        fuel[m] = Number(inputs.MonthlyFuel1[m]) * f1 + Number(inputs.MonthlyFuel2[m]) * f2;
    }
    ChartData chart = monthlyChart(kFuelTitle, kMMBtuAxis, "MMBtu", false);
    chart.series.push_back({"Water Heater", fuel, kChartRed});
    return chart;
}

ChartData chtCHPPowerData(const ProjectResults& results) {
    const Method2Results& m2 = results.method2;
    const auto& months = chosenMonths(m2);
    std::array<double, 12> onSite = monthField(months, &Method2Month::GenSetKWh);
    if (m2.selectedStep < 1) {
        onSite.fill(0.0);
    }
    ChartData chart = monthlyChart(kPowerTitle, kKWhAxis, "kWh", true);
    chart.series.push_back(
        {"Utility Power", monthField(months, &Method2Month::UtilityKWh), kChartRed});
    chart.series.push_back({"On Site Generation", onSite, kChartBlue});
    return chart;
}

ChartData chtCHPDemandData(const ProjectResults& results) {
    const Method2Results& m2 = results.method2;
    const auto& months = chosenMonths(m2);
    std::array<double, 12> generator{};
    generator.fill(m2.stepResults[chosenStep(m2)].CapacityKW);
    ChartData chart = monthlyChart(kDemandTitle, "kW", "kW", true);
    chart.series.push_back(
        {"Utility Demand", monthField(months, &Method2Month::UtilityKW), kChartRed});
    chart.series.push_back({"On Site Generator", generator, kChartBlue});
    chart.series.push_back(
        {"Avoided A/C", monthField(months, &Method2Month::AvoidedACKW), kChartGreen});
    return chart;
}

ChartData chtCHPFuelData(const ProjectResults& results) {
    const auto& months = chosenMonths(results.method2);
    ChartData chart = monthlyChart(kFuelTitle, kMMBtuAxis, "MMBtu", true);
    chart.series.push_back(
        {"Water Heater", monthField(months, &Method2Month::HeaterFuelMMBtu), kChartRed});
    chart.series.push_back(
        {"On Site Generator", monthField(months, &Method2Month::GenSetFuelMMBtu), kChartBlue});
    return chart;
}

std::array<ChartData, 6> energyChartData(const ProjectInputs& inputs,
                                         const ProjectResults& results) {
    return {chtPowerData(inputs),     chtDemandData(inputs),     chtHeatData(inputs),
            chtCHPPowerData(results), chtCHPDemandData(results), chtCHPFuelData(results)};
}

AxisRange axisRange(double low, double high, double minimumSpan) {
    if (high < low) {
        std::swap(low, high);
    }
    // A narrow range grows upwards, so that a baseline of zero stays at the bottom.
    if (!(high - low >= minimumSpan)) {
        high = low + minimumSpan;
    }
    return {low, high};
}

AxisRange valueAxisRange(const ChartData& chart) {
    // Bars grow from zero, so zero is always on the axis.
    double low = 0.0;
    double high = 0.0;
    for (std::size_t m = 0; m < 12; ++m) {
        if (chart.stacked) {
            // Stacked parts of one sign pile up on their side of zero.
            double above = 0.0;
            double below = 0.0;
            for (const ChartSeries& s : chart.series) {
                (s.values[m] >= 0.0 ? above : below) += s.values[m];
            }
            high = std::max(high, above);
            low = std::min(low, below);
        } else {
            for (const ChartSeries& s : chart.series) {
                high = std::max(high, s.values[m]);
                low = std::min(low, s.values[m]);
            }
        }
    }
    // An empty chart (a year without bills) shows zero to one at the bottom of its axis.
    return axisRange(low, high, 1.0);
}

std::vector<ChartPoint> paybackCurvePoints(const std::array<double, kSweepSteps>& capacities,
                                           const std::array<double, kSweepSteps>& paybacks) {
    std::vector<ChartPoint> points;
    for (std::size_t s = 0; s < capacities.size(); ++s) {
        if (paybacks[s] < 100.0) {
            points.push_back({capacities[s], paybacks[s]});
        }
    }
    return points;
}

} // namespace plenara
