#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace plenara {

// The name of the climate data file.
inline constexpr std::string_view kClimateFileName = "ClimateData.Dat";

// The most data lines the climate file may hold.
inline constexpr int kMaxClimateRows = 300;

// One line of the climate file. The numeric fields stay text and are read with Number.
struct ClimateRecord {
    std::string State;
    std::string City;
    std::string HDD;     // annual heating degree days
    std::string CDD;     // annual cooling degree days
    std::string AvgTemp; // average annual temperature, degrees F

    friend bool operator==(const ClimateRecord&, const ClimateRecord&) = default;
};

// The climate rows in file order. Empty when the file could not be read in full, so that no
// city can be chosen.
struct ClimateTable {
    std::vector<ClimateRecord> rows;

    int climateRowCount() const { return static_cast<int>(rows.size()); }
};

struct ClimateReadResult {
    ClimateTable table;
    std::string error; // empty on success; otherwise the message for the user (CR LF lines)

    bool ok() const { return error.empty(); }
};

// The column titles of the climate table.
const std::array<std::string_view, 5>& climateColumnTitles();

// The 51 state names of the state box, in list order.
const std::array<std::string_view, 51>& stateNames();

// Reads the climate file `folder`/ClimateData.Dat: one city per line, five "|"-separated
// fields State|City|HDD|CDD|Avg Temp (further fields ignored), lines ended by CR LF or LF,
// at most 300 lines. A missing file, a folder, a named pipe or device, a file that cannot be
// read, a line with fewer than five fields (an empty line included) or a 301st line ends the
// reading with a message that says which, and an empty table.
ClimateReadResult readClimateData(const std::string& folder);

// Reads the climate data from a file at `path` (whose folder the messages name).
ClimateReadResult readClimateFile(const std::string& path);

// Reads climate data from the text of the file at `path`.
ClimateReadResult readClimateText(std::string_view content, const std::string& path);

// The cities of a state in file order, duplicates included; the state compared exactly.
std::vector<std::string> citiesOfState(const ClimateTable& table, std::string_view state);

// The climate row of a city: the first row whose State and City both equal the chosen ones
// (exact comparison, as the state list compares); when no row has both, the first row whose
// City equals `city`, whatever its state, as files of older versions were read; null when no
// row has the city. A city name such as Portland that occurs in two states thus gets the
// degree days of the state that was chosen.
const ClimateRecord* findCity(const ClimateTable& table, std::string_view state,
                              std::string_view city);

} // namespace plenara
