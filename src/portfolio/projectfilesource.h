#pragma once

#include "portfolio/buildinginput.h"

#include <string>
#include <vector>

namespace plenara {

// Project files as buildings: one file named on the command line, or the files of a folder
// whose names end in ".TAV" in any letter case (sub-folders are not searched), in the order
// of their names. Each is read with the reader of File > Open; the id of its building is its
// name without the extension.
class ProjectFileSource : public BuildingSource {
public:
    explicit ProjectFileSource(std::vector<std::string> files);

    // The project files of a folder, by name.
    static std::vector<std::string> projectFilesIn(const std::string& folder);

    bool next(BuildingInput& building) override;
    double progress() const override;
    std::string placeOf(long long line) const override;

    // Reads one project file as a building.
    static BuildingInput readBuilding(const std::string& path);

private:
    std::vector<std::string> m_files;
    std::size_t m_next = 0;
};

// The id of a building read from a file: the file's name without its extension.
std::string idOfFile(const std::string& path);

} // namespace plenara
