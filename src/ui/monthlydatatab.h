#pragma once

#include "ui/projecttab.h"

#include <array>

class QLabel;

namespace plenara {

class EnterAsTab;
class InputBox;
class InputComboBox;

// The "Monthly Utility Data" tab: the grid of twelve months of bills and fuels with the
// annual totals and average costs.
class MonthlyDataTab : public ProjectTab {
    Q_OBJECT

public:
    explicit MonthlyDataTab(ProjectSession& session, QWidget* parent = nullptr);

    void refresh() override;

    // Whether a control is a box of the month grid.
    bool isGridBox(const QWidget* widget) const;
    // Puts a block of cells copied from a spreadsheet into the grid, its first cell into
    // `box`, and leaves the recalculation to the caller, so that the block and its results
    // are one undo step. False when `box` is no box of the grid.
    bool pasteBlock(QWidget* box, const QString& text);

private:
    // The month columns of the grid, in their tab order.
    enum Column { kWh, kW, PowerBill, Fuel1, Fuel1Cost, Fuel2, Fuel2Cost, ColumnCount };

    void createControls();
    void layOut();
    void connectControls();
    void monthEdited(Column column, int month, const QString& text);
    void showTotals();
    bool findBox(const QWidget* widget, int& column, int& month) const;

    EnterAsTab* m_enterAsTab = nullptr;
    std::array<std::array<InputBox*, 12>, ColumnCount> m_boxes{};
    std::array<QLabel*, 12> m_lblMonths{};
    InputComboBox* m_cmbFuel1 = nullptr;
    InputComboBox* m_cmbFuel1Units = nullptr;
    InputComboBox* m_cmbFuel2 = nullptr;
    InputComboBox* m_cmbFuel2Units = nullptr;

    QLabel* m_lblAnnualPower = nullptr;
    QLabel* m_lblAnnualPowerCost = nullptr;
    QLabel* m_lblAverageCostPower = nullptr;
    QLabel* m_lblAnnualFuel1 = nullptr;
    QLabel* m_lblAnnualFuel1Cost = nullptr;
    QLabel* m_lblFuel1AvgCost = nullptr;
    QLabel* m_lblAnnualFuel2 = nullptr;
    QLabel* m_lblAnnualFuel2Cost = nullptr;
    QLabel* m_lblAvgFuel2Cost = nullptr;
};

} // namespace plenara
