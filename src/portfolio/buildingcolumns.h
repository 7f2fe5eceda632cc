#pragma once

#include "climate/climatedata.h"
#include "project/projectinputs.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plenara {

// One column of buildings.csv: every input of a project but the monthly bills, named as the
// input record names it (lower camel case, as the JSON fields and the keys of line 22 of a
// project file are named). A column that a file leaves out takes the value of a new project.
struct BuildingColumn {
    std::string name;
    // The cell of a project whose numeric texts are already rewritten in their patterns.
    std::function<std::string(const ProjectInputs&)> cell;
    // Sets the input from a cell; returns why the cell cannot be taken (completing a sentence
    // that begins with the cell in quotes), or an empty text.
    std::function<std::string(std::string_view cell, ProjectInputs&)> read;
};

// The columns after "id", in the order in which an export writes them: the inputs of lines 1
// and 14 to 21 of a project file, then every setting of line 22.
const std::vector<BuildingColumn>& buildingColumns();

// The inputs of a new project (File > New in a freshly opened window), which every building
// starts from: the city is the first of New York's in `climate`.
ProjectInputs newProjectInputs(const ClimateTable& climate);

// The cells of a project's row in buildings.csv, "id" first, in the order of
// buildingColumns(); texts in Windows-1252.
std::vector<std::string> buildingCells(std::string_view id, const ProjectInputs& inputs);

} // namespace plenara
