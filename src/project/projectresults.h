#pragma once

#include "engine/billtotals.h"
#include "engine/captiontext.h"
#include "engine/method1.h"
#include "engine/method2.h"
#include "engine/method3.h"
#include "lifecycle/lifecycle.h"
#include "project/inputwarnings.h"

#include <array>
#include <string>
#include <vector>

namespace plenara {

// Tab indexes of the main window that the show-details switches and printing address.
namespace tab {
inline constexpr int MonthlyUtilityData = 0;
inline constexpr int UtilityRateData = 1;
inline constexpr int MiscInputInformation = 2;
inline constexpr int LifeCycle = 3;
inline constexpr int Sensitivity = 4;
inline constexpr int EnergyPlots = 5;
inline constexpr int Results = 6;
inline constexpr int Method1 = 7;
inline constexpr int Method2 = 8;
inline constexpr int Method3 = 9;
inline constexpr int PrintForms = 10;
inline constexpr int ComparisonOfMethods = 11;
inline constexpr int ScreenShot = 12;
inline constexpr int Count = 13;
} // namespace tab

// Everything one recalculation produces: the result records of the three methods and every
// caption the window shows, in stored form ("&&" for a shown "&").
struct ProjectResults {
    double RunTimeFraction = 0.75;  // fraction of the year the gen-set runs
    double BoilerEfficiency = 0.75; // annual average boiler efficiency, fraction

    TotalsCaptions totals;

    Method1Results method1;
    std::array<Caption, 42> lblMethod1;

    Method2Results method2;
    std::array<Caption, 12> lblAnnualResults;
    std::string lblBasisOfResults;
    std::array<Caption, 14> lblMonthlyData;
    std::array<std::string, 5> lblGenSetParameters;
    std::array<std::string, 6> lblSimplePayback;
    std::string Text1EfficiencyLine; // line 9 of the Method 2 assumptions
    // Enabled state of optRecip, optGasTurbine, optMicroturbine, optFuelCell.
    std::array<bool, 4> primeMoverEnabled{true, true, true, true};

    Method3Results method3;
    std::array<std::string, 39> lblClimateData;
    std::array<std::string, 17> RecoveredHeatSummary;

    std::array<std::string, 12> lblComparisons; // the three methods side by side

    // Entries 1, 2 and 3 for Methods 1, 2 and 3; entry 0 is unused.
    std::array<double, 4> genCapacityByMethod{}; // kW
    std::array<double, 4> paybackByMethod{};     // years; 0 or less: no payback

    // The inputs not used as typed, as of this recalculation.
    std::vector<InputWarning> warnings;

    std::string lblPaybackRange;
    std::array<Caption, 27> lblSummary;

    // The life-cycle economics and CO2 of the three methods.
    LifeCycleResults lifeCycle;

    // The show-details switches: the summary frame of the results tab and which tabs show.
    bool summaryFrameVisible = false;
    std::array<bool, tab::Count> tabVisible{true, true, true, true, true, true, true};
};

} // namespace plenara
