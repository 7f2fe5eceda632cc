#pragma once

#include "climate/climatedata.h"
#include "fileio/safefilewriter.h"
#include "project/projectinputs.h"

#include <string>
#include <string_view>

namespace plenara {

// Writes projects as the pair of CSV files that a screening reads, buildings.csv and
// bills.csv, so that users can start a portfolio from the project files they have. The files
// are UTF-8, comma-separated, with the numbers that the recalculation reads; a project
// exported and screened gives the results of the project itself. Both files replace what was
// there only when commit() succeeds.
class PortfolioExport {
public:
    // Creates `folder` when it is missing and begins both files. Returns why they cannot be
    // written (naming the file), or an empty text.
    std::string open(const std::string& folder);

    // Adds a building; its id is UTF-8.
    void add(std::string_view id, const ProjectInputs& inputs);
    std::size_t count() const { return m_count; }

    // Writes both files. Returns why they could not be written, or an empty text.
    std::string commit();

private:
    std::string m_buildingsPath;
    std::string m_billsPath;
    SafeFileWriter m_buildings;
    SafeFileWriter m_bills;
    std::string m_buildingsBlock;
    std::string m_billsBlock;
    std::size_t m_count = 0;
};

// Why the row of a project, once exported, would fail where the project itself is screened:
// a city that the climate data hold only in another state (a project finds its city
// anywhere; a row must name the city of its own state), or bills of a fuel or unit whose heat
// is not known (see fuelsProblem). Returns the reason, without the file, or an empty text.
std::string exportedRowProblem(const ProjectInputs& inputs, const ClimateTable& climate);

// The CSV line of a list of cells, written as UTF-8 and ended by a line feed: the first
// cell, the id or a name of the header, is UTF-8, the others Windows-1252.
std::string csvLine(const std::vector<std::string>& cells);

} // namespace plenara
