#pragma once

#include <QRectF>

class QPainter;

namespace plenara {

struct TornadoChartData;

// Draws a tornado chart into `area` (in the painter's coordinates, which for a report page are
// twips), as the report pages draw their charts: the title, a legend, the inputs down the left,
// a pair of bars per input from today's payback (a heavy line) to the payback at -X % and +X %,
// each labelled at its end, round ticks of years along the bottom and the axis titles. The two
// bar sets differ in shade as well as in colour, for a black-and-white printer.
void paintTornadoChart(QPainter& painter, const QRectF& area, const TornadoChartData& chart);

} // namespace plenara
