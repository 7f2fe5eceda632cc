#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace plenara {

// Runs plenara-cli with its arguments (without the program name), writing results to `out`
// and messages to `err`. Returns the exit status: 0 on success, 1 when a file cannot be
// read or written, 2 for bad options.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage text of plenara-cli.
std::string cliUsage();

} // namespace plenara
