#include "portfolio/screenrow.h"

#include "engine/textfields.h"
#include "portfolio/csvcells.h"
#include "project/lifecycleinputs.h"
#include "sensitivity/montecarlo.h"
#include "sensitivity/projectvariations.h"
#include "sensitivity/sensitivityoptions.h"

#include <algorithm>

namespace plenara {

namespace {

// The values of a window that has just opened: the percentages that a box falls back on and
// the ground temperature of Method 3 before any city was found.
constexpr double kOpeningFraction = 0.75;
constexpr double kOpeningTemperatureF = 0.0;

// 0 for a row with a payback, 1 without, 2 failed.
int rankGroup(const ScreenRow& row) {
    return row.failed() ? 2 : row.bestMethod == 0 ? 1 : 0;
}

} // namespace

void chooseBestMethod(ScreenRow& row) {
    row.bestMethod = 0;
    row.bestPaybackYears = 0.0;
    for (std::size_t m = 0; m < row.methods.size(); ++m) {
        const double payback = row.methods[m].paybackYears;
        if (payback > 0.0 && (row.bestMethod == 0 || payback < row.bestPaybackYears)) {
            row.bestMethod = static_cast<int>(m) + 1;
            row.bestPaybackYears = payback;
        }
    }
}

void screenBuilding(const BuildingInput& building, const ClimateTable& climate,
                    const EmissionData& emissions, ProjectNumbers& scratch, ScreenRow& row,
                    int draws) {
    const ProjectInputs& inputs = building.inputs;
    row = ScreenRow{};
    row.id = building.id;
    row.state = inputs.State;
    row.city = inputs.City;
    row.origin = building.origin;
    if (!building.error.empty()) {
        // The id of a row that could not be read may be a whole file swallowed by a quote.
        constexpr std::size_t kMostIdCharacters = 200;
        if (building.id.size() > kMostIdCharacters) {
            row.id = shortenedText(building.id, kMostIdCharacters);
        }
        row.error = building.error;
        return;
    }
    // Method 3 would go on with 0 degree days, as the window does with a warning; in a batch
    // such figures would pass unnoticed among the others.
    if (findCity(climate, inputs.State, inputs.City) == nullptr) {
        row.error = building.cityPlace + ": " + quotedCell(windows1252ToUtf8(inputs.City)) +
                    " is no city of " + quotedCell(windows1252ToUtf8(inputs.State)) +
                    " in the climate data.";
        return;
    }
    computeProjectNumbers(inputs, climate, kOpeningFraction, kOpeningFraction, kOpeningTemperatureF,
                          scratch);
    const Method1Results& m1 = scratch.method1;
    const Method2Results& m2 = scratch.method2;
    const Method3Results& m3 = scratch.method3;
    const auto figures = [](double capacityKW, double paybackYears, double installedCost,
                            double annualSavings) {
        MethodScreen method;
        method.capacityKW = capacityKW;
        method.paybackYears = paybackYears;
        method.installedCost = installedCost;
        method.annualSavings = annualSavings;
        return method;
    };
    row.methods[0] = figures(m1.genCapacity, m1.payback, m1.installedCost, m1.savings);
    row.methods[1] =
        figures(m2.capacityKW, m2.payback, m2.equipmentCost + m2.installationCost, m2.savings);
    row.methods[2] =
        figures(m3.capacityKW, m3.payback, m3.equipmentCost + m3.installationCost, m3.savings);
    const LifeCycleResults lifeCycle = projectLifeCycle(inputs, scratch, emissions);
    for (std::size_t m = 0; m < row.methods.size(); ++m) {
        const MethodLifeCycle& life = lifeCycle.methods[m];
        if (life.valid) {
            row.methods[m].npv = life.flows.npv;
            row.methods[m].irr = life.irr;
            if (life.co2.available) {
                row.methods[m].co2ChangeTonnes = life.co2.changeTonnes;
            }
        }
    }
    if (draws > 0) {
        // The draws run on the threads of the screening, nested in its work.
        const ProjectVariations variations(inputs, climate, RecalculationState{});
        SensitivityOptions options = sensitivityOptions(inputs.Sensitivity);
        options.draws = draws;
        options.threads = 0;
        if (const std::optional<MonteCarloResults> spread = runMonteCarlo(variations, options)) {
            for (std::size_t m = 0; m < row.methods.size(); ++m) {
                row.methods[m].paybackP10 = spread->methods[m].p10;
                row.methods[m].paybackP90 = spread->methods[m].p90;
            }
        }
    }
    chooseBestMethod(row);
}

bool ranksBefore(const ScreenRow& a, const ScreenRow& b) {
    const int groupA = rankGroup(a);
    const int groupB = rankGroup(b);
    if (groupA != groupB) {
        return groupA < groupB;
    }
    return groupA == 0 && a.bestPaybackYears < b.bestPaybackYears;
}

void rankRows(std::vector<ScreenRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), ranksBefore);
}

} // namespace plenara
