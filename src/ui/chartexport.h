#pragma once

#include <QString>

class QChartView;
class QWidget;

namespace plenara {

class ChartBarView;
class FileDialogs;

// Writes a chart as a picture: an SVG drawing when the name ends in ".svg", else a PNG image.
// The file is replaced in full or not at all. Returns an error message naming the file, empty
// on success.
QString saveChart(QChartView& chart, const QString& path);

// "Save chart as PNG/SVG...": asks for a file name, proposing the chart's title, and before
// replacing a file; tells the user when the file could not be written.
void saveChartWithDialog(QWidget* parent, FileDialogs& dialogs, ChartBarView& chart);

} // namespace plenara
