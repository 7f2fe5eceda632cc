#include "ui/reportpainter.h"

#include "engine/textfields.h"
#include "ui/linechartpainter.h"
#include "ui/tornadochartpainter.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

namespace plenara {

namespace {

using namespace reportpage;

// Report lines quote the project's texts, which are Windows-1252 as the files hold them.
QString fromStd(const std::string& text) {
    return QString::fromStdString(windows1252ToUtf8(text));
}

// The size of a page's lines at full size, in twips: the widest line, blanks counted, and the
// height from the top of the header to the bottom of the footer with one empty line between
// the body and the footer.
QSizeF naturalSize(const ReportPage& page) {
    const QFontMetricsF text(reportFont());
    const QFontMetricsF bold(reportFont(true));
    qreal width = 0;
    for (const std::string* line : {&page.header, &page.dataSetLine, &page.footer}) {
        width = std::max(width, bold.horizontalAdvance(fromStd(*line)));
    }
    for (const std::string& line : page.body) {
        width = std::max(width, text.horizontalAdvance(fromStd(line)));
    }
    const qreal height = kTextTopTwips +
                         static_cast<qreal>(page.body.size() + 1) * text.lineSpacing() +
                         bold.height();
    return {width, height};
}

// A page line centred across `width` with all its blanks: the footer's blanks place the page
// number and the date, so they count in the width that is centred.
void drawCentredLine(QPainter& painter, const QFont& font, qreal width, qreal top,
                     const std::string& text) {
    const QString line = fromStd(text);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.drawText(
        QPointF((width - metrics.horizontalAdvance(line)) / 2.0, top + metrics.ascent()), line);
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

QFont chartFont(qreal pixelSize, bool bold) {
    QFont font = reportFont(bold);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    return font;
}

double reportTextScale(const ReportPage& page, const QSizeF& paperTwips) {
    const QSizeF room(paperTwips.width() - 2 * (kMarginTwips + kGuardTwips),
                      paperTwips.height() - 2 * (kMarginTwips + kGuardTwips));
    const QSizeF needed = naturalSize(page);
    double scale = 1.0;
    if (needed.width() > room.width()) {
        scale = std::min(scale, room.width() / needed.width());
    }
    if (needed.height() > room.height()) {
        scale = std::min(scale, room.height() / needed.height());
    }
    return scale;
}

void paintReportPage(QPainter& painter, const QRectF& paper, const ReportPage& page) {
    paintReportPage(painter, paper, page, QSizeF(kWidthTwips, kHeightTwips));
}

void paintReportPage(QPainter& painter, const QRectF& paper, const ReportPage& page,
                     const QSizeF& paperTwips) {
    painter.save();
    painter.fillRect(paper, Qt::white);
    const qreal toDevice =
        std::min(paper.width() / paperTwips.width(), paper.height() / paperTwips.height());
    const qreal textScale = reportTextScale(page, paperTwips);
    // From here on the units are twips of the text at full size, with the origin at the top
    // left margin: the area within the margins is `room` wide and high.
    painter.translate(paper.topLeft());
    painter.scale(toDevice, toDevice);
    constexpr int inset = kMarginTwips + kGuardTwips;
    painter.translate(inset, inset);
    painter.scale(textScale, textScale);
    const QSizeF room((paperTwips.width() - 2 * inset) / textScale,
                      (paperTwips.height() - 2 * inset) / textScale);
    painter.setPen(Qt::black);

    const QFont bold = reportFont(true);
    drawCentredLine(painter, bold, room.width(), 0, page.header);
    drawCentredLine(painter, bold, room.width(), kDataSetTopTwips, page.dataSetLine);
    drawCentredLine(painter, bold, room.width(), room.height() - QFontMetricsF(bold).height(),
                    page.footer);

    const QFont text = reportFont();
    painter.setFont(text);
    const QFontMetricsF metrics(text);
    qreal baseline = kTextTopTwips + metrics.ascent();
    for (const std::string& line : page.body) {
        painter.drawText(QPointF(0, baseline), fromStd(line));
        baseline += metrics.lineSpacing();
    }
    if (page.chart) {
        // Over the body lines that the page leaves empty for it, across the text area.
        const QRectF area(0, kTextTopTwips + page.chart->firstLine * metrics.lineSpacing(),
                          room.width(), page.chart->lineCount * metrics.lineSpacing());
        if (page.chart->tornado) {
            paintTornadoChart(painter, area, *page.chart->tornado);
        } else {
            paintLineChart(painter, area, page.chart->data);
        }
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
