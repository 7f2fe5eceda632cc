#include "project/projectsession.h"
#include "sensitivity/sensitivity.h"

#include <benchmark/benchmark.h>

namespace plenara {
namespace {

ProjectSession sampleSession() {
    ProjectSession session(readClimateData(PLENARA_SHIPPED_DATA_DIR).table);
    session.loadSampleData();
    return session;
}

// One whole sensitivity of the sample with the tab's defaults (X = 20 %, 1,000 draws) on the
// threads the machine offers (argument 0) or on one; the counter tells how many full runs of
// the project it took.
void BM_SensitivitySample(benchmark::State& state) {
    const ProjectSession session = sampleSession();
    SensitivityOptions options;
    options.threads = static_cast<int>(state.range(0));
    std::size_t runs = 0;
    for (auto _ : state) {
        const SensitivityResults r =
            computeSensitivity(session.inputs(), session.climate(), session.state(), options);
        runs = r.recalculations;
        benchmark::DoNotOptimize(r.monteCarlo);
    }
    state.counters["recalculations"] = double(runs);
}
BENCHMARK(BM_SensitivitySample)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Everything but the Monte Carlo: what the tab shows before the draws are in.
void BM_SensitivityFiguresSample(benchmark::State& state) {
    const ProjectSession session = sampleSession();
    const SensitivityOptions options;
    std::size_t runs = 0;
    for (auto _ : state) {
        const SensitivityResults r = computeSensitivityFigures(session.inputs(), session.climate(),
                                                               session.state(), options);
        runs = r.recalculations;
        benchmark::DoNotOptimize(r.grid);
    }
    state.counters["recalculations"] = double(runs);
}
BENCHMARK(BM_SensitivityFiguresSample)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace plenara
