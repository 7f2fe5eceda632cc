#include "output/linechart.h"

#include <algorithm>
#include <cmath>

namespace plenara {

int AxisTicks::count() const {
    return step > 0.0 ? static_cast<int>(std::lround((maximum - minimum) / step)) + 1 : 1;
}

AxisTicks niceAxisTicks(double low, double high, int mostTicks) {
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = 0.0;
        high = 1.0;
    }
    if (high < low) {
        std::swap(low, high);
    }
    if (high - low <= 0.0) {
        high = low + 1.0;
    }
    const int intervals = std::max(mostTicks - 1, 1);
    const double rough = (high - low) / intervals;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10.0;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        const double candidate = power * factor;
        if (std::ceil(high / candidate) - std::floor(low / candidate) <= intervals) {
            step = candidate;
            break;
        }
    }
    AxisTicks ticks;
    ticks.step = step;
    ticks.minimum = std::floor(low / step) * step;
    ticks.maximum = std::ceil(high / step) * step;
    return ticks;
}

AxisTicks wholeAxisTicks(double low, double high, int mostTicks) {
    AxisTicks ticks = niceAxisTicks(low, high, mostTicks);
    if (ticks.step < 1.0) {
        ticks.step = 1.0;
        ticks.minimum = std::floor(ticks.minimum);
        ticks.maximum = std::max(std::ceil(ticks.maximum), ticks.minimum + 1.0);
    }
    return ticks;
}

ChartBounds chartBounds(const LineChartData& chart) {
    ChartBounds b;
    bool any = false;
    for (const LineSeries& series : chart.series) {
        for (const LinePoint& p : series.points) {
            if (!any) {
                b.xMinimum = b.xMaximum = p.x;
                any = true;
            }
            b.xMinimum = std::min(b.xMinimum, p.x);
            b.xMaximum = std::max(b.xMaximum, p.x);
            b.yMinimum = std::min(b.yMinimum, p.y);
            b.yMaximum = std::max(b.yMaximum, p.y);
        }
    }
    if (b.xMaximum <= b.xMinimum) {
        b.xMaximum = b.xMinimum + 1.0;
    }
    return b;
}

} // namespace plenara
