#pragma once

#include "project/projectinputs.h"

#include <string>
#include <vector>

namespace plenara {

// Where a building was read, so that it can be read again (the "Open" of the portfolio
// window): a project file, or a row of buildings.csv with the bills.csv beside it.
struct BuildingOrigin {
    std::string projectFile;
    std::string buildingsFile;
    std::string billsFile;
    unsigned long long offset = 0; // of the building's row in buildingsFile
    long long line = 0;

    friend bool operator==(const BuildingOrigin&, const BuildingOrigin&) = default;
};

// One building of a portfolio as read, before it is screened.
struct BuildingInput {
    std::string id; // UTF-8, as the file gives it (a project holds no id)
    ProjectInputs inputs;
    // Why the building cannot be screened, naming the file and the line; empty when it was
    // read. Messages are UTF-8.
    std::string error;
    // Where the city is given ("/data/buildings.csv, line 5, column city"), for the message
    // of a city that the climate data do not hold.
    std::string cityPlace;
    BuildingOrigin origin;
};

// The buildings of one input (a project file, a folder of them, a pair of CSV files) in
// the order of the input.
class BuildingSource {
public:
    virtual ~BuildingSource() = default;

    // Reads the next building; false after the last. A building that cannot be read is
    // returned with its error, so that one bad row never stops the others.
    virtual bool next(BuildingInput& building) = 0;
    // How much of the input has been read, 0 to 1.
    virtual double progress() const = 0;
    // Where the building read at `line` stands, for messages ("/data/buildings.csv, line 5").
    virtual std::string placeOf(long long line) const = 0;
    // Messages about the input that belong to no one building (a column that is not read,
    // bills of an id that has no building), each told once; taken when they are told.
    virtual std::vector<std::string> takeNotes() { return {}; }
};

} // namespace plenara
