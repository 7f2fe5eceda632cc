#include "climate/climatedata.h"
#include "portfolio/portfolioreader.h"
#include "portfolio/portfolioscreen.h"
#include "portfolio/resultcolumns.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>

#include <benchmark/benchmark.h>

namespace plenara {
namespace {

namespace fs = std::filesystem;

// A portfolio of `count` buildings written by bench/make-portfolio.sh, once per size.
std::string portfolio(long count) {
    const fs::path folder = fs::temp_directory_path() / ("plenara-bench-" + std::to_string(count));
    if (!fs::exists(folder / "bills.csv")) {
        const std::string command = "sh '" + std::string(PLENARA_BENCH_DIR) +
                                    "/make-portfolio.sh' " + std::to_string(count) + " '" +
                                    folder.string() + "' '" + PLENARA_SHIPPED_DATA_DIR +
                                    "/ClimateData.Dat'";
        if (std::system(command.c_str()) != 0) {
            return {};
        }
    }
    return folder.string();
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A screening of the whole portfolio on every core with the numbers of all three methods and
// their life-cycle figures, the CSV line of each row made as for a results file: from the
// files to the last row.
void BM_ScreenPortfolio(benchmark::State& state) {
    const ClimateTable climate = readClimateData(PLENARA_SHIPPED_DATA_DIR).table;
    const EmissionData emissions = readEmissionData(PLENARA_SHIPPED_DATA_DIR);
    const std::string folder = portfolio(state.range(0));
    if (folder.empty()) {
        state.SkipWithError("bench/make-portfolio.sh failed");
        return;
    }
    ScreenSettings settings;
    settings.threads = static_cast<int>(state.range(1));
    std::size_t bytes = 0;
    ScreenSummary summary;
    for (auto _ : state) {
        PortfolioReader reader({folder}, climate);
        summary = screenPortfolio(reader, climate, emissions, settings, [&](const ScreenRow& row) {
            bytes += resultsCsvLine(row).size();
        });
    }
    if (summary.failed > 0) {
        state.SkipWithError("buildings failed");
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(summary.total()));
    state.counters["peakMB"] = peakMegabytes();
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_ScreenPortfolio)
    ->ArgNames({"buildings", "threads"})
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace plenara
