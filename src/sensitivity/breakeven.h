#pragma once

#include "sensitivity/projectvariations.h"

#include <array>
#include <optional>

namespace plenara {

// Break-even values of one price for the three methods (index 0 for Method 1), in the unit the
// user types the price; none when no price from 0 to 10 times today's gives it.
struct PriceBreakEven {
    // The price at which the payback meets the target: of the two neighbouring prices, one
    // display step apart, between which the payback crosses the target, the one whose payback
    // is nearer to it.
    std::array<std::optional<double>, 3> forTarget;
    // The price at which the method stops saving at all: the first price, seen from today's,
    // at which it has no payback (or, for a method that does not save today, the last).
    std::array<std::optional<double>, 3> noSavings;
};

// How many prices from 0 to 10 times today's are tried before the search narrows a bracket.
inline constexpr int kBreakEvenScanIntervals = 40;

// The break-even values of `price` by bracketed search on full runs of the project: the range
// from 0 to 10 times today's price is scanned, and the bracket nearest to today's price in which
// the method's payback crosses the target (or stops saving) is halved until its two ends lie
// one display step apart. A crossing that lies wholly between two scanned prices is not seen.
PriceBreakEven findBreakEven(const ProjectVariations& project, BreakEvenPrice price,
                             double targetYears);

} // namespace plenara
