#pragma once

#include <CLI/CLI.hpp>

namespace plenara {

// A file or folder name. An empty text, or an option name where the name should be (the name
// itself left out, as in "--save --json"), is refused rather than taken as a file called
// "--json".
extern const CLI::Validator kPath;

// A text typed as into an input box: not empty, and no option name for the same reason.
extern const CLI::Validator kText;

} // namespace plenara
