#pragma once

#include "cli/clireport.h"
#include "cli/cliscreen.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace plenara {

// The options of one run of plenara-cli.
struct CliOptions {
    bool help = false;
    bool sample = false;
    std::string projectFile;
    std::string climateFile;                // empty: the installed ClimateData.Dat
    std::optional<std::string> hotWater;    // "low", "medium" or "high"
    std::optional<std::string> waterHeater; // "gas" or "fuel1"
    std::optional<int> month;               // 0..11
    std::optional<int> firstStep;           // 0..11
    bool panels = false;
    bool json = false;
    std::optional<double> capacity; // kW
    std::string savePath;
    std::optional<ReportChoice> report; // the print options 0..4 of --report
    std::string pdfPath;                // --pdf: the report goes to this file
    std::string runId = "Run #1";       // the data-set line of every report page
    bool strict = false;                // warnings about inputs are errors
    std::string emissionFolder;         // empty: the installed emission data
    // The life-cycle inputs given, as texts typed into their boxes: the box's field (as in
    // lifeCycleBoxes()) and the text.
    std::vector<std::pair<std::string, std::string>> lifeCycleTexts;
    std::optional<std::string> gridCO2; // "state", "nonbaseload" or lb/MWh
    // --sensitivity [X]: the [sensitivity] panel, or the `sensitivity` object of --json.
    bool sensitivity = false;
    std::optional<std::string> sensitivityPercent; // X as typed
    std::optional<std::string> targetPayback;      // years as typed
    std::optional<int> draws;                      // 100..10,000
    std::optional<int> sensitivityMethod;          // 1..3
    std::string exportCsvDir;                      // --export-csv: the project as a CSV pair
    bool screen = false;                           // the subcommand "screen" was given
    ScreenCliOptions screenOptions;
};

// Parses the arguments (without the program name). Returns the options, or an error message
// for a usage error.
struct CliParse {
    CliOptions options;
    std::string error;
};
CliParse parseCliArguments(const std::vector<std::string>& args);

// Runs plenara-cli with its arguments (without the program name), writing results to `out`
// and messages to `err` (warnings about inputs not used as typed among them). Returns the
// exit status: 0 on success, 1 when a file cannot be read or written or --capacity lies
// outside the sweep, 2 for bad options and, with --strict, for a warning. `writePdf` writes the
// report of --pdf; without it --pdf fails with status 1. `errIsTerminal` tells whether `err`
// is a terminal, on which "screen" draws its progress.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const ReportPdfWriter& writePdf = {}, bool errIsTerminal = false);

// The usage text of plenara-cli.
std::string cliUsage();

} // namespace plenara
