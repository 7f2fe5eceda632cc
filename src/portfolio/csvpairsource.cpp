#include "portfolio/csvpairsource.h"

#include "engine/textfields.h"
#include "fileio/regularfile.h"
#include "portfolio/buildingcolumns.h"
#include "portfolio/csvcells.h"
#include "portfolio/projectfilesource.h"

#include <algorithm>
#include <span>

namespace plenara {

namespace {

constexpr int kIdColumn = -2;
// Notes of bills without a building name so many ids at most; a file of another portfolio
// would otherwise print a line for each of its buildings.
constexpr std::size_t kMostNamedIds = 10;

// Which building column each field of the header holds.
std::string buildingsLayout(const std::vector<std::string>& header, std::vector<int>& columnOfField,
                            int& idField, std::vector<std::string>& notes) {
    const std::vector<BuildingColumn>& columns = buildingColumns();
    columnOfField.assign(header.size(), -1);
    idField = -1;
    std::vector<bool> named(columns.size(), false);
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string& name = header[i];
        if (equalsIgnoringCase(name, "id")) {
            if (idField >= 0) {
                notes.push_back("column \"id\" is named twice; the first one is read");
            } else {
                idField = static_cast<int>(i);
                columnOfField[i] = kIdColumn;
            }
            continue;
        }
        const auto known = std::find_if(columns.begin(), columns.end(), [&](const auto& column) {
            return equalsIgnoringCase(column.name, name);
        });
        if (known == columns.end()) {
            notes.push_back("column " + quotedCell(name) +
                            " is none of the columns of buildings and is not read");
            continue;
        }
        const auto c = static_cast<std::size_t>(known - columns.begin());
        if (named[c]) {
            notes.push_back("column " + quotedCell(name) +
                            " is named twice; the first one is read");
            continue;
        }
        named[c] = true;
        columnOfField[i] = static_cast<int>(c);
    }
    if (idField < 0) {
        return "the header names no column \"id\", which tells the buildings apart.";
    }
    return {};
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The cell of the column `name` in a row, or null when the header does not name it.
const std::string* cellOf(const CsvRecord& row, const std::vector<int>& columnOfField,
                          std::string_view name) {
    for (std::size_t i = 0; i < columnOfField.size() && i < row.fields.size(); ++i) {
        const int c = columnOfField[i];
        if (c >= 0 && buildingColumns()[static_cast<std::size_t>(c)].name == name) {
            return &row.fields[i];
        }
    }
    return nullptr;
}

// Why the state and city of a row are no place of the climate data, or an empty text. A row
// must name a city of its own state: a project file of an older version may name the city
// alone, but a row whose city stands in another state (or whose state or city column is
// missing, leaving the place of a new project) would be screened with the wrong climate and
// grid without a word among thousands of others.
std::string placeProblem(const ProjectInputs& inputs, const ClimateTable& climate,
                         const std::string& where, const std::string* stateCell,
                         const std::string* cityCell) {
    bool stateKnown = false;
    for (const ClimateRecord& place : climate.rows) {
        if (place.State == inputs.State) {
            if (place.City == inputs.City) {
                return {};
            }
            stateKnown = true;
        }
    }
    // The cells as the file gives them; the place of a new project where a column is missing.
    const std::string state = stateCell ? *stateCell : windows1252ToUtf8(inputs.State);
    const std::string city = cityCell ? *cityCell : windows1252ToUtf8(inputs.City);
    if (!stateKnown && stateCell) {
        return where + ", column state: " + quotedCell(state) + " is no state of the climate data.";
    }
    return where + (cityCell ? ", column city: " : ": ") + quotedCell(city) +
           (cityCell ? "" : " (the city of a new project: the file has no column city)") +
           " is no city of " + quotedCell(state) +
           (stateCell ? "" : " (the state of a new project: the file has no column state)") +
           " in the climate data.";
}

// A row of buildings.csv as a building, from the values of a new project.
void readBuildingRow(const CsvRecord& row, const std::vector<int>& columnOfField, int idField,
                     const std::string& shownFile, const ClimateTable& climate,
                     BuildingInput& building) {
    const std::string where = shownFile + ", line " + std::to_string(row.line);
    const std::vector<BuildingColumn>& columns = buildingColumns();
    if (static_cast<std::size_t>(idField) < row.fields.size()) {
        building.id = row.fields[static_cast<std::size_t>(idField)];
    }
    building.cityPlace = where + ", column city";
    if (row.fields.size() != columnOfField.size()) {
        // The id, state and city still name the building in its row of results: those the
        // row gives, not the place of a new project.
        building.inputs.State.clear();
        building.inputs.City.clear();
        for (std::size_t i = 0; i < std::min(row.fields.size(), columnOfField.size()); ++i) {
            const int c = columnOfField[i];
            if (c >= 0 && (columns[static_cast<std::size_t>(c)].name == "state" ||
                           columns[static_cast<std::size_t>(c)].name == "city")) {
                columns[static_cast<std::size_t>(c)].read(utf8ToWindows1252(row.fields[i]),
                                                          building.inputs);
            }
        }
        building.error = where + " has " + std::to_string(row.fields.size()) +
                         " fields where the header names " + std::to_string(columnOfField.size()) +
                         " (is a comma inside a number or text not quoted?).";
        return;
    }
    if (building.id.empty()) {
        building.error = where + ", column id: the id is empty.";
        return;
    }
    std::string converted;
    for (std::size_t i = 0; i < row.fields.size(); ++i) {
        const int c = columnOfField[i];
        if (c < 0) {
            continue;
        }
        const BuildingColumn& column = columns[static_cast<std::size_t>(c)];
        // The texts of a project are Windows-1252; the cell stays UTF-8 for the message.
        std::string_view cell = row.fields[i];
        if (!isAscii(cell)) {
            converted = utf8ToWindows1252(cell);
            cell = converted;
        }
        if (std::string problem = column.read(cell, building.inputs); !problem.empty()) {
            if (building.error.empty()) {
                building.error = where + ", column " + column.name + ": " +
                                 quotedCell(row.fields[i]) + " " + problem + ".";
            }
        }
    }
    if (building.error.empty()) {
        building.error =
            placeProblem(building.inputs, climate, where, cellOf(row, columnOfField, "state"),
                         cellOf(row, columnOfField, "city"));
    }
}

} // namespace

CsvPairSource::CsvPairSource(std::string buildingsFile, std::string billsFile,
                             const ClimateTable& climate)
    : m_buildingsFile(std::move(buildingsFile))
    , m_billsFile(std::move(billsFile))
    , m_shownBuildings(shownPath(m_buildingsFile))
    , m_shownBills(shownPath(m_billsFile))
    , m_climate(climate)
    , m_newProject(newProjectInputs(climate)) {}

bool CsvPairSource::start() {
    m_started = true;
    if (std::string refused = m_buildings.open(m_buildingsFile); !refused.empty()) {
        m_fileError = "Cannot read " + inQuotes(m_shownBuildings) + ": " + refused;
        return false;
    }
    std::vector<std::string> notes;
    if (std::string problem =
            buildingsLayout(m_buildings.header(), m_columnOfField, m_idField, notes);
        !problem.empty()) {
        m_fileError = m_shownBuildings + ", line 1: " + problem;
        return false;
    }
    for (const std::string& note : notes) {
        m_notes.push_back(m_shownBuildings + ": " + note + ".");
    }
    notes.clear();

    const std::string& shown = m_shownBills;
    if (std::string refused = m_bills.open(m_billsFile); !refused.empty()) {
        m_billsError = "Cannot read " + inQuotes(shown) + ": " + refused;
        return true;
    }
    if (std::string problem = billsLayout(m_bills.header(), m_billsLayout, notes);
        !problem.empty()) {
        m_billsError = shown + ", line 1: " + problem;
        return true;
    }
    if (m_billsLayout.id < 0) {
        m_billsError = shown + ", line 1: the header names no column \"id\", which tells "
                               "whose bills a row holds.";
        return true;
    }
    for (const std::string& note : notes) {
        m_notes.push_back(shown + ": " + note + ".");
    }
    m_haveLookahead = m_bills.next(m_lookahead);
    return true;
}

// Notes where the rows of each id stand from `offset` to the end of bills.csv; the rows
// before it belong to buildings read already.
void CsvPairSource::indexBills(unsigned long long offset, long long line) {
    m_indexed = true;
    m_haveLookahead = false;
    m_bills.seek(offset, line);
    const std::string& shown = m_shownBills;
    const auto idField = static_cast<std::size_t>(m_billsLayout.id);
    std::string runId;
    BillRun* run = nullptr;
    long long rowsWithoutId = 0;
    long long firstWithoutId = 0;
    CsvRecord row;
    while (m_bills.next(row)) {
        if (row.fields.size() <= idField) {
            if (rowsWithoutId++ == 0) {
                firstWithoutId = row.line;
            }
            run = nullptr; // a run is read back row after row, and would stop here
            continue;
        }
        const std::string& id = row.fields[idField];
        if (run == nullptr || id != runId) {
            runId = id;
            const auto [place, added] = m_billGroups.try_emplace(id);
            BillGroup& group = place->second;
            if (added) {
                group.first = {row.offset, row.line, 0};
                run = &group.first;
            } else {
                group.more.push_back({row.offset, row.line, 0});
                run = &group.more.back();
            }
        }
        ++run->rows;
    }
    if (!m_bills.error().empty()) {
        m_billsError = shown + ": " + m_bills.error();
    }
    m_haveLookahead = false;
    if (rowsWithoutId > 0) {
        m_notes.push_back(shown + ", line " + std::to_string(firstWithoutId) +
                          (rowsWithoutId > 1
                               ? " and " + std::to_string(rowsWithoutId - 1) + " more lines"
                               : std::string()) +
                          ": too few fields to hold an id; not read.");
    }
}

// Reads the rows of bills.csv from the lookahead on while they belong to `id`; false when
// the next row belongs to another.
bool CsvPairSource::readRun(const std::string& id, bool append) {
    const auto idField = static_cast<std::size_t>(m_billsLayout.id);
    const std::size_t before = append ? m_rowCount : 0;
    m_rowCount = before;
    while (m_haveLookahead && m_lookahead.fields.size() > idField &&
           m_lookahead.fields[idField] == id) {
        if (m_rowCount == m_rows.size()) {
            m_rows.emplace_back();
        }
        std::swap(m_rows[m_rowCount++], m_lookahead);
        m_haveLookahead = m_bills.next(m_lookahead);
    }
    return m_rowCount > before;
}

void CsvPairSource::readBills(BuildingInput& building) {
    const std::string& shown = m_shownBills;
    if (!m_billsError.empty()) {
        if (building.error.empty()) {
            building.error = m_billsError;
        }
        return;
    }
    if (!m_indexed) {
        const bool rowsLeft = m_haveLookahead;
        const unsigned long long offset = m_lookahead.offset;
        const long long line = m_lookahead.line;
        if (readRun(building.id)) {
            if (!building.error.empty()) {
                return;
            }
            std::string problem =
                applyBillRows(std::span<const CsvRecord>(m_rows.data(), m_rowCount), m_billsLayout,
                              shown, building.inputs);
            if (problem.empty()) {
                return;
            }
            // The rows may stand apart, as in a file sorted by month: the index tells.
        }
        if (!m_bills.error().empty()) {
            building.error = shown + ": " + m_bills.error();
            return;
        }
        if (!building.error.empty()) {
            return; // fails anyway; its rows, if any, are read with the next building's
        }
        if (rowsLeft) {
            indexBills(offset, line);
        } else {
            m_indexed = true; // nothing is left to index
        }
    }
    const auto group = m_billGroups.find(building.id);
    if (group == m_billGroups.end()) {
        if (building.error.empty()) {
            building.error = shown + " holds no bills of " + quotedCell(building.id) + ".";
        }
        return;
    }
    BillGroup& bills = group->second;
    bills.used = true;
    if (!building.error.empty()) {
        return;
    }
    // The runs in the order of the file, so that a month given twice names its later line.
    m_rowCount = 0;
    for (std::size_t r = 0; r <= bills.more.size(); ++r) {
        const BillRun& run = r == 0 ? bills.first : bills.more[r - 1];
        if (!m_haveLookahead || m_lookahead.offset != run.offset) {
            m_bills.seek(run.offset, run.line);
            m_haveLookahead = m_bills.next(m_lookahead);
        }
        const std::size_t before = m_rowCount;
        readRun(building.id, true);
        if (m_rowCount - before < run.rows) {
            building.error =
                shown + ": " +
                (m_bills.error().empty() ? "the file changed while it was read." : m_bills.error());
            return;
        }
    }
    building.error = applyBillRows(std::span<const CsvRecord>(m_rows.data(), m_rowCount),
                                   m_billsLayout, shown, building.inputs);
}

bool CsvPairSource::next(BuildingInput& building) {
    if (m_done) {
        return false;
    }
    if (!m_started && !start()) {
        // A file that cannot be read is one failed building, named after the file.
        m_done = true;
        building = BuildingInput{};
        building.id = idOfFile(m_buildingsFile);
        building.error = m_fileError;
        return true;
    }
    CsvRecord row;
    if (!m_buildings.next(row)) {
        m_done = true;
        if (!m_buildings.error().empty()) {
            building = BuildingInput{};
            building.id = idOfFile(m_buildingsFile);
            building.error = m_shownBuildings + ": " + m_buildings.error();
            noteUnusedBills();
            return true;
        }
        noteUnusedBills();
        return false;
    }
    building.id.clear();
    building.error.clear();
    building.inputs = m_newProject;
    building.origin = {{}, m_buildingsFile, m_billsFile, row.offset, row.line};
    readBuildingRow(row, m_columnOfField, m_idField, m_shownBuildings, m_climate, building);
    readBills(building);
    checkFuels(building);
    return true;
}

void CsvPairSource::noteUnusedBills() {
    // Rows after those of the last building, read in step, belong to no building.
    if (!m_indexed && m_haveLookahead) {
        indexBills(m_lookahead.offset, m_lookahead.line);
    }
    std::vector<std::pair<long long, const std::string*>> unused;
    for (const auto& [id, group] : m_billGroups) {
        if (!group.used) {
            unused.emplace_back(group.first.line, &id);
        }
    }
    if (unused.empty()) {
        return;
    }
    std::sort(unused.begin(), unused.end());
    std::string ids;
    for (std::size_t i = 0; i < std::min(unused.size(), kMostNamedIds); ++i) {
        ids += (i == 0 ? "" : ", ") + quotedCell(*unused[i].second) + " (line " +
               std::to_string(unused[i].first) + ")";
    }
    if (unused.size() > kMostNamedIds) {
        ids += " and " + std::to_string(unused.size() - kMostNamedIds) + " more";
    }
    m_notes.push_back(m_shownBills + ": bills that were not used, of " +
                      (unused.size() == 1 ? "an id" : std::to_string(unused.size()) + " ids") +
                      " that no row of " + m_shownBuildings +
                      " has (or rows apart from the others of their building): " + ids + ".");
}

void CsvPairSource::checkFuels(BuildingInput& building) const {
    if (building.error.empty()) {
        if (std::string problem = fuelsProblem(building.inputs); !problem.empty()) {
            building.error = placeOf(building.origin.line) + ", " + problem + ".";
        }
    }
}

double CsvPairSource::progress() const {
    return m_done ? 1.0 : m_started ? m_buildings.progress() : 0.0;
}

std::string CsvPairSource::placeOf(long long line) const {
    return m_shownBuildings + ", line " + std::to_string(line);
}

std::vector<std::string> CsvPairSource::takeNotes() {
    return std::exchange(m_notes, {});
}

BuildingInput CsvPairSource::readBuilding(const BuildingOrigin& origin,
                                          const ClimateTable& climate) {
    CsvPairSource source(origin.buildingsFile, origin.billsFile, climate);
    BuildingInput building;
    if (!source.start()) {
        building.error = source.m_fileError;
        return building;
    }
    source.m_buildings.seek(origin.offset, origin.line);
    CsvRecord row;
    if (!source.m_buildings.next(row)) {
        building.error = shownPath(origin.buildingsFile) + " has changed: line " +
                         std::to_string(origin.line) + " holds no building now.";
        return building;
    }
    building.inputs = source.m_newProject;
    building.origin = origin;
    readBuildingRow(row, source.m_columnOfField, source.m_idField, shownPath(origin.buildingsFile),
                    climate, building);
    source.readBills(building);
    source.checkFuels(building);
    return building;
}

} // namespace plenara
