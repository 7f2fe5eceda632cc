#include "portfolio/portfolioscreen.h"

#include <algorithm>
#include <memory>
#include <oneapi/tbb/concurrent_queue.h>
#include <oneapi/tbb/enumerable_thread_specific.h>
#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/info.h>
#include <oneapi/tbb/parallel_pipeline.h>
#include <oneapi/tbb/task_arena.h>
#include <vector>

namespace plenara {

namespace {

constexpr std::size_t kWindowPerThread = 64;

// One building on its way through the pipeline. Items are reused, so that the texts of a
// building's inputs fill the room that the previous building left.
struct Item {
    BuildingInput building;
    ScreenRow row;
};

} // namespace

ScreenSummary screenPortfolio(PortfolioReader& reader, const ClimateTable& climate,
                              const EmissionData& emissions, const ScreenSettings& settings,
                              const std::function<void(const ScreenRow&)>& emit,
                              const std::function<void(double, const ScreenSummary&)>& progress) {
    // More threads than TBB allows would only make it print a warning of its own on stderr;
    // the rows do not depend on the number of threads.
    const int allowed = static_cast<int>(
        tbb::global_control::active_value(tbb::global_control::max_allowed_parallelism));
    const int threads = std::min(
        settings.threads > 0 ? settings.threads : tbb::info::default_concurrency(), allowed);
    const std::size_t window = settings.window > 0
                                   ? settings.window
                                   : kWindowPerThread * static_cast<std::size_t>(threads);

    std::vector<std::unique_ptr<Item>> items;
    tbb::concurrent_queue<Item*> idle;
    for (std::size_t i = 0; i < window; ++i) {
        items.push_back(std::make_unique<Item>());
        idle.push(items.back().get());
    }
    // The room of the Method 2 sweep is large; each thread keeps its own.
    tbb::enumerable_thread_specific<ProjectNumbers> scratch;
    std::atomic<double> fraction{0.0};
    ScreenSummary summary;
    bool cancelled = false;

    const auto read = [&](tbb::flow_control& control) -> Item* {
        if (settings.cancel != nullptr && settings.cancel->load()) {
            cancelled = true;
            control.stop();
            return nullptr;
        }
        Item* item = nullptr;
        if (!idle.try_pop(item)) {
            items.push_back(std::make_unique<Item>());
            item = items.back().get();
        }
        if (!reader.next(item->building)) {
            idle.push(item);
            control.stop();
            return nullptr;
        }
        fraction.store(reader.progress());
        return item;
    };
    const auto screen = [&](Item* item) {
        screenBuilding(item->building, climate, emissions, scratch.local(), item->row,
                       settings.draws);
        return item;
    };
    const auto handOn = [&](Item* item) {
        emit(item->row);
        ++(item->row.failed() ? summary.failed : summary.screened);
        idle.push(item);
        if (progress) {
            progress(fraction.load(), summary);
        }
    };

    tbb::task_arena arena(threads);
    arena.execute([&] {
        tbb::parallel_pipeline(
            window, tbb::make_filter<void, Item*>(tbb::filter_mode::serial_in_order, read) &
                        tbb::make_filter<Item*, Item*>(tbb::filter_mode::parallel, screen) &
                        tbb::make_filter<Item*, void>(tbb::filter_mode::serial_in_order, handOn));
    });
    summary.cancelled = cancelled;
    return summary;
}

} // namespace plenara
