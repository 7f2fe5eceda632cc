#pragma once

#include "output/reportpage.h"

#include <QFont>
#include <QImage>
#include <QRectF>

class QPainter;

namespace plenara {

// The layout of a printed report page, in twips (1/1440 inch) on a letter page.
namespace reportpage {
inline constexpr int kWidthTwips = 12240;  // 8.5 inches
inline constexpr int kHeightTwips = 15840; // 11 inches
inline constexpr int kHeaderTopTwips = 0;
inline constexpr int kDataSetTopTwips = 240;
inline constexpr int kFooterFromBottomTwips = 360;
inline constexpr int kTextLeftTwips = 240;
inline constexpr int kTextTopTwips = 480;
// "Courier New" at 9.75 points: 9.75 x 20 twips.
inline constexpr int kFontTwips = 195;
} // namespace reportpage

// The fixed-pitch font of every line of a report page, sized in twips for a painter whose
// units are twips. Where "Courier New" is not installed a metric-compatible monospace takes
// its place, so that columns counted in characters still line up.
QFont reportFont(bool bold = false);

// Draws one report page into `paper`, a rectangle in the painter's device coordinates that
// stands for the whole letter page; the page is scaled to fit it, keeping its proportions.
// The three page lines are bold and centred (header at the top, data-set line, footer near the
// bottom); the body starts at 240 twips from the left and 480 from the top, one line of text
// per line of the body, blanks kept; a chart of the page is drawn over the body lines it
// covers. This one routine draws for the printer, PDF files and images alike.
void paintReportPage(QPainter& painter, const QRectF& paper, const ReportPage& page);

// The page as an image of a letter page at `dotsPerInch`, white behind the text.
QImage renderReportPage(const ReportPage& page, int dotsPerInch);

} // namespace plenara
