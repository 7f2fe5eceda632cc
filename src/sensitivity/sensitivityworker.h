#pragma once

#include "climate/climatedata.h"
#include "project/projectinputs.h"
#include "project/recalculationdriver.h"
#include "sensitivity/sensitivity.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace plenara {

// Runs the sensitivity of a project on a thread of its own (and oneTBB's workers), so that the
// window stays responsive while the draws are made. A newer start stops the run before it: its
// figures would describe inputs that are gone. The results go to `done` on the worker thread,
// with the number of the start they belong to, twice: first everything but the Monte Carlo, a
// millisecond or so after the start, then the whole with the Monte Carlo; a stopped run
// delivers no more. The thread lives as long as the worker: a thread started per run would set
// up oneTBB's state for it anew.
class SensitivityWorker {
public:
    using Done = std::function<void(std::uint64_t run, std::shared_ptr<const SensitivityResults>)>;

    explicit SensitivityWorker(Done done);
    // Stops the run in progress and waits for the thread to end.
    ~SensitivityWorker();
    SensitivityWorker(const SensitivityWorker&) = delete;
    SensitivityWorker& operator=(const SensitivityWorker&) = delete;

    // Starts a run on copies of the inputs and the kept state; `climate` must outlive the run.
    // Returns the number of this start (1, 2, ...).
    std::uint64_t start(const ProjectInputs& inputs, const ClimateTable& climate,
                        const RecalculationState& kept, const SensitivityOptions& options);

    // Waits at most `timeout` for the results of run `run`, at least its figures without the
    // Monte Carlo: a window that can show them within the same frame need not show the old
    // ones first. The latest results of the run, or none when none are ready.
    std::shared_ptr<const SensitivityResults> waitFor(std::uint64_t run,
                                                      std::chrono::milliseconds timeout);

private:
    struct Job {
        std::uint64_t run = 0;
        ProjectInputs inputs;
        const ClimateTable* climate = nullptr;
        RecalculationState kept;
        SensitivityOptions options;
    };

    void work(std::stop_token ending);

    Done m_done;
    std::mutex m_mutex;
    std::condition_variable_any m_changed;
    std::uint64_t m_runs = 0;        // guarded by m_mutex
    std::optional<Job> m_pending;    // guarded by m_mutex
    std::stop_source m_current;      // stops the run in progress
    std::uint64_t m_finishedRun = 0; // guarded by m_mutex
    std::shared_ptr<const SensitivityResults> m_finishedResults;
    std::jthread m_thread; // last: it starts when everything above is ready
};

} // namespace plenara
