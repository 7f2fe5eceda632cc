#pragma once

#include "output/reportpage.h"

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace plenara {

// The layout of a printed report page, in twips (1/1440 inch).
namespace reportpage {
inline constexpr int kWidthTwips = 12240;    // 8.5 inches, a letter page
inline constexpr int kHeightTwips = 15840;   // 11 inches
inline constexpr int kA4WidthTwips = 11906;  // 210 mm
inline constexpr int kA4HeightTwips = 16838; // 297 mm
// Half an inch on every side: inside the area that printers reach.
inline constexpr int kMarginTwips = 720;
// The lines keep one point more from the margins: a glyph's box in a PDF reaches a little
// beyond the font's ascent and descent.
inline constexpr int kGuardTwips = 20;
// Within the margins: the header line at the top, the data-set line and the body below it.
inline constexpr int kDataSetTopTwips = 240;
inline constexpr int kTextTopTwips = 480;
// "Courier New" at 9.75 points: 9.75 x 20 twips.
inline constexpr int kFontTwips = 195;
} // namespace reportpage

// The fixed-pitch font of every line of a report page, sized in twips for a painter whose
// units are twips. Where "Courier New" is not installed a metric-compatible monospace takes
// its place, so that columns counted in characters still line up.
QFont reportFont(bool bold = false);
// The report's font at `pixelSize` in the painter's units, for the charts drawn on a page.
QFont chartFont(qreal pixelSize, bool bold = false);

// The factor by which a page's text is made smaller so that its widest line and all its lines
// fit within the margins of a page of `paperTwips`; 1 when it fits at full size.
double reportTextScale(const ReportPage& page, const QSizeF& paperTwips);

// Draws one report page into `paper`, a rectangle in the painter's device coordinates that
// stands for a whole page of `paperTwips` (a letter page when not given); the page is scaled
// to fit it, keeping its proportions. Everything lies within half-inch margins: the three page
// lines bold and centred (header at the top, data-set line below it, footer at the bottom),
// the body from the left margin, one line of text per line of the body, blanks kept. A page
// whose lines would not fit is drawn smaller as a whole, so that nothing is cut off and the
// columns still line up. A chart of the page is drawn over the body lines it covers, across
// the width within the margins. This one routine draws for the printer, PDF files and images alike.
void paintReportPage(QPainter& painter, const QRectF& paper, const ReportPage& page);
void paintReportPage(QPainter& painter, const QRectF& paper, const ReportPage& page,
                     const QSizeF& paperTwips);

// The page as an image of a letter page at `dotsPerInch`, white behind the text.
QImage renderReportPage(const ReportPage& page, int dotsPerInch);

} // namespace plenara
