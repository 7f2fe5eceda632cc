#include "portfolio/billsimport.h"

#include "fileio/regularfile.h"
#include "portfolio/csvcells.h"
#include "portfolio/csvreader.h"

#include <unordered_map>

namespace plenara {

std::string BillsFile::open(const std::string& path) {
    m_path = path;
    m_ids.clear();
    m_groups.clear();
    const std::string shown = shownPath(path);
    CsvReader reader;
    if (std::string refused = reader.open(path); !refused.empty()) {
        return "Cannot read " + inQuotes(shown) + ": " + refused;
    }
    std::vector<std::string> notes;
    if (std::string problem = billsLayout(reader.header(), m_layout, notes); !problem.empty()) {
        return shown + ", line 1: " + problem;
    }
    std::unordered_map<std::string, std::size_t> groupOf;
    std::size_t current = 0;
    CsvRecord row;
    while (reader.next(row)) {
        std::string id;
        if (m_layout.id >= 0) {
            if (row.fields.size() <= static_cast<std::size_t>(m_layout.id)) {
                return shown + ", line " + std::to_string(row.line) + " has " +
                       std::to_string(row.fields.size()) + " fields where the header names " +
                       std::to_string(m_layout.fieldCount) + ".";
            }
            id = row.fields[static_cast<std::size_t>(m_layout.id)];
        }
        if (m_groups.empty() || id != m_ids[current]) {
            const auto [place, added] = groupOf.try_emplace(id, m_groups.size());
            current = place->second;
            if (added) {
                m_ids.push_back(id);
                m_groups.emplace_back();
            }
            m_groups[current].runs.push_back({row.offset, row.line, 0});
        }
        ++m_groups[current].runs.back().rows;
    }
    if (!reader.error().empty()) {
        return shown + ": " + reader.error();
    }
    if (m_ids.empty()) {
        return shown + " holds no bills: it has a header line and no rows.";
    }
    return {};
}

std::string BillsFile::importInto(std::size_t index, ProjectInputs& inputs) const {
    const std::string shown = shownPath(m_path);
    if (index >= m_groups.size()) {
        return shown + " holds no such building.";
    }
    CsvReader reader;
    if (std::string refused = reader.open(m_path); !refused.empty()) {
        return "Cannot read " + inQuotes(shown) + ": " + refused;
    }
    std::vector<CsvRecord> rows;
    for (const Run& run : m_groups[index].runs) {
        reader.seek(run.offset, run.line);
        for (std::size_t r = 0; r < run.rows; ++r) {
            rows.emplace_back();
            if (!reader.next(rows.back())) {
                return shown + ": " +
                       (reader.error().empty() ? "the file changed since it was chosen."
                                               : reader.error());
            }
        }
    }
    // Every column of the grid is replaced: one that the file leaves out is cleared, as a
    // new project has it, rather than left over from the bills that were there.
    ProjectInputs filled = inputs;
    for (const BillColumn& column : billColumns()) {
        (filled.*column.field)
            .fill(column.field == &ProjectInputs::MonthlyFuel2 ||
                          column.field == &ProjectInputs::MonthlyFuel2Cost
                      ? ""
                      : "0");
    }
    if (std::string problem = applyBillRows(rows, m_layout, shown, filled); !problem.empty()) {
        return problem;
    }
    inputs = std::move(filled);
    return {};
}

} // namespace plenara
