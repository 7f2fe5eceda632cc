#pragma once

#include <vector>

#include <QChartView>

class QAbstractBarSeries;
class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

namespace plenara {

struct ChartData;

// One monthly bar chart of the "Energy Plots" tab. The first data it is shown build its
// series; later data replace the values of the same bar sets and rescale the value axis, so
// that a recalculation costs no rebuilt chart.
class ChartBarView : public QChartView {
    Q_OBJECT

public:
    explicit ChartBarView(const QString& name, QWidget* parent = nullptr);

    void showData(const ChartData& data);

    QAbstractBarSeries* series() const { return m_series; }
    QValueAxis* valueAxis() const { return m_valueAxis; }
    QBarCategoryAxis* categoryAxis() const { return m_categoryAxis; }

private:
    void build(const ChartData& data);

    QAbstractBarSeries* m_series = nullptr;
    std::vector<QBarSet*> m_sets;
    QBarCategoryAxis* m_categoryAxis = nullptr;
    QValueAxis* m_valueAxis = nullptr;
    bool m_stacked = false;
    double m_requestedMinimum = 0.0; // the range last asked of the axis, before nice numbers
    double m_requestedMaximum = 0.0;
};

} // namespace plenara
