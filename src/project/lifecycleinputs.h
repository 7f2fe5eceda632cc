#pragma once

#include "lifecycle/emissiondata.h"
#include "lifecycle/lifecycle.h"
#include "lifecycle/lifecycleparameters.h"
#include "project/methodinputs.h"
#include "project/projectinputs.h"

#include <array>
#include <string>
#include <string_view>

namespace plenara {

// One numeric box of the "Life Cycle" tab: where its text lives in the input record, how it
// is shown and which values it takes. A value outside the range is shown and used clamped.
struct LifeCycleBox {
    std::string_view field; // the text's name in the record, also its key on line 22
    std::string_view label; // the box as the user knows it, for warnings and messages
    std::string ProjectInputs::*text;
    std::string_view pattern; // display pattern of the rewrite at each recalculation
    double least = 0.0;       // the range of the value, in the box's own unit
    double most = 0.0;
    bool signedValue = false; // a leading minus sign counts (escalations, the cost adjustment)
    // What a box of whole numbers counts ("whole years"), its value rounded; empty otherwise.
    std::string_view wholeUnits = {};
};

// The numeric boxes of the tab in the order of its tab stops.
inline constexpr std::size_t kLifeCycleBoxCount = 11;
const std::array<LifeCycleBox, kLifeCycleBoxCount>& lifeCycleBoxes();

// The value of a box's text as the calculation uses it: read with Number (with its sign where
// the box takes one), rounded where the box counts whole units (halves to the even number),
// clamped to the box's range.
double lifeCycleValue(const LifeCycleBox& box, const std::string& text);

// Rewrites every life-cycle box in its display pattern, its value clamped.
void formatLifeCycleInputs(ProjectInputs& inputs);

// The parameters of the life-cycle analysis from the (rewritten) texts of the record.
LifeCycleParameters lifeCycleParameters(const ProjectInputs& inputs);
// The same from the texts as typed, as they will be once rewritten, without rewriting them.
LifeCycleParameters typedLifeCycleParameters(const ProjectInputs& typed);

// The life-cycle results of a project whose texts are rewritten in their display patterns,
// from the results of its three methods.
LifeCycleResults projectLifeCycle(const ProjectInputs& formatted, const Method1Results& results1,
                                  const Method2Results& results2, const Method3Results& results3,
                                  const EmissionData& emissions);

// The same for the numbers of computeProjectNumbers run on `inputs` (as typed): what a
// calculation that runs copies of a project needs beside the paybacks.
LifeCycleResults projectLifeCycle(const ProjectInputs& inputs, const ProjectNumbers& numbers,
                                  const EmissionData& emissions);

// The items of the grid CO2 box, in the order of GridCO2Basis.
const std::array<std::string_view, 3>& gridCO2BasisCaptions();

} // namespace plenara
