#pragma once

#include "climate/climatedata.h"
#include "project/methodinputs.h"
#include "project/projectinputs.h"

#include <optional>
#include <string>

namespace plenara {

// The texts that a calculation running a project many times changes from run to run, as a user
// would type them; a text left empty stays as the project has it.
struct ChangedTexts {
    std::optional<std::string> GasCost;
    std::optional<std::string> EnergyCharge;
    std::optional<std::string> FuelAdjCharge;
    std::optional<std::string> DemandCharge;
    std::optional<std::string> RunTimeFractionText;
    std::optional<std::string> BoilerEfficiencyText;
    std::optional<MonthTexts> MonthlyFuel1Cost;
    std::optional<MonthTexts> MonthlyFuel2Cost;
};

// A project made ready to be run many times with a few texts changed: its texts rewritten in
// their patterns, its totals and method inputs converted once. A run converts only the changed
// texts, each exactly as a full recalculation converts it, and gives the numbers that
// computeProjectNumbers gives for the project with those texts typed in, in a fraction of the
// time. The values that the project's recalculations keep are read once; nothing is changed.
// Runs may be made from several threads at once.
class PreparedProject {
public:
    PreparedProject(const ProjectInputs& inputs, const ClimateTable& climate,
                    double previousRunTimeFraction, double previousBoilerEfficiency,
                    double previousAvgTemperature);

    // The inputs as a recalculation rewrites them.
    const ProjectInputs& formatted() const { return m_formatted; }

    // What the methods read for the project as it stands.
    const MethodInputs& methodInputs() const { return m_methodInputs; }

    // The numbers of the three methods with `changes` typed in.
    void compute(const ChangedTexts& changes, ProjectNumbers& numbers) const;

private:
    ProjectInputs m_formatted;
    MethodInputs m_methodInputs;
    double m_previousRunTimeFraction;
    double m_previousBoilerEfficiency;
    double m_runTimeFraction;
    double m_boilerEfficiency;
};

} // namespace plenara
