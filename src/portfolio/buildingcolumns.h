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

// Why the fuels of a building, its bills read, cannot be screened: a fuel that is none of the
// fuel list, or a unit that is none of its fuel's units, while the bills give a quantity of
// the fuel. The calculation would take each unit of an unknown fuel or gas unit for 1 MMBtu,
// and an oil's barrels for gallons, without a word. A fuel without quantities (the unused
// second fuel of many projects) may be named anyhow, and the fuel of a new project ("Fuel #1",
// which a file without the column leaves) counts its quantities in MMBtu, as the window
// does. Returns "column fuel1Type: ..." (the
// cell in quotes, UTF-8), or an empty text.
std::string fuelsProblem(const ProjectInputs& inputs);

// The inputs of a new project (File > New in a freshly opened window), which every building
// starts from: the city is the first of New York's in `climate`.
ProjectInputs newProjectInputs(const ClimateTable& climate);

// The cells of a project's row in buildings.csv, "id" first, in the order of
// buildingColumns(); the id as given, the texts of the project in Windows-1252.
std::vector<std::string> buildingCells(std::string_view id, const ProjectInputs& inputs);

} // namespace plenara
