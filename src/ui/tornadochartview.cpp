#include "ui/tornadochartview.h"

#include "output/tornadochart.h"
#include "ui/chartaxis.h"

#include <algorithm>
#include <cmath>

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>

namespace plenara {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString yearsText(double years) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(years, 'f', 1);
}

} // namespace

TornadoChartView::TornadoChartView(QWidget* parent)
    : QChartView(parent) {
    setObjectName(QStringLiteral("chtTornado"));
    setFrameShape(QFrame::NoFrame);
    setMinimumSize(420, 280);
    setRenderHint(QPainter::Antialiasing, false);

    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    QFont title = font();
    title.setBold(true);
    chart->setTitleFont(title);
    chart->legend()->setAlignment(Qt::AlignBottom);

    m_series = new QHorizontalBarSeries;
    m_series->setBarWidth(0.8);
    m_low = new QBarSet(QString());
    m_low->setColor(QColor(70, 130, 180));
    m_high = new QBarSet(QString());
    m_high->setColor(QColor(230, 150, 60));
    m_series->append(m_low);
    m_series->append(m_high);
    chart->addSeries(m_series);

    // Today's payback: the line the bars grow from.
    m_baseLine = new QLineSeries;
    m_baseLine->setPen(QPen(Qt::black, 2));
    chart->addSeries(m_baseLine);

    m_inputAxis = new QBarCategoryAxis;
    m_inputAxis->setGridLineVisible(false);
    m_valueAxis = new QCategoryAxis;
    m_valueAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart->addAxis(m_inputAxis, Qt::AlignLeft);
    chart->addAxis(m_valueAxis, Qt::AlignBottom);
    m_series->attachAxis(m_inputAxis);
    m_series->attachAxis(m_valueAxis);
    m_baseLine->attachAxis(m_valueAxis);
    m_baseLine->attachAxis(m_inputAxis);
    // The base line has no entry in the legend: the axis title names it.
    setChart(chart);
    chart->legend()->markers(m_baseLine).constFirst()->setVisible(false);
    connect(chart, &QChart::plotAreaChanged, this, [this] { placeLabels(); });
}

void TornadoChartView::showData(const TornadoChartData& data) {
    QChart* c = chart();
    c->setTitle(fromStd(data.title));
    m_low->setLabel(fromStd(data.lowLegend));
    m_high->setLabel(fromStd(data.highLegend));
    m_valueAxis->setTitleText(fromStd(data.valueAxisTitle));
    m_inputAxis->setTitleText(fromStd(data.categoryAxisTitle));
    m_base = data.baseYears;

    // Qt Charts draws the first category at the bottom: the widest bar goes last so that it
    // shows on top.
    QStringList categories;
    QList<qreal> lows;
    QList<qreal> highs;
    m_labelPoints.clear();
    QStringList labels;
    const auto count = static_cast<qsizetype>(data.bars.size());
    for (qsizetype i = count - 1; i >= 0; --i) {
        const TornadoBar& bar = data.bars[static_cast<std::size_t>(i)];
        categories << fromStd(bar.caption);
        lows << bar.lowYears - m_base;
        highs << bar.highYears - m_base;
        const qreal row = static_cast<qreal>(count - 1 - i);
        // The two bars of a row sit a quarter of a row below and above its centre.
        m_labelPoints << QPointF(bar.lowYears - m_base, row - 0.2)
                      << QPointF(bar.highYears - m_base, row + 0.2);
        labels << fromStd(bar.lowLabel) << fromStd(bar.highLabel);
    }
    replaceBarValues(*m_low, lows);
    replaceBarValues(*m_high, highs);
    if (m_inputAxis->categories() != categories) {
        m_inputAxis->setCategories(categories);
    }

    // The axis is set with the texts at the bar ends, which may need it to reach further.
    m_dataMinimum = data.axisMinimum;
    m_dataMaximum = data.axisMaximum;
    m_baseLine->replace(
        QList<QPointF>{QPointF(0.0, -0.5), QPointF(0.0, std::max<qreal>(count, 1) - 0.5)});
    m_baseLine->setName(fromStd(data.baseLabel));

    while (m_labels.size() < labels.size()) {
        auto* item = new QGraphicsSimpleTextItem(c);
        item->setZValue(10);
        m_labels << item;
    }
    for (qsizetype i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setVisible(i < labels.size());
        if (i < labels.size() && m_labels[i]->text() != labels[i]) {
            m_labels[i]->setText(labels[i]);
        }
    }
    placeLabels();
}

QStringList TornadoChartView::barLabels() const {
    QStringList texts;
    for (qsizetype i = 0; i < m_labelPoints.size(); ++i) {
        texts << m_labels[i]->text();
    }
    return texts;
}

void TornadoChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placeLabels();
}

void TornadoChartView::setYearRange(double low, double high) {
    // The value axis counts years of payback: ticks at round paybacks, placed as offsets from
    // today's, which is where the bars start.
    const TornadoTicks ticks = tornadoTicks(low, high, 7);
    QStringList tickLabels;
    for (int t = 0; t < ticks.count; ++t) {
        tickLabels << yearsText(ticks.minimum + t * ticks.step);
    }
    const double first = ticks.minimum - m_base;
    const double last = ticks.last() - m_base;
    // Rebuilt only when the ticks move: each change of the axis lays the chart out anew.
    if (m_valueAxis->categoriesLabels() != tickLabels || m_valueAxis->min() != first ||
        m_valueAxis->max() != last) {
        for (const QString& label : m_valueAxis->categoriesLabels()) {
            m_valueAxis->remove(label);
        }
        m_valueAxis->setRange(first, last);
        m_valueAxis->setStartValue(first);
        for (int t = 0; t < ticks.count; ++t) {
            m_valueAxis->append(tickLabels[t], ticks.minimum + t * ticks.step - m_base);
        }
    }
}

void TornadoChartView::fitRangeToLabels() {
    // A narrow chart has too few pixels per year for the texts at the bar ends: the axis then
    // reaches further, until each text fits between its bar and the edge of the plot. Each
    // pass widens the range, which shrinks the years per pixel. On a narrow chart a text takes
    // nearly half the plot and each pass closes only half the gap: four passes left the text
    // of the longest bar beyond the edge, sixteen settle it.
    const double width = chart()->plotArea().width();
    double low = m_dataMinimum;
    double high = m_dataMaximum;
    if (width > 40.0) {
        for (int pass = 0; pass < 16; ++pass) {
            const double yearsPerPixel = (high - low) / width;
            for (qsizetype i = 0; i < m_labelPoints.size() && i < m_labels.size(); ++i) {
                const double end = m_labelPoints[i].x() + m_base;
                const double room = (m_labels[i]->boundingRect().width() + 6.0) * yearsPerPixel;
                if (m_labelPoints[i].x() >= 0.0) {
                    high = std::max(high, end + room);
                } else if (end - room >= 0.0) {
                    low = std::min(low, end - room);
                } else {
                    // No room before the bar down to a payback of 0: the text goes beyond
                    // the axis line (placeLabels).
                    high = std::max(high, m_base + room);
                }
            }
            low = std::max(low, 0.0); // no payback is shorter than none
        }
    }
    setYearRange(low, high);
}

void TornadoChartView::placeLabels() {
    if (!m_fitting) {
        // A new range can lay the chart out at once, with tick labels of another width and so
        // another plot: the range is fitted again to the plot it gave.
        m_fitting = true;
        for (int attempt = 0; attempt < 4; ++attempt) {
            const QRectF before = chart()->plotArea();
            fitRangeToLabels();
            if (chart()->plotArea() == before) {
                break;
            }
        }
        m_fitting = false;
    }
    QChart* c = chart();
    const QRectF plot = c->plotArea();
    for (qsizetype i = 0; i < m_labelPoints.size() && i < m_labels.size(); ++i) {
        const QPointF end = c->mapToPosition(m_labelPoints[i], m_series);
        QGraphicsSimpleTextItem* label = m_labels[i];
        const QRectF box = label->boundingRect();
        // Beyond the bar's end, on the side it grows to. A bar that reaches too near the
        // left edge has its text on the other side of the axis line, where its row is empty:
        // never over the bar or the input names.
        double x = end.x() + 3;
        if (m_labelPoints[i].x() < 0.0) {
            x = end.x() - box.width() - 3;
            if (x < plot.left() + 2) {
                x = c->mapToPosition(QPointF(0.0, m_labelPoints[i].y()), m_series).x() + 3;
            }
        }
        label->setPos(x, end.y() - box.height() / 2);
    }
}

} // namespace plenara
