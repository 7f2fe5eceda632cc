#pragma once

#include "project/projectinputs.h"
#include "project/projectresults.h"

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

namespace plenara {

// A message with CR LF line ends, as the window's message boxes take it, with LF line ends.
std::string plainLines(const std::string& message);

// Every result panel as the window shows it: a header line "[name]", then its caption lines.
void writePanels(std::ostream& out, const ProjectInputs& inputs, const ProjectResults& results);

// The payback range sentence and the comparison of the three methods.
void writeSummary(std::ostream& out, const ProjectResults& results);

// A number of the JSON output: null for a value that is not finite, a whole number without a
// decimal point, any other to 15 significant digits.
nlohmann::ordered_json jsonNumber(double value);

// A text of the inputs (Windows-1252, as project and climate files hold it) in JSON's UTF-8.
nlohmann::ordered_json jsonText(const std::string& windows1252);

// The life-cycle figures of one method: its "lifeCycle" object; null for a figure there is
// none of (no rate of return, no payback within the period, no CO2 without emission data).
nlohmann::ordered_json lifeCycleJson(const MethodLifeCycle& method);

// The numeric results as one JSON document (schema "plenara-results", version 1); fields are
// only ever added.
nlohmann::ordered_json resultsJson(const ProjectInputs& inputs, const ProjectResults& results);

// The document of resultsJson, indented, ended by a line break.
void writeResultsJson(std::ostream& out, const ProjectInputs& inputs,
                      const ProjectResults& results);

} // namespace plenara
