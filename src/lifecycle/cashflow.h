#pragma once

#include "lifecycle/lifecycleparameters.h"

#include <array>
#include <optional>

namespace plenara {

// The first-year saving of a method, split into the parts that escalate at their own rates:
// baseline cost less CHP cost of electricity, of fuel and of gen-set O&M ($/yr; a part is
// negative where CHP costs more, as its fuel and O&M usually do).
struct YearOneSavings {
    double electricity = 0.0;
    double fuel = 0.0;
    double om = 0.0;

    double total() const { return electricity + fuel + om; }
};

// One year of the analysis period.
struct CashFlowYear {
    int year = 0;                      // 1 to the analysis period
    double savings = 0.0;              // $ of that year, escalated
    double discountedSavings = 0.0;    // the same discounted to year 0
    double cumulativeDiscounted = 0.0; // year-0 outlay plus the discounted savings so far

    friend bool operator==(const CashFlowYear&, const CashFlowYear&) = default;
};

// The cash flows of a project: the outlay at year 0 and the savings of years 1 to N.
struct CashFlows {
    double outlay = 0.0; // $ at year 0, not negative
    int years = 0;
    double discountRate = 0.0;                             // of `npv`
    std::array<CashFlowYear, kMostAnalysisYears> byYear{}; // the first `years` are used
    double presentValueOfSavings = 0.0;                    // sum of the discounted savings
    double npv = 0.0;                                      // presentValueOfSavings - outlay
};

// The savings of year t = each part of the first-year saving times (1 + its escalation)^(t-1),
// discounted by (1 + discount rate)^t, for t = 1 to the analysis period.
CashFlows cashFlows(double outlay, const YearOneSavings& savings, const LifeCycleParameters& p);

// The net present value at `rate` of the outlay and the undiscounted yearly savings.
double presentValueAt(const CashFlows& flows, double rate);

// The internal rate of return: the rate at which the net present value is 0, found by
// bracketing a change of sign on a ladder of rates from -99 % up and halving the bracket. None
// when the value never changes sign (the savings never pay the outlay back at any rate, or
// there is no outlay to pay back), and none when the rate found contradicts the net present
// value (a rate above the discount rate with a loss at it): savings that turn into losses can
// give the value several zeros, and then no one rate describes the project.
std::optional<double> internalRateOfReturn(const CashFlows& flows);

// The years until the cumulative discounted cash flow reaches 0 for good, counting the part of
// the year in which it does by straight-line interpolation: none when it ends the period below
// 0, however often it touched 0 before; 0 when there is no outlay and it never falls below 0,
// but none when nothing is saved either.
std::optional<double> discountedPaybackYears(const CashFlows& flows);

// The savings-to-investment ratio: the present value of the savings over the outlay; none
// without an outlay.
std::optional<double> savingsToInvestmentRatio(const CashFlows& flows);

} // namespace plenara
