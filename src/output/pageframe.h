#pragma once

#include <string>

namespace plenara {

// The header line of every report page: the product title.
inline constexpr const char* kReportTitle = "Plenara";

// The footer line of a report page: the page text "N of T" centred in the first 94 columns
// of the nominal line width, then the date followed by two blanks.
std::string pageFooter(int pageNumber, int pageTotal, const std::string& shortDate);

} // namespace plenara
