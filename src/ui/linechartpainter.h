#pragma once

#include "output/linechart.h"

#include <QRectF>

class QPainter;

namespace plenara {

// Draws an x-y line chart into `area` (in the painter's coordinates, which for a report page
// are twips): the title, a legend, round ticks on both axes with their titles, a line at 0
// (the break-even) and each series in its colour and a dash pattern of its own, so that the
// lines stay apart on a black-and-white printer.
void paintLineChart(QPainter& painter, const QRectF& area, const LineChartData& chart);

// The dash pattern of the series at `index`: solid, dashed, dash-dotted, in turn.
Qt::PenStyle lineChartPenStyle(std::size_t index);

} // namespace plenara
