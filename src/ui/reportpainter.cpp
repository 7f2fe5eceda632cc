#include "ui/reportpainter.h"

#include "ui/linechartpainter.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

namespace plenara {

namespace {

using namespace reportpage;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// A page line centred on the page with all its blanks: the footer's blanks place the page
// number and the date, so they count in the width that is centred.
void drawCentredLine(QPainter& painter, const QFont& font, int topTwips, const std::string& text) {
    const QString line = fromStd(text);
    const QFontMetricsF metrics(font, painter.device());
    const qreal width = metrics.horizontalAdvance(line);
    painter.setFont(font);
    painter.drawText(QPointF((kWidthTwips - width) / 2.0, topTwips + metrics.ascent()), line);
}

} // namespace

QFont reportFont(bool bold) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(kFontTwips);
    font.setBold(bold);
    // Unhinted glyphs keep the advance widths exact at every scale, for PDF and image alike.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paintReportPage(QPainter& painter, const QRectF& paper, const ReportPage& page) {
    painter.save();
    painter.fillRect(paper, Qt::white);
    const qreal scale = std::min(paper.width() / kWidthTwips, paper.height() / kHeightTwips);
    painter.translate(paper.topLeft());
    painter.scale(scale, scale);
    painter.setPen(Qt::black);

    const QFont bold = reportFont(true);
    drawCentredLine(painter, bold, kHeaderTopTwips, page.header);
    drawCentredLine(painter, bold, kDataSetTopTwips, page.dataSetLine);
    drawCentredLine(painter, bold, kHeightTwips - kFooterFromBottomTwips, page.footer);

    const QFont text = reportFont();
    painter.setFont(text);
    const QFontMetricsF metrics(text, painter.device());
    qreal baseline = kTextTopTwips + metrics.ascent();
    for (const std::string& line : page.body) {
        painter.drawText(QPointF(kTextLeftTwips, baseline), fromStd(line));
        baseline += metrics.lineSpacing();
    }
    if (page.chart) {
        // Over the body lines that the page leaves empty for it, across the text area.
        const QRectF area(
            kTextLeftTwips, kTextTopTwips + page.chart->firstLine * metrics.lineSpacing(),
            kWidthTwips - 2 * kTextLeftTwips, page.chart->lineCount * metrics.lineSpacing());
        paintLineChart(painter, area, page.chart->data);
    }
    painter.restore();
}

QImage renderReportPage(const ReportPage& page, int dotsPerInch) {
    const int width = dotsPerInch * kWidthTwips / 1440;
    const int height = dotsPerInch * kHeightTwips / 1440;
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintReportPage(painter, QRectF(image.rect()), page);
    painter.end();
    return image;
}

} // namespace plenara
