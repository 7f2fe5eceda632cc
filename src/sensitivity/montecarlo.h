#pragma once

#include "sensitivity/projectvariations.h"
#include "sensitivity/sensitivityoptions.h"
#include "sensitivity/uncertaininput.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace plenara {

// The spread of one method's payback over the draws. A draw without payback counts as longer
// than any payback, so a percentile that falls among those draws is none.
struct PaybackSpread {
    std::optional<double> p10;
    std::optional<double> p50;
    std::optional<double> p90;
    double noPaybackShare = 0.0; // of the draws, 0 to 1
};

// The spread of one method's net present value over the draws ($); none where the draws give
// no value.
struct NpvSpread {
    std::optional<double> p10;
    std::optional<double> p50;
    std::optional<double> p90;
};

// The paybacks of one method in equal bins from the shortest to the longest drawn.
struct PaybackHistogram {
    double lowYears = 0.0;
    double binYears = 0.0; // 0 when every draw gave the same payback: one bin
    std::vector<int> counts;
    int longer = 0;    // draws with a payback beyond the last bin, far out in the tail
    int noPayback = 0; // draws without payback, beside the bins
};

inline constexpr int kHistogramBins = 20;

struct MonteCarloResults {
    int draws = 0;
    std::array<PaybackSpread, 3> methods; // Methods 1, 2 and 3
    std::array<NpvSpread, 3> npv;
    int histogramMethod = 2;
    PaybackHistogram histogram;
};

// The factors of draw `draw`: every uncertain input on a triangular distribution from -X % to
// +X % around today's value. Each draw has its own random numbers, made from the seed and the
// draw's number alone, so the figures do not depend on which thread makes which draw.
InputFactors drawFactors(std::uint64_t seed, int draw, double percent);

// `options.draws` runs of the project with all uncertain inputs drawn together, on oneTBB's
// worker threads (`options.threads` of them, or as many as the machine offers). None when `stop`
// was requested before the last draw was made: a newer input has made the run worthless.
std::optional<MonteCarloResults> runMonteCarlo(const ProjectVariations& project,
                                               const SensitivityOptions& options,
                                               std::stop_token stop = {});

// The 10th, 50th and 90th percentiles of `paybacks` (linear between neighbouring draws).
PaybackSpread paybackSpread(std::vector<double> paybacks);

// The same percentiles of net present values; values that are not numbers are left out.
NpvSpread npvSpread(std::vector<double> values);

PaybackHistogram paybackHistogram(const std::vector<double>& paybacks, int bins);

} // namespace plenara
