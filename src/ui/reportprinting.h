#pragma once

#include "output/reportpage.h"

#include <vector>

#include <QString>

class QWidget;

namespace plenara {

class FileDialogs;

// Where a report goes as PDF when the user saves it or the printer fails: the folder and the
// proposed file name of the save dialog.
struct ReportPdfTarget {
    QString folder;
    QString proposedName;
};

// The PDF target of a project: its own folder and its file name with ".pdf"; an untitled
// project proposes "Plenara.pdf" in `untitledFolder`.
ReportPdfTarget reportPdfTarget(const QString& projectFile, const QString& untitledFolder);

// Prints every page as a document of its own on the system's default printer, letter size.
// Returns an error message, empty when every page was sent.
QString printOnDefaultPrinter(const std::vector<ReportPage>& pages);

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
