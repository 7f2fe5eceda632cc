#pragma once

#include "portfolio/billcolumns.h"
#include "project/projectinputs.h"

#include <string>
#include <vector>

namespace plenara {

// A file of bills for the window's "Import Bills...": the bills.csv of a portfolio, whose
// rows name the building they belong to, or a CSV of the same columns holding twelve rows of
// one building, with or without the id column.
class BillsFile {
public:
    // Reads where the bills of each building stand. Returns why the file cannot be used
    // (naming it), or an empty text.
    std::string open(const std::string& path);

    // The buildings of the file in the order of the file; one empty id for a file without
    // an id column.
    const std::vector<std::string>& ids() const { return m_ids; }

    // Fills the monthly grid of `inputs` with the bills of ids()[index]: all seven columns of
    // all twelve months. Returns why they cannot be taken (naming the file and the line), or
    // an empty text; `inputs` is then unchanged.
    std::string importInto(std::size_t index, ProjectInputs& inputs) const;

private:
    // Rows of one building that stand together; a file sorted by month has twelve runs.
    struct Run {
        unsigned long long offset = 0;
        long long line = 0;
        std::size_t rows = 0;
    };
    struct Group {
        std::vector<Run> runs;
    };
    std::string m_path;
    BillsLayout m_layout;
    std::vector<std::string> m_ids;
    std::vector<Group> m_groups;
};

} // namespace plenara
