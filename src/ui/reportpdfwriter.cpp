#include "ui/reportpdfwriter.h"

#include "ui/reportpainter.h"

#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace plenara {

namespace {

QString cannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("The PDF file %1 could not be written: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString writeReportPdf(const std::vector<ReportPage>& pages, const QString& path) {
    if (pages.empty()) {
        return QStringLiteral("No report pages were chosen.");
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return cannotWrite(path, file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        // The page draws its own margins, as on the printer's full page.
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QStringLiteral("Plenara"));
        writer.setCreator(QStringLiteral("Plenara"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return cannotWrite(path, QStringLiteral("the PDF writer did not start"));
        }
        const QRectF paper(0, 0, writer.width(), writer.height());
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                writer.newPage();
            }
            paintReportPage(painter, paper, pages[i]);
        }
        painter.end();
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return cannotWrite(path, file.errorString());
    }
    return {};
}

std::string writeReportPdfFile(const std::vector<ReportPage>& pages, const std::string& path) {
    return writeReportPdf(pages, QString::fromStdString(path)).toStdString();
}

} // namespace plenara
