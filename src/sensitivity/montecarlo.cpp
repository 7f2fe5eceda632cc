#include "sensitivity/montecarlo.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <oneapi/tbb/blocked_range.h>
#include <oneapi/tbb/parallel_for.h>
#include <oneapi/tbb/task_arena.h>

namespace plenara {

namespace {

// SplitMix64: small, fast and the same on every platform, unlike the distributions of the
// standard library, whose results the standard leaves to each implementation.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t state)
        : m_state(state) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double uniform() { return double(next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_state;
};

// The inverse of the triangular distribution from 1 - x to 1 + x with its mode at 1.
double triangular(double u, double x) {
    return u < 0.5 ? 1.0 - x + x * std::sqrt(2.0 * u) : 1.0 + x - x * std::sqrt(2.0 * (1.0 - u));
}

double percentile(const std::vector<double>& sorted, double q) {
    const double at = q * double(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double a = sorted[below];
    const double b = sorted[above];
    if (!std::isfinite(a) || !std::isfinite(b)) {
        return std::numeric_limits<double>::infinity();
    }
    return a + (b - a) * (at - double(below));
}

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

} // namespace

InputFactors drawFactors(std::uint64_t seed, int draw, double percent) {
    SplitMix64 random(seed ^ (std::uint64_t(draw) * 0xD1B54A32D192ED03ull));
    const double x = percent / 100.0;
    InputFactors factors;
    // Every input takes its number whether the project has it or not, so that a fuel that
    // gains a cost does not shift the draws of the others.
    for (double& f : factors.factor) {
        f = triangular(random.uniform(), x);
    }
    return factors;
}

PaybackSpread paybackSpread(std::vector<double> paybacks) {
    PaybackSpread spread;
    if (paybacks.empty()) {
        return spread;
    }
    std::size_t none = 0;
    for (double& years : paybacks) {
        if (!hasPayback(years)) {
            years = std::numeric_limits<double>::infinity();
            ++none;
        }
    }
    std::sort(paybacks.begin(), paybacks.end());
    spread.p10 = finite(percentile(paybacks, 0.10));
    spread.p50 = finite(percentile(paybacks, 0.50));
    spread.p90 = finite(percentile(paybacks, 0.90));
    spread.noPaybackShare = double(none) / double(paybacks.size());
    return spread;
}

NpvSpread npvSpread(std::vector<double> values) {
    std::erase_if(values, [](double v) { return !std::isfinite(v); });
    NpvSpread spread;
    if (values.empty()) {
        return spread;
    }
    std::sort(values.begin(), values.end());
    spread.p10 = percentile(values, 0.10);
    spread.p50 = percentile(values, 0.50);
    spread.p90 = percentile(values, 0.90);
    return spread;
}

PaybackHistogram paybackHistogram(const std::vector<double>& paybacks, int bins) {
    PaybackHistogram h;
    std::vector<double> sorted;
    sorted.reserve(paybacks.size());
    for (double years : paybacks) {
        if (hasPayback(years)) {
            sorted.push_back(years);
        } else {
            ++h.noPayback;
        }
    }
    if (sorted.empty()) {
        return h;
    }
    std::sort(sorted.begin(), sorted.end());
    const double low = sorted.front();
    // A few draws that barely save give paybacks of thousands of years, which would squeeze
    // every other draw into the first bin: the bins end at the upper quartile plus three
    // times the spread of the middle half, and longer paybacks are counted beside them.
    const double q1 = percentile(sorted, 0.25);
    const double q3 = percentile(sorted, 0.75);
    const double fence = q3 + 3.0 * (q3 - q1);
    const double high = fence > low ? std::min(sorted.back(), fence) : sorted.back();
    h.lowYears = low;
    h.binYears = (high - low) / bins;
    h.counts.assign(h.binYears > 0.0 ? std::size_t(bins) : 1u, 0);
    for (double years : sorted) {
        if (years > high) {
            ++h.longer;
            continue;
        }
        const double at = h.binYears > 0.0 ? (years - low) / h.binYears : 0.0;
        const auto bin = std::min(static_cast<std::size_t>(at), h.counts.size() - 1);
        ++h.counts[bin];
    }
    return h;
}

std::optional<MonteCarloResults> runMonteCarlo(const ProjectVariations& project,
                                               const SensitivityOptions& options,
                                               std::stop_token stop) {
    const int draws = std::max(options.draws, 1);
    std::vector<MethodOutcomes> outcomes(static_cast<std::size_t>(draws));
    std::atomic<bool> stopped{false};
    const auto drawRange = [&](const oneapi::tbb::blocked_range<int>& range) {
        for (int d = range.begin(); d != range.end(); ++d) {
            if (stop.stop_requested()) {
                stopped = true;
                return;
            }
            outcomes[static_cast<std::size_t>(d)] =
                project.run(drawFactors(options.seed, d, options.percent));
        }
    };
    const oneapi::tbb::blocked_range<int> all(0, draws, 8);
    if (options.threads > 0) {
        oneapi::tbb::task_arena arena(options.threads);
        arena.execute([&] { oneapi::tbb::parallel_for(all, drawRange); });
    } else {
        oneapi::tbb::parallel_for(all, drawRange);
    }
    if (stopped || stop.stop_requested()) {
        return std::nullopt;
    }

    MonteCarloResults results;
    results.draws = draws;
    results.histogramMethod = std::clamp(options.method, 1, 3);
    std::vector<double> paybacks(outcomes.size());
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t d = 0; d < outcomes.size(); ++d) {
            paybacks[d] = outcomes[d].paybackYears[i];
        }
        if (int(i) + 1 == results.histogramMethod) {
            results.histogram = paybackHistogram(paybacks, kHistogramBins);
        }
        results.methods[i] = paybackSpread(paybacks);
        for (std::size_t d = 0; d < outcomes.size(); ++d) {
            paybacks[d] = outcomes[d].npv[i];
        }
        results.npv[i] = npvSpread(paybacks);
    }
    return results;
}

} // namespace plenara
