#pragma once

#include "engine/method2.h"
#include "project/projectinputs.h"
#include "project/projectresults.h"

#include <array>
#include <string>
#include <vector>

namespace plenara {

// A colour of a chart series, each component 0 to 255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kChartRed{255, 0, 0};
inline constexpr Rgb kChartBlue{0, 0, 255};
inline constexpr Rgb kChartGreen{0, 255, 0};

// One series of a monthly bar chart: its legend text, its twelve values (January first) and
// the fill colour of its bars.
struct ChartSeries {
    std::string name;
    std::array<double, 12> values{};
    Rgb colour;
};

// Everything a monthly bar chart shows. With `stacked` each month's bar is the sum of the
// series, split into their parts.
struct ChartData {
    std::string title;
    std::string valueAxisTitle;
    std::string unit; // of the values, as a value is written out: "kWh", "kW", "MMBtu"
    std::vector<ChartSeries> series;
    bool stacked = false;
    std::array<std::string, 12> months;
};

// The upper row of the "Energy Plots" tab: what the user typed on the monthly grid.
ChartData chtPowerData(const ProjectInputs& inputs);  // kWh
ChartData chtDemandData(const ProjectInputs& inputs); // kW
ChartData chtHeatData(const ProjectInputs& inputs);   // both fuels in MMBtu

// The lower row: the chosen step of the Method 2 run of the last recalculation, split into
// what the utility still supplies and what the on-site generator supplies.
ChartData chtCHPPowerData(const ProjectResults& results);
ChartData chtCHPDemandData(const ProjectResults& results);
ChartData chtCHPFuelData(const ProjectResults& results);

// The six charts in the order of the tab: the upper row left to right, then the lower row.
std::array<ChartData, 6> energyChartData(const ProjectInputs& inputs,
                                         const ProjectResults& results);

// The span a value axis shows.
struct AxisRange {
    double minimum = 0.0;
    double maximum = 1.0;
};

// The value range that holds every bar of a chart (stacked bars as their sums) and zero.
// A chart without any value other than 0 still gets a range of one unit, so that an axis is
// never empty or inverted.
AxisRange valueAxisRange(const ChartData& chart);

// The range from the lower to the higher of `low` and `high`, its top raised when needed so
// that it spans at least `minimumSpan`.
AxisRange axisRange(double low, double high, double minimumSpan = 1.0);

// A point of an x-y chart.
struct ChartPoint {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// The payback curve of the specified-capacity chart: (capacity, payback) of the sweep steps
// in step order, leaving out the steps of 100 years or more (999 marks a step that saves
// nothing, which would flatten the curve of the steps that do).
std::vector<ChartPoint> paybackCurvePoints(const std::array<double, kSweepSteps>& capacities,
                                           const std::array<double, kSweepSteps>& paybacks);

} // namespace plenara
