#pragma once

#include "climate/climatedata.h"
#include "lifecycle/emissiondata.h"
#include "portfolio/buildinginput.h"
#include "project/methodinputs.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace plenara {

// What the screening of one building tells of one method.
struct MethodScreen {
    double capacityKW = 0.0;
    double paybackYears = 0.0; // 0 or less: the method found no payback
    double installedCost = 0.0;
    double annualSavings = 0.0; // dollars a year, negative for a loss
    // The life-cycle economics and CO2 of the method; none where the method has none (the
    // savings never repay the cost, no emission data, figures that are no sound numbers).
    std::optional<double> npv;             // dollars
    std::optional<double> irr;             // fraction: 0.226 is 22.6 % a year
    std::optional<double> co2ChangeTonnes; // metric tons a year; negative is a reduction
    // The 10th and 90th percentiles of the payback over the draws of a Monte Carlo, when one
    // was asked for; none where the draws give none.
    std::optional<double> paybackP10;
    std::optional<double> paybackP90;
};

// One row of the results of a screening.
struct ScreenRow {
    std::string id;    // UTF-8
    std::string state; // Windows-1252, as the inputs hold them
    std::string city;
    std::array<MethodScreen, 3> methods{}; // Methods 1, 2 and 3
    int bestMethod = 0;                    // 1 to 3; 0 when no method found a payback
    double bestPaybackYears = 0.0;
    std::string error; // UTF-8; empty when the building was screened
    BuildingOrigin origin;

    bool failed() const { return !error.empty(); }
};

// Screens one building: the numbers of the three methods and their life-cycle figures exactly
// as a recalculation of its project in a freshly opened window gives them. A building that
// could not be read, or whose city the climate data do not hold, fails with its message.
// `scratch` is the room of the calculation, reused from one building to the next. With `draws`
// above 0 a Monte Carlo of that many draws (with the spread of the building's own sensitivity
// settings) gives the percentiles of each payback: that many recalculations more.
void screenBuilding(const BuildingInput& building, const ClimateTable& climate,
                    const EmissionData& emissions, ProjectNumbers& scratch, ScreenRow& row,
                    int draws = 0);

// The best method of a row: the one with the shortest payback above zero; of equal ones the
// first.
void chooseBestMethod(ScreenRow& row);

// Whether `a` comes before `b` when results are ranked: the shorter best payback first, rows
// without a payback after them, failed rows last; rows that rank alike keep their order when
// sorted stably.
bool ranksBefore(const ScreenRow& a, const ScreenRow& b);

// Ranks rows by ranksBefore, keeping the input order among equals.
void rankRows(std::vector<ScreenRow>& rows);

} // namespace plenara
