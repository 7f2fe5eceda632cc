#pragma once

#include "sensitivity/projectvariations.h"
#include "sensitivity/uncertaininput.h"

#include <array>
#include <vector>

namespace plenara {

// One bar of a tornado chart: the payback when one input alone moves by -X % and +X %.
struct TornadoRow {
    UncertainInput input = UncertainInput::GasPrice;
    double lowValue = 0.0;        // the input at -X %, in its unit
    double highValue = 0.0;       // at +X %
    double lowPaybackYears = 0.0; // 0 or less: no payback
    double highPaybackYears = 0.0;
    double lowNpv = 0.0; // $, not a number when there is none
    double highNpv = 0.0;
    double swingYears = 0.0; // the bar's length; infinite when the payback is lost along it
};

// The rows of each method (index 0 for Method 1), sorted by swing, the widest first; rows of
// equal swing keep the order of the inputs.
using Tornado = std::array<std::vector<TornadoRow>, 3>;

// Each input that the project has, alone at -`percent` % and +`percent` %: two runs each, but
// none for the installed cost, which scales the paybacks without a run.
Tornado computeTornado(const ProjectVariations& project, double percent);

} // namespace plenara
