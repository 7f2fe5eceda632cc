#include "lifecycle/cashflow.h"
#include "lifecycle/incentives.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

LifeCycleParameters parameters(int years, double discount, double electric = 0.0, double fuel = 0.0,
                               double om = 0.0) {
    LifeCycleParameters p;
    p.analysisYears = years;
    p.discountRate = discount;
    p.electricEscalation = electric;
    p.fuelEscalation = fuel;
    p.omEscalation = om;
    return p;
}

// Every figure of the analysis worked out by hand from the definitions: year t's saving is
// each part times (1 + its escalation)^(t-1), discounted by (1 + d)^t; the IRR is the rate at
// which the outlay equals the discounted savings.
TEST(CashFlows, HandWorkedProjects) {
    struct Case {
        const char* name;
        double outlay;
        YearOneSavings savings;
        LifeCycleParameters p;
        std::vector<double> cumulative; // cumulative discounted cash flow, years 1..N
        double npv;
        std::optional<double> irr;
        std::optional<double> discountedPayback;
        std::optional<double> sir;
    };
    const Case cases[] = {
        // $300 a year for 5 years at 10 %: discount factors 0.90909, 0.82645, 0.75131, 0.68301,
        // 0.62092 give 272.73, 247.93, 225.39, 204.90, 186.28 (sum 300 x 3.79079 = 1,137.24).
        // Year 5 closes the gap of 49.04 left after year 4: 4 + 49.04 / 186.28 = 4.2633.
        // IRR: 300 x (1 - 1.15238^-5) / 0.15238 = 1,000, so 15.238 %.
        {"flat",
         1000,
         {300, 0, 0},
         parameters(5, 0.10),
         {-727.2727, -479.3388, -253.9444, -49.0404, 137.2360},
         137.2360,
         0.152382,
         4.2633,
         1.137236},
        // Electricity 300 rising 10 %, fuel -100 flat, O&M -50 rising 20 % a year:
        // 300 - 100 - 50 = 150, 330 - 100 - 60 = 170, 363 - 100 - 72 = 191,
        // 399.3 - 100 - 86.4 = 212.9; at 5 %: 142.857, 154.195, 164.993, 175.153.
        // After year 3 -37.955 remain: 3 + 37.955 / 175.153 = 3.2167 years.
        {"escalated",
         500,
         {300, -100, -50},
         parameters(4, 0.05, 0.10, 0.0, 0.20),
         {-357.1429, -202.9478, -37.9549, 137.1985},
         137.1985,
         0.155841,
         3.2167,
         1.274397},
        // A gen-set that costs more to run than it saves never pays back at any rate.
        {"never pays",
         1000,
         {200, -150, -100},
         parameters(3, 0.06),
         {-1047.1698, -1091.6696, -1133.6506},
         -1133.6506,
         std::nullopt,
         std::nullopt,
         -0.133651},
        // Without discounting the cumulative flow is -1000 + 250 t: exactly 0 after year 4.
        // IRR: 250 x (1 - 1.079308^-5) / 0.079308 = 1,000.
        {"zero discount rate",
         1000,
         {250, 0, 0},
         parameters(5, 0.0),
         {-750, -500, -250, 0, 250},
         250,
         0.079308,
         4.0,
         1.25},
        // One year: 1,250 / 1.25 = 1,000 pays the outlay exactly, so the IRR is the 25 % rate.
        {"one-year period", 1000, {1250, 0, 0}, parameters(1, 0.25), {0}, 0, 0.25, 1.0, 1.0},
        // $10 a year never repays $1,000 within 20 years; the savings are positive, so there is
        // a (negative) rate: 10 x (1 - 0.87945^-20) / -0.12055 = 1,000.
        {"pays back after the period",
         1000,
         {10, 0, 0},
         parameters(20, 0.06),
         {},
         -885.3008,
         -0.120550,
         std::nullopt,
         0.114699},
        // Incentives that cover the cost: nothing to pay back, no rate to earn on it.
        {"no outlay",
         0,
         {100, 0, 0},
         parameters(2, 0.0),
         {100, 200},
         200,
         std::nullopt,
         0.0,
         std::nullopt},
        // Savings that turn into losses: 300 - 100 = 200, then 300 - 300 = 0, then 300 - 900 =
        // -600. The flow touches 100 above 0 and ends at -500: no payback. Its value -100 + 200x
        // - 600x^3 peaks at x = 1/3 with -55.6, so it has no rate either.
        {"savings turn into losses",
         100,
         {300, -100, 0},
         parameters(3, 0.0, 0.0, 2.0),
         {100, 100, -500},
         -500,
         std::nullopt,
         std::nullopt,
         -4.0},
        // 330 - 100 = 230, then 330 - 462 = -132: the value -100 + 230x - 132x^2 is 0 at 10 % and
        // at 20 % (x = 240/264, 220/264). At 6 %: -100 + 216.981 - 117.480 = -0.498, a loss,
        // so neither rate above 6 % describes the project.
        {"two rates",
         100,
         {330, -100, 0},
         parameters(2, 0.06, 0.0, 3.62),
         {116.9811, -0.4984},
         -0.4984,
         std::nullopt,
         std::nullopt,
         0.995016},
        // The same at 15 %: -100 + 200 - 99.811 = 0.189 above 0, and the rate of 20 % (where the
        // value turns from positive to negative) says the same. The outlay is repaid half-way
        // through year 1 (100 / 200) and the flow stays above 0.
        {"two rates, a gain at the discount rate",
         100,
         {330, -100, 0},
         parameters(2, 0.15, 0.0, 3.62),
         {100.0, 0.1890},
         0.1890,
         0.2,
         0.5,
         1.001890},
        // Nothing bought and nothing saved: no payback, no rate, no ratio.
        {"no outlay, nothing saved",
         0,
         {0, 0, 0},
         parameters(2, 0.06),
         {0, 0},
         0,
         std::nullopt,
         std::nullopt,
         std::nullopt},
        // Nothing to pay back, but a loss every year: the cumulative flow never reaches 0.
        {"no outlay, a loss every year",
         0,
         {-100, 0, 0},
         parameters(3, 0.0),
         {-100, -200, -300},
         -300,
         std::nullopt,
         std::nullopt,
         std::nullopt},
        // Nothing to pay back, but year 1 loses: 100 - 150 = -50; electricity doubling, year 2
        // saves 200 - 150 = 50, which repays it exactly at the end of year 2: 1 + 50 / 50.
        {"no outlay, a first-year loss repaid",
         0,
         {100, 0, -150},
         parameters(3, 0.0, 1.0),
         {-50, 0, 250},
         250,
         std::nullopt,
         2.0,
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CashFlows flows = cashFlows(c.outlay, c.savings, c.p);
        ASSERT_EQ(flows.years, c.p.analysisYears);
        for (std::size_t t = 0; t < c.cumulative.size(); ++t) {
            EXPECT_EQ(flows.byYear[t].year, static_cast<int>(t) + 1);
            EXPECT_NEAR(flows.byYear[t].cumulativeDiscounted, c.cumulative[t], 1e-4) << t + 1;
        }
        EXPECT_NEAR(flows.npv, c.npv, 1e-4);
        const auto near = [](const std::optional<double>& got, const std::optional<double>& want,
                             double tolerance, const char* what) {
            ASSERT_EQ(got.has_value(), want.has_value()) << what;
            if (want) {
                EXPECT_NEAR(*got, *want, tolerance) << what;
            }
        };
        near(internalRateOfReturn(flows), c.irr, 1e-6, "IRR");
        near(discountedPaybackYears(flows), c.discountedPayback, 1e-4, "discounted payback");
        near(savingsToInvestmentRatio(flows), c.sir, 1e-6, "SIR");
    }
}

// The year-by-year figures of the escalated project: savings as they fall due, discounted.
TEST(CashFlows, YearByYear) {
    const CashFlows flows = cashFlows(500, {300, -100, -50}, parameters(4, 0.05, 0.10, 0.0, 0.20));
    const double savings[] = {150, 170, 191, 212.9};
    const double discounted[] = {142.8571, 154.1950, 164.9930, 175.1534};
    for (std::size_t t = 0; t < 4; ++t) {
        EXPECT_NEAR(flows.byYear[t].savings, savings[t], 1e-9);
        EXPECT_NEAR(flows.byYear[t].discountedSavings, discounted[t], 1e-4);
    }
    EXPECT_NEAR(flows.presentValueOfSavings, 637.1985, 1e-4);
}

// Whatever the savings, the rate found is a number or none, never NaN or infinite.
TEST(CashFlows, TheRateIsAlwaysANumberOrNone) {
    const YearOneSavings extremes[] = {{0, 0, 0},  {1e12, 0, 0},   {-1e12, 0, 0}, {1e-9, 0, 0},
                                       {5, -5, 0}, {1e6, -1e6, 1}, {0, 0, -1}};
    for (const double outlay : {0.0, 1e-6, 1.0, 1e9}) {
        for (const YearOneSavings& s : extremes) {
            for (const int years : {1, 20, kMostAnalysisYears}) {
                const CashFlows flows =
                    cashFlows(outlay, s, parameters(years, 0.5, 0.2, -0.1, 0.2));
                const std::optional<double> irr = internalRateOfReturn(flows);
                EXPECT_TRUE(!irr || std::isfinite(*irr)) << outlay << " " << s.electricity;
                if (irr) {
                    EXPECT_NEAR(presentValueAt(flows, *irr) / std::max(outlay, 1.0), 0.0, 1e-6);
                }
            }
        }
    }
}

// The net installed cost: the method's cost adjusted, less the credit on the adjusted cost,
// the rebate on the capacity and the grant, never below 0.
TEST(Incentives, NetInstalledCost) {
    struct Case {
        const char* name;
        double cost;
        double kW;
        double adjustment;
        double credit;
        double rebatePerKW;
        double grant;
        InstalledCost expected;
    };
    const Case cases[] = {
        {"none", 200'000, 100, 0, 0, 0, 0, {200'000, 0, 0, 0, 200'000}},
        // 200,000 x 1.10 = 220,000; 30 % of it 66,000; 100 kW x $200 = 20,000; grant 50,000:
        // 220,000 - 66,000 - 20,000 - 50,000 = 84,000.
        {"all", 200'000, 100, 0.10, 0.30, 200, 50'000, {220'000, 66'000, 20'000, 50'000, 84'000}},
        // Local prices a quarter below the curves: 150,000.
        {"lower prices", 200'000, 100, -0.25, 0, 0, 0, {150'000, 0, 0, 0, 150'000}},
        // 150,000 of incentives on a 100,000 gen-set: it costs nothing, and no more.
        {"incentives above the cost",
         100'000,
         50,
         0,
         0.5,
         1'000,
         50'000,
         {100'000, 50'000, 50'000, 50'000, 0}},
    };
    for (const Case& c : cases) {
        LifeCycleParameters p;
        p.costAdjustment = c.adjustment;
        p.taxCredit = c.credit;
        p.rebatePerKW = c.rebatePerKW;
        p.grant = c.grant;
        const InstalledCost got = installedCostAfterIncentives(c.cost, c.kW, p);
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(got.adjusted, c.expected.adjusted, 1e-6);
        EXPECT_NEAR(got.taxCredit, c.expected.taxCredit, 1e-6);
        EXPECT_NEAR(got.rebate, c.expected.rebate, 1e-6);
        EXPECT_NEAR(got.grant, c.expected.grant, 1e-6);
        EXPECT_NEAR(got.net, c.expected.net, 1e-6);
    }
}

} // namespace
} // namespace plenara
