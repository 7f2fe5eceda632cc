#pragma once

#include "output/reportpage.h"

#include <vector>

#include <QString>

class QPageSize;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace plenara {

class FileDialogs;

// Where a report goes as PDF when the user saves it or the printer fails: the folder and the
// proposed file name of the save dialog.
struct ReportPdfTarget {
    QString folder;
    QString proposedName;
};

// The PDF target of a project: the user's documents folder and the project's file name with
// ".pdf"; an untitled project proposes "Plenara.pdf".
ReportPdfTarget reportPdfTarget(const QString& projectFile);

// The paper a printer takes: A4 when its paper is A4, else letter.
QPageSize reportPaper(const QPageSize& printerPaper);

// Draws the pages on a printer, one sheet each, on the printer's paper.
void paintReportPages(QPrinter& printer, const std::vector<ReportPage>& pages);

// Prints every page as a document of its own on the system's default printer, on letter paper
// or on A4 when that is the printer's paper. Returns an error message, empty when every page
// was sent.
QString printOnDefaultPrinter(const std::vector<ReportPage>& pages);

// The print preview of the pages; the caller shows it (exec()).
QPrintPreviewDialog* createReportPreview(QWidget* parent, const std::vector<ReportPage>& pages);

// Shows the print preview of the pages; its Print button prints them.
void previewReport(QWidget* parent, const std::vector<ReportPage>& pages);

// Prints the pages; when there is no printer or the printer fails, tells the user and offers
// to save the pages as a PDF file instead.
void printReport(QWidget* parent, FileDialogs& dialogs, const std::vector<ReportPage>& pages,
                 const ReportPdfTarget& target);

// Asks for a file name (and before replacing a file) and writes the pages to one PDF file.
// Returns false when the user cancelled, no page was chosen or the file could not be written
// (the user is told).
bool saveReportAsPdf(QWidget* parent, FileDialogs& dialogs, const std::vector<ReportPage>& pages,
                     const ReportPdfTarget& target);

} // namespace plenara
