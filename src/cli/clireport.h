#pragma once

#include "output/reportpage.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace plenara {

// Writes report pages to a PDF file; returns an error message, empty on success. The program
// passes one that draws the pages as they print; the library itself draws nothing.
using ReportPdfWriter =
    std::function<std::string(const std::vector<ReportPage>& pages, const std::string& path)>;

// The parts of a report named by a comma-separated list of the print options 0 to 4, such as
// "0,1,4"; nothing for an empty list or anything else.
std::optional<ReportChoice> parseReportList(const std::string& list);

// The pages as plain text: of each page the header, the data-set line, the body lines and
// the footer, one per line, blanks kept; a line holding only a form feed stands between pages.
void writeReportText(std::ostream& out, const std::vector<ReportPage>& pages);

// Today's local date in the short form of the page footers, MM/DD/YYYY.
std::string todayShortDate();

} // namespace plenara
