#include "portfolio/portfolioreader.h"

#include "fileio/regularfile.h"
#include "portfolio/csvcells.h"
#include "portfolio/csvpairsource.h"
#include "portfolio/csvreader.h"
#include "portfolio/projectfilesource.h"

#include <filesystem>

namespace plenara {

namespace fs = std::filesystem;

namespace {

bool isCsvName(const std::string& path) {
    return equalsIgnoringCase(fs::path(path).extension().string(), ".csv");
}

// The file of a folder with the name `name` in any letter case; empty when none.
std::string fileNamed(const std::string& folder, std::string_view name) {
    std::error_code ec;
    std::string found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        // Of "bills.csv" and "Bills.csv" the first by name is taken, whatever the folder order.
        if (equalsIgnoringCase(file, name) && (found.empty() || it->path().string() < found)) {
            found = it->path().string();
        }
    }
    return found;
}

// Whether a CSV file holds bills: its header names a column "month".
bool holdsBills(const std::string& path) {
    CsvReader reader;
    return reader.open(path).empty() && reader.column("month") >= 0;
}

} // namespace

PortfolioReader::PortfolioReader(std::vector<std::string> inputs, const ClimateTable& climate)
    : m_inputs(resolve(inputs, climate)) {}

PortfolioReader::~PortfolioReader() = default;

std::vector<PortfolioReader::Input> PortfolioReader::resolve(const std::vector<std::string>& inputs,
                                                             const ClimateTable& climate) {
    std::vector<Input> resolved;
    std::vector<std::string> csvFiles;
    const auto failed = [&](const std::string& name, const std::string& why) {
        resolved.push_back({nullptr, why, name});
    };
    for (const std::string& input : inputs) {
        std::error_code ec;
        const fs::file_status status = fs::status(input, ec);
        if (fs::is_directory(status)) {
            const std::string buildings = fileNamed(input, "buildings.csv");
            if (!buildings.empty()) {
                std::string bills = fileNamed(input, "bills.csv");
                if (bills.empty()) {
                    bills = (fs::path(input) / "bills.csv").string();
                }
                resolved.push_back(
                    {std::make_unique<CsvPairSource>(buildings, bills, climate), {}, input});
                continue;
            }
            std::vector<std::string> files = ProjectFileSource::projectFilesIn(input);
            if (files.empty()) {
                failed(input, "The folder " + inQuotes(shownPath(input)) +
                                  " holds no project files (*.TAV) and no buildings.csv.");
                continue;
            }
            resolved.push_back({std::make_unique<ProjectFileSource>(std::move(files)), {}, input});
        } else if (isCsvName(input)) {
            // CSV files are taken two at a time, a file of buildings with its file of bills.
            csvFiles.push_back(input);
            if (csvFiles.size() == 2) {
                const bool firstIsBills = holdsBills(csvFiles[0]);
                if (firstIsBills && holdsBills(csvFiles[1])) {
                    // Either taken for buildings.csv would screen each row of bills as a
                    // building.
                    failed(csvFiles[0], "Neither " + inQuotes(shownPath(csvFiles[0])) + " nor " +
                                            inQuotes(shownPath(csvFiles[1])) +
                                            " is a file of buildings: both name a column "
                                            "\"month\", as files of bills do. Name "
                                            "buildings.csv with its bills.csv.");
                    csvFiles.clear();
                    continue;
                }
                const std::string& buildings = firstIsBills ? csvFiles[1] : csvFiles[0];
                const std::string& bills = firstIsBills ? csvFiles[0] : csvFiles[1];
                resolved.push_back(
                    {std::make_unique<CsvPairSource>(buildings, bills, climate), {}, buildings});
                csvFiles.clear();
            }
        } else {
            resolved.push_back(
                {std::make_unique<ProjectFileSource>(std::vector{input}), {}, input});
        }
    }
    if (!csvFiles.empty()) {
        failed(csvFiles.front(), inQuotes(shownPath(csvFiles.front())) +
                                     " is named without its partner: name buildings.csv and "
                                     "bills.csv together, or the folder that holds them.");
    }
    return resolved;
}

namespace {

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::path(a).lexically_normal() == fs::path(b).lexically_normal() ||
           fs::equivalent(a, b, ec);
}

// Whether the folder input `folder` screens the file input `file` as well.
bool folderScreens(const std::string& folder, const std::string& file) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec) || fs::is_directory(file, ec)) {
        return false;
    }
    fs::path parent = fs::path(file).parent_path();
    if (parent.empty()) {
        parent = ".";
    }
    if (!sameFile(parent.string(), folder)) {
        return false;
    }
    const std::string buildings = fileNamed(folder, "buildings.csv");
    if (!buildings.empty()) {
        const std::string bills = fileNamed(folder, "bills.csv");
        return sameFile(file, buildings) || (!bills.empty() && sameFile(file, bills));
    }
    return equalsIgnoringCase(fs::path(file).extension().string(), ".tav");
}

} // namespace

std::optional<RepeatedInput> repeatedInput(const std::vector<std::string>& inputs) {
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (sameFile(inputs[i], inputs[j])) {
                return RepeatedInput{i, j, false};
            }
            if (folderScreens(inputs[j], inputs[i]) || folderScreens(inputs[i], inputs[j])) {
                return RepeatedInput{i, j, true};
            }
        }
    }
    return std::nullopt;
}

bool PortfolioReader::next(BuildingInput& building) {
    while (m_current < m_inputs.size()) {
        Input& input = m_inputs[m_current];
        if (!input.source) {
            building = BuildingInput{};
            building.id = idOfFile(input.name);
            building.error = input.failure;
            ++m_current;
            return true;
        }
        if (!input.source->next(building)) {
            for (std::string& note : input.source->takeNotes()) {
                m_notes.push_back(std::move(note));
            }
            ++m_current;
            continue;
        }
        if (!building.id.empty()) {
            const auto [first, added] =
                m_seen.try_emplace(building.id, FirstPlace{m_current, building.origin.line});
            // A second building of the same id fails for that, whatever else is wrong with it.
            if (!added) {
                const Input& firstInput = m_inputs[first->second.input];
                building.error = input.source->placeOf(building.origin.line) + ": the id " +
                                 quotedCell(building.id) + " is given before, in " +
                                 firstInput.source->placeOf(first->second.line) +
                                 "; each building needs an id of its own.";
            }
        }
        return true;
    }
    return false;
}

double PortfolioReader::progress() const {
    if (m_inputs.empty()) {
        return 1.0;
    }
    const double done = static_cast<double>(m_current);
    const double part = m_current < m_inputs.size() && m_inputs[m_current].source
                            ? m_inputs[m_current].source->progress()
                            : 0.0;
    return (done + part) / static_cast<double>(m_inputs.size());
}

std::vector<std::string> PortfolioReader::takeNotes() {
    if (m_current < m_inputs.size() && m_inputs[m_current].source) {
        for (std::string& note : m_inputs[m_current].source->takeNotes()) {
            m_notes.push_back(std::move(note));
        }
    }
    return std::exchange(m_notes, {});
}

BuildingInput PortfolioReader::readBuilding(const BuildingOrigin& origin,
                                            const ClimateTable& climate) {
    if (!origin.projectFile.empty()) {
        return ProjectFileSource::readBuilding(origin.projectFile);
    }
    return CsvPairSource::readBuilding(origin, climate);
}

} // namespace plenara
