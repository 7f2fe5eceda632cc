#pragma once

#include "climate/climatedata.h"
#include "lifecycle/emissiondata.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace plenara {

// The options of "plenara-cli screen".
struct ScreenCliOptions {
    bool help = false;
    std::vector<std::string> inputs;
    std::string csvPath;   // -o
    std::string jsonlPath; // --jsonl
    std::string xlsxPath;  // --xlsx
    bool rank = false;
    int threads = 0; // -j; 0: every core
    int draws = 0;   // --draws: a Monte Carlo of each building; 0: none
    std::string exportDir;
};

// Adds the subcommand "screen" with its options to the parser of plenara-cli.
CLI::App* addScreenCommand(CLI::App& app, ScreenCliOptions& options, std::string& climateFile,
                           std::string& emissionFolder);

// Why the options of a parsed "screen" do not go together, or an empty text.
std::string screenOptionsProblem(const ScreenCliOptions& options);

// Screens a portfolio (or, with --export-csv, writes it as a CSV pair). Results go to the
// files named, or as CSV to `out`; notes, a progress bar (when `err` is a terminal) and the
// summary line go to `err`. Returns the exit status: 0, or 1 when a building failed or an
// output could not be written.
int runScreen(const ScreenCliOptions& options, const ClimateTable& climate,
              const EmissionData& emissions, std::ostream& out, std::ostream& err,
              bool errIsTerminal);

// The usage text of "plenara-cli screen".
std::string screenUsage();

} // namespace plenara
