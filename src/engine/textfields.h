#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace plenara {

// The month names, January (0) to December (11), as the reports and result lines write them.
const std::array<std::string_view, 12>& monthNames();

// The three-letter month names of the table headings and the month labels.
const std::array<std::string_view, 12>& monthAbbreviations();

// The fields of a line separated by `separator`: every separator splits, nothing is trimmed
// or unquoted, and a line without one is a single field.
std::vector<std::string> splitFields(std::string_view line, char separator);

} // namespace plenara
