#pragma once

#include "sensitivity/sensitivity.h"

#include <nlohmann/json.hpp>

namespace plenara {

// The `sensitivity` object of the --json document: the tab's settings, the tornado rows of the
// chosen method, the break-even prices of each method (null for none in range), the spark
// spread, the Method 2 grid and the Monte Carlo figures. Paybacks without payback are null;
// no number is NaN or infinite.
nlohmann::ordered_json sensitivityJson(const SensitivityResults& results);

// The key of an uncertain input in the JSON document: "gasPrice", "energyCharge", ...
const char* uncertainInputKey(UncertainInput input);

} // namespace plenara
