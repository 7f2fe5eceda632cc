#pragma once

#include "sensitivity/sensitivity.h"

#include <string>
#include <vector>

namespace plenara {

// One input's bars of a tornado chart: the payback with the input at -X % and at +X %, each
// drawn from the base payback. A payback that is lost has no bar, only its label at the base.
struct TornadoBar {
    std::string caption;    // the input and its unit
    std::string valueRange; // the input's low and high values: "$1.0495 to $1.5743"
    double lowYears = 0.0;  // where the bar ends, on the axis
    double highYears = 0.0;
    // The payback at the bar's end and the input's value there: "4.7 at $1.0495", "none at 60.0%".
    std::string lowLabel;
    std::string highLabel;

    friend bool operator==(const TornadoBar&, const TornadoBar&) = default;
};

// Everything a tornado chart shows, drawn alike in the window and on a report page. Bars are
// in the order of their swing, the widest first.
struct TornadoChartData {
    std::string title;
    std::string valueAxisTitle;
    std::string categoryAxisTitle;
    std::string lowLegend;  // "input -20 %"
    std::string highLegend; // "input +20 %"
    bool hasBase = false;   // whether the method has a payback today; without one no bar is drawn
    double baseYears = 0.0;
    std::string baseLabel;
    double axisMinimum = 0.0;
    double axisMaximum = 1.0;
    std::vector<TornadoBar> bars;

    friend bool operator==(const TornadoChartData&, const TornadoChartData&) = default;
};

// The years along a tornado chart: ticks at round paybacks (1, 2 or 5 times a power of ten)
// from `low` to `high`; `count` ticks from `minimum` in steps of `step`.
struct TornadoTicks {
    double minimum = 0.0;
    double step = 1.0;
    int count = 2;

    double last() const { return minimum + step * (count - 1); }
};
TornadoTicks tornadoTicks(double low, double high, int most);

// The tornado chart of the method chosen in `results`.
TornadoChartData tornadoChartData(const SensitivityResults& results);

} // namespace plenara
