#pragma once

#include "cli/clireport.h"

#include <string>

namespace plenara {

// The PDF output of plenara-cli lives in a module of its own, lib/plenara/plenara-pdf.so beside
// the bin folder, which draws the pages with Qt as the window prints them. It is loaded only
// when a PDF is written, so that every other output starts without loading Qt.

// The name of the function that the module exports, of type PdfModuleEntry.
inline constexpr const char* kPdfModuleEntry = "plenara_write_report_pdf";
using PdfModuleEntry = int (*)(const std::vector<ReportPage>* pages, const char* path,
                               std::string* error);

// The module's place for a program in `executableDir`.
std::string pdfModulePath(const std::string& executableDir);

// A writer that loads the module at its first use; when the module cannot be loaded its error
// says so and that --pdf is not available.
ReportPdfWriter pdfModuleWriter();

} // namespace plenara
