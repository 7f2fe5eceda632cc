#pragma once

#include "climate/climatedata.h"
#include "engine/billtotals.h"
#include "lifecycle/emissiondata.h"
#include "project/inputwarnings.h"
#include "project/projectinputs.h"
#include "project/projectresults.h"
#include "project/viewsettings.h"

#include <string>
#include <utility>

namespace plenara {

// The few values that live across recalculations, owned by the driver.
struct RecalculationState {
    // The fractions of the two percentage boxes. A box whose text is no number above zero
    // keeps the last good fraction (0.75 when the window opens), because a run-time fraction
    // of 0 would make the sizing of Methods 2 and 3 divide by zero.
    double RunTimeFraction = 0.75;
    double BoilerEfficiency = 0.75;
    // Method 3's ground-water temperature: when the city is not in the climate data the
    // temperature of the last city found is kept (0 F before any was found).
    double avgTemperature = 0.0;
    // The gas-price unit caption; it stays as it was while no unit option is set.
    std::string Label18 = "/therm";
    // The inputs that are not used as typed; a warning outlives the rewrite of its text.
    InputWarnings warnings;
};

// Which totals a keystroke in the monthly grid refreshes.
enum class TotalsRefresh {
    AnnualPower,     // a kWh box
    AnnualPowerCost, // an electric bill box
    Fuel1Totals,     // a fuel 1 quantity or cost box
};

// The one recalculation that every input change starts.
class RecalculationDriver {
public:
    explicit RecalculationDriver(ClimateTable climate = {}, EmissionData emissions = {});

    // Recomputes the whole analysis in its fixed order: the two fractions; the rewriting of
    // the numeric inputs in their display patterns; the bill totals; Methods 1, 2 and 3; the
    // summary; the life-cycle economics and CO2; the show-details switches. Rewrites the numeric
    // texts and the capacity box of `inputs`.
    ProjectResults UpdateAllResults(ProjectInputs& inputs, const ViewSettings& view);
    // The same into a record kept from the last recalculation; every field is written.
    void UpdateAllResults(ProjectInputs& inputs, const ViewSettings& view, ProjectResults& into);

    // Refreshes only the totals that a keystroke in the monthly grid changes; the payback
    // results follow at the next full recalculation.
    static void refreshTotals(const ProjectInputs& inputs, TotalsRefresh which,
                              TotalsCaptions& totals);

    // Forgets the warnings of the texts: the inputs now belong to another project.
    void forgetWarnings() { m_state.warnings.clear(); }

    const ClimateTable& climate() const { return m_climate; }
    const EmissionData& emissions() const { return m_emissions; }
    void setEmissions(EmissionData emissions) { m_emissions = std::move(emissions); }
    const RecalculationState& state() const { return m_state; }

private:
    ClimateTable m_climate;
    EmissionData m_emissions;
    RecalculationState m_state;
};

// Display patterns of the numeric inputs that a recalculation rewrites.
inline constexpr const char* kQuantityPattern = "###,###,##0"; // kWh, fuel, floor space
inline constexpr const char* kDemandPattern = "###,##0";       // kW, occupants
inline constexpr const char* kRatePattern = "$##0.0000";       // energy and fuel adjustment charges
inline constexpr const char* kChargePattern = "$###0.00";      // demand and standby charges
inline constexpr const char* kBillPattern = "$###,##0";        // the monthly bills
// The pattern of the gas price in `unit`, and the unit caption beside the box.
const char* gasCostPattern(GasCostUnit unit);
const char* gasCostCaption(GasCostUnit unit);

// Rewrites every text of `texts` in `pattern`.
void formatMonths(MonthTexts& texts, const char* pattern);

// Rewrites every numeric input of `inputs` in its display pattern; the gas price follows its
// unit, and `label18` becomes that unit's caption. With no unit set, both stay as they are.
// The boxes of the life-cycle analysis show their values clamped to their ranges.
void formatInputFields(ProjectInputs& inputs, std::string& label18);

} // namespace plenara
