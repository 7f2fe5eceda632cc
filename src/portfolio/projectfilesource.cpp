#include "portfolio/projectfilesource.h"

#include "engine/textfields.h"
#include "fileio/regularfile.h"
#include "portfolio/csvcells.h"
#include "project/projectfile.h"

#include <algorithm>
#include <filesystem>

namespace plenara {

namespace fs = std::filesystem;

ProjectFileSource::ProjectFileSource(std::vector<std::string> files)
    : m_files(std::move(files)) {}

std::vector<std::string> ProjectFileSource::projectFilesIn(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        if (equalsIgnoringCase(path.extension().string(), ".tav") && !it->is_directory(ec)) {
            files.push_back(path.string());
        }
    }
    // Folders list their files in no fixed order; the name order keeps runs repeatable.
    std::sort(files.begin(), files.end());
    return files;
}

std::string idOfFile(const std::string& path) {
    // Ids are UTF-8, as file names are; a name that is none is taken as Windows-1252, as a
    // field of a CSV file is.
    std::string stem = fs::path(path).stem().string();
    return isValidUtf8(stem) ? stem : windows1252ToUtf8(stem);
}

BuildingInput ProjectFileSource::readBuilding(const std::string& path) {
    BuildingInput building;
    building.id = idOfFile(path);
    building.origin.projectFile = path;
    building.cityPlace = shownPath(path) + ", line 16";
    const FileResult read = ReadProjectFile(path, building.inputs);
    building.error = read.error;
    return building;
}

bool ProjectFileSource::next(BuildingInput& building) {
    if (m_next == m_files.size()) {
        return false;
    }
    building = readBuilding(m_files[m_next]);
    ++m_next;
    building.origin.line = static_cast<long long>(m_next);
    return true;
}

double ProjectFileSource::progress() const {
    return m_files.empty() ? 1.0
                           : static_cast<double>(m_next) / static_cast<double>(m_files.size());
}

std::string ProjectFileSource::placeOf(long long line) const {
    if (line < 1 || line > static_cast<long long>(m_files.size())) {
        return {};
    }
    return shownPath(m_files[static_cast<std::size_t>(line - 1)]);
}

} // namespace plenara
