#include "engine/formatpattern.h"
#include "engine/gensetmodel.h"

#include <array>
#include <string_view>

#include <benchmark/benchmark.h>

namespace plenara {
namespace {

// Every display pattern of the result panels, with a typical value of its kind.
struct PatternSample {
    std::string_view pattern;
    double value;
};

constexpr std::array<PatternSample, 36> kPatterns = {{
    {"###,###,##0", 1234567.4},
    {"###,##,##0", 1234567},
    {"##,###,###0", 98765.4},
    {"###,###0", 45678.9},
    {"#,###,##0", 12345},
    {"###,##0", 10500},
    {"##,##0", 7440},
    {"#,##0", 150},
    {"$###,###,##0", 123456.7},
    {"$#,###,##0", 98765},
    {"$###,##0", 1500},
    {"$##,##0", 2200},
    {"$#,##0", 850},
    {"$###0.00", 1234.5},
    {"$##0.00", 9.876},
    {"$##0.000", 0.08765},
    {"$#0.000", 0.015},
    {"$##0.0000", 0.12345678},
    {"$#0.0000", 0.0123456},
    {"###,###,##0.0", 1234.56},
    {"#,###,##0.0", 1234.56},
    {"###,##0.0", 987.65},
    {"##,##0.0", 3.26},
    {"#,##0.0", 12.34},
    {"#,##0.00", 1234.567},
    {"#,##.0", 0.44},
    {"###0.0", 3.26},
    {"###.0", 0.44},
    {"##0.0", 58.84},
    {"##0.00", 1.5},
    {"###0.00", 12.3456},
    {"0.00", 0.5},
    {"###0.000", 1.23456},
    {"##0%", 0.756},
    {"##0.0%", 0.1234},
    {"#0.0%", 0.1234},
}};

void BM_FormatPatternAllPatterns(benchmark::State& state) {
    for (auto _ : state) {
        for (const PatternSample& s : kPatterns) {
            benchmark::DoNotOptimize(FormatPattern(s.value, s.pattern));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kPatterns.size()));
}
BENCHMARK(BM_FormatPatternAllPatterns);

void BM_GenSetPerformance(benchmark::State& state) {
    const std::array<PrimeMover, 4> movers = {PrimeMover::RecipEngine, PrimeMover::GasTurbine,
                                              PrimeMover::Microturbine, PrimeMover::FuelCell};
    double capacity = 1.0;
    for (auto _ : state) {
        for (const PrimeMover mover : movers) {
            benchmark::DoNotOptimize(GenSetPerformance(capacity, mover));
        }
        capacity = capacity > 5000.0 ? 1.0 : capacity + 7.5;
    }
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_GenSetPerformance);

} // namespace
} // namespace plenara
