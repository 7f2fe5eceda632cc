#pragma once

#include "engine/monthlyloads.h"
#include "portfolio/csvreader.h"
#include "project/projectinputs.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plenara {

// A bills.csv holds one row per building and month: id, month (1 to 12), then the seven
// boxes of that month in the monthly grid.
struct BillColumn {
    std::string_view name;
    MonthTexts ProjectInputs::*field;
};
const std::array<BillColumn, 7>& billColumns();

// Where a bills file holds each column, from its header; -1 where it has none. A value
// column that is missing keeps the month's value of a new project.
struct BillsLayout {
    int id = -1;
    int month = -1;
    std::array<int, 7> values{-1, -1, -1, -1, -1, -1, -1};
    std::size_t fieldCount = 0;
};

// The layout of a header. Returns why the file cannot hold bills (no month column), or an
// empty text; `notes` gets the columns that are not read and the columns of the grid that
// the file leaves out.
std::string billsLayout(const std::vector<std::string>& header, BillsLayout& layout,
                        std::vector<std::string>& notes);

// The month of a cell: 1 to 12 (January is 1), or its name or three-letter abbreviation in
// any letter case; 0 to 11, or -1 when the cell names no month.
int billMonth(std::string_view cell);

// Fills the monthly grid of `inputs` from the rows of one building, which must give each of
// the twelve months once. `file` is the file as messages name it. Returns why the rows cannot
// be taken, naming the line, or an empty text; `inputs` is then unchanged.
std::string applyBillRows(std::span<const CsvRecord> rows, const BillsLayout& layout,
                          const std::string& file, ProjectInputs& inputs);

// The twelve rows of a project in bills.csv, id (as given) and month first. The
// numbers are those that the recalculation reads.
std::vector<std::vector<std::string>> billCells(std::string_view id, const ProjectInputs& inputs);

// The header of bills.csv.
std::vector<std::string> billsHeader();

} // namespace plenara
