#pragma once

#include <QChartView>
#include <QList>

class QBarSet;
class QBarCategoryAxis;
class QCategoryAxis;
class QGraphicsSimpleTextItem;
class QHorizontalBarSeries;
class QLineSeries;

namespace plenara {

struct TornadoChartData;

// The tornado chart of the "Sensitivity" tab: Qt Charts horizontal bars, one pair per input,
// each bar drawn from today's payback (the axis line) to the payback with the input at -X % or
// +X %, and labelled at its end with that payback.
class TornadoChartView : public QChartView {
    Q_OBJECT

public:
    explicit TornadoChartView(QWidget* parent = nullptr);

    void showData(const TornadoChartData& data);

    QHorizontalBarSeries* series() const { return m_series; }
    QCategoryAxis* valueAxis() const { return m_valueAxis; }
    QBarCategoryAxis* inputAxis() const { return m_inputAxis; }
    // The texts at the bar ends, low and high of each input in the order of the bars.
    QStringList barLabels() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Sets the value axis to round ticks over `low` to `high` years of payback.
    void setYearRange(double low, double high);
    void fitRangeToLabels();
    void placeLabels();

    QHorizontalBarSeries* m_series = nullptr;
    QBarSet* m_low = nullptr;
    QBarSet* m_high = nullptr;
    QBarCategoryAxis* m_inputAxis = nullptr;
    QCategoryAxis* m_valueAxis = nullptr;
    QLineSeries* m_baseLine = nullptr;
    double m_base = 0.0;
    // The range of years the data asks for; the axis reaches further when texts need room.
    double m_dataMinimum = 0.0;
    double m_dataMaximum = 1.0;
    bool m_fitting = false;
    // Bar ends in axis units (offsets from today's payback) and their labels.
    QList<QPointF> m_labelPoints;
    QList<QGraphicsSimpleTextItem*> m_labels;
};

} // namespace plenara
