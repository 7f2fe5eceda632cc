#include "cli/cliapp.h"

#include <ostream>

namespace plenara {

std::string cliUsage() {
    return "Usage: plenara-cli [OPTIONS]\n"
           "\n"
           "Screens the feasibility of combined heat and power for a multifamily building\n"
           "and prints the simple payback by three methods.\n"
           "\n"
           "Options:\n"
           "  -h, --help    show this help and exit\n";
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg == "-h" || arg == "--help") {
            out << cliUsage();
            return 0;
        }
    }
    if (!args.empty()) {
        err << "plenara-cli: unknown option '" << args.front() << "'\n\n" << cliUsage();
        return 2;
    }
    out << cliUsage();
    return 0;
}

} // namespace plenara
