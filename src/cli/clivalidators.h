#pragma once

#include <CLI/CLI.hpp>

namespace plenara {

// A file or folder name. An empty text, or an option name where the name should be (the name
// itself left out, as in "--save --json"), is refused rather than taken as a file called
// "--json".
extern const CLI::Validator kPath;

// A text typed as into an input box: not empty, and no option name for the same reason.
extern const CLI::Validator kText;

// A whole number written in digits from `low` to `high`: "1e3" or "2.0" is refused as no
// whole number rather than said to lie outside a range it is in.
CLI::Validator wholeNumber(int low, int high);

} // namespace plenara
