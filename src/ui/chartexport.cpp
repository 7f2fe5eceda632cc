#include "ui/chartexport.h"

#include "fileio/safefilewriter.h"
#include "ui/filedialogs.h"

#include <QAbstractScrollArea>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
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

QByteArray svgBytes(QWidget& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(chart.size());
    generator.setViewBox(QRect(QPoint(0, 0), chart.size()));
    generator.setTitle(chartTitle(chart));
    generator.setDescription(QStringLiteral("Plenara"));
    QPainter painter(&generator);
    // A chart scene is drawn as shapes and text; a chart painted directly draws itself.
    if (auto* view = qobject_cast<QChartView*>(&chart)) {
        view->render(&painter);
    } else {
        chart.render(&painter);
    }
    painter.end();
    return buffer.data();
}

QByteArray pngBytes(QWidget& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    chartPicture(chart).save(&buffer, "PNG");
    return buffer.data();
}

} // namespace

QString chartTitle(const QWidget& chart) {
    QString title;
    if (const auto* view = qobject_cast<const QChartView*>(&chart); view && view->chart()) {
        title = view->chart()->title();
    }
    if (title.isEmpty()) {
        title = chart.accessibleName();
    }
    return title.isEmpty() ? QStringLiteral("chart") : title;
}

QImage chartPicture(QWidget& chart) {
    return chart.grab().toImage();
}

QString saveChart(QWidget& chart, const QString& path) {
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

void saveChartWithDialog(QWidget* parent, FileDialogs& dialogs, QWidget& chart) {
    QString proposed = chartTitle(chart) + QStringLiteral(".png");
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

void addChartMenu(QWidget* chart, std::function<void()> save) {
    chart->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(chart, &QWidget::customContextMenuRequested, chart,
                     [chart, save = std::move(save)](const QPoint& position) {
                         // A scrolled view tells the position on its viewport.
                         const auto* area = qobject_cast<QAbstractScrollArea*>(chart);
                         const QWidget* origin = area ? area->viewport() : chart;
                         auto* menu = new QMenu(chart);
                         menu->setObjectName(QStringLiteral("chartMenu"));
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->addAction(QStringLiteral("&Copy chart"), chart, [chart] {
                             QGuiApplication::clipboard()->setImage(chartPicture(*chart));
                         });
                         menu->addAction(QStringLiteral("&Save chart as PNG/SVG..."), chart, save);
                         menu->popup(origin->mapToGlobal(position));
                     });
}

} // namespace plenara
