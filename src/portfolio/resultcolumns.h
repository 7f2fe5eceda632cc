#pragma once

#include "portfolio/screenrow.h"

#include <optional>
#include <string>
#include <vector>

namespace plenara {

// How a column of results is shown in a spreadsheet.
enum class ResultFormat { Text, Method, KW, Years, Dollars, Fraction, Tonnes };

// One column of the results of a screening; the same columns, in the same order, in every
// format (CSV, JSON lines, XLSX) and in the table of the window.
struct ResultColumn {
    std::string name;
    ResultFormat format;
    // The number of a row, or nothing for an empty cell (a payback not found, a failed row).
    std::optional<double> (*number)(const ScreenRow&, std::size_t method);
    // The text of a row (UTF-8), for the text columns.
    std::string (*text)(const ScreenRow&);
    std::size_t method = 0; // 0 to 2 for the columns of one method
};

const std::vector<ResultColumn>& resultColumns();

// The cell of a row in a column: the text, or the number as portfolio files write it; empty
// for an empty cell.
std::string resultCell(const ResultColumn& column, const ScreenRow& row);

// A line of the CSV results, ended by a line feed; the header line names the columns.
std::string resultsCsvHeader();
std::string resultsCsvLine(const ScreenRow& row);

// A row of results as one line of JSON (JSON lines), ended by a line feed: an object with the
// columns as keys in their order; an empty cell is null.
std::string resultsJsonLine(const ScreenRow& row);

} // namespace plenara
