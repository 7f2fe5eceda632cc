#pragma once

#include <QChartView>

class QLineSeries;
class QValueAxis;

namespace plenara {

struct LineChartData;

// The chart of the "Life Cycle" tab: the cumulative discounted cash flow of each method by
// year, a line at 0 (the break-even) and titled axes. New data replace the points of the same
// series, so that a recalculation costs no rebuilt chart.
class LifeCycleChartView : public QChartView {
    Q_OBJECT

public:
    explicit LifeCycleChartView(QWidget* parent = nullptr);

    void showData(const LineChartData& data);

    QValueAxis* yearAxis() const { return m_yearAxis; }
    QValueAxis* valueAxis() const { return m_valueAxis; }
    // The line of each method (empty where the method has none) and the break-even line.
    QLineSeries* series(int method) const;
    QLineSeries* breakEven() const { return m_breakEven; }

private:
    QLineSeries* m_breakEven = nullptr;
    std::array<QLineSeries*, 3> m_series{};
    QValueAxis* m_yearAxis = nullptr;
    QValueAxis* m_valueAxis = nullptr;
};

} // namespace plenara
