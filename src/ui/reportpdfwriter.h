#pragma once

#include "output/reportpage.h"

#include <string>
#include <vector>

#include <QString>

namespace plenara {

// Writes the pages, in order, to one PDF file of letter pages, each drawn as it prints.
// Returns an error message for the user, empty on success. Needs a running
// QGuiApplication.
QString writeReportPdf(const std::vector<ReportPage>& pages, const QString& path);

// The same for callers without Qt types (the command-line tool).
std::string writeReportPdfFile(const std::vector<ReportPage>& pages, const std::string& path);

} // namespace plenara
