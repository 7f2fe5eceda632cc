#include "lifecycle/cashflow.h"

#include <algorithm>
#include <cmath>

namespace plenara {

namespace {

// The ladder on which a change of sign of the net present value is looked for. Below -99 %
// a year's discount factor would exceed 100; above a million per cent no outlay is worth
// the name.
constexpr std::array<double, 27> kRateLadder = {
    -0.99, -0.9, -0.75, -0.5, -0.25, -0.1, 0.0,  0.05, 0.1, 0.15, 0.2, 0.3, 0.5, 0.75,
    1.0,   1.5,  2.0,   3.0,  5.0,   10.0, 20.0, 50.0, 1e2, 1e3,  1e4, 1e5, 1e6};

constexpr int kMostSteps = 200;

// The rate between `lo` (value above 0) and `hi` (value not above 0) at which the value is 0,
// by false position with the Illinois halving, which keeps the bracket and converges in a few
// steps where plain halving would take some fifty.
double rootInBracket(const CashFlows& flows, double lo, double valueLo, double hi, double valueHi) {
    int lastMoved = 0; // -1: lo moved last, +1: hi moved last
    for (int n = 0; n < kMostSteps; ++n) {
        if (hi - lo <= 1e-12 * std::max(1.0, std::abs(lo))) {
            break;
        }
        double rate = hi - valueHi * (hi - lo) / (valueHi - valueLo);
        if (!(rate > lo && rate < hi)) {
            rate = lo + (hi - lo) / 2.0;
        }
        const double value = presentValueAt(flows, rate);
        if (value == 0.0) {
            return rate;
        }
        if (value > 0.0) {
            lo = rate;
            valueLo = value;
            if (lastMoved == -1) {
                valueHi /= 2.0;
            }
            lastMoved = -1;
        } else {
            hi = rate;
            valueHi = value;
            if (lastMoved == 1) {
                valueLo /= 2.0;
            }
            lastMoved = 1;
        }
    }
    return lo + (hi - lo) / 2.0;
}

} // namespace

CashFlows cashFlows(double outlay, const YearOneSavings& savings, const LifeCycleParameters& p) {
    CashFlows flows;
    flows.outlay = std::max(outlay, 0.0);
    flows.years = std::clamp(p.analysisYears, 0, kMostAnalysisYears);
    flows.discountRate = p.discountRate;
    double electricity = savings.electricity;
    double fuel = savings.fuel;
    double om = savings.om;
    double discount = 1.0;
    double cumulative = -flows.outlay;
    for (int t = 1; t <= flows.years; ++t) {
        if (t > 1) {
            electricity *= 1.0 + p.electricEscalation;
            fuel *= 1.0 + p.fuelEscalation;
            om *= 1.0 + p.omEscalation;
        }
        discount /= 1.0 + p.discountRate;
        CashFlowYear& year = flows.byYear[static_cast<std::size_t>(t - 1)];
        year.year = t;
        year.savings = electricity + fuel + om;
        year.discountedSavings = year.savings * discount;
        cumulative += year.discountedSavings;
        year.cumulativeDiscounted = cumulative;
        flows.presentValueOfSavings += year.discountedSavings;
    }
    flows.npv = flows.presentValueOfSavings - flows.outlay;
    return flows;
}

double presentValueAt(const CashFlows& flows, double rate) {
    // Horner's rule in the one-year discount factor x: s1 x + s2 x^2 + ... = x (s1 + x (s2 +
    // ...)), one division in all, since the rate is sought by many evaluations.
    const double x = 1.0 / (1.0 + rate);
    double value = 0.0;
    for (int t = flows.years - 1; t >= 0; --t) {
        value = (value + flows.byYear[static_cast<std::size_t>(t)].savings) * x;
    }
    return value - flows.outlay;
}

std::optional<double> internalRateOfReturn(const CashFlows& flows) {
    if (!(flows.outlay > 0.0) || flows.years == 0) {
        return std::nullopt;
    }
    // The rate of an investment is where its value turns from positive to negative as the
    // rate rises. Savings that turn negative late in the period (O&M escalating faster than
    // the rest) can give a second change of sign far below zero; the first positive-to-
    // negative one from below is the rate the outlay earns.
    double low = kRateLadder[0];
    double valueLow = presentValueAt(flows, low);
    for (std::size_t i = 1; i < kRateLadder.size(); ++i) {
        const double high = kRateLadder[i];
        const double valueHigh = presentValueAt(flows, high);
        if ((valueLow > 0.0 && valueHigh <= 0.0) || (valueLow == 0.0 && valueHigh < 0.0)) {
            const double rate =
                valueLow == 0.0 ? low : rootInBracket(flows, low, valueLow, high, valueHigh);
            const bool contradicts = (rate > flows.discountRate && flows.npv < 0.0) ||
                                     (rate < flows.discountRate && flows.npv > 0.0);
            if (contradicts) {
                return std::nullopt;
            }
            return rate;
        }
        low = high;
        valueLow = valueHigh;
    }
    return std::nullopt;
}

std::optional<double> discountedPaybackYears(const CashFlows& flows) {
    if (flows.years > 0 && flows.byYear[flows.years - 1].cumulativeDiscounted < 0.0) {
        return std::nullopt;
    }
    // The last year that starts below 0 is the one in which the flow reaches 0 for good.
    int last = -1; // none: not even year 0 is below 0
    if (flows.outlay > 0.0) {
        last = 0;
    }
    for (int t = 1; t < flows.years; ++t) {
        if (flows.byYear[static_cast<std::size_t>(t - 1)].cumulativeDiscounted < 0.0) {
            last = t;
        }
    }
    if (last < 0) {
        // Without an outlay there is nothing to pay back; nothing bought and nothing saved is
        // no payback at all.
        return flows.presentValueOfSavings > 0.0 ? std::optional<double>(0.0) : std::nullopt;
    }
    if (last >= flows.years) {
        return std::nullopt;
    }
    const double before =
        last == 0 ? -flows.outlay
                  : flows.byYear[static_cast<std::size_t>(last - 1)].cumulativeDiscounted;
    // The part of year last + 1 that its discounted saving needs to close the gap.
    return last + (-before) / flows.byYear[static_cast<std::size_t>(last)].discountedSavings;
}

std::optional<double> savingsToInvestmentRatio(const CashFlows& flows) {
    if (!(flows.outlay > 0.0)) {
        return std::nullopt;
    }
    return flows.presentValueOfSavings / flows.outlay;
}

} // namespace plenara
