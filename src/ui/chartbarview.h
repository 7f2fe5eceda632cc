#pragma once

#include "output/chartseries.h"

#include <memory>
#include <vector>

#include <QChartView>
#include <QStringList>

class QAbstractBarSeries;
class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

namespace plenara {

// One monthly bar chart of the "Energy Plots" tab. The first data it is shown build its
// series; later data replace the values of the same bar sets and rescale the value axis, so
// that a recalculation costs no rebuilt chart. While its tab is not the one shown, new data
// wait until it is (or until someone reads the chart): laying out a chart's axes is the
// dearest part of a recalculation on screen. Hovering a bar tells its month's value with
// its unit.
class ChartBarView : public QChartView {
    Q_OBJECT

public:
    explicit ChartBarView(const QString& name, QWidget* parent = nullptr);

    void showData(const ChartData& data);

    // What hovering the bar of a series and month shows: "July, Utility Power: 138,000 kWh".
    QString barText(int series, int month);

    QAbstractBarSeries* series() {
        applyPending();
        return m_series;
    }
    QValueAxis* valueAxis() {
        applyPending();
        return m_valueAxis;
    }
    QBarCategoryAxis* categoryAxis() {
        applyPending();
        return m_categoryAxis;
    }

protected:
    void showEvent(QShowEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void applyPending();
    void apply(const ChartData& data);
    void build(const ChartData& data);
    void barHovered(bool status, int index, QBarSet* set);

    QAbstractBarSeries* m_series = nullptr;
    std::vector<QBarSet*> m_sets;
    QBarCategoryAxis* m_categoryAxis = nullptr;
    QValueAxis* m_valueAxis = nullptr;
    bool m_stacked = false;
    QString m_unit;
    QString m_hoverText; // the text of the bar under the mouse; empty when none
    QStringList m_months;
    double m_requestedMinimum = 0.0; // the range last asked of the axis, before nice numbers
    double m_requestedMaximum = 0.0;
    std::unique_ptr<ChartData> m_pending; // data not yet shown, while the chart is hidden
};

} // namespace plenara
