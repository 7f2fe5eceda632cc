#include "ui/reportpdfwriter.h"

#include "fileio/safefilewriter.h"
#include "ui/reportpainter.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace plenara {

namespace {

QString cannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("The PDF file \"%1\" could not be written: %2")
        .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason);
}

// `bytes` is the name as the system spells it, `path` the same name for messages.
QString writePdf(const std::vector<ReportPage>& pages, const std::string& bytes,
                 const QString& path) {
    if (pages.empty()) {
        return QStringLiteral("No report pages were chosen.");
    }
    // The document is made in memory and then written in full or not at all, so that a full
    // disk or a read-only target never leaves a damaged file in place of the old one.
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
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
    buffer.close();
    const std::string problem = writeFileSafely(
        bytes, std::string_view(document.constData(), static_cast<std::size_t>(document.size())));
    if (!problem.empty()) {
        return cannotWrite(path, QString::fromStdString(problem));
    }
    return {};
}

} // namespace

QString writeReportPdf(const std::vector<ReportPage>& pages, const QString& path) {
    return writePdf(pages, QFile::encodeName(path).toStdString(), path);
}

std::string writeReportPdfFile(const std::vector<ReportPage>& pages, const std::string& path) {
    // The name is used byte for byte, whatever its encoding; only the messages decode it.
    return writePdf(pages, path, QFile::decodeName(QByteArray::fromStdString(path))).toStdString();
}

} // namespace plenara
