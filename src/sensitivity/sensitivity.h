#pragma once

#include "climate/climatedata.h"
#include "project/projectinputs.h"
#include "project/recalculationdriver.h"
#include "sensitivity/breakeven.h"
#include "sensitivity/montecarlo.h"
#include "sensitivity/paybackgrid.h"
#include "sensitivity/sensitivityoptions.h"
#include "sensitivity/sparkspread.h"
#include "sensitivity/tornado.h"

#include <array>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>

namespace plenara {

// Break-even prices of one method, in the units the user types them; none when no price from
// 0 to 10 times today's gives it.
struct MethodBreakEven {
    std::optional<double> gasPriceForTarget;
    std::optional<double> gasPriceNoSavings;
    std::optional<double> energyChargeForTarget;
    std::optional<double> energyChargeNoSavings;
};

// What the "Sensitivity" tab, the [sensitivity] panel and the report page show. A plain record:
// a caller that screens many buildings keeps one per building.
struct SensitivityResults {
    SensitivityOptions options;
    std::string gasPriceUnit; // "/therm", "/MMBtu", ... as the gas-price box shows it
    MethodOutcomes base;      // the project as it stands
    Tornado tornado;          // of each method
    std::array<MethodBreakEven, 3> breakEven;
    SparkSpread sparkSpread;
    PaybackGrid grid;
    // None while the draws are being made, or when a newer input stopped them.
    std::optional<MonteCarloResults> monteCarlo;
    std::size_t recalculations = 0; // full runs of the project, the base run included
};

// Everything but the Monte Carlo: the tornado rows, the break-even prices, the spark spread and
// the grid, from full runs of copies of `inputs`. `kept` is the state that the project's
// recalculations keep (ProjectSession::state()); it is read, never changed.
SensitivityResults computeSensitivityFigures(const ProjectInputs& inputs,
                                             const ClimateTable& climate,
                                             const RecalculationState& kept,
                                             const SensitivityOptions& options);

// The whole analysis, the Monte Carlo included; its figures are missing when `stop` is
// requested before it ends. `figuresReady`, when given, receives everything but the Monte
// Carlo as soon as it is known, a few runs into the analysis, so that a window can show it
// while the draws are made.
SensitivityResults
computeSensitivity(const ProjectInputs& inputs, const ClimateTable& climate,
                   const RecalculationState& kept, const SensitivityOptions& options,
                   std::stop_token stop = {},
                   const std::function<void(const SensitivityResults&)>& figuresReady = {});

} // namespace plenara
