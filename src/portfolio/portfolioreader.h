#pragma once

#include "climate/climatedata.h"
#include "portfolio/buildinginput.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace plenara {

// The buildings of every input of a screening, one after the other. An input is a project
// file, a folder of project files, a folder holding buildings.csv and bills.csv, or a CSV
// file named together with its partner (the two told apart by the "month" column of bills).
// An input that cannot be used is one failed building named after it, so that a bad input
// never stops the others. An id given twice fails the second time, naming the first.
class PortfolioReader {
public:
    PortfolioReader(std::vector<std::string> inputs, const ClimateTable& climate);
    ~PortfolioReader();

    bool next(BuildingInput& building);
    // How much of the inputs has been read, 0 to 1.
    double progress() const;
    // The notes of the inputs read so far, each told once.
    std::vector<std::string> takeNotes();

    // Reads one building again from where it was read.
    static BuildingInput readBuilding(const BuildingOrigin& origin, const ClimateTable& climate);

private:
    struct Input {
        std::unique_ptr<BuildingSource> source;
        std::string failure; // the input cannot be used: one failed building says why
        std::string name;    // the input as given
    };
    static std::vector<Input> resolve(const std::vector<std::string>& inputs,
                                      const ClimateTable& climate);
    // Where an id was first given: the input and the line within it.
    struct FirstPlace {
        std::size_t input = 0;
        long long line = 0;
    };

    std::vector<Input> m_inputs;
    std::size_t m_current = 0;
    std::unordered_map<std::string, FirstPlace> m_seen;
    std::vector<std::string> m_notes;
};

// An input that screens again what an earlier one screens: the same file or folder named
// twice, or a file named beside the folder that holds it and screens it (its project files,
// or its buildings.csv and bills.csv). Each of its buildings would fail as a duplicate of
// itself.
struct RepeatedInput {
    std::size_t input = 0;   // the index of the input screened twice
    std::size_t earlier = 0; // the index of the input that screens it too
    bool inFolder = false;   // `input` is a file of the folder `earlier`, or the other way
};
std::optional<RepeatedInput> repeatedInput(const std::vector<std::string>& inputs);

} // namespace plenara
