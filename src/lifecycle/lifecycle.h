#pragma once

#include "lifecycle/cashflow.h"
#include "lifecycle/emissions.h"
#include "lifecycle/incentives.h"
#include "lifecycle/lifecycleparameters.h"
#include "lifecycle/methodfigures.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plenara {

// The annual CO2 of one method, metric tons.
struct MethodCO2 {
    bool available = false; // false without emission data
    double baselineTonnes = 0.0;
    double chpTonnes = 0.0;
    double changeTonnes = 0.0;           // CHP less baseline: negative is a reduction
    std::optional<double> changePercent; // of the baseline; none when the baseline is 0
};

// The life-cycle economics and CO2 of one method.
struct MethodLifeCycle {
    // False when the method's figures are no finite numbers (absurdly large inputs): nothing
    // below is then given.
    bool valid = false;
    MethodFigures figures;
    InstalledCost cost;
    YearOneSavings yearOne;
    double firstYearSavings = 0.0;                // $
    std::optional<double> simplePaybackYears;     // net cost / first-year savings; none for a loss
    CashFlows flows;                              // its npv is the net present value
    std::optional<double> irr;                    // fraction
    std::optional<double> discountedPaybackYears; // none when beyond the analysis period
    std::optional<double> sir;
    MethodCO2 co2;
};

// What the CO2 figures of a project rest on.
struct CO2Basis {
    GridRateChoice grid;
    CO2Rates rates;
};

// The economics and CO2 of one method from its figures, the parameters and, when there are
// emission data, the CO2 rates of the project. A pure function of its arguments.
MethodLifeCycle methodLifeCycle(const MethodFigures& figures, const LifeCycleParameters& p,
                                const CO2Rates* rates);

// The life-cycle results of a project: the three methods and what their CO2 rests on.
struct LifeCycleResults {
    LifeCycleParameters parameters;
    std::array<MethodLifeCycle, 3> methods; // Methods 1, 2 and 3
    std::optional<CO2Basis> co2;            // none without emission data
    std::string emissionProblem;            // why there is none
    // The sentences that qualify the CO2 figures: the U.S. rate standing in for a state, a
    // fuel counted at the grid rate.
    std::vector<std::string> co2Notes;
};

// The life-cycle results of the three methods of a project in `state` whose boilers burn
// `fuel1Type` and `fuel2Type` (as the fuel boxes name them). Without emission data (`data`
// not ok) the economics are given and the CO2 figures are not.
LifeCycleResults computeLifeCycle(const std::array<MethodFigures, 3>& figures,
                                  const LifeCycleParameters& p, const EmissionData& data,
                                  std::string_view state, std::string_view fuel1Type,
                                  std::string_view fuel2Type);

} // namespace plenara
