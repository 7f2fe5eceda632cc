#include "sensitivity/sensitivityworker.h"

namespace plenara {

SensitivityWorker::SensitivityWorker(Done done)
    : m_done(std::move(done)) {}

SensitivityWorker::~SensitivityWorker() {
    stop();
}

void SensitivityWorker::stop() {
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

std::uint64_t SensitivityWorker::start(const ProjectInputs& inputs, const ClimateTable& climate,
                                       const RecalculationState& kept,
                                       const SensitivityOptions& options) {
    // The draws check for a stop after each run of the project, so the wait is short.
    stop();
    const std::uint64_t run = ++m_runs;
    m_thread = std::jthread([this, run, inputs, &climate, kept, options](std::stop_token token) {
        auto results = std::make_shared<SensitivityResults>(
            computeSensitivity(inputs, climate, kept, options, token));
        if (token.stop_requested() || !results->monteCarlo) {
            return;
        }
        {
            const std::lock_guard lock(m_mutex);
            m_finishedRun = run;
            m_finishedResults = results;
        }
        m_finished.notify_all();
        m_done(run, std::move(results));
    });
    return run;
}

std::shared_ptr<const SensitivityResults>
SensitivityWorker::waitFor(std::uint64_t run, std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    if (!m_finished.wait_for(lock, timeout, [&] { return m_finishedRun >= run; }) ||
        m_finishedRun != run) {
        return nullptr;
    }
    return m_finishedResults;
}

} // namespace plenara
