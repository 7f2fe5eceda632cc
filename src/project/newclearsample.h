#pragma once

#include "climate/climatedata.h"
#include "project/projectinputs.h"

#include <string>

namespace plenara {

// New and Clear Form: blanks the project. The city is the first of New York's cities in the
// climate data; the hot-water level, run-time fraction, boiler efficiency, A/C criteria, heat
// allocation, water-heater fuel and capacity box are left as they are; the life-cycle inputs
// take their defaults; the settings that a later version wrote into the file are dropped. The
// project has no file afterwards.
void ResetInputs(ProjectInputs& inputs, const ClimateTable& climate,
                 std::string& currentProjectFile);

// Sample Data: loads the example building (Pennsylvania, the fifth city of its list, or the
// last one when it lists fewer); the life-cycle inputs stay as they are, so that the user's
// economic assumptions can be tried on it. The project becomes untitled, so that a plain Save asks
// for a name instead of writing the sample over the user's own file.
void mnuFSampleData_Click(ProjectInputs& inputs, const ClimateTable& climate,
                          std::string& currentProjectFile);

} // namespace plenara
