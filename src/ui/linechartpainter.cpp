#include "ui/linechartpainter.h"

#include "engine/formatpattern.h"
#include "ui/reportpainter.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace plenara {

namespace {

// Sizes in the painter's units relative to the area's height, so that the chart looks the
// same on any page; the text never larger than the report's own (9.75 points in twips).
constexpr qreal kTextShare = 0.038;
constexpr qreal kMostTextSize = 195.0;
constexpr int kMostValueTicks = 8;
constexpr int kMostYearTicks = 11;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString valueLabel(double value, double step) {
    // Whole dollars, or thousands once the steps are round thousands.
    if (value == 0.0) {
        return QStringLiteral("$0");
    }
    if (std::abs(step) >= 1000.0 && std::fmod(step, 1000.0) == 0.0) {
        return fromStd(FormatPattern(value / 1000.0, "$#,##0")) + QStringLiteral("k");
    }
    return fromStd(FormatPattern(value, "$#,##0"));
}

} // namespace

Qt::PenStyle lineChartPenStyle(std::size_t index) {
    constexpr Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DashDotLine};
    return styles[index % 3];
}

void paintLineChart(QPainter& painter, const QRectF& area, const LineChartData& chart) {
    painter.save();
    const qreal text = std::min(area.height() * kTextShare, kMostTextSize);
    const QFont titleFont = chartFont(text * 1.15, true);
    const QFont labelFont = chartFont(text);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const QFontMetricsF labels(labelFont, painter.device());
    const qreal line = labels.lineSpacing();

    // The title, then one row of legend entries centred under it.
    painter.setPen(Qt::black);
    painter.setFont(titleFont);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleMetrics.lineSpacing()),
                     Qt::AlignCenter, fromStd(chart.title));
    qreal top = area.top() + titleMetrics.lineSpacing() + line * 0.3;
    painter.setFont(labelFont);
    const qreal swatch = line * 2.2;
    qreal legendWidth = 0.0;
    for (const LineSeries& s : chart.series) {
        legendWidth += swatch + line * 0.4 + labels.horizontalAdvance(fromStd(s.name)) + line;
    }
    qreal x = area.left() + (area.width() - legendWidth) / 2.0;
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        const LineSeries& s = chart.series[i];
        QPen pen(QColor(s.colour.red, s.colour.green, s.colour.blue), line * 0.16);
        pen.setStyle(lineChartPenStyle(i));
        painter.setPen(pen);
        const qreal middle = top + line / 2.0;
        painter.drawLine(QPointF(x, middle), QPointF(x + swatch, middle));
        x += swatch + line * 0.4;
        painter.setPen(Qt::black);
        const QString name = fromStd(s.name);
        painter.drawText(QPointF(x, top + labels.ascent()), name);
        x += labels.horizontalAdvance(name) + line;
    }
    top += line * 1.6;

    // The axes' ranges and the room their labels take.
    const ChartBounds bounds = chartBounds(chart);
    const AxisTicks values = niceAxisTicks(bounds.yMinimum, bounds.yMaximum, kMostValueTicks);
    const AxisTicks yearTicks = wholeAxisTicks(bounds.xMinimum, bounds.xMaximum, kMostYearTicks);
    qreal widestValue = 0.0;
    for (int i = 0; i < values.count(); ++i) {
        widestValue = std::max(widestValue, labels.horizontalAdvance(valueLabel(
                                                values.minimum + i * values.step, values.step)));
    }
    const QRectF frame(QPointF(area.left() + line * 1.6 + widestValue + line * 0.4, top),
                       QPointF(area.right() - line, area.bottom() - line * 2.4));
    const auto px = [&](double v) {
        return frame.left() +
               (v - yearTicks.minimum) / (yearTicks.maximum - yearTicks.minimum) * frame.width();
    };
    const auto py = [&](double v) {
        return frame.bottom() -
               (v - values.minimum) / (values.maximum - values.minimum) * frame.height();
    };

    // Grid, ticks and labels.
    const QPen gridPen(QColor(215, 215, 215), line * 0.05);
    for (int i = 0; i < values.count(); ++i) {
        const double v = values.minimum + i * values.step;
        painter.setPen(gridPen);
        painter.drawLine(QPointF(frame.left(), py(v)), QPointF(frame.right(), py(v)));
        painter.setPen(Qt::black);
        const QString label = valueLabel(v, values.step);
        painter.drawText(QPointF(frame.left() - line * 0.3 - labels.horizontalAdvance(label),
                                 py(v) + labels.ascent() / 2.0 - labels.descent() / 2.0),
                         label);
    }
    for (int i = 0; i < yearTicks.count(); ++i) {
        const double v = yearTicks.minimum + i * yearTicks.step;
        painter.setPen(gridPen);
        painter.drawLine(QPointF(px(v), frame.top()), QPointF(px(v), frame.bottom()));
        painter.setPen(Qt::black);
        const QString label = QString::number(v, 'f', 0);
        painter.drawText(QPointF(px(v) - labels.horizontalAdvance(label) / 2.0,
                                 frame.bottom() + line * 0.2 + labels.ascent()),
                         label);
    }
    painter.setPen(QPen(Qt::black, line * 0.06));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    // The break-even: where a line crosses it, the project has paid for itself.
    painter.setPen(QPen(Qt::black, line * 0.1));
    painter.drawLine(QPointF(frame.left(), py(0.0)), QPointF(frame.right(), py(0.0)));

    // Axis titles: the years under the axis, the dollars turned up the left side.
    painter.drawText(QRectF(frame.left(), frame.bottom() + line * 1.2, frame.width(), line),
                     Qt::AlignCenter, fromStd(chart.xAxisTitle));
    painter.save();
    painter.translate(area.left() + line * 0.2, frame.center().y());
    painter.rotate(-90.0);
    painter.drawText(QRectF(-frame.height() / 2.0, 0.0, frame.height(), line), Qt::AlignCenter,
                     fromStd(chart.yAxisTitle));
    painter.restore();

    // The lines themselves, each in its colour and dash pattern, with a dot at every year.
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        const LineSeries& s = chart.series[i];
        if (s.points.empty()) {
            continue;
        }
        const QColor colour(s.colour.red, s.colour.green, s.colour.blue);
        QPen pen(colour, line * 0.16);
        pen.setStyle(lineChartPenStyle(i));
        QPainterPath path;
        path.moveTo(px(s.points.front().x), py(s.points.front().y));
        for (const LinePoint& p : s.points) {
            path.lineTo(px(p.x), py(p.y));
        }
        painter.setPen(pen);
        painter.drawPath(path);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (const LinePoint& p : s.points) {
            painter.drawEllipse(QPointF(px(p.x), py(p.y)), line * 0.14, line * 0.14);
        }
        painter.setBrush(Qt::NoBrush);
    }
    painter.restore();
}

} // namespace plenara
