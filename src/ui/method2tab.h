#pragma once

#include "ui/projecttab.h"

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace plenara {

class CaptionLines;
class InputBox;

// The "Method 2" tab: allocation, water-heater fuel, the sweep tables and scroll bars.
// Object names are the control names: "txtCapacityIteration", "cmdRun", the options
// "optHeatingOnly", "OptHeatingPriority", "optPriorityCooling", "optGasWaterHeater",
// "optOilWaterHeater", the scroll bars "scrlMonths" and "scrlGeneration", the label
// "lblBasisOfResults", the CaptionLines "lblMonthlyData", "lblAnnualResults",
// "lblGenSetParameters" and "lblSimplePayback", and the text box "Text1".
class Method2Tab : public ProjectTab {
    Q_OBJECT

public:
    explicit Method2Tab(ProjectSession& session, QWidget* parent = nullptr);

    void refresh() override;

signals:
    // "View Payback Graph" was pressed.
    void paybackGraphRequested();

private:
    QWidget* createSettings(QWidget* parent);
    void txtCapacityIteration_Change(const QString& text);
    void HeatAllocation_Click(int id);
    void WaterHeaterFuel_Click(int id);
    void scrlMonths_Change(int value);
    void scrlGeneration_Change(int value);

    InputBox* m_txtCapacityIteration = nullptr;
    QPushButton* m_cmdRun = nullptr;
    QButtonGroup* m_HeatAllocation = nullptr;
    QButtonGroup* m_WaterHeaterFuel = nullptr;
    QScrollBar* m_scrlMonths = nullptr;
    QScrollBar* m_scrlGeneration = nullptr;
    QLabel* m_lblBasisOfResults = nullptr;
    CaptionLines* m_lblMonthlyData = nullptr;
    CaptionLines* m_lblAnnualResults = nullptr;
    CaptionLines* m_lblGenSetParameters = nullptr;
    CaptionLines* m_lblSimplePayback = nullptr;
    QPlainTextEdit* m_Text1 = nullptr;
};

} // namespace plenara
