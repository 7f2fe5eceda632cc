#include "portfolio/billcolumns.h"

#include "engine/number.h"
#include "engine/textfields.h"
#include "portfolio/csvcells.h"
#include "project/recalculationdriver.h"

#include <optional>

namespace plenara {

namespace {

std::string lineOf(const std::string& file, const CsvRecord& row) {
    return file + ", line " + std::to_string(row.line);
}

std::string monthList(const std::vector<std::size_t>& months) {
    std::string list;
    for (std::size_t i = 0; i < months.size(); ++i) {
        list += (i == 0                   ? ""
                 : i + 1 == months.size() ? " and "
                                          : ", ") +
                std::string(monthNames()[months[i]]);
    }
    return list;
}

} // namespace

const std::array<BillColumn, 7>& billColumns() {
    static const std::array<BillColumn, 7> columns = {{
        {"kWh", &ProjectInputs::MonthlyKWh},
        {"kW", &ProjectInputs::MonthlyKW},
        {"electricCost", &ProjectInputs::MonthlyPowerBill},
        {"fuel1Quantity", &ProjectInputs::MonthlyFuel1},
        {"fuel1Cost", &ProjectInputs::MonthlyFuel1Cost},
        {"fuel2Quantity", &ProjectInputs::MonthlyFuel2},
        {"fuel2Cost", &ProjectInputs::MonthlyFuel2Cost},
    }};
    return columns;
}

std::vector<std::string> billsHeader() {
    std::vector<std::string> header = {"id", "month"};
    for (const BillColumn& column : billColumns()) {
        header.emplace_back(column.name);
    }
    return header;
}

std::string billsLayout(const std::vector<std::string>& header, BillsLayout& layout,
                        std::vector<std::string>& notes) {
    layout = BillsLayout{};
    layout.fieldCount = header.size();
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string& name = header[i];
        int* place = nullptr;
        if (equalsIgnoringCase(name, "id")) {
            place = &layout.id;
        } else if (equalsIgnoringCase(name, "month")) {
            place = &layout.month;
        } else {
            for (std::size_t c = 0; c < billColumns().size(); ++c) {
                if (equalsIgnoringCase(name, billColumns()[c].name)) {
                    place = &layout.values[c];
                }
            }
        }
        if (place == nullptr) {
            notes.push_back("column " + quotedCell(name) + " is none of the columns of bills " +
                            "and is not read");
        } else if (*place >= 0) {
            notes.push_back("column " + quotedCell(name) +
                            " is named twice; the first one is read");
        } else {
            *place = static_cast<int>(i);
        }
    }
    if (layout.month < 0) {
        return "the header names no column \"month\", which every row of bills needs.";
    }
    // A column of the grid left out is allowed, but a misnamed kWh column would leave every
    // building's bills at 0 without a word.
    std::vector<std::string> missing;
    for (std::size_t c = 0; c < billColumns().size(); ++c) {
        if (layout.values[c] < 0) {
            missing.push_back("\"" + std::string(billColumns()[c].name) + "\"");
        }
    }
    if (!missing.empty()) {
        std::string names;
        for (std::size_t i = 0; i < missing.size(); ++i) {
            names += (i == 0 ? "" : i + 1 == missing.size() ? " and " : ", ") + missing[i];
        }
        notes.push_back(
            (missing.size() == 1 ? "column " + names + " is missing: its boxes keep"
                                 : "columns " + names + " are missing: their boxes keep") +
            " the values of a new project (0, or empty for fuel #2) for every building");
    }
    return {};
}

int billMonth(std::string_view cell) {
    while (!cell.empty() && (cell.front() == ' ' || cell.front() == '0') && cell.size() > 1) {
        cell.remove_prefix(1);
    }
    if (cell.size() == 1 && cell[0] >= '1' && cell[0] <= '9') {
        return cell[0] - '1';
    }
    if (cell == "10" || cell == "11" || cell == "12") {
        return 9 + (cell[1] - '0');
    }
    for (std::size_t m = 0; m < 12; ++m) {
        if (equalsIgnoringCase(cell, monthNames()[m]) ||
            equalsIgnoringCase(cell, monthAbbreviations()[m])) {
            return static_cast<int>(m);
        }
    }
    return -1;
}

std::string applyBillRows(std::span<const CsvRecord> rows, const BillsLayout& layout,
                          const std::string& file, ProjectInputs& inputs) {
    ProjectInputs filled = inputs;
    std::array<const CsvRecord*, 12> seen{};
    for (const CsvRecord& row : rows) {
        if (row.fields.size() != layout.fieldCount) {
            return lineOf(file, row) + " has " + std::to_string(row.fields.size()) +
                   " fields where the header names " + std::to_string(layout.fieldCount) +
                   " (is a comma inside a number or text not quoted?).";
        }
        const std::string& monthCell = row.fields[static_cast<std::size_t>(layout.month)];
        const int month = billMonth(monthCell);
        if (month < 0) {
            return lineOf(file, row) + ", column month: " + quotedCell(monthCell) +
                   " is no month (1 to 12).";
        }
        const auto m = static_cast<std::size_t>(month);
        if (seen[m] != nullptr) {
            return lineOf(file, row) + ": " + std::string(monthNames()[m]) +
                   " is given twice (first on line " + std::to_string(seen[m]->line) + ").";
        }
        seen[m] = &row;
        for (std::size_t c = 0; c < billColumns().size(); ++c) {
            if (layout.values[c] < 0) {
                continue;
            }
            const std::string& cell = row.fields[static_cast<std::size_t>(layout.values[c])];
            if (const std::string problem = numberCellProblem(cell); !problem.empty()) {
                return lineOf(file, row) + ", column " + std::string(billColumns()[c].name) + ": " +
                       quotedCell(cell) + " " + problem + ".";
            }
            (filled.*billColumns()[c].field)[m] = cell;
        }
    }
    std::vector<std::size_t> missing;
    for (std::size_t m = 0; m < 12; ++m) {
        if (seen[m] == nullptr) {
            missing.push_back(m);
        }
    }
    if (!missing.empty()) {
        const std::size_t given = 12 - missing.size();
        return file + " gives " + std::to_string(given) + (given == 1 ? " month" : " months") +
               " of bills" +
               (rows.empty() ? std::string()
                             : " (lines " + std::to_string(rows.front().line) + " to " +
                                   std::to_string(rows.back().line) + ")") +
               "; " + monthList(missing) + (missing.size() == 1 ? " is" : " are") + " missing.";
    }
    inputs = std::move(filled);
    return {};
}

std::vector<std::vector<std::string>> billCells(std::string_view id, const ProjectInputs& inputs) {
    ProjectInputs shown = inputs;
    std::string unitCaption;
    formatInputFields(shown, unitCaption);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(12);
    for (std::size_t m = 0; m < 12; ++m) {
        std::vector<std::string> cells = {std::string(id), std::to_string(m + 1)};
        for (const BillColumn& column : billColumns()) {
            cells.push_back(csvNumber(Number((shown.*column.field)[m])));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

} // namespace plenara
