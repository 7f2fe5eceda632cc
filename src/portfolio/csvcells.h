#pragma once

#include <string>
#include <string_view>

namespace plenara {

// The small rules shared by the CSV files of a portfolio: how a cell holds a number, how a
// field is quoted when written, how names compare.

// Whether two texts are equal when ASCII letters are compared ignoring case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Why a cell cannot be the text of a numeric input, or an empty text when it can: a number
// as the display patterns write it ("1234.5", "$1,234.50", "98,000") or an empty cell (0).
// Commas only group thousands: "0,0444" from a spreadsheet that writes a decimal comma would
// otherwise read as 444. A sign is refused, since no input can be below zero.
std::string numberCellProblem(std::string_view cell);

// The cell as a CSV file holds it: quoted (RFC 4180) when it holds the delimiter, a quotation
// mark, a line break, or blanks at either end that a reader would drop.
std::string csvField(std::string_view text, char delimiter = ',');

// A cell of a CSV file (UTF-8) in quotes for a message, cut short when long, so that a
// garbage file cannot flood the message. A text of a project, which is Windows-1252, is
// converted first.
std::string quotedCell(std::string_view cell);

// The UTF-8 text cut after `most` characters, an ellipsis marking the cut; a cut never
// splits a character.
std::string shortenedText(std::string_view text, std::size_t most);

// A number as a portfolio file writes it: whole numbers without a decimal point, others to
// the 15 significant digits that a double holds for sure, so that it reads back as shown.
std::string csvNumber(double value);

} // namespace plenara
