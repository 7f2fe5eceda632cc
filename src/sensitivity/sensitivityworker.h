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
#include <stop_token>
#include <thread>

namespace plenara {

// Runs the sensitivity of a project on a thread of its own (and oneTBB's workers), so that the
// window stays responsive while the draws are made. A newer start stops the run before it: its
// figures would describe inputs that are gone. The results go to `done` on the worker thread,
// with the number of the start they belong to; a stopped run delivers nothing.
class SensitivityWorker {
public:
    using Done = std::function<void(std::uint64_t run, std::shared_ptr<const SensitivityResults>)>;

    explicit SensitivityWorker(Done done);
    // Stops the run in progress and waits for it.
    ~SensitivityWorker();
    SensitivityWorker(const SensitivityWorker&) = delete;
    SensitivityWorker& operator=(const SensitivityWorker&) = delete;

    // Starts a run on copies of the inputs and the kept state; `climate` must outlive the run.
    // Returns the number of this start (1, 2, ...).
    std::uint64_t start(const ProjectInputs& inputs, const ClimateTable& climate,
                        const RecalculationState& kept, const SensitivityOptions& options);

    // Stops the run in progress, if any, and waits for it.
    void stop();

    // Waits at most `timeout` for the results of run `run`: a window that can show them
    // within the same frame need not show the old ones first. None when they are not ready.
    std::shared_ptr<const SensitivityResults> waitFor(std::uint64_t run,
                                                      std::chrono::milliseconds timeout);

private:
    Done m_done;
    std::uint64_t m_runs = 0;
    std::mutex m_mutex;
    std::condition_variable m_finished;
    std::uint64_t m_finishedRun = 0; // guarded by m_mutex
    std::shared_ptr<const SensitivityResults> m_finishedResults;
    std::jthread m_thread;
};

} // namespace plenara
