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

// Texts in project and climate files are in the single-byte character set Windows-1252
// ("caf\xE9" is "café"). The program keeps them as read; these convert at the edges where
// UTF-8 is needed (JSON, the window) and back.

// The UTF-8 form of a Windows-1252 text. The five bytes that Windows-1252 leaves undefined are
// taken as the control characters of the same code.
std::string windows1252ToUtf8(std::string_view text);

// The Windows-1252 form of a UTF-8 text; a character that Windows-1252 cannot hold becomes "?".
// A text that is no valid UTF-8 is taken to be Windows-1252 already and returned as it is.
std::string utf8ToWindows1252(std::string_view text);

// Whether a text is valid UTF-8.
bool isValidUtf8(std::string_view text);

} // namespace plenara
