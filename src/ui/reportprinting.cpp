#include "ui/reportprinting.h"

#include "ui/filedialogs.h"
#include "ui/reportpainter.h"
#include "ui/reportpdfwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace plenara {

namespace {

const QString kPdfFilters = QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*");

} // namespace

ReportPdfTarget reportPdfTarget(const QString& projectFile) {
    if (projectFile.isEmpty()) {
        return {documentsFolder(), QStringLiteral("Plenara.pdf")};
    }
    return {documentsFolder(), QFileInfo(projectFile).completeBaseName() + QStringLiteral(".pdf")};
}

QPageSize reportPaper(const QPageSize& printerPaper) {
    return printerPaper.id() == QPageSize::A4 ? QPageSize(QPageSize::A4)
                                              : QPageSize(QPageSize::Letter);
}

void paintReportPages(QPrinter& printer, const std::vector<ReportPage>& pages) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    const QSizeF paperTwips = printer.pageLayout().fullRect(QPageLayout::Point).size() * 20.0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            printer.newPage();
        }
        paintReportPage(painter, printer.paperRect(QPrinter::DevicePixel), pages[i], paperTwips);
    }
    painter.end();
}

QPrintPreviewDialog* createReportPreview(QWidget* parent, const std::vector<ReportPage>& pages) {
    // The dialog's own printer, which lives as long as the dialog.
    auto* preview = new QPrintPreviewDialog(parent);
    preview->setObjectName(QStringLiteral("reportPreview"));
    preview->setWindowTitle(QStringLiteral("Print Preview"));
    QPrinter* printer = preview->printer();
    printer->setFullPage(true);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    printer->setPageSize(
        reportPaper(info.isNull() ? QPageSize(QPageSize::Letter) : info.defaultPageSize()));
    printer->setDocName(QStringLiteral("Plenara"));
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [pages](QPrinter* target) { paintReportPages(*target, pages); });
    return preview;
}

void previewReport(QWidget* parent, const std::vector<ReportPage>& pages) {
    if (pages.empty()) {
        return;
    }
    QPrintPreviewDialog* preview = createReportPreview(parent, pages);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->resize(900, 700);
    preview->exec();
}

QString printOnDefaultPrinter(const std::vector<ReportPage>& pages) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (QPrinterInfo::availablePrinters().isEmpty() || printerInfo.isNull()) {
        return QStringLiteral("No printer is installed.");
    }
    const int total = static_cast<int>(pages.size());
    for (int i = 0; i < total; ++i) {
        // Each page is a print document of its own.
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        printer.setFullPage(true);
        printer.setPageSize(reportPaper(printerInfo.defaultPageSize()));
        printer.setDocName(QStringLiteral("Plenara"));
        const QString failed = QStringLiteral("The printer %1 could not print page %2 of %3.")
                                   .arg(printerInfo.printerName())
                                   .arg(i + 1)
                                   .arg(total);
        QPainter painter;
        if (!painter.begin(&printer)) {
            return failed;
        }
        paintReportPage(painter, printer.paperRect(QPrinter::DevicePixel),
                        pages[static_cast<std::size_t>(i)],
                        printer.pageLayout().fullRect(QPageLayout::Point).size() * 20.0);
        if (!painter.end() || printer.printerState() == QPrinter::Error) {
            return failed;
        }
    }
    return {};
}

void printReport(QWidget* parent, FileDialogs& dialogs, const std::vector<ReportPage>& pages,
                 const ReportPdfTarget& target) {
    if (pages.empty()) {
        return;
    }
    const QString error = printOnDefaultPrinter(pages);
    if (error.isEmpty()) {
        return;
    }
    const QString question =
        error + QStringLiteral("\n\nDo you want to save the pages as a PDF file instead?");
    if (dialogs.askYesNoCancel(parent, question) == FileDialogs::Answer::Yes) {
        saveReportAsPdf(parent, dialogs, pages, target);
    }
}

bool saveReportAsPdf(QWidget* parent, FileDialogs& dialogs, const std::vector<ReportPage>& pages,
                     const ReportPdfTarget& target) {
    if (pages.empty()) {
        // Printing nothing needs no word; a file that is not written does.
        dialogs.showInformation(parent, QStringLiteral("No pages were chosen: no PDF file was "
                                                       "written."));
        return false;
    }
    QString proposed = target.proposedName;
    while (true) {
        const QString path = dialogs.saveFileName(parent, target.folder, proposed, kPdfFilters);
        if (path.isEmpty()) {
            return false;
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
                return false;
            }
        }
        const QString error = writeReportPdf(pages, path);
        if (!error.isEmpty()) {
            dialogs.showError(parent, error);
            return false;
        }
        return true;
    }
}

} // namespace plenara
