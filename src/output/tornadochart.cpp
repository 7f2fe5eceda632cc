#include "output/tornadochart.h"

#include "sensitivity/sensitivitytext.h"

#include <algorithm>
#include <cmath>

namespace plenara {

TornadoTicks tornadoTicks(double low, double high, int most) {
    const double raw = std::max(high - low, 1e-9) / (most - 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10.0 * power;
    for (double f : {1.0, 2.0, 5.0}) {
        if (f * power >= raw) {
            step = f * power;
            break;
        }
    }
    TornadoTicks t;
    t.minimum = std::floor(low / step) * step;
    t.step = step;
    t.count = static_cast<int>(std::ceil((high - t.minimum) / step - 1e-9)) + 1;
    return t;
}

TornadoChartData tornadoChartData(const SensitivityResults& r) {
    const SensitivityOptions& o = r.options;
    const auto m = static_cast<std::size_t>(o.method - 1);
    const std::string x = sensitivityPercentText(o.percent);
    TornadoChartData chart;
    chart.title = "Method " + std::to_string(o.method) + " simple payback, each input " +
                  inputsMovedText(o.percent);
    chart.valueAxisTitle = "Simple payback (years); the axis line is today's";
    chart.categoryAxisTitle = "Input (unit)";
    chart.lowLegend = x == "0" ? "input low (0 %)" : "input -" + x + " %";
    chart.highLegend = x == "0" ? "input high (0 %)" : "input +" + x + " %";
    const double base = r.base.paybackYears[m];
    chart.hasBase = hasPayback(base);
    chart.baseYears = chart.hasBase ? base : 0.0;
    chart.baseLabel = "today " + paybackYearsText(base);

    double low = chart.baseYears;
    double high = chart.baseYears;
    for (const TornadoRow& row : r.tornado[m]) {
        for (double years : {row.lowPaybackYears, row.highPaybackYears}) {
            if (hasPayback(years)) {
                low = std::min(low, years);
                high = std::max(high, years);
            }
        }
    }
    // Some room beyond the longest bar for its label.
    const double span = std::max(high - low, 1.0);
    chart.axisMinimum = std::max(0.0, low - 0.4 * span);
    chart.axisMaximum = high + 0.4 * span;

    for (const TornadoRow& row : r.tornado[m]) {
        TornadoBar bar;
        bar.caption = uncertainInputCaption(row.input, r.gasPriceUnit);
        bar.valueRange = uncertainValueText(row.input, row.lowValue, r.gasPriceUnit) + " to " +
                         uncertainValueText(row.input, row.highValue, r.gasPriceUnit);
        // A lost payback has no length that a bar could show: its label ("none at ...")
        // stands at the axis line instead.
        const auto end = [&](double years) {
            return hasPayback(years) ? years : chart.baseYears;
        };
        bar.lowYears = chart.hasBase ? end(row.lowPaybackYears) : chart.baseYears;
        bar.highYears = chart.hasBase ? end(row.highPaybackYears) : chart.baseYears;
        bar.lowLabel = paybackYearsText(row.lowPaybackYears) + " at " +
                       uncertainValueText(row.input, row.lowValue, r.gasPriceUnit);
        bar.highLabel = paybackYearsText(row.highPaybackYears) + " at " +
                        uncertainValueText(row.input, row.highValue, r.gasPriceUnit);
        chart.bars.push_back(bar);
    }
    return chart;
}

} // namespace plenara
