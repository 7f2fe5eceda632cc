#include "climate/climatedata.h"
#include "ui/frmtavchpscreening.h"
#include "ui/inputbox.h"
#include "ui/sensitivitytab.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include <QApplication>
#include <QCoreApplication>
#include <QTabWidget>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace plenara {
namespace {

// The window as the user has it: the sample building loaded, shown offscreen.
struct SampleWindow {
    frmTAVCHPScreening window{readClimateData(PLENARA_SHIPPED_DATA_DIR).table};
    InputBox* box = nullptr;
    // With the "Sensitivity" tab shown: whether an edit is on the screen only with the Monte
    // Carlo, or already when the other figures are (the draws follow a few milliseconds later).
    bool untilMonteCarlo = true;

    SampleWindow(int tabIndex, const QString& boxName) {
        window.show();
        window.mnuFSampleData_Click();
        window.tabs()->setCurrentIndex(tabIndex);
        box = window.findChild<InputBox*>(boxName);
        QCoreApplication::processEvents();
    }

    // A new text typed and the box left: the undo step recorded, the whole recalculation,
    // every caption, mark and chart refreshed, and the events it posted (repaints of the
    // visible tab) handled.
    void edit(const QString& text) {
        box->setText(text);
        emit box->textEdited(text);
        emit box->left();
        // The chart views update their scenes from events that the first pass posts, and
        // paint in a pass after that.
        for (int pass = 0; pass < 3; ++pass) {
            QCoreApplication::processEvents();
        }
        auto* sensitivity = window.findChild<SensitivityTab*>();
        const auto shown = [&] {
            return untilMonteCarlo ? sensitivity->upToDate() : sensitivity->figuresUpToDate();
        };
        // The window thread sleeps until the worker posts its results, as it does in the
        // event loop of a user's session: a thread that spun here would take one of the two
        // cores from the draws. The timer only guards against a wait for an event that never
        // comes.
        QTimer guard;
        guard.start(50);
        while (sensitivity && sensitivity->isVisible() && !shown()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QCoreApplication::processEvents();
    }
};

// Two gas prices (dollars per CCF) that lead Method 2 to different steps (9 and 8), so that
// every CHP chart changes each time.
const QString kGasPrices[2] = {QStringLiteral("1.3119"), QStringLiteral("2.0")};
// Two kWh figures for July, the peak month of the sample, which also move Method 2's step.
const QString kJulyKWh[2] = {QStringLiteral("138000"), QStringLiteral("300000")};

// Reports, besides the mean, the median and the 90th percentile of the single edits: a
// rare slow edit (a first layout, a cache filled) should not hide behind the mean.
void runEdits(benchmark::State& state, int tabIndex, const QString& boxName,
              const QString (&texts)[2], bool untilMonteCarlo = true) {
    SampleWindow w(tabIndex, boxName);
    w.untilMonteCarlo = untilMonteCarlo;
    w.edit(texts[1]);
    const int otherStep = w.window.session().results().method2.selectedStep;
    w.edit(texts[0]);
    if (w.window.session().results().method2.selectedStep == otherStep) {
        state.SkipWithError("the two texts choose the same Method 2 step");
        return;
    }
    std::vector<double> milliseconds;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        w.edit(texts[i++ % 2]);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        milliseconds.push_back(took.count());
    }
    if (milliseconds.empty()) {
        return;
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const auto at = [&](double fraction) {
        return milliseconds[static_cast<std::size_t>(fraction *
                                                     static_cast<double>(milliseconds.size() - 1))];
    };
    state.counters["median_ms"] = at(0.5);
    state.counters["p90_ms"] = at(0.9);
}

// The edit on the rate tab, where the user types it.
void BM_WindowRecalculationRateTab(benchmark::State& state) {
    runEdits(state, tab::UtilityRateData, QStringLiteral("txtGasCost"), kGasPrices);
}
BENCHMARK(BM_WindowRecalculationRateTab)->Unit(benchmark::kMillisecond);

// The same edit with the six charts on the screen.
void BM_WindowRecalculationChartsShown(benchmark::State& state) {
    runEdits(state, tab::EnergyPlots, QStringLiteral("txtGasCost"), kGasPrices);
}
BENCHMARK(BM_WindowRecalculationChartsShown)->Unit(benchmark::kMillisecond);

// July's kWh typed in the grid and the box left: every result follows the bills at once.
void BM_WindowRecalculationMonthlyGrid(benchmark::State& state) {
    runEdits(state, tab::MonthlyUtilityData, QStringLiteral("txtkWh_6"), kJulyKWh);
}
BENCHMARK(BM_WindowRecalculationMonthlyGrid)->Unit(benchmark::kMillisecond);

// The same edit with the life-cycle results, chart and cash-flow table on the screen.
void BM_WindowRecalculationLifeCycleShown(benchmark::State& state) {
    runEdits(state, tab::LifeCycle, QStringLiteral("txtGasCost"), kGasPrices);
}
BENCHMARK(BM_WindowRecalculationLifeCycleShown)->Unit(benchmark::kMillisecond);

// The gas-price edit with the "Sensitivity" tab on the screen: the recalculation, then 1,209
// runs of the project (1,000 of them Monte Carlo draws) and every chart and table of the tab.
void BM_WindowRecalculationSensitivityShown(benchmark::State& state) {
    runEdits(state, tab::Sensitivity, QStringLiteral("txtGasCost"), kGasPrices);
}
BENCHMARK(BM_WindowRecalculationSensitivityShown)->Unit(benchmark::kMillisecond);

// The same edit until the tornado, the break-even prices, the spark spread and the grid of the
// new inputs are on the screen; the Monte Carlo table and histogram still show the last draws.
void BM_WindowRecalculationSensitivityFigures(benchmark::State& state) {
    runEdits(state, tab::Sensitivity, QStringLiteral("txtGasCost"), kGasPrices, false);
}
BENCHMARK(BM_WindowRecalculationSensitivityFigures)->Unit(benchmark::kMillisecond);

// From nothing to the first shown window: the climate data read, every tab built, the first
// recalculation shown and the window painted once.
void BM_WindowStartUp(benchmark::State& state) {
    for (auto _ : state) {
        frmTAVCHPScreening window{readClimateData(PLENARA_SHIPPED_DATA_DIR).table};
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_WindowStartUp)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace plenara

int main(int argc, char** argv) {
    // The window is driven headless on a desktop-sized screen; the platform must be chosen
    // before the application.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" PLENARA_BENCH_SCREEN);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
