#include "ui/chartexport.h"

#include "fileio/safefilewriter.h"
#include "ui/chartbarview.h"
#include "ui/filedialogs.h"

#include <QBuffer>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace plenara {

namespace {

const QString kFilters =
    QStringLiteral("PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|All Files (*.*)|*.*");

QString cannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("The picture \"%1\" could not be written: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QByteArray svgBytes(QChartView& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(chart.size());
    generator.setViewBox(QRect(QPoint(0, 0), chart.size()));
    generator.setTitle(chart.chart() ? chart.chart()->title() : QString());
    generator.setDescription(QStringLiteral("Plenara"));
    QPainter painter(&generator);
    chart.render(&painter);
    painter.end();
    return buffer.data();
}

QByteArray pngBytes(QChartView& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    chart.grab().toImage().save(&buffer, "PNG");
    return buffer.data();
}

} // namespace

QString saveChart(QChartView& chart, const QString& path) {
    const bool svg =
        QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
    const QByteArray bytes = svg ? svgBytes(chart) : pngBytes(chart);
    if (bytes.isEmpty()) {
        return cannotWrite(path, QStringLiteral("the picture could not be drawn."));
    }
    const std::string error = writeFileSafely(
        QFile::encodeName(path).toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return error.empty() ? QString() : cannotWrite(path, QString::fromStdString(error));
}

void saveChartWithDialog(QWidget* parent, FileDialogs& dialogs, ChartBarView& chart) {
    QString proposed = chart.chart() ? chart.chart()->title() : QString();
    proposed = (proposed.isEmpty() ? QStringLiteral("chart") : proposed) + QStringLiteral(".png");
    while (true) {
        QString path = dialogs.saveFileName(parent, documentsFolder(), proposed, kFilters);
        if (path.isEmpty()) {
            return;
        }
        if (QFileInfo(path).suffix().isEmpty()) {
            path += QStringLiteral(".png");
        }
        if (QFileInfo::exists(path)) {
            const QString shown = QDir::toNativeSeparators(path);
            const FileDialogs::Answer answer = dialogs.askYesNoCancel(
                parent, QStringLiteral("File ") + shown +
                            QStringLiteral(" already exists.\n\nDo you want to over-write ") +
                            shown + QStringLiteral("?"));
            if (answer == FileDialogs::Answer::No) {
                proposed.clear();
                continue;
            }
            if (answer == FileDialogs::Answer::Cancel) {
                return;
            }
        }
        const QString error = saveChart(chart, path);
        if (!error.isEmpty()) {
            dialogs.showError(parent, error);
        }
        return;
    }
}

} // namespace plenara
