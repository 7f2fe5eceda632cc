#pragma once

#include "engine/method2.h"

#include <array>

#include <QDialog>

class QChart;
class QChartView;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QValueAxis;

namespace plenara {

// The dialog "Interpolated Results for Specified GenSet Capacities": the Method 2 payback of
// any capacity within the sweep, interpolated between the two neighbouring steps, stated in
// a sentence and marked on the payback curve of the sweep. Created once and kept; the main
// window hands it the sweep of the last recalculation each time it opens it.
// Object names are the control names: "txtSpecifiedCapacity", "lblDesiredCapacity",
// "lblDesiredCapacitykW", "btnRunCapacity", "btnExit", "lblSimplePayback" and the chart
// view "chtSimplePayback".
class frmSpecifyCapacity : public QDialog {
    Q_OBJECT

public:
    // `capacityIteration` is the Method 2 capacity of the main window, the starting value.
    explicit frmSpecifyCapacity(const QString& capacityIteration, QWidget* parent = nullptr);

    // The capacity box; every recalculation writes the Method 2 capacity into it.
    QString specifiedCapacity() const;
    void setSpecifiedCapacity(const QString& text);
    // The sentence of the result.
    QString simplePaybackCaption() const;
    QChart* chart() const;

    // Loads the capacities and paybacks of the 21 sweep steps, draws their curve, interpolates
    // the capacity of the box and shows the dialog modally, without waiting for it to close.
    void InterplolationForm(const std::array<double, kSweepSteps>& capacities,
                            const std::array<double, kSweepSteps>& paybacks);
    // The payback of `capacity` between the loaded steps (0 outside them); writes the sentence.
    double InterpolateResults(double capacity);
    // Redraws the curve with the point (capacity, payback) marked.
    void InterplolationForm2(double capacity, double payback);

public slots:
    void btnRunCapacity_Click();
    // Hands the capacity back to the main window and closes.
    void btnExit_Click();

signals:
    // "Return" was pressed with this text in the capacity box.
    void capacityReturned(const QString& capacity);
    // "Save chart as PNG/SVG..." was chosen on the payback curve.
    void chartSaveRequested(QWidget* chart);

protected:
    bool event(QEvent* event) override;

private:
    void Form_Load(const QString& capacityIteration);
    void Form_Activate();
    double boxCapacity() const;
    void scaleAxes(double capacity, double payback);

    std::array<double, kSweepSteps> m_capacityPoints{}; // kW, step order
    std::array<double, kSweepSteps> m_paybackPoints{};  // years, 999 for no savings

    QLineEdit* m_txtSpecifiedCapacity = nullptr;
    QPushButton* m_btnRunCapacity = nullptr;
    QPushButton* m_btnExit = nullptr;
    QLabel* m_lblSimplePayback = nullptr;
    QChartView* m_chtSimplePayback = nullptr;
    QLineSeries* m_curve = nullptr;
    QScatterSeries* m_point = nullptr;
    QValueAxis* m_capacityAxis = nullptr;
    QValueAxis* m_yearsAxis = nullptr;
};

} // namespace plenara
