#include "portfolio/portfolioexport.h"

#include "engine/textfields.h"
#include "fileio/regularfile.h"
#include "portfolio/billcolumns.h"
#include "portfolio/buildingcolumns.h"
#include "portfolio/csvcells.h"

#include <algorithm>
#include <filesystem>

namespace plenara {

namespace {

constexpr std::size_t kBlockBytes = 1 << 16;

} // namespace

std::string csvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        // The id comes first and is UTF-8 already; the texts of a project are Windows-1252.
        line += csvField(i == 0 ? cells[i] : windows1252ToUtf8(cells[i]));
    }
    return line + '\n';
}

std::string exportedRowProblem(const ProjectInputs& inputs, const ClimateTable& climate) {
    const bool placeKnown =
        std::any_of(climate.rows.begin(), climate.rows.end(), [&](const ClimateRecord& place) {
            return place.State == inputs.State && place.City == inputs.City;
        });
    if (!placeKnown) {
        return "buildings.csv would not screen it: " + quotedCell(windows1252ToUtf8(inputs.City)) +
               " is no city of " + quotedCell(windows1252ToUtf8(inputs.State)) +
               " in the climate data (a row must name the state of its city).";
    }
    if (std::string problem = fuelsProblem(inputs); !problem.empty()) {
        return "buildings.csv would not screen it: " + problem + ".";
    }
    return {};
}

std::string PortfolioExport::open(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        return "Cannot create the folder " + inQuotes(shownPath(folder)) + ": " + ec.message() +
               ".";
    }
    m_buildingsPath = (fs::path(folder) / "buildings.csv").string();
    m_billsPath = (fs::path(folder) / "bills.csv").string();
    if (std::string problem = m_buildings.open(m_buildingsPath); !problem.empty()) {
        return "Cannot write " + inQuotes(shownPath(m_buildingsPath)) + ": " + problem;
    }
    if (std::string problem = m_bills.open(m_billsPath); !problem.empty()) {
        m_buildings.discard();
        return "Cannot write " + inQuotes(shownPath(m_billsPath)) + ": " + problem;
    }
    std::vector<std::string> header = {"id"};
    for (const BuildingColumn& column : buildingColumns()) {
        header.push_back(column.name);
    }
    m_buildingsBlock = csvLine(header);
    m_billsBlock = csvLine(billsHeader());
    return {};
}

void PortfolioExport::add(std::string_view id, const ProjectInputs& inputs) {
    m_buildingsBlock += csvLine(buildingCells(id, inputs));
    for (const std::vector<std::string>& row : billCells(id, inputs)) {
        m_billsBlock += csvLine(row);
    }
    ++m_count;
    if (m_billsBlock.size() >= kBlockBytes) {
        m_buildings.write(m_buildingsBlock);
        m_bills.write(m_billsBlock);
        m_buildingsBlock.clear();
        m_billsBlock.clear();
    }
}

std::string PortfolioExport::commit() {
    m_buildings.write(m_buildingsBlock);
    m_bills.write(m_billsBlock);
    m_buildingsBlock.clear();
    m_billsBlock.clear();
    if (std::string problem = m_buildings.commit(); !problem.empty()) {
        m_bills.discard();
        return "Cannot write " + inQuotes(shownPath(m_buildingsPath)) + ": " + problem;
    }
    if (std::string problem = m_bills.commit(); !problem.empty()) {
        return "Cannot write " + inQuotes(shownPath(m_billsPath)) + ": " + problem;
    }
    return {};
}

} // namespace plenara
