#include "project/lifecycleinputs.h"

#include "engine/formatpattern.h"
#include "engine/fuels.h"
#include "engine/number.h"
#include "project/recalculationdriver.h"

#include <algorithm>
#include <cmath>

namespace plenara {

namespace {

// One decimal as a rate is usually quoted, two where one is typed (7.25 %).
constexpr const char* kPercent = "##0.0#";

} // namespace

const std::array<LifeCycleBox, kLifeCycleBoxCount>& lifeCycleBoxes() {
    // The ranges keep every figure finite and meaningful: an analysis period of up to 40
    // years, prices that fall by at most 10 % a year or rise by at most 20 %, an installed
    // cost between a tenth and four times the built-in curves, and a grid that loses less
    // than a third of its power on the way.
    static const std::array<LifeCycleBox, kLifeCycleBoxCount> boxes = {{
        {"AnalysisYears", "Analysis period", &ProjectInputs::AnalysisYears, "#0", 1, 40, false,
         "whole years"},
        {"DiscountRate", "Discount rate", &ProjectInputs::DiscountRate, kPercent, 0, 50, false},
        {"ElectricEscalation", "Escalation of electricity prices",
         &ProjectInputs::ElectricEscalation, kPercent, -10, 20, true},
        {"FuelEscalation", "Escalation of fuel prices", &ProjectInputs::FuelEscalation, kPercent,
         -10, 20, true},
        {"OMEscalation", "Escalation of gen-set O&M", &ProjectInputs::OMEscalation, kPercent, -10,
         20, true},
        {"CostAdjustment", "Installed cost adjustment", &ProjectInputs::CostAdjustment, kPercent,
         -90, 300, true},
        {"TaxCredit", "Investment tax credit", &ProjectInputs::TaxCredit, kPercent, 0, 100, false},
        {"RebatePerKW", "Rebate per kW", &ProjectInputs::RebatePerKW, "$#,##0", 0, 10'000, false},
        {"Grant", "Grant", &ProjectInputs::Grant, "$###,###,##0", 0, 1e9, false},
        {"GridCO2Custom", "Custom grid CO2 rate", &ProjectInputs::GridCO2Custom, "#,##0.0", 0,
         5'000, false},
        {"GridLoss", "Grid loss", &ProjectInputs::GridLoss, kPercent, 0, 30, false},
    }};
    return boxes;
}

double lifeCycleValue(const LifeCycleBox& box, const std::string& text) {
    double value = box.signedValue ? SignedNumber(text) : Number(text);
    if (!box.wholeUnits.empty()) {
        // Halves to the even number like the other whole-number roundings.
        value = std::nearbyint(value);
    }
    return std::clamp(value, box.least, box.most);
}

void formatLifeCycleInputs(ProjectInputs& inputs) {
    for (const LifeCycleBox& box : lifeCycleBoxes()) {
        std::string& text = inputs.*box.text;
        text = FormatPattern(lifeCycleValue(box, text), box.pattern);
    }
}

namespace {

// The parameters from the value that each box's text is taken for.
template <typename Value>
LifeCycleParameters parametersOf(const ProjectInputs& in, Value value) {
    const auto percent = [&](std::string ProjectInputs::*text) {
        return value(text) / 100.0;
    };
    LifeCycleParameters p;
    p.analysisYears = static_cast<int>(value(&ProjectInputs::AnalysisYears));
    p.discountRate = percent(&ProjectInputs::DiscountRate);
    p.electricEscalation = percent(&ProjectInputs::ElectricEscalation);
    p.fuelEscalation = percent(&ProjectInputs::FuelEscalation);
    p.omEscalation = percent(&ProjectInputs::OMEscalation);
    p.costAdjustment = percent(&ProjectInputs::CostAdjustment);
    p.taxCredit = percent(&ProjectInputs::TaxCredit);
    p.rebatePerKW = value(&ProjectInputs::RebatePerKW);
    p.grant = value(&ProjectInputs::Grant);
    p.gridBasis = in.GridCO2;
    p.customGridLbPerMWh = value(&ProjectInputs::GridCO2Custom);
    p.gridLossFraction = percent(&ProjectInputs::GridLoss);
    return p;
}

const LifeCycleBox& boxOf(std::string ProjectInputs::*text) {
    const auto& boxes = lifeCycleBoxes();
    return *std::find_if(boxes.begin(), boxes.end(),
                         [&](const LifeCycleBox& b) { return b.text == text; });
}

} // namespace

LifeCycleParameters lifeCycleParameters(const ProjectInputs& in) {
    return parametersOf(in, [&](std::string ProjectInputs::*text) {
        return lifeCycleValue(boxOf(text), in.*text);
    });
}

LifeCycleParameters typedLifeCycleParameters(const ProjectInputs& typed) {
    return parametersOf(typed, [&](std::string ProjectInputs::*text) {
        const LifeCycleBox& box = boxOf(text);
        return lifeCycleValue(box, FormatPattern(lifeCycleValue(box, typed.*text), box.pattern));
    });
}

LifeCycleResults projectLifeCycle(const ProjectInputs& formatted, const Method1Results& results1,
                                  const Method2Results& results2, const Method3Results& results3,
                                  const EmissionData& emissions) {
    const std::array<MethodFigures, 3> figures = {
        method1Figures(results1), method2Figures(results2), method3Figures(results3)};
    return computeLifeCycle(figures, lifeCycleParameters(formatted), emissions, formatted.State,
                            formatted.Fuel1Type, formatted.Fuel2Type);
}

LifeCycleResults projectLifeCycle(const ProjectInputs& inputs, const ProjectNumbers& numbers,
                                  const EmissionData& emissions) {
    // The state and the fuel boxes are texts that no recalculation rewrites.
    const std::array<MethodFigures, 3> figures = {method1Figures(numbers.method1),
                                                  method2Figures(numbers.method2),
                                                  method3Figures(numbers.method3)};
    return computeLifeCycle(figures, typedLifeCycleParameters(inputs), emissions, inputs.State,
                            inputs.Fuel1Type, inputs.Fuel2Type);
}

const std::array<std::string_view, 3>& gridCO2BasisCaptions() {
    static const std::array<std::string_view, 3> captions = {"State non-baseload (eGRID)",
                                                             "State average (eGRID)", "Custom"};
    return captions;
}

} // namespace plenara
