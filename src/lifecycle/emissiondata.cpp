#include "lifecycle/emissiondata.h"

#include "fileio/regularfile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>

namespace plenara {

namespace {

// The emission files take a few kilobytes; anything near this size is no emission file.
constexpr std::size_t kMostEmissionFileBytes = 200'000;

// The widest ranges a published value can take: no grid emits 5,000 lb/MWh (coal plants emit
// about 2,200), no fuel 500 kg per MMBtu, and no grid loses half of its power.
constexpr double kMostLbPerMWh = 5000.0;
constexpr double kMostKgPerMMBtu = 500.0;
constexpr double kMostLossPercent = 50.0;

std::string trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

// The fields of a comma-separated line; a field in double quotes may hold commas, and a
// doubled quote inside it stands for one.
std::vector<std::string> csvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back().push_back('"');
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back().push_back(c);
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    for (std::string& field : fields) {
        field = trimmed(field);
    }
    return fields;
}

// A plain decimal number such as "823.149" or "75.10"; none for anything else.
std::optional<double> decimal(const std::string& text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// One data line of a file: its number and its fields by column.
struct Row {
    int line = 0;
    std::vector<std::string> fields;
};

// The data lines of a file whose header names `columns` (in any order, among others), each
// with its fields in the order of `columns`. Blank lines are skipped. Returns why the text
// cannot be used, or an empty text.
template <std::size_t N>
std::string readTable(std::string_view text, const std::array<std::string_view, N>& columns,
                      std::vector<Row>& rows) {
    std::array<std::size_t, N> at{};
    bool header = true;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (trimmed(line).empty()) {
            continue;
        }
        const std::vector<std::string> fields = csvFields(line);
        if (header) {
            for (std::size_t c = 0; c < N; ++c) {
                const auto found = std::find(fields.begin(), fields.end(), columns[c]);
                if (found == fields.end()) {
                    return "line " + std::to_string(lineNumber) +
                           ", the heading line, has no column " +
                           inQuotes(std::string(columns[c])) + ".";
                }
                at[c] = static_cast<std::size_t>(found - fields.begin());
            }
            header = false;
            continue;
        }
        Row row{lineNumber, {}};
        for (std::size_t c = 0; c < N; ++c) {
            row.fields.push_back(at[c] < fields.size() ? fields[at[c]] : std::string());
        }
        rows.push_back(std::move(row));
    }
    if (header) {
        return "the file is empty.";
    }
    if (rows.empty()) {
        return "the file has a heading line but no data.";
    }
    return {};
}

std::string fieldProblem(const Row& row, std::string_view column, const std::string& text,
                         const char* expected) {
    return "line " + std::to_string(row.line) + ", column " + std::string(column) + " reads " +
           inQuotes(text) + " where " + expected + " is needed.";
}

// A number of a column within 0 and `most`; an empty field is none when `optional`.
std::string readValue(const Row& row, std::size_t column, std::string_view name, double most,
                      bool optional, const char* expected, std::optional<double>& into) {
    const std::string& text = row.fields[column];
    if (text.empty() && optional) {
        into.reset();
        return {};
    }
    into = decimal(text);
    if (!into || *into < 0.0 || *into > most) {
        return fieldProblem(row, name, text, expected);
    }
    return {};
}

constexpr std::array<std::string_view, 4> kGridColumns = {
    "State", "CO2_total_output_lb_per_MWh", "CO2_nonbaseload_lb_per_MWh", "eGRID_year"};

std::string readGridRates(std::string_view text, EmissionData& data) {
    std::vector<Row> rows;
    if (std::string problem = readTable(text, kGridColumns, rows); !problem.empty()) {
        return problem;
    }
    const char* rate = "a rate in lb/MWh from 0 to 5,000";
    bool haveUnitedStates = false;
    for (const Row& row : rows) {
        GridCO2Row grid;
        grid.region = row.fields[0];
        if (grid.region.empty()) {
            return "line " + std::to_string(row.line) + " names no state.";
        }
        if (std::string p =
                readValue(row, 1, kGridColumns[1], kMostLbPerMWh, true, rate, grid.totalLbPerMWh);
            !p.empty()) {
            return p;
        }
        if (std::string p = readValue(row, 2, kGridColumns[2], kMostLbPerMWh, true, rate,
                                      grid.nonBaseloadLbPerMWh);
            !p.empty()) {
            return p;
        }
        const std::string& year = row.fields[3];
        if (!year.empty()) {
            if (year.size() != 4 || !std::all_of(year.begin(), year.end(), [](char c) {
                    return std::isdigit(static_cast<unsigned char>(c));
                })) {
                return fieldProblem(row, kGridColumns[3], year, "a year such as 2022");
            }
            grid.edition = "eGRID" + year;
        }
        const bool unitedStates = grid.region == kUnitedStatesRow;
        if ((unitedStates && haveUnitedStates) || gridRowOf(data, grid.region) != nullptr) {
            return "line " + std::to_string(row.line) + " lists " + grid.region + " a second time.";
        }
        if (unitedStates) {
            if (!grid.totalLbPerMWh || !grid.nonBaseloadLbPerMWh) {
                return "line " + std::to_string(row.line) +
                       ": the U.S. row needs both rates, which stand in for a state the file "
                       "does not list.";
            }
            data.unitedStates = std::move(grid);
            haveUnitedStates = true;
        } else {
            data.states.push_back(std::move(grid));
        }
    }
    if (!haveUnitedStates) {
        return "the file has no row " + inQuotes(std::string(kUnitedStatesRow)) +
               ", whose rates stand in for a state it does not list.";
    }
    return {};
}

constexpr std::array<std::string_view, 2> kFuelColumns = {"Fuel", "kg_CO2_per_MMBtu"};

std::string readFuelFactors(std::string_view text, EmissionData& data) {
    std::vector<Row> rows;
    if (std::string problem = readTable(text, kFuelColumns, rows); !problem.empty()) {
        return problem;
    }
    for (const Row& row : rows) {
        std::optional<double> factor;
        if (std::string p = readValue(row, 1, kFuelColumns[1], kMostKgPerMMBtu, false,
                                      "a factor in kg per MMBtu from 0 to 500", factor);
            !p.empty()) {
            return p;
        }
        if (row.fields[0].empty()) {
            return "line " + std::to_string(row.line) + " names no fuel.";
        }
        if (fuelFactorOf(data, row.fields[0]) != nullptr) {
            return "line " + std::to_string(row.line) + " lists " + row.fields[0] +
                   " a second time.";
        }
        data.fuels.push_back({row.fields[0], *factor});
    }
    // The gen-sets of every method burn natural gas.
    if (fuelFactorOf(data, "natural gas") == nullptr) {
        return "the file has no row \"Natural gas\", the fuel of every gen-set.";
    }
    return {};
}

constexpr std::array<std::string_view, 3> kLossColumns = {"Region", "Grid_gross_loss_percent",
                                                          "data_year"};

std::string readGridLoss(std::string_view text, EmissionData& data) {
    std::vector<Row> rows;
    if (std::string problem = readTable(text, kLossColumns, rows); !problem.empty()) {
        return problem;
    }
    for (const Row& row : rows) {
        if (row.fields[0] != kUnitedStatesRow) {
            continue;
        }
        std::optional<double> percent;
        if (std::string p = readValue(row, 1, kLossColumns[1], kMostLossPercent, false,
                                      "a loss in per cent from 0 to 50", percent);
            !p.empty()) {
            return p;
        }
        data.usGridLossPercent = *percent;
        data.gridLossYear = row.fields[2];
        return {};
    }
    return "the file has no row " + inQuotes(std::string(kUnitedStatesRow)) + ".";
}

std::string folderShown(const std::string& folder) {
    return shownPath(folder.empty() ? std::string(".") : folder);
}

std::string unusableMessage(std::string_view file, const std::string& folder,
                            const std::string& why) {
    return "File " + inQuotes(std::string(file)) + " in folder " + inQuotes(folderShown(folder)) +
           " cannot be used: " + why + " Without it the Life Cycle tab shows no CO2 figures.";
}

using TableReader = std::function<std::string(std::string_view, EmissionData&)>;

struct EmissionFile {
    std::string_view name;
    TableReader read;
};

const std::array<EmissionFile, 3>& emissionFiles() {
    static const std::array<EmissionFile, 3> files = {{{kGridCO2FileName, readGridRates},
                                                       {kFuelCO2FileName, readFuelFactors},
                                                       {kGridLossFileName, readGridLoss}}};
    return files;
}

EmissionData failed(std::string message) {
    EmissionData data;
    data.problem = std::move(message);
    return data;
}

} // namespace

EmissionData readEmissionData(const std::string& folder) {
    std::array<std::string, 3> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string_view name = emissionFiles()[i].name;
        const std::string path = (std::filesystem::path(folder) / name).string();
        RegularFileContent file = readRegularFile(path, kMostEmissionFileBytes);
        switch (file.problem) {
        case ReadProblem::None:
            texts[i] = std::move(file.content);
            break;
        case ReadProblem::Missing:
            return failed("File " + inQuotes(std::string(name)) + " was not found in folder " +
                          inQuotes(folderShown(folder)) +
                          ". Without it the Life Cycle tab shows no CO2 figures.");
        case ReadProblem::TooLarge:
            return failed(unusableMessage(name, folder, "the file is too large."));
        case ReadProblem::Folder:
        case ReadProblem::NotRegular:
        case ReadProblem::Unreadable:
            return failed(unusableMessage(name, folder, file.reason));
        }
    }
    return readEmissionTexts(texts[0], texts[1], texts[2], folder);
}

EmissionData readEmissionTexts(std::string_view gridText, std::string_view fuelText,
                               std::string_view lossText, const std::string& folder) {
    EmissionData data;
    const std::array<std::string_view, 3> texts = {gridText, fuelText, lossText};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const EmissionFile& file = emissionFiles()[i];
        if (std::string why = file.read(texts[i], data); !why.empty()) {
            return failed(unusableMessage(file.name, folder, why));
        }
    }
    data.problem.clear();
    return data;
}

const GridCO2Row* gridRowOf(const EmissionData& data, std::string_view state) {
    const auto found = std::find_if(data.states.begin(), data.states.end(),
                                    [&](const GridCO2Row& row) { return row.region == state; });
    return found == data.states.end() ? nullptr : &*found;
}

const FuelCO2Factor* fuelFactorOf(const EmissionData& data, std::string_view fuel) {
    const auto found =
        std::find_if(data.fuels.begin(), data.fuels.end(),
                     [&](const FuelCO2Factor& f) { return equalIgnoringCase(f.fuel, fuel); });
    return found == data.fuels.end() ? nullptr : &*found;
}

} // namespace plenara
