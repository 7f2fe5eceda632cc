#include "ui/paybackhistogramview.h"

#include "ui/chartaxis.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

namespace plenara {

namespace {

const QColor kBinColour(70, 130, 180);
const QColor kNoneColour(160, 160, 160);

// A step of 1, 2 or 5 times a power of ten that gives about `ticks` steps up to `most`.
double niceStep(double most, int ticks) {
    const double raw = std::max(most, 1.0) / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (raw <= factor * power) {
            return std::max(1.0, factor * power);
        }
    }
    return std::max(1.0, 10.0 * power);
}

} // namespace

PaybackHistogramView::PaybackHistogramView(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("chtPaybackHistogram"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {

const QString kWithPaybackText = QStringLiteral("draws with a payback");
const QString kNoPaybackText = QStringLiteral("draws without payback");

QFont smallFont(const QFont& font) {
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() * 0.85);
    return small;
}

// A legend entry: its colour square, the text, and the gap to the next.
int legendEntryWidth(const QFontMetrics& metrics, const QString& text) {
    return 30 + metrics.horizontalAdvance(text);
}

} // namespace

QSize PaybackHistogramView::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    const QFontMetrics smallMetrics(smallFont(font()));
    // The count axis (up to five digits), the legend, and the right margin.
    const int width = metrics.height() + smallMetrics.horizontalAdvance(QStringLiteral("00000")) +
                      12 + legendEntryWidth(smallMetrics, kWithPaybackText) +
                      legendEntryWidth(smallMetrics, kNoPaybackText) + 10;
    return {std::max(280, width), 220};
}

void PaybackHistogramView::showHistogram(int method, const PaybackHistogram& h, int draws) {
    m_histogram = h;
    m_title = QStringLiteral("Method %1 simple payback over %2 draws")
                  .arg(method)
                  .arg(QLocale(QLocale::English, QLocale::UnitedStates).toString(draws));
    // The title it is painted with is the name a picture of it is saved under.
    if (accessibleName() != m_title) {
        setAccessibleName(m_title);
    }
    update();
}

std::size_t PaybackHistogramView::barCount() const {
    return m_histogram.counts.size() + (m_histogram.longer > 0 ? 1 : 0) +
           (m_histogram.noPayback > 0 ? 1 : 0);
}

std::vector<PaybackHistogramView::YearLabel>
PaybackHistogramView::yearLabels(double low, double high, int most) {
    std::vector<YearLabel> labels;
    if (!(high > low) || most < 2) {
        return labels;
    }
    const double raw = (high - low) / (most - 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10.0 * power;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw) {
            step = factor * power;
            break;
        }
    }
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    // Counted in steps, so that sums of a step such as 0.1 never stray from the round value.
    const auto first = static_cast<long long>(std::ceil(low / step - 1e-9));
    const auto last = static_cast<long long>(std::floor(high / step + 1e-9));
    for (long long k = first; k <= last; ++k) {
        const double years = static_cast<double>(k) * step;
        labels.push_back({years, QString::number(years, 'f', decimals)});
    }
    return labels;
}

void PaybackHistogramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));

    QFont bold = font();
    bold.setBold(true);
    const QFont small = smallFont(font());
    const QFontMetrics metrics(font());
    const QFontMetrics smallMetrics(small);
    const int line = metrics.height();

    painter.setFont(bold);
    painter.drawText(QRect(0, 2, width(), line), Qt::AlignHCenter, m_title);

    const std::size_t bars = barCount();
    int most = std::max(m_histogram.noPayback, m_histogram.longer);
    for (const int count : m_histogram.counts) {
        most = std::max(most, count);
    }
    const double step = niceStep(most, 5);
    const double top = std::max(step, std::ceil(most / step) * step);

    // The plot area: room for the count labels and title on the left, the bin labels and the
    // axis title below, the chart title and legend above.
    const int countWidth = smallMetrics.horizontalAdvance(QString::number(top, 'f', 0));
    const QRect plot(line + countWidth + 12, 2 * line + 8, 0, 0);
    const int right = width() - 10;
    const int bottom = height() - 2 * line - 8;
    const QRect area(plot.left(), plot.top(), std::max(10, right - plot.left()),
                     std::max(10, bottom - plot.top()));

    // Legend under the title.
    painter.setFont(small);
    int x = area.left();
    for (const auto& [colour, text] :
         {std::pair{kBinColour, kWithPaybackText}, std::pair{kNoneColour, kNoPaybackText}}) {
        painter.fillRect(QRect(x, line + 6, 10, 10), colour);
        painter.drawText(QPoint(x + 14, line + 6 + smallMetrics.ascent() - 1), text);
        x += legendEntryWidth(smallMetrics, text);
    }

    // Value axis with grid lines.
    for (double v = 0.0; v <= top + step / 2; v += step) {
        const int y = area.bottom() - static_cast<int>(std::lround(v / top * area.height()));
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(area.left(), y, area.right(), y);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(line + 4, y - line / 2, countWidth + 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'f', 0));
    }
    painter.drawLine(area.bottomLeft(), area.topLeft());
    painter.drawLine(area.bottomLeft(), area.bottomRight());

    // The bars; below them the years at round values, where they fall along the bins, and
    // "none" under the bar of the draws without payback.
    if (bars > 0) {
        const double width = static_cast<double>(area.width()) / static_cast<double>(bars);
        const int labelTop = area.bottom() + 3 + smallMetrics.ascent();
        const auto drawLabel = [&](double x, const QString& label) {
            const int labelWidth = smallMetrics.horizontalAdvance(label);
            painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 3));
            painter.drawText(QPointF(x - labelWidth / 2.0, labelTop + 1), label);
        };
        // After the bins: the draws far out in the tail, then those without payback.
        const std::size_t longerBar =
            m_histogram.longer > 0 ? m_histogram.counts.size() : std::size_t(-1);
        for (std::size_t b = 0; b < bars; ++b) {
            const bool longer = b == longerBar;
            const bool none = b >= m_histogram.counts.size() && !longer;
            const int count = longer ? m_histogram.longer
                              : none ? m_histogram.noPayback
                                     : m_histogram.counts[b];
            const int h = static_cast<int>(std::lround(count / top * area.height()));
            const int left = area.left() + static_cast<int>(std::lround(b * width + width * 0.05));
            const int barWidth = std::max(1, static_cast<int>(std::lround(width * 0.9)));
            painter.fillRect(QRect(left, area.bottom() - h, barWidth, h),
                             none ? kNoneColour : kBinColour);
        }
        const PaybackHistogram& hist = m_histogram;
        const double binsWidth = width * static_cast<double>(hist.counts.size());
        const QString none = QStringLiteral("none");
        const QString longer = QStringLiteral("longer");
        const double longerCentre = area.left() + binsWidth + width / 2.0;
        const double noneCentre = longerCentre + (hist.longer > 0 ? width : 0.0);
        // The years stop short of the "longer" or "none" label, or of the plot's right edge.
        const double yearsEnd =
            hist.longer > 0      ? longerCentre - smallMetrics.horizontalAdvance(longer) / 2.0 - 4
            : hist.noPayback > 0 ? noneCentre - smallMetrics.horizontalAdvance(none) / 2.0 - 4
                                 : static_cast<double>(rect().right());
        if (hist.binYears > 0.0) {
            const double high = hist.lowYears + hist.binYears * hist.counts.size();
            // A label is given room for five characters ("12.5" and a gap).
            const int room = smallMetrics.horizontalAdvance(QStringLiteral("00.00"));
            const int most = std::max(2, static_cast<int>(binsWidth / room));
            for (const YearLabel& label : yearLabels(hist.lowYears, high, most)) {
                const double x =
                    area.left() + (label.years - hist.lowYears) / hist.binYears * width;
                if (x + smallMetrics.horizontalAdvance(label.text) / 2.0 <= yearsEnd) {
                    drawLabel(x, label.text);
                }
            }
        } else if (!hist.counts.empty()) {
            // Every draw gave the same payback: its one bar is labelled with it.
            drawLabel(area.left() + width / 2.0, QString::number(hist.lowYears, 'f', 1));
        }
        if (hist.longer > 0) {
            drawLabel(longerCentre, longer);
        }
        if (hist.noPayback > 0) {
            drawLabel(noneCentre, none);
        }
    }

    // Axis titles.
    painter.setFont(font());
    painter.drawText(QRect(area.left(), height() - line - 2, area.width(), line), Qt::AlignHCenter,
                     QStringLiteral("Simple payback (years)"));
    painter.save();
    painter.translate(2, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-area.height() / 2, 0, area.height(), line), Qt::AlignHCenter,
                     QStringLiteral("Draws"));
    painter.restore();
}

} // namespace plenara
