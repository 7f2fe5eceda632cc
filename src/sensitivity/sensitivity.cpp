#include "sensitivity/sensitivity.h"

#include <oneapi/tbb/parallel_invoke.h>
#include <oneapi/tbb/task_arena.h>

namespace plenara {

namespace {

std::string gasUnitCaption(const ProjectInputs& inputs, const RecalculationState& kept) {
    std::string label18 = kept.Label18;
    ProjectInputs copy;
    copy.GasCostUnit = inputs.GasCostUnit;
    formatInputFields(copy, label18);
    return label18;
}

SensitivityResults figures(const ProjectVariations& project, const ProjectInputs& inputs,
                           const RecalculationState& kept, const SensitivityOptions& options) {
    SensitivityResults r;
    r.options = options;
    r.gasPriceUnit = gasUnitCaption(inputs, kept);
    r.base = project.baseOutcomes();
    PriceBreakEven gas;
    PriceBreakEven energy;
    // The four parts are independent; on two cores they take about half the time together.
    oneapi::tbb::parallel_invoke(
        [&] { r.tornado = computeTornado(project, options.percent); },
        [&] { gas = findBreakEven(project, BreakEvenPrice::GasPrice, options.targetPaybackYears); },
        [&] {
            energy =
                findBreakEven(project, BreakEvenPrice::EnergyCharge, options.targetPaybackYears);
        },
        [&] {
            r.grid = computePaybackGrid(project);
            r.sparkSpread = computeSparkSpread(project);
        });
    for (std::size_t i = 0; i < 3; ++i) {
        r.breakEven[i] = {gas.forTarget[i], gas.noSavings[i], energy.forTarget[i],
                          energy.noSavings[i]};
    }
    return r;
}

template <typename Work>
void inArena(int threads, const Work& work) {
    if (threads > 0) {
        oneapi::tbb::task_arena arena(threads);
        arena.execute(work);
    } else {
        work();
    }
}

} // namespace

SensitivityResults computeSensitivityFigures(const ProjectInputs& inputs,
                                             const ClimateTable& climate,
                                             const RecalculationState& kept,
                                             const SensitivityOptions& options) {
    const ProjectVariations project(inputs, climate, kept);
    SensitivityResults r;
    inArena(options.threads, [&] { r = figures(project, inputs, kept, options); });
    r.recalculations = project.recalculations();
    return r;
}

SensitivityResults
computeSensitivity(const ProjectInputs& inputs, const ClimateTable& climate,
                   const RecalculationState& kept, const SensitivityOptions& options,
                   std::stop_token stop,
                   const std::function<void(const SensitivityResults&)>& figuresReady) {
    const ProjectVariations project(inputs, climate, kept);
    SensitivityResults r;
    inArena(options.threads, [&] {
        r = figures(project, inputs, kept, options);
        if (figuresReady && !stop.stop_requested()) {
            r.recalculations = project.recalculations();
            figuresReady(r);
        }
        r.monteCarlo = runMonteCarlo(project, options, stop);
    });
    r.recalculations = project.recalculations();
    return r;
}

} // namespace plenara
