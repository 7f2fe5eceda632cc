#pragma once

#include "cli/cliapp.h"

#include <algorithm>
#include <cstdio>
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

// What a shell command printed on standard output.
inline std::string commandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            output.append(buffer, n);
        }
        pclose(pipe);
    }
    return output;
}

} // namespace plenara
