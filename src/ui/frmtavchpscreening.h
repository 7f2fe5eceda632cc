#pragma once

#include <QMainWindow>

class QTabWidget;

namespace plenara {

// The main window "Plenara Version 2.1": the tab holder with the input, chart, result and
// method tabs.
class frmTAVCHPScreening : public QMainWindow {
    Q_OBJECT

public:
    explicit frmTAVCHPScreening(QWidget* parent = nullptr);

private:
    QTabWidget* m_ssTabForm = nullptr;
};

} // namespace plenara
