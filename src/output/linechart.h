#pragma once

#include <string>
#include <vector>

namespace plenara {

// A colour of a chart line, each component 0 to 255.
struct LineColour {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const LineColour&, const LineColour&) = default;
};

// A point of an x-y line.
struct LinePoint {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const LinePoint&, const LinePoint&) = default;
};

// One line of an x-y chart with its legend text.
struct LineSeries {
    std::string name;
    std::vector<LinePoint> points;
    LineColour colour;

    friend bool operator==(const LineSeries&, const LineSeries&) = default;
};

// Everything an x-y line chart shows, drawn alike in the window and on a report page. The
// value axis always includes 0, where a reference line marks the break-even.
struct LineChartData {
    std::string title;
    std::string xAxisTitle;
    std::string yAxisTitle;
    std::vector<LineSeries> series;

    friend bool operator==(const LineChartData&, const LineChartData&) = default;
};

// An axis with round ticks: from `minimum` to `maximum` in steps of `step`.
struct AxisTicks {
    double minimum = 0.0;
    double maximum = 1.0;
    double step = 1.0;

    int count() const; // the number of ticks, both ends included

    friend bool operator==(const AxisTicks&, const AxisTicks&) = default;
};

// Round ticks (1, 2 or 5 times a power of ten) for values from `low` to `high`, at most
// `mostTicks` of them; an empty or inverted range gets a span of one unit.
AxisTicks niceAxisTicks(double low, double high, int mostTicks);

// The same for whole numbers such as years: no step below 1, so no label repeats when the
// labels show no decimals (a 4-year period reads 0 1 2 3 4, not 0 0 1 1 2 2 ...).
AxisTicks wholeAxisTicks(double low, double high, int mostTicks);

// The range of the x values and of the y values of every series, 0 included in the latter.
struct ChartBounds {
    double xMinimum = 0.0;
    double xMaximum = 1.0;
    double yMinimum = 0.0;
    double yMaximum = 0.0;
};
ChartBounds chartBounds(const LineChartData& chart);

} // namespace plenara
