#include "sensitivity/sensitivityworker.h"

namespace plenara {

SensitivityWorker::SensitivityWorker(Done done)
    : m_done(std::move(done))
    , m_thread([this](std::stop_token ending) { work(ending); }) {}

SensitivityWorker::~SensitivityWorker() {
    {
        const std::lock_guard lock(m_mutex);
        m_current.request_stop();
    }
    m_thread.request_stop();
    m_changed.notify_all();
    m_thread.join();
}

std::uint64_t SensitivityWorker::start(const ProjectInputs& inputs, const ClimateTable& climate,
                                       const RecalculationState& kept,
                                       const SensitivityOptions& options) {
    std::uint64_t run = 0;
    {
        const std::lock_guard lock(m_mutex);
        run = ++m_runs;
        // The draws check for a stop after each run of the project, so the old run ends soon.
        m_current.request_stop();
        m_pending = Job{run, inputs, &climate, kept, options};
    }
    m_changed.notify_all();
    return run;
}

void SensitivityWorker::work(std::stop_token ending) {
    for (;;) {
        Job job;
        std::stop_token stop;
        {
            std::unique_lock lock(m_mutex);
            if (!m_changed.wait(lock, ending, [&] { return m_pending.has_value(); })) {
                return;
            }
            job = std::move(*m_pending);
            m_pending.reset();
            m_current = std::stop_source();
            stop = m_current.get_token();
        }
        const auto deliver = [&](std::shared_ptr<const SensitivityResults> results) {
            {
                const std::lock_guard lock(m_mutex);
                m_finishedRun = job.run;
                m_finishedResults = results;
            }
            m_changed.notify_all();
            m_done(job.run, std::move(results));
        };
        auto results = std::make_shared<const SensitivityResults>(
            computeSensitivity(job.inputs, *job.climate, job.kept, job.options, stop,
                               [&](const SensitivityResults& figures) {
                                   deliver(std::make_shared<const SensitivityResults>(figures));
                               }));
        if (stop.stop_requested() || !results->monteCarlo) {
            continue;
        }
        deliver(std::move(results));
    }
}

std::shared_ptr<const SensitivityResults>
SensitivityWorker::waitFor(std::uint64_t run, std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    if (!m_changed.wait_for(lock, timeout, [&] { return m_finishedRun >= run; }) ||
        m_finishedRun != run) {
        return nullptr;
    }
    return m_finishedResults;
}

} // namespace plenara
