#pragma once

#include "ui/projecttab.h"

class QLabel;

namespace plenara {

// The "Energy Plots" tab: the monthly charts of the typed bills and of Method 2's run, and
// the button "Done" that closes the program.
class EnergyPlotsTab : public ProjectTab {
    Q_OBJECT

public:
    explicit EnergyPlotsTab(ProjectSession& session, QWidget* parent = nullptr);

    void refresh() override;

signals:
    // "Done" was pressed.
    void doneClicked();

private:
    QLabel* m_lblCharts1 = nullptr;
    QLabel* m_lblCharts2 = nullptr;
};

} // namespace plenara
