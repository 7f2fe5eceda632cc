#include "project/inputwarnings.h"

#include "engine/formatpattern.h"
#include "engine/number.h"
#include "engine/textfields.h"
#include "project/lifecycleinputs.h"
#include "project/sensitivityranges.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

namespace plenara {

namespace {

template <MonthTexts ProjectInputs::*Column>
const std::string& monthText(const ProjectInputs& p, std::size_t month) {
    return (p.*Column)[month];
}

template <std::string ProjectInputs::*Field>
const std::string& fieldText(const ProjectInputs& p, std::size_t) {
    return p.*Field;
}

// The text of a life-cycle box, the box by its place in lifeCycleBoxes().
template <std::size_t I>
const std::string& lifeCycleText(const ProjectInputs& p, std::size_t) {
    return p.*lifeCycleBoxes()[I].text;
}

template <std::size_t... I>
void addLifeCycleBoxes(std::vector<NumericInput>& inputs, std::index_sequence<I...>) {
    (inputs.push_back({std::string(lifeCycleBoxes()[I].field),
                       std::string(lifeCycleBoxes()[I].label), &lifeCycleText<I>, 0,
                       lifeCycleBoxes()[I].signedValue, lifeCycleBoxes()[I].least,
                       lifeCycleBoxes()[I].most, lifeCycleBoxes()[I].wholeUnits}),
     ...);
}

template <std::string SensitivityInputs::*Field>
const std::string& sensitivityText(const ProjectInputs& p, std::size_t) {
    return p.Sensitivity.*Field;
}

template <MonthTexts ProjectInputs::*Column>
void addColumn(std::vector<NumericInput>& inputs, const char* name, const char* caption) {
    for (std::size_t m = 0; m < 12; ++m) {
        inputs.push_back({std::string(name) + "[" + std::to_string(m) + "]",
                          std::string(caption) + ", " + std::string(monthNames()[m]),
                          &monthText<Column>, m});
    }
}

std::string plainNumber(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// A limit of a box as a person reads it: thousands grouped ("1,000,000,000").
std::string limitText(double value) {
    return value == std::floor(value) && std::abs(value) < 1e15 ? FormatPattern(value, "#,##0")
                                                                : plainNumber(value);
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The warning of a percentage box whose text is not taken, so the last good fraction is used.
void addPercentageWarning(std::vector<InputWarning>& warnings, const char* field, const char* label,
                          const std::string& text, double used) {
    const std::optional<double> fraction = percentText(text);
    std::string why;
    if (!fraction) {
        why = " is no percentage";
    } else if (*fraction <= 0.0) {
        why = " is not above 0%";
    } else if (*fraction > 1.0) {
        why = " is above 100%";
    } else {
        return;
    }
    warnings.push_back(
        {field, label, quoted(text) + why + "; " + plainNumber(used * 100.0) + "% is used"});
}

} // namespace

const std::vector<NumericInput>& numericInputs() {
    static const std::vector<NumericInput> inputs = [] {
        std::vector<NumericInput> list;
        // The monthly grid in the order of its tab stops: column by column, down the months.
        addColumn<&ProjectInputs::MonthlyKWh>(list, "MonthlyKWh", "kWh");
        addColumn<&ProjectInputs::MonthlyKW>(list, "MonthlyKW", "kW");
        addColumn<&ProjectInputs::MonthlyPowerBill>(list, "MonthlyPowerBill", "Electricity $");
        addColumn<&ProjectInputs::MonthlyFuel1>(list, "MonthlyFuel1", "Fuel #1 quantity");
        addColumn<&ProjectInputs::MonthlyFuel1Cost>(list, "MonthlyFuel1Cost", "Fuel #1 $");
        addColumn<&ProjectInputs::MonthlyFuel2>(list, "MonthlyFuel2", "Fuel #2 quantity");
        addColumn<&ProjectInputs::MonthlyFuel2Cost>(list, "MonthlyFuel2Cost", "Fuel #2 $");
        list.push_back(
            {"EnergyCharge", "Energy Charge", &fieldText<&ProjectInputs::EnergyCharge>, 0});
        list.push_back({"FuelAdjCharge", "Fuel Adjustment Charge",
                        &fieldText<&ProjectInputs::FuelAdjCharge>, 0});
        list.push_back(
            {"DemandCharge", "Demand Charge", &fieldText<&ProjectInputs::DemandCharge>, 0});
        list.push_back(
            {"StandbyCharge", "Standby Charge", &fieldText<&ProjectInputs::StandbyCharge>, 0});
        list.push_back({"GasCost", "Cost of Natural Gas", &fieldText<&ProjectInputs::GasCost>, 0});
        list.push_back({"HeatedFloorSpace", "heated floorspace",
                        &fieldText<&ProjectInputs::HeatedFloorSpace>, 0});
        list.push_back({"CooledFloorSpace", "air conditioned floorspace",
                        &fieldText<&ProjectInputs::CooledFloorSpace>, 0});
        list.push_back(
            {"Occupants", "Approx. Number of Occupants", &fieldText<&ProjectInputs::Occupants>, 0});
        addLifeCycleBoxes(list, std::make_index_sequence<kLifeCycleBoxCount>());
        // The boxes of the "Sensitivity" tab keep their texts as typed; a value outside its
        // range is used clamped all the same, so it is warned of while the box shows it.
        list.push_back({"SensitivityPercent", "Vary each input by",
                        &sensitivityText<&SensitivityInputs::Percent>, 0, false, 0.0,
                        kMostSensitivityPercent});
        list.push_back({"TargetPayback", "Target payback",
                        &sensitivityText<&SensitivityInputs::TargetPayback>, 0, false,
                        kShortestTargetPayback, kLongestTargetPayback});
        list.push_back({"MonteCarloDraws", "Monte Carlo draws",
                        &sensitivityText<&SensitivityInputs::Draws>, 0, false, double(kFewestDraws),
                        double(kMostDraws)});
        return list;
    }();
    return inputs;
}

void InputWarnings::noticeTyped(const ProjectInputs& typed) {
    m_pending.clear();
    const std::vector<NumericInput>& inputs = numericInputs();
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const NumericInput& input = inputs[i];
        const std::string& text = input.text(typed, input.month);
        const bool whole = input.signedValue ? readsWholeSigned(text) : readsWhole(text);
        const double read = input.signedValue ? SignedNumber(text) : Number(text);
        // A box of whole numbers takes "3.7" as 4, which the user should hear of.
        const double value = input.wholeUnits.empty() ? read : std::nearbyint(read);
        const bool rounded = std::isfinite(read) && value != read;
        const bool inRange = value >= input.least && value <= input.most;
        if (whole && !rounded && inRange) {
            // A whole text is either the rewrite of one that was warned about, or new typing.
            if (const auto kept = m_kept.find(i);
                kept != m_kept.end() && kept->second.shownText != text) {
                m_kept.erase(kept);
            }
            continue;
        }
        std::string message =
            quoted(text) +
            (whole && !rounded
                 ? " is"
                 : " read as " + plainNumber(value) +
                       (rounded ? " " + std::string(input.wholeUnits) : std::string()) + ",");
        if (value < input.least) {
            message +=
                " below " + limitText(input.least) + "; " + limitText(input.least) + " is used";
        } else if (value > input.most) {
            message +=
                " above " + limitText(input.most) + "; " + limitText(input.most) + " is used";
        } else {
            message.pop_back(); // the comma: the value is taken as read
        }
        m_pending[i] = {{input.field, input.label, std::move(message)}, {}};
    }
}

void InputWarnings::noticeRewritten(const ProjectInputs& rewritten) {
    const std::vector<NumericInput>& inputs = numericInputs();
    for (auto& [index, pending] : m_pending) {
        pending.shownText = inputs[index].text(rewritten, inputs[index].month);
        m_kept[index] = std::move(pending);
    }
    m_pending.clear();
}

void InputWarnings::clear() {
    m_kept.clear();
    m_pending.clear();
}

std::vector<InputWarning> InputWarnings::list(const ProjectInputs& inputs,
                                              const ClimateTable& climate, double runTimeFraction,
                                              double boilerEfficiency) const {
    std::vector<InputWarning> warnings;
    for (const auto& [index, kept] : m_kept) {
        warnings.push_back(kept.warning);
    }
    addPercentageWarning(warnings, "RunTimeFractionText", "Gen-Set Run Time Fraction",
                         inputs.RunTimeFractionText, runTimeFraction);
    addPercentageWarning(warnings, "BoilerEfficiencyText", "Annual Average Boiler Efficiency",
                         inputs.BoilerEfficiencyText, boilerEfficiency);

    const ClimateRecord* row = findCity(climate, inputs.State, inputs.City);
    // The usual case, the city found in its state, needs no second look through the rows.
    const bool stateKnown =
        (row != nullptr && row->State == inputs.State) ||
        std::any_of(climate.rows.begin(), climate.rows.end(),
                    [&](const ClimateRecord& r) { return r.State == inputs.State; });
    if (!inputs.State.empty() && !stateKnown) {
        warnings.push_back(
            {"State", "State", quoted(inputs.State) + " is not a state of the climate data"});
    }
    const std::string where = inputs.State.empty() ? std::string("the climate data")
                                                   : "the climate data of " + inputs.State;
    if (row == nullptr) {
        warnings.push_back(
            {"City", "City",
             quoted(inputs.City) + " is not in " + where + "; Method 3 uses 0 degree days"});
    } else if (row->State != inputs.State) {
        warnings.push_back({"City", "City",
                            quoted(inputs.City) + " is not in " + where + "; Method 3 uses " +
                                row->City + ", " + row->State});
    }
    if (row != nullptr) {
        // A figure of the climate file that Number reads only in part gives Method 3 a wrong
        // climate as silently as a mistyped box would.
        const std::array<std::pair<const std::string*, const char*>, 3> figures = {{
            {&row->HDD, "heating degree days"},
            {&row->CDD, "cooling degree days"},
            {&row->AvgTemp, "average temperature"},
        }};
        for (const auto& [text, name] : figures) {
            if (!readsWhole(*text)) {
                warnings.push_back({"City", "City",
                                    "the climate data give " + row->City + ", " + row->State +
                                        " the " + name + " " + quoted(*text) + ", read as " +
                                        plainNumber(Number(*text))});
            }
        }
    }
    return warnings;
}

} // namespace plenara
