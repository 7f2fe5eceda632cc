#include "cli/cliapp.h"
#include "cli/pdfmodule.h"

#include <iostream>

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return plenara::runCli(args, std::cout, std::cerr, plenara::pdfModuleWriter());
}
