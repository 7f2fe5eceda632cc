#pragma once

#include "climate/climatedata.h"
#include "lifecycle/lifecycleparameters.h"
#include "project/methodinputs.h"
#include "project/preparedproject.h"
#include "project/projectinputs.h"
#include "project/recalculationdriver.h"
#include "sensitivity/uncertaininput.h"

#include <array>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <memory>

namespace plenara {

// Whether a payback stands for one: 0 or less means that the method found none (Method 3 gives
// a negative one for a loss).
inline bool hasPayback(double years) {
    return years > 0.0 && std::isfinite(years);
}

// What one run of a changed project gives, for Methods 1, 2 and 3.
struct MethodOutcomes {
    std::array<double, 3> paybackYears{};  // 0 or less: no payback
    std::array<double, 3> installedCost{}; // $
    // The net present value of the life-cycle analysis ($), with the project's life-cycle
    // inputs; not a number when the method's figures are none.
    std::array<double, 3> npv{};
};

// The two prices whose break-even values are sought, each as the user types it.
enum class BreakEvenPrice {
    GasPrice,     // the gas-price box, in the unit the user chose
    EnergyCharge, // the energy-charge box alone, $/kWh
};

// A project whose uncertain inputs can be moved and the whole analysis run again: each run gives
// the numbers of a full recalculation of the project with the changed texts written into it, as
// if the user had typed them, without captions (PreparedProject converts only what changed). The
// state that the project's own recalculations keep is read once and never changed. Runs may be made
// from several threads at once.
class ProjectVariations {
public:
    ProjectVariations(const ProjectInputs& inputs, const ClimateTable& climate,
                      const RecalculationState& kept);
    ~ProjectVariations();
    ProjectVariations(const ProjectVariations&) = delete;
    ProjectVariations& operator=(const ProjectVariations&) = delete;

    // The numbers of the project as it stands.
    const ProjectNumbers& baseNumbers() const { return *m_base; }
    MethodOutcomes baseOutcomes() const { return m_baseOutcomes; }

    // Whether the project has the input at all: a fuel's cost only when its bills have one.
    bool present(UncertainInput input) const;

    // The input's value in the project as it stands, in its unit; the installed cost is that of
    // `method` (1 to 3).
    double baseValue(UncertainInput input, int method) const;
    // The value that a factor gives: the percentages stop at 100 %.
    double valueAt(UncertainInput input, int method, double factor) const;

    // One full run with each uncertain input multiplied by its factor. The installed cost is
    // not an input of the project: its factor scales each method's installed cost, and the
    // simple payback, installed cost over the saving, with it.
    MethodOutcomes run(const InputFactors& factors) const;

    // One full run with a price box set to `value` (in the unit the user types it).
    MethodOutcomes runAtPrice(BreakEvenPrice price, double value) const;
    double basePrice(BreakEvenPrice price) const;
    // The smallest step of the price as its box shows it: a price between two steps is the
    // same price to the recalculation.
    double priceResolution(BreakEvenPrice price) const;

    // How many full runs have been made, the base run included.
    std::size_t recalculations() const { return m_runs.load(); }

    const ProjectInputs& formattedInputs() const { return m_project.formatted(); }

private:
    // One run; its numbers go to `into` when given (the base run keeps them).
    MethodOutcomes runChanged(const ChangedTexts& changes, double costFactor,
                              ProjectNumbers* into = nullptr) const;

    PreparedProject m_project;
    const ProjectInputs& m_inputs; // rewritten in the display patterns
    LifeCycleParameters m_lifeCycle;
    std::unique_ptr<ProjectNumbers> m_base;
    MethodOutcomes m_baseOutcomes;
    std::array<double, 12> m_fuel1Cost{};
    std::array<double, 12> m_fuel2Cost{};
    double m_fuel1Annual = 0.0;
    double m_fuel2Annual = 0.0;
    mutable std::atomic<std::size_t> m_runs{0};
};

// A number as a text that Number reads back exactly enough for every display pattern: a plain
// decimal without exponent (Number reads no exponent).
std::string decimalText(double value);

} // namespace plenara
