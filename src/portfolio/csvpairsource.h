#pragma once

#include "climate/climatedata.h"
#include "portfolio/billcolumns.h"
#include "portfolio/buildinginput.h"
#include "portfolio/csvreader.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace plenara {

// The buildings of a pair of CSV files: buildings.csv with one row per building, bills.csv
// with one row per building and month. Buildings come in the order of buildings.csv. While
// bills.csv holds the buildings in the same order (as an export and the generator write it,
// and as splitting both files by id keeps it), the two are read in step and memory holds one
// building at a time. At the first building whose bills are not next, the rest of bills.csv
// is read once to note where the rows of each id stand, and the bills are read from there:
// the files need not be in the same order, and the rows of one building may stand anywhere
// (a file sorted by month holds twelve runs of one row per building). The index then takes
// memory for each run of rows of each id.
class CsvPairSource : public BuildingSource {
public:
    CsvPairSource(std::string buildingsFile, std::string billsFile, const ClimateTable& climate);

    bool next(BuildingInput& building) override;
    double progress() const override;
    std::string placeOf(long long line) const override;
    std::vector<std::string> takeNotes() override;

    // Reads the building whose row of buildings.csv is at `origin` again, with its bills.
    static BuildingInput readBuilding(const BuildingOrigin& origin, const ClimateTable& climate);

private:
    // Rows of one id that stand together in bills.csv.
    struct BillRun {
        unsigned long long offset = 0;
        long long line = 0;
        std::size_t rows = 0;
    };
    // Where the bills of one id stand: most often one run; a second takes room only then.
    struct BillGroup {
        BillRun first;
        std::vector<BillRun> more;
        bool used = false;
    };

    bool start();
    void indexBills(unsigned long long offset, long long line);
    // Reads the rows of `id` from the lookahead on into m_rows, after the m_rowCount read
    // before when `append`; false when none is next.
    bool readRun(const std::string& id, bool append = false);
    void readBills(BuildingInput& building);
    // Fails a building whose bills give quantities of a fuel or unit that is not known.
    void checkFuels(BuildingInput& building) const;
    void noteUnusedBills();

    std::string m_buildingsFile;
    std::string m_billsFile;
    std::string m_shownBuildings; // the files as messages name them
    std::string m_shownBills;
    const ClimateTable& m_climate;
    ProjectInputs m_newProject;
    bool m_started = false;
    bool m_done = false;

    CsvReader m_buildings;
    std::vector<int> m_columnOfField; // per header field: a building column, kIdColumn or -1
    int m_idField = -1;
    std::string m_fileError; // buildings.csv cannot be read: one failed building tells it

    CsvReader m_bills;
    BillsLayout m_billsLayout;
    std::string m_billsError; // bills.csv cannot be read: every building fails with it
    bool m_indexed = false;
    std::unordered_map<std::string, BillGroup> m_billGroups;
    bool m_haveLookahead = false;
    CsvRecord m_lookahead;         // the row of bills.csv after the last one used
    std::vector<CsvRecord> m_rows; // the rows of one building; the room is reused
    std::size_t m_rowCount = 0;

    std::vector<std::string> m_notes;
};

} // namespace plenara
