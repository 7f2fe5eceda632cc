#include "climate/climatedata.h"

#include "engine/textfields.h"
#include "fileio/regularfile.h"

#include <filesystem>

namespace plenara {

namespace {

constexpr std::string_view kCrLf = "\r\n";

constexpr std::size_t kMostClimateFileBytes = 1'000'000;

// The closing lines of every climate-file message: what the file is for.
std::string purposeLines() {
    return std::string("This file is provides Heating and Cooling Degree Day data") +
           std::string(kCrLf) + "required for Method 3 calculations.";
}

// The folder a message names: absolute, so that a file named without a folder still
// names the folder it was looked for in.
std::string folderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return shownPath(parent.empty() ? std::string(".") : parent.string());
}

std::string notFoundMessage(const std::string& fileName, const std::string& folder) {
    std::string m = "File " + inQuotes(fileName) + " was not found in folder ";
    m += std::string(kCrLf) + std::string(kCrLf);
    m += inQuotes(folder) + std::string(kCrLf) + std::string(kCrLf);
    m += purposeLines();
    return m;
}

std::string badFileMessage(const std::string& fileName, const std::string& folder,
                           const std::string& problem) {
    std::string m = "File " + inQuotes(fileName) + " in folder ";
    m += std::string(kCrLf) + std::string(kCrLf);
    m += inQuotes(folder) + std::string(kCrLf) + std::string(kCrLf);
    m += "cannot be used: " + problem + std::string(kCrLf) + std::string(kCrLf);
    m += purposeLines();
    return m;
}

} // namespace

const std::array<std::string_view, 5>& climateColumnTitles() {
    static const std::array<std::string_view, 5> titles = {"State", "City", "HDD", "CDD",
                                                           "Avg Temp"};
    return titles;
}

const std::array<std::string_view, 51>& stateNames() {
    static const std::array<std::string_view, 51> names = {
        "Alabama",       "Alaska",      "Arizona",        "Arkansas",      "California",
        "Colorado",      "Connecticut", "Delaware",       "Florida",       "Georgia",
        "Hawaii",        "Idaho",       "Illinois",       "Indiana",       "Iowa",
        "Kansas",        "Kentucky",    "Louisiana",      "Maine",         "Maryland",
        "Massachusetts", "Michigan",    "Minnesota",      "Mississippi",   "Missouri",
        "Montana",       "Nebraska",    "Nevada",         "New Hampshire", "New Jersey",
        "New Mexico",    "New York",    "North Carolina", "North Dakota",  "Ohio",
        "Oklahoma",      "Oregon",      "Pennsylvania",   "Rhode Island",  "South Carolina",
        "South Dakota",  "Tennessee",   "Texas",          "Utah",          "Vermont",
        "Virginia",      "Washington",  "Washington DC",  "West Virginia", "Wisconsin",
        "Wyoming"};
    return names;
}

ClimateReadResult readClimateData(const std::string& folder) {
    return readClimateFile((std::filesystem::path(folder) / kClimateFileName).string());
}

ClimateReadResult readClimateFile(const std::string& path) {
    const std::string fileName = std::filesystem::path(path).filename().string();
    const std::string folder = folderOf(path);

    ClimateReadResult result;
    // 300 lines of climate data take a few kilobytes; a large file is no climate file.
    const RegularFileContent file = readRegularFile(path, kMostClimateFileBytes);
    switch (file.problem) {
    case ReadProblem::None:
        return readClimateText(file.content, path);
    case ReadProblem::Missing:
        result.error = notFoundMessage(fileName, folder);
        break;
    case ReadProblem::TooLarge:
        result.error = badFileMessage(fileName, folder, "the file is too large.");
        break;
    case ReadProblem::Folder:
    case ReadProblem::NotRegular:
    case ReadProblem::Unreadable:
        result.error = badFileMessage(fileName, folder, file.reason);
        break;
    }
    return result;
}

ClimateReadResult readClimateText(std::string_view content, const std::string& path) {
    const std::string fileName = std::filesystem::path(path).filename().string();
    const std::string folder = folderOf(path);

    ClimateReadResult result;
    if (content.empty()) {
        result.error = badFileMessage(fileName, folder, "the file is empty.");
        return result;
    }

    std::vector<ClimateRecord> rows;
    // A UTF-8 byte-order mark, which some editors put at the start of a file they save, is no
    // part of the first state's name.
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    std::size_t start =
        content.substr(0, byteOrderMark.size()) == byteOrderMark ? byteOrderMark.size() : 0;
    int lineNumber = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const std::size_t next = end == std::string::npos ? content.size() : end + 1;
        if (end == std::string::npos) {
            end = content.size();
        }
        std::string_view line(content.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        start = next;
        ++lineNumber;

        if (lineNumber > kMaxClimateRows) {
            result.error = badFileMessage(fileName, folder,
                                          "it has more than " + std::to_string(kMaxClimateRows) +
                                              " lines (line " + std::to_string(lineNumber) +
                                              " is one too many).");
            return result;
        }
        if (line.empty()) {
            result.error = badFileMessage(fileName, folder,
                                          "line " + std::to_string(lineNumber) + " is empty.");
            return result;
        }
        std::vector<std::string> fields = splitFields(line, '|');
        if (fields.size() < 5) {
            result.error = badFileMessage(fileName, folder,
                                          "line " + std::to_string(lineNumber) + " has " +
                                              std::to_string(fields.size()) +
                                              (fields.size() == 1 ? " field" : " fields") +
                                              "; every line needs five fields separated by \"|\": "
                                              "State|City|HDD|CDD|Avg Temp.");
            return result;
        }
        rows.push_back({std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                        std::move(fields[3]), std::move(fields[4])});
    }
    result.table.rows = std::move(rows);
    return result;
}

std::vector<std::string> citiesOfState(const ClimateTable& table, std::string_view state) {
    std::vector<std::string> cities;
    for (const ClimateRecord& row : table.rows) {
        if (row.State == state) {
            cities.push_back(row.City);
        }
    }
    return cities;
}

const ClimateRecord* findCity(const ClimateTable& table, std::string_view state,
                              std::string_view city) {
    const ClimateRecord* cityAnywhere = nullptr;
    for (const ClimateRecord& row : table.rows) {
        if (row.City != city) {
            continue;
        }
        if (row.State == state) {
            return &row;
        }
        if (cityAnywhere == nullptr) {
            cityAnywhere = &row;
        }
    }
    return cityAnywhere;
}

} // namespace plenara
