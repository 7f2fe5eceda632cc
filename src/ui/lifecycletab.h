#pragma once

#include "ui/projecttab.h"

#include <array>
#include <string>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QTableWidget;

namespace plenara {

class InputBox;
class LifeCycleChartView;
struct ProjectInputs;

// The "Life Cycle" tab: the inputs of the life-cycle economics and the CO2 figures, the results
// of the three methods, the chart of their cumulative discounted cash flows and the
// year-by-year table. It binds the inputs and shows the results; it computes nothing.
class LifeCycleTab : public ProjectTab {
    Q_OBJECT

public:
    explicit LifeCycleTab(ProjectSession& session, QWidget* parent = nullptr);

    void refresh() override;

private:
    QGroupBox* createFrame(const QString& title, const char* name, int firstBox, int boxCount);
    QGroupBox* createEmissionsFrame();
    QGroupBox* createResultsFrame();
    QGroupBox* createCashFlowFrame();
    // The box of lifeCycleBoxes()[index] with its caption and unit, in row `row` of `grid`.
    InputBox* addBox(std::size_t index, QGridLayout* grid, int row, QWidget* parent);

    std::array<InputBox*, 11> m_boxes{};
    QComboBox* m_cmbGridCO2 = nullptr;
    QLabel* m_lblGridLossSource = nullptr;
    QLabel* m_lblLifeCycleResults = nullptr;
    QLabel* m_lblCO2Basis = nullptr;
    LifeCycleChartView* m_chtLifeCycle = nullptr;
    QTableWidget* m_tblCashFlows = nullptr;
};

} // namespace plenara
