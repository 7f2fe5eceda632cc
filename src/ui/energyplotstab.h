#pragma once

#include "ui/projecttab.h"

#include <array>

class QLabel;

namespace plenara {

class ChartBarView;

// The "Energy Plots" tab: the monthly charts of the typed bills (upper row) and of Method 2's
// run (lower row), and the button "Done" that closes the program. Object names are the
// control names: "lblCharts1", "lblCharts2", "cmdDone" and the charts "chtPower",
// "chtDemand", "chtHeat", "chtCHPPower", "chtCHPDemand", "chtCHPFuel".
class EnergyPlotsTab : public ProjectTab {
    Q_OBJECT

public:
    explicit EnergyPlotsTab(ProjectSession& session, QWidget* parent = nullptr);

    // Shows the inputs and the Method 2 run of the last recalculation in the six charts.
    void refresh() override;

signals:
    // "Done" was pressed.
    void doneClicked();

private:
    QLabel* m_lblCharts1 = nullptr;
    QLabel* m_lblCharts2 = nullptr;
    // The upper row left to right, then the lower row.
    std::array<ChartBarView*, 6> m_charts{};
};

} // namespace plenara
