#include "ui/tornadochartpainter.h"

#include "output/tornadochart.h"
#include "ui/reportpainter.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>

namespace plenara {

namespace {

// Sizes relative to the area's height, so that the chart looks the same on any page.
constexpr qreal kTextShare = 0.034;
constexpr int kMostTicks = 8;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

const QColor kLowColour(70, 130, 180);
const QColor kHighColour(230, 150, 60);

} // namespace

void paintTornadoChart(QPainter& painter, const QRectF& area, const TornadoChartData& chart) {
    painter.save();
    const qreal text = area.height() * kTextShare;
    const QFont titleFont = chartFont(text * 1.15, true);
    const QFont labelFont = chartFont(text);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const QFontMetricsF labels(labelFont, painter.device());
    const qreal line = labels.lineSpacing();

    painter.setPen(Qt::black);
    painter.setFont(titleFont);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleMetrics.lineSpacing()),
                     Qt::AlignCenter, fromStd(chart.title));
    qreal top = area.top() + titleMetrics.lineSpacing() + line * 0.3;

    // The legend: a swatch and the name of each bar set, centred.
    painter.setFont(labelFont);
    const QString lowName = fromStd(chart.lowLegend);
    const QString highName = fromStd(chart.highLegend);
    const QString baseName = fromStd(chart.baseLabel);
    const qreal swatch = line * 1.2;
    const qreal legendWidth = 3 * (swatch + line * 0.4) + labels.horizontalAdvance(lowName) +
                              labels.horizontalAdvance(highName) +
                              labels.horizontalAdvance(baseName) + 2 * line;
    qreal x = area.left() + (area.width() - legendWidth) / 2.0;
    const auto legend = [&](const QColor& colour, const QString& name, bool isLine) {
        if (isLine) {
            painter.setPen(QPen(Qt::black, line * 0.15));
            painter.drawLine(QPointF(x + swatch / 2.0, top), QPointF(x + swatch / 2.0, top + line));
        } else {
            painter.fillRect(QRectF(x, top + line * 0.2, swatch, line * 0.6), colour);
        }
        x += swatch + line * 0.4;
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x, top + labels.ascent()), name);
        x += labels.horizontalAdvance(name) + line;
    };
    legend(kLowColour, lowName, false);
    legend(kHighColour, highName, false);
    legend(Qt::black, baseName, true);
    top += line * 1.6;

    // The inputs down the left; the years along the bottom.
    qreal widestInput = 0.0;
    for (const TornadoBar& bar : chart.bars) {
        widestInput = std::max(widestInput, labels.horizontalAdvance(fromStd(bar.caption)));
    }
    const QRectF frame(QPointF(area.left() + line * 1.6 + widestInput + line * 0.4, top),
                       QPointF(area.right() - line, area.bottom() - line * 2.4));
    const TornadoTicks ticks = tornadoTicks(chart.axisMinimum, chart.axisMaximum, kMostTicks);
    const double last = ticks.last();
    const auto px = [&](double years) {
        return frame.left() + (years - ticks.minimum) / (last - ticks.minimum) * frame.width();
    };
    const QPen gridPen(QColor(215, 215, 215), line * 0.05);
    for (int i = 0; i < ticks.count; ++i) {
        const double years = ticks.minimum + i * ticks.step;
        painter.setPen(gridPen);
        painter.drawLine(QPointF(px(years), frame.top()), QPointF(px(years), frame.bottom()));
        painter.setPen(Qt::black);
        const QString label = QString::number(years, 'f', ticks.step < 1.0 ? 1 : 0);
        painter.drawText(QPointF(px(years) - labels.horizontalAdvance(label) / 2.0,
                                 frame.bottom() + line * 0.2 + labels.ascent()),
                         label);
    }
    painter.setPen(QPen(Qt::black, line * 0.06));
    painter.drawRect(frame);

    // A pair of bars per input, the widest on top.
    const auto rows = static_cast<qreal>(std::max<std::size_t>(chart.bars.size(), 1));
    const qreal rowHeight = frame.height() / rows;
    const qreal base = px(chart.baseYears);
    for (std::size_t i = 0; i < chart.bars.size(); ++i) {
        const TornadoBar& bar = chart.bars[i];
        const qreal rowTop = frame.top() + static_cast<qreal>(i) * rowHeight;
        const QString caption = fromStd(bar.caption);
        painter.setPen(Qt::black);
        painter.drawText(
            QPointF(frame.left() - line * 0.4 - labels.horizontalAdvance(caption),
                    rowTop + rowHeight / 2.0 + labels.ascent() / 2.0 - labels.descent() / 2.0),
            caption);
        const qreal barHeight = rowHeight * 0.36;
        const struct {
            double years;
            const std::string& label;
            QColor colour;
            qreal top;
        } ends[] = {{bar.highYears, bar.highLabel, kHighColour, rowTop + rowHeight * 0.12},
                    {bar.lowYears, bar.lowLabel, kLowColour, rowTop + rowHeight * 0.52}};
        for (const auto& end : ends) {
            const qreal tip = px(end.years);
            painter.fillRect(QRectF(QPointF(std::min(base, tip), end.top),
                                    QPointF(std::max(base, tip), end.top + barHeight)),
                             end.colour);
            const QString label = fromStd(end.label);
            const qreal width = labels.horizontalAdvance(label);
            // Beyond the bar's end; a bar too near the frame's left edge has its text on the
            // other side of the axis line, where its row is empty.
            qreal at = tip < base ? tip - line * 0.3 - width : tip + line * 0.3;
            if (at < frame.left() + line * 0.2) {
                at = base + line * 0.3;
            }
            painter.setPen(Qt::black);
            painter.drawText(QPointF(at, end.top + barHeight / 2.0 + labels.ascent() / 2.0 -
                                             labels.descent() / 2.0),
                             label);
        }
    }
    // Today's payback, where every bar starts.
    painter.setPen(QPen(Qt::black, line * 0.15));
    painter.drawLine(QPointF(base, frame.top()), QPointF(base, frame.bottom()));

    painter.drawText(QRectF(frame.left(), frame.bottom() + line * 1.2, frame.width(), line),
                     Qt::AlignCenter, fromStd(chart.valueAxisTitle));
    painter.save();
    painter.translate(area.left() + line * 0.2, frame.center().y());
    painter.rotate(-90.0);
    painter.drawText(QRectF(-frame.height() / 2.0, 0.0, frame.height(), line), Qt::AlignCenter,
                     fromStd(chart.categoryAxisTitle));
    painter.restore();
    painter.restore();
}

} // namespace plenara
