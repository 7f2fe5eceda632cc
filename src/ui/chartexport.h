#pragma once

#include <functional>

#include <QImage>
#include <QString>

class QWidget;

namespace plenara {

class FileDialogs;

// The title a chart goes by in a file name: the title of its chart, else the accessible name
// of a chart painted directly; "chart" when it has neither.
QString chartTitle(const QWidget& chart);

// The chart as a picture, as it is shown.
QImage chartPicture(QWidget& chart);

// Writes a chart as a picture: an SVG drawing when the name ends in ".svg", else a PNG image.
// The file is replaced in full or not at all. Returns an error message naming the file, empty
// on success.
QString saveChart(QWidget& chart, const QString& path);

// "Save chart as PNG/SVG...": asks for a file name, proposing the chart's title, and before
// replacing a file; tells the user when the file could not be written.
void saveChartWithDialog(QWidget* parent, FileDialogs& dialogs, QWidget& chart);

// Gives `chart` the context menu that every chart of the window has: "Copy chart" puts its
// picture on the clipboard, "Save chart as PNG/SVG..." calls `save`, which asks for the file
// where the window's dialogs are.
void addChartMenu(QWidget* chart, std::function<void()> save);

} // namespace plenara
