#pragma once

#include "sensitivity/sensitivityworker.h"
#include "ui/projecttab.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QTableWidget;

namespace plenara {

class InputBox;
class PaybackHistogramView;
class TornadoChartView;
struct SensitivityInputs;
struct SensitivityResults;
struct TornadoChartData;

// The "Sensitivity" tab: how far the payback moves with the inputs nobody knows for sure. Its
// four inputs belong to the project; its figures come from the sensitivity library, run on a
// worker thread after every recalculation while the tab is shown (a newer recalculation stops
// the older run), and are shown when they arrive. It computes nothing itself.
class SensitivityTab : public ProjectTab {
    Q_OBJECT

public:
    explicit SensitivityTab(ProjectSession& session, QWidget* parent = nullptr);
    ~SensitivityTab() override;

    // Starts the figures of the inputs as they stand when the tab is shown; showStartedRun
    // shows them if they come within the frame, else they show when they come.
    void refresh() override;
    void showStartedRun();

    // The results shown, or none before the first run has ended.
    const SensitivityResults* results() const { return m_results.get(); }
    // Whether the figures shown, the Monte Carlo's included, belong to the inputs as they stand.
    bool upToDate() const { return !m_stale && m_shownRun == m_startedRun; }
    // Whether all but the Monte Carlo belong to them (the draws follow a few milliseconds later).
    bool figuresUpToDate() const { return !m_stale && m_shownFiguresRun == m_startedRun; }
    bool settled() const override { return upToDate(); }

    TornadoChartView* tornado() const { return m_tornado; }
    PaybackHistogramView* histogram() const { return m_histogram; }

signals:
    // New figures are shown.
    void resultsShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createInputsFrame();
    QWidget* createTablesFrame();
    QWidget* createTornadoNpvFrame(QWidget* parent);
    // The net present value at each bar's end, the rows in the order of the bars.
    void showTornadoNpv(const SensitivityResults& results, const TornadoChartData& chart);
    InputBox* tabBox(const char* name, std::string SensitivityInputs::*field, int digits);
    // Starts the figures of the inputs as they stand.
    void startRun();
    // Shows the started run's figures if they come within `wait`.
    void awaitRun(std::chrono::milliseconds wait);
    void showResults(std::uint64_t run, std::shared_ptr<const SensitivityResults> results);
    void showMonteCarlo(const SensitivityResults& results);

    InputBox* m_txtSensitivityPercent = nullptr;
    InputBox* m_txtTargetPayback = nullptr;
    InputBox* m_txtDraws = nullptr;
    QComboBox* m_cmbSensitivityMethod = nullptr;
    QLabel* m_lblStatus = nullptr;
    TornadoChartView* m_tornado = nullptr;
    QGroupBox* m_fraTornadoNpv = nullptr;
    QTableWidget* m_tblTornadoNpv = nullptr;
    QTableWidget* m_tblBreakEven = nullptr;
    QLabel* m_lblSparkSpread = nullptr;
    QLabel* m_lblGenerationMargin = nullptr;
    QGroupBox* m_fraGrid = nullptr;
    QTableWidget* m_tblGrid = nullptr;
    QTableWidget* m_tblMonteCarlo = nullptr;
    PaybackHistogramView* m_histogram = nullptr;

    std::shared_ptr<const SensitivityResults> m_results;
    std::uint64_t m_startedRun = 0;
    std::uint64_t m_shownRun = 0;        // the Monte Carlo shown is of this run
    std::uint64_t m_shownFiguresRun = 0; // the other figures shown are of this run
    bool m_stale = true;                 // the inputs changed while the tab was hidden
    bool m_awaiting = false;             // a run started by refresh waits for showStartedRun
    std::unique_ptr<SensitivityWorker> m_worker;
};

} // namespace plenara
