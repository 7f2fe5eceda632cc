#include "ui/lifecyclechartview.h"

#include "output/linechart.h"
#include "ui/chartaxis.h"
#include "ui/linechartpainter.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

namespace plenara {

namespace {

constexpr int kValueTicks = 7;
constexpr int kMostYearTicks = 11;

} // namespace

LifeCycleChartView::LifeCycleChartView(QWidget* parent)
    : QChartView(new QChart, parent) {
    setObjectName(QStringLiteral("chtLifeCycle"));
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setBackgroundRoundness(0);
    c->setLocalizeNumbers(true);
    c->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    c->legend()->setAlignment(Qt::AlignTop);

    m_yearAxis = new QValueAxis;
    m_valueAxis = new QValueAxis;
    c->addAxis(m_yearAxis, Qt::AlignBottom);
    c->addAxis(m_valueAxis, Qt::AlignLeft);

    m_breakEven = new QLineSeries;
    m_breakEven->setName(QStringLiteral("Break-even"));
    m_breakEven->setPen(QPen(Qt::black, 1.5));
    c->addSeries(m_breakEven);
    m_breakEven->attachAxis(m_yearAxis);
    m_breakEven->attachAxis(m_valueAxis);
    for (std::size_t i = 0; i < m_series.size(); ++i) {
        auto* s = new QLineSeries;
        s->setPointsVisible(true);
        c->addSeries(s);
        s->attachAxis(m_yearAxis);
        s->attachAxis(m_valueAxis);
        m_series[i] = s;
    }
    // The break-even line explains itself; the legend names the methods.
    c->legend()->markers(m_breakEven).constFirst()->setVisible(false);
}

QLineSeries* LifeCycleChartView::series(int method) const {
    return m_series.at(static_cast<std::size_t>(method));
}

void LifeCycleChartView::showData(const LineChartData& data) {
    QChart* c = chart();
    c->setTitle(QString::fromStdString(data.title));
    m_yearAxis->setTitleText(QString::fromStdString(data.xAxisTitle));
    m_valueAxis->setTitleText(QString::fromStdString(data.yAxisTitle));

    for (std::size_t i = 0; i < m_series.size(); ++i) {
        QLineSeries* s = m_series[i];
        const LineSeries* line = i < data.series.size() ? &data.series[i] : nullptr;
        QList<QPointF> points;
        if (line) {
            for (const LinePoint& p : line->points) {
                points.append(QPointF(p.x, p.y));
            }
            s->setName(QString::fromStdString(line->name));
            QPen pen(QColor(line->colour.red, line->colour.green, line->colour.blue), 2.5);
            pen.setStyle(lineChartPenStyle(i));
            s->setPen(pen);
            s->setColor(pen.color());
        }
        s->replace(points);
        s->setVisible(line != nullptr);
        const QList<QLegendMarker*> markers = c->legend()->markers(s);
        if (!markers.isEmpty()) {
            markers.constFirst()->setVisible(line != nullptr);
        }
    }

    const ChartBounds bounds = chartBounds(data);
    const AxisTicks years = wholeAxisTicks(bounds.xMinimum, bounds.xMaximum, kMostYearTicks);
    m_yearAxis->setRange(years.minimum, years.maximum);
    m_yearAxis->setTickCount(years.count());
    m_yearAxis->setLabelFormat(QStringLiteral("%.0f"));
    setNiceRange(*m_valueAxis, bounds.yMinimum, bounds.yMaximum, kValueTicks);
    m_breakEven->replace({QPointF(years.minimum, 0.0), QPointF(years.maximum, 0.0)});
}

} // namespace plenara
