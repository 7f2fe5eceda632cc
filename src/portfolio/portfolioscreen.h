#pragma once

#include "climate/climatedata.h"
#include "lifecycle/emissiondata.h"
#include "portfolio/portfolioreader.h"
#include "portfolio/screenrow.h"

#include <atomic>
#include <cstddef>
#include <functional>

namespace plenara {

// How a screening runs.
struct ScreenSettings {
    int threads = 0; // 0: one per core
    // The most buildings in flight at once, read but not yet handed on; 0: 64 per thread.
    // It bounds memory whatever the size of the portfolio.
    std::size_t window = 0;
    const std::atomic<bool>* cancel = nullptr; // set to stop after the buildings in flight
    // Draws of a Monte Carlo of each building, for the spread of its paybacks; 0: none. A
    // draw costs a recalculation: a thousand of them make the screening that much slower.
    int draws = 0;
};

// Counts of a screening, so far or in the end.
struct ScreenSummary {
    std::size_t screened = 0;
    std::size_t failed = 0;
    bool cancelled = false;

    std::size_t total() const { return screened + failed; }
};

// Screens every building of `reader` on the cores (oneTBB): buildings are read one after the
// other, screened side by side, and handed to `emit` one at a time in the order they were
// read, so the rows are the same, byte for byte, whatever the number of threads. `progress`
// is called after each row with the part of the inputs read (0 to 1) and the counts so far.
ScreenSummary
screenPortfolio(PortfolioReader& reader, const ClimateTable& climate, const EmissionData& emissions,
                const ScreenSettings& settings, const std::function<void(const ScreenRow&)>& emit,
                const std::function<void(double fraction, const ScreenSummary&)>& progress = {});

} // namespace plenara
