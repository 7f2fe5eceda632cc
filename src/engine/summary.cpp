#include "engine/summary.h"

#include "engine/formatpattern.h"

#include <limits>

namespace plenara {

namespace {

// The word of the hot-water level in the summary; with no level set Method 3 uses medium.
std::string hotWaterWord(OptionGroup<HotWaterUsage> usage) {
    if (usage == HotWaterUsage::Low) {
        return "low";
    }
    if (usage == HotWaterUsage::High) {
        return "high";
    }
    return "medium";
}

constexpr double kHoursPerYear = 8'760.0;
// Method 1 always runs its gen-set for 7,440 hours a year.
constexpr double kMethod1Hours = 7'440.0;
constexpr double kTankTemperatureF = 140.0;

// With no prime mover set the sentences name none.
std::string primeMoverName(OptionGroup<PrimeMover> mover) {
    if (!mover) {
        return "";
    }
    switch (*mover) {
    case PrimeMover::RecipEngine:
        return "recip-engine";
    case PrimeMover::GasTurbine:
        return "gas turbine";
    case PrimeMover::Microturbine:
        return "microturbine";
    case PrimeMover::FuelCell:
        return "fuel cell";
    }
    return "";
}

std::string paybackRange(const SummaryInputs& in, const std::string& moverName) {
    // The smallest figures start above any payback or capacity, so that a payback of
    // thousands of years is reported as it is.
    constexpr double kAboveAny = std::numeric_limits<double>::infinity();
    int count = 0;
    double smallestPayback = kAboveAny;
    double largestPayback = 0.0;
    double smallestCapacity = kAboveAny;
    double largestCapacity = 0.0;
    for (std::size_t method = 1; method <= 3; ++method) {
        const double payback = in.paybackByMethod[method];
        const double capacity = in.genCapacityByMethod[method];
        if (!(payback > 0.0)) {
            continue;
        }
        if (payback < smallestPayback) {
            smallestPayback = payback;
        }
        if (payback > largestPayback) {
            largestPayback = payback;
        }
        if (capacity < smallestCapacity) {
            smallestCapacity = capacity;
        }
        if (capacity > largestCapacity) {
            largestCapacity = capacity;
        }
        ++count;
    }

    if (count == 0) {
        return "A CHP system will probably operate at a loss under these conditions and not have "
               "a simple payback.";
    }
    if (count == 1) {
        return "Simple payback is approximately " + FormatPattern(smallestPayback, "###0.0") +
               " years depending on assumptions about uses of recovered heat and algorithms for "
               "estimating building thermal loads." +
               "  These results are also based on a " + FormatPattern(smallestCapacity, "##,##0") +
               " kW " + moverName + " generator.";
    }
    return "Simple payback ranges from " + FormatPattern(smallestPayback, "###0.0") + " to " +
           FormatPattern(largestPayback, "###0.0") +
           " years depending on assumptions about uses of recovered heat and algorithms for "
           "estimating building thermal loads." +
           "  These results are also based on a " + moverName + " generator of " +
           FormatPattern(smallestCapacity, "##,##0") + " to " +
           FormatPattern(largestCapacity, "##,##0") + " kW.";
}

std::string paybackLine(double payback) {
    if (!(payback > 0.0)) {
        return "   a. simple payback: none";
    }
    return "   a. simple payback of " + FormatPattern(payback, "##,##0.0") + " years";
}

std::string generatorLine(std::string_view prefix, double capacity, const std::string& moverName) {
    return std::string(prefix) + FormatPattern(capacity, "##,##0") + " kW " + moverName +
           " generator";
}

} // namespace

SummaryOutput updateResultsSummary(const SummaryInputs& in) {
    const std::string mover = primeMoverName(in.primeMover);
    const std::string hours = FormatPattern(in.runTimeFraction * kHoursPerYear, "#,##0");

    SummaryOutput out;
    out.lblPaybackRange = paybackRange(in, mover);

    auto& s = out.lblSummary;
    s[0] = {"Summary of Results:", true};
    s[1] = {"1. Recovered Heat for Domestic Hot Water Only (Loads Estimated from Utility Bills)",
            true};
    s[2] = {paybackLine(in.paybackByMethod[1])};
    s[3] = {"   b. potable hot water load estimated from summer fuel consumption"};
    s[4] = {"   c. generator sized to meet potable hot water loads operating " +
            FormatPattern(kMethod1Hours, "#,##0") + " hours/year"};
    s[5] = {generatorLine("   d. ", in.genCapacityByMethod[1], mover)};
    s[7] = {"2. Recovered Heat for Heating, Air Conditioning and", true};
    s[8] = {"   Domestic Hot Water (Loads Estimated from Utility Bills)", true};
    s[9] = {paybackLine(in.paybackByMethod[2])};
    s[10] = {"   b. space heating, cooling, and potable hot water loads estimated"};
    s[11] = {"      from monthly power and fuel consumption"};
    s[12] = {"   c. generator sized to meet heating, cooling, and hot water loads operating "};
    s[13] = {"      " + hours + " hours/year"};
    s[14] = {generatorLine("   d. ", in.genCapacityByMethod[2], mover)};
    s[16] = {"3. Recovered Heat Used for Heating, Air Conditioning, and Domestic Hot Water", true};
    s[17] = {"   (Space Conditioning Loads Estimated from EIA Degree-Day Algorithms and", true};
    s[18] = {"    Hot Water Use Estimated from ASHRAE Publications)", true};
    s[19] = {paybackLine(in.paybackByMethod[3])};
    s[20] = {"   b. space heating and cooling loads estimated using heating and cooling degree "
             "days "};
    s[21] = {"      for " + in.cityName + ", " + in.stateName + " using EIA algorithms"};
    s[22] = {"   c. potable hot water load estimated using " + hotWaterWord(in.hotWaterUsage) +
             " hot water usage data for multifamily"};
    s[23] = {"      ground and hot water tank temperatures of " +
             FormatPattern(in.groundTemperature, "##0.0") + " F and " +
             FormatPattern(kTankTemperatureF, "##0.0") + " F"};
    s[24] = {"   d. generator sized to meet heating, cooling, and potable hot water loads "};
    s[25] = {"      operating " + hours + " hours/year"};
    s[26] = {generatorLine("   e. ", in.genCapacityByMethod[3], mover)};
    return out;
}

} // namespace plenara
