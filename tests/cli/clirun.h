#pragma once

#include "cli/cliapp.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace plenara {

// What one run of the command-line program printed, and its exit status.
struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

// Runs plenara-cli in this process with the shipped climate and emission data, whatever data
// the machine has installed; a test that names its own emission data keeps it.
inline CliRun run(std::vector<std::string> args) {
    args.push_back("--climate");
    args.push_back(std::string(PLENARA_SHIPPED_DATA_DIR) + "/ClimateData.Dat");
    if (std::find(args.begin(), args.end(), "--emission-data") == args.end()) {
        args.push_back("--emission-data");
        args.push_back(PLENARA_SHIPPED_DATA_DIR);
    }
    std::ostringstream out;
    std::ostringstream err;
    CliRun r;
    r.status = runCli(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

} // namespace plenara
