#pragma once

#include "project/projectinputs.h"
#include "project/projectresults.h"

#include <iosfwd>
#include <string>

namespace plenara {

// A message with CR LF line ends, as the window's message boxes take it, with LF line ends.
std::string plainLines(const std::string& message);

// Every result panel as the window shows it: a header line "[name]", then its caption lines.
void writePanels(std::ostream& out, const ProjectInputs& inputs, const ProjectResults& results);

// The payback range sentence and the comparison of the three methods.
void writeSummary(std::ostream& out, const ProjectResults& results);

// The numeric results as one JSON document (schema "plenara-results", version 1).
void writeResultsJson(std::ostream& out, const ProjectInputs& inputs,
                      const ProjectResults& results);

} // namespace plenara
