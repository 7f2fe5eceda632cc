#include "engine/formatpattern.h"
#include "project/projectsession.h"
#include "sensitivity/sensitivity.h"
#include "sensitivity/sensitivitytext.h"
#include "sensitivity/sensitivityworker.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

class SensitivityTest : public ::testing::Test {
protected:
    SensitivityTest()
        : m_session(readClimateData(PLENARA_SHIPPED_DATA_DIR).table) {
        m_session.loadSampleData();
    }

    // The sample with its texts changed as a user would type them, recalculated in full.
    std::array<double, 3> paybacksTyped(void (*edit)(ProjectInputs&)) {
        ProjectSession typed(m_session.climate());
        typed.loadSampleData();
        edit(typed.inputs());
        typed.recalculate();
        const ProjectResults& r = typed.results();
        return {r.method1.payback, r.method2.payback, r.method3.payback};
    }

    ProjectResults resultsWith(std::string ProjectInputs::*field, const std::string& text) {
        ProjectSession typed(m_session.climate());
        typed.loadSampleData();
        typed.inputs().*field = text;
        typed.recalculate();
        return typed.results();
    }

    std::array<double, 3> paybacksWith(std::string ProjectInputs::*field, const std::string& text) {
        const ProjectResults r = resultsWith(field, text);
        return {r.method1.payback, r.method2.payback, r.method3.payback};
    }

    SensitivityOptions options(double percent, int draws = 200) const {
        SensitivityOptions o;
        o.percent = percent;
        o.draws = draws;
        return o;
    }

    SensitivityResults run(const SensitivityOptions& o) {
        return computeSensitivity(m_session.inputs(), m_session.climate(), m_session.state(), o);
    }

    ProjectSession m_session;
};

const TornadoRow& rowOf(const std::vector<TornadoRow>& rows, UncertainInput input) {
    for (const TornadoRow& row : rows) {
        if (row.input == input) {
            return row;
        }
    }
    ADD_FAILURE() << "no row for " << uncertainInputName(input);
    return rows.front();
}

// Each tornado bar against two whole-project runs with the input typed by hand at -20 % and
// +20 %. The sample's prices: gas $1.3119/CCF, energy charge $0.0444 + fuel adjustment $0.0733,
// run-time fraction 75 %, boiler efficiency 75 %.
TEST_F(SensitivityTest, TornadoRowsAreWholeProjectRunsWithTheInputTypedByHand) {
    const SensitivityResults r = run(options(20));
    struct Case {
        UncertainInput input;
        double low, high;                // the input's values, worked out by hand
        void (*typeLow)(ProjectInputs&); // what a user types for them
        void (*typeHigh)(ProjectInputs&);
    };
    const Case cases[] = {
        // 1.3119 x 0.8 = 1.04952, x 1.2 = 1.57428: the box shows, and the run uses, $1.0495 and
        // $1.5743, which the row gives.
        {UncertainInput::GasPrice, 1.0495, 1.5743, [](ProjectInputs& p) { p.GasCost = "1.0495"; },
         [](ProjectInputs& p) {
             p.GasCost = "1.5743";
         }},
        // 0.0444 x 0.8 = 0.03552 (shown 0.0355), 0.0733 x 0.8 = 0.05864 (0.0586): 0.0941 as
        // run, not 0.09416; x 1.2: 0.05328 (0.0533) and 0.08796 (0.0880): 0.1413.
        {UncertainInput::EnergyCharge, 0.0941, 0.1413,
         [](ProjectInputs& p) {
             p.EnergyCharge = "0.0355";
             p.FuelAdjCharge = "0.0586";
         },
         [](ProjectInputs& p) {
             p.EnergyCharge = "0.0533";
             p.FuelAdjCharge = "0.0880";
         }},
        // 75 % x 0.8 = 60 %, x 1.2 = 90 %.
        {UncertainInput::RunTimeFraction, 60, 90,
         [](ProjectInputs& p) { p.RunTimeFractionText = "60%"; },
         [](ProjectInputs& p) {
             p.RunTimeFractionText = "90%";
         }},
        {UncertainInput::BoilerEfficiency, 60, 90,
         [](ProjectInputs& p) { p.BoilerEfficiencyText = "60%"; },
         [](ProjectInputs& p) {
             p.BoilerEfficiencyText = "90%";
         }},
    };
    for (const Case& c : cases) {
        const std::array<double, 3> low = paybacksTyped(c.typeLow);
        const std::array<double, 3> high = paybacksTyped(c.typeHigh);
        for (std::size_t m = 0; m < 3; ++m) {
            const TornadoRow& row = rowOf(r.tornado[m], c.input);
            const std::string name =
                std::string(uncertainInputName(c.input)) + ", Method " + std::to_string(m + 1);
            EXPECT_NEAR(row.lowValue, c.low, 1e-9) << name;
            EXPECT_NEAR(row.highValue, c.high, 1e-9) << name;
            EXPECT_EQ(row.lowPaybackYears, low[m]) << name;
            EXPECT_EQ(row.highPaybackYears, high[m]) << name;
        }
    }

    // The net present values of the gas-price bar, against the life-cycle results of the same
    // two typed-by-hand runs.
    for (const auto& [text, npvOf] :
         {std::pair{"1.0495", &TornadoRow::lowNpv}, std::pair{"1.5743", &TornadoRow::highNpv}}) {
        const ProjectResults typed = resultsWith(&ProjectInputs::GasCost, text);
        for (std::size_t m = 0; m < 3; ++m) {
            EXPECT_NEAR(rowOf(r.tornado[m], UncertainInput::GasPrice).*npvOf,
                        typed.lifeCycle.methods[m].flows.npv, 1e-6)
                << text << ", Method " << m + 1;
        }
    }

    // The installed cost is no input: 20 % more of it is 20 % more payback, with no other change.
    const ProjectResults& base = m_session.results();
    const TornadoRow& cost = rowOf(r.tornado[1], UncertainInput::InstalledCost);
    const double installed2 = base.method2.equipmentCost + base.method2.installationCost;
    EXPECT_NEAR(cost.lowValue, installed2 * 0.8, 1e-6);
    EXPECT_NEAR(cost.highPaybackYears, base.method2.payback * 1.2, 1e-12);
    // No fuel 2 in the sample: no row for it; the rows go from the widest swing down.
    for (const std::vector<TornadoRow>& rows : r.tornado) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_NE(rows[i].input, UncertainInput::Fuel2Cost);
            if (i > 0) {
                EXPECT_GE(rows[i - 1].swingYears, rows[i].swingYears);
            }
        }
    }
    // The session's own results and kept state are as they were.
    EXPECT_EQ(m_session.inputs().GasCost, "$1.3119");
}

// A break-even price typed back into its box gives the target payback to the display's
// precision (one decimal), and the price where a method stops saving gives no payback while
// one display step back towards today's price still saves.
TEST_F(SensitivityTest, BreakEvenPricesTypedBackGiveTheTarget) {
    SensitivityOptions o = options(20, 100);
    for (const double target : {10.0, 7.0}) {
        o.targetPaybackYears = target;
        const SensitivityResults r = run(o);
        for (std::size_t m = 0; m < 3; ++m) {
            const MethodBreakEven& b = r.breakEven[m];
            const std::string name =
                "Method " + std::to_string(m + 1) + ", target " + FormatPattern(target, "#0");
            ASSERT_TRUE(b.gasPriceForTarget && b.energyChargeForTarget && b.gasPriceNoSavings)
                << name;
            const double gas = paybacksWith(&ProjectInputs::GasCost,
                                            FormatPattern(*b.gasPriceForTarget, "0.0000"))[m];
            EXPECT_NEAR(gas, target, 0.05) << name;
            const double energy = paybacksWith(
                &ProjectInputs::EnergyCharge, FormatPattern(*b.energyChargeForTarget, "0.0000"))[m];
            EXPECT_NEAR(energy, target, 0.05) << name;
            // Today's gas price saves, so the break-even lies above it.
            EXPECT_GT(*b.gasPriceNoSavings, 1.3119) << name;
            EXPECT_LE(paybacksWith(&ProjectInputs::GasCost,
                                   FormatPattern(*b.gasPriceNoSavings, "0.0000"))[m],
                      0.0)
                << name;
            EXPECT_GT(paybacksWith(&ProjectInputs::GasCost,
                                   FormatPattern(*b.gasPriceNoSavings - 0.0001, "0.0000"))[m],
                      0.0)
                << name;
        }
    }
}

// With the fuel adjustment of $0.0733/kWh the sample saves even at an energy charge of 0, so no
// energy charge from 0 to 10 times today's stops it saving.
TEST_F(SensitivityTest, AnInputWithNoBreakEvenInRange) {
    const SensitivityResults r = run(options(20, 100));
    const std::array<double, 3> atZero = paybacksWith(&ProjectInputs::EnergyCharge, "0");
    for (std::size_t m = 0; m < 3; ++m) {
        EXPECT_GT(atZero[m], 0.0) << "Method " << m + 1;
        EXPECT_FALSE(r.breakEven[m].energyChargeNoSavings) << "Method " << m + 1;
    }
}

// Without any price of power nothing can save: every figure says so instead of a number.
TEST_F(SensitivityTest, AProjectWhereNothingSaves) {
    ProjectInputs& in = m_session.inputs();
    in.EnergyCharge = "0";
    in.FuelAdjCharge = "0";
    m_session.recalculate();
    ASSERT_LE(m_session.results().method1.payback, 0.0);
    const SensitivityResults r = run(options(20));
    for (std::size_t m = 0; m < 3; ++m) {
        const std::string name = "Method " + std::to_string(m + 1);
        EXPECT_FALSE(hasPayback(r.base.paybackYears[m])) << name;
        for (const TornadoRow& row : r.tornado[m]) {
            EXPECT_FALSE(hasPayback(row.lowPaybackYears)) << name;
            EXPECT_FALSE(hasPayback(row.highPaybackYears)) << name;
            EXPECT_EQ(row.swingYears, 0.0) << name;
        }
        const MethodBreakEven& b = r.breakEven[m];
        EXPECT_FALSE(b.gasPriceForTarget || b.gasPriceNoSavings || b.energyChargeForTarget ||
                     b.energyChargeNoSavings)
            << name;
        ASSERT_TRUE(r.monteCarlo);
        const PaybackSpread& s = r.monteCarlo->methods[m];
        EXPECT_FALSE(s.p10 || s.p50 || s.p90) << name;
        EXPECT_EQ(s.noPaybackShare, 1.0) << name;
    }
    for (const auto& row : r.grid.method2PaybackYears) {
        for (double years : row) {
            EXPECT_FALSE(hasPayback(years));
        }
    }
    EXPECT_TRUE(r.monteCarlo->histogram.counts.empty());
    EXPECT_EQ(r.monteCarlo->histogram.noPayback, 200);
}

// A new project, every price and bill 0 and no city: every figure is none, nothing breaks.
TEST_F(SensitivityTest, ANewProjectGivesNoFigures) {
    m_session.resetInputs();
    const SensitivityResults r = run(options(90, 100));
    ASSERT_TRUE(r.monteCarlo);
    for (std::size_t m = 0; m < 3; ++m) {
        EXPECT_FALSE(hasPayback(r.base.paybackYears[m]));
        EXPECT_EQ(r.monteCarlo->methods[m].noPaybackShare, 1.0);
        EXPECT_FALSE(r.breakEven[m].gasPriceForTarget || r.breakEven[m].energyChargeNoSavings);
    }
    // No fuel costs: the rows are gas, energy and demand charges, installed cost, run-time
    // fraction and boiler efficiency.
    EXPECT_EQ(r.tornado[1].size(), 6u);
    EXPECT_EQ(r.sparkSpread.averagePowerCostPerKWh, 0.0);
    // No size of Method 2 saves: its margin is that of the 1 kW the panel reports, and said so.
    EXPECT_TRUE(r.sparkSpread.method2BuysNone);
    const std::vector<std::string> lines = sensitivityLines(r);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line == "  (Method 2 buys none, as no size saves: these are the figures of the 1 kW "
                       "it reports)";
    }));
}

// With X = 0 every draw is the project as it stands.
TEST_F(SensitivityTest, MonteCarloWithoutSpreadIsTheBasePayback) {
    const SensitivityResults r = run(options(0, 100));
    ASSERT_TRUE(r.monteCarlo);
    const ProjectResults& base = m_session.results();
    const std::array<double, 3> paybacks = {base.method1.payback, base.method2.payback,
                                            base.method3.payback};
    for (std::size_t m = 0; m < 3; ++m) {
        const PaybackSpread& s = r.monteCarlo->methods[m];
        ASSERT_TRUE(s.p10 && s.p50 && s.p90);
        EXPECT_EQ(*s.p50, paybacks[m]) << "Method " << m + 1;
        EXPECT_EQ(*s.p10, paybacks[m]) << "Method " << m + 1;
        EXPECT_EQ(*s.p90, paybacks[m]) << "Method " << m + 1;
        EXPECT_EQ(s.noPaybackShare, 0.0);
        // The net present value comes from the life-cycle analysis of the project itself.
        const double npv = base.lifeCycle.methods[m].flows.npv;
        EXPECT_NEAR(r.base.npv[m], npv, 1e-6);
        ASSERT_TRUE(r.monteCarlo->npv[m].p50);
        EXPECT_NEAR(*r.monteCarlo->npv[m].p50, npv, 1e-6);
        EXPECT_EQ(r.monteCarlo->npv[m].p10, r.monteCarlo->npv[m].p90);
    }
    EXPECT_EQ(r.monteCarlo->histogram.counts, std::vector<int>{100});
}

// The same seed gives the same figures whether one thread makes every draw or two share them,
// and a stop requested before the run leaves no figures.
TEST_F(SensitivityTest, MonteCarloIsTheSameWithOneAndTwoThreads) {
    SensitivityOptions o = options(30, 300);
    o.threads = 1;
    const SensitivityResults one = run(o);
    o.threads = 2;
    const SensitivityResults two = run(o);
    const SensitivityResults again = run(o);
    ASSERT_TRUE(one.monteCarlo && two.monteCarlo && again.monteCarlo);
    for (const SensitivityResults* other : {&two, &again}) {
        for (std::size_t m = 0; m < 3; ++m) {
            const PaybackSpread& a = one.monteCarlo->methods[m];
            const PaybackSpread& b = other->monteCarlo->methods[m];
            EXPECT_EQ(a.p10, b.p10);
            EXPECT_EQ(a.p50, b.p50);
            EXPECT_EQ(a.p90, b.p90);
            EXPECT_EQ(a.noPaybackShare, b.noPaybackShare);
        }
        EXPECT_EQ(one.monteCarlo->histogram.counts, other->monteCarlo->histogram.counts);
        EXPECT_EQ(one.monteCarlo->histogram.lowYears, other->monteCarlo->histogram.lowYears);
    }
    // The spread is real: P10 below P50 below P90.
    const PaybackSpread& m2 = one.monteCarlo->methods[1];
    EXPECT_LT(*m2.p10, *m2.p50);
    EXPECT_LT(*m2.p50, *m2.p90);

    std::stop_source stop;
    stop.request_stop();
    const SensitivityResults stopped = computeSensitivity(m_session.inputs(), m_session.climate(),
                                                          m_session.state(), o, stop.get_token());
    EXPECT_FALSE(stopped.monteCarlo);
}

// A newer start stops the run before it: only the latest run's figures are delivered, and
// they are those of a direct computation.
// The figures come first, then the whole with the Monte Carlo; an overtaken run delivers nothing.
TEST_F(SensitivityTest, TheWorkerDeliversOnlyTheNewestRun) {
    std::mutex mutex;
    std::vector<std::pair<std::uint64_t, bool>> delivered; // run, with the Monte Carlo
    std::uint64_t newest = 0;
    {
        SensitivityWorker worker(
            [&](std::uint64_t run, std::shared_ptr<const SensitivityResults> results) {
                const std::lock_guard lock(mutex);
                delivered.emplace_back(run, results->monteCarlo.has_value());
            });
        const std::uint64_t slow = worker.start(m_session.inputs(), m_session.climate(),
                                                m_session.state(), options(20, 10'000));
        newest = worker.start(m_session.inputs(), m_session.climate(), m_session.state(),
                              options(25, 100));
        std::shared_ptr<const SensitivityResults> results;
        for (int wait = 0; wait < 600 && !(results && results->monteCarlo); ++wait) {
            results = worker.waitFor(newest, std::chrono::milliseconds(100));
            if (!(results && results->monteCarlo)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        ASSERT_TRUE(results && results->monteCarlo);
        EXPECT_EQ(results->options.percent, 25.0);
        EXPECT_EQ(results->monteCarlo->draws, 100);
        EXPECT_FALSE(worker.waitFor(slow, std::chrono::milliseconds(0)));
        const SensitivityResults direct = run(options(25, 100));
        EXPECT_EQ(results->monteCarlo->methods[1].p50, direct.monteCarlo->methods[1].p50);
    } // the worker's thread has ended: every delivery is in
    const std::lock_guard lock(mutex);
    const std::vector<std::pair<std::uint64_t, bool>> expected = {{newest, false}, {newest, true}};
    EXPECT_EQ(delivered, expected);
}

// The spark spread and the generation margin of the sample, by hand. Annual bill $115,717 over
// 984,000 kWh: $0.117598577/kWh. Gas $1.3119/CCF at 0.1025 MMBtu/CCF: $12.799024/MMBtu.
// Spark spread: 0.117598577 x 293.07 - 12.799024 = 21.665591. Method 2's recip engine of 110 kW:
// heat rate 14,161 - 574.63 ln 110 = 11,459.963 Btu/kWh (11.459963 MMBtu/MWh), O&M
// 0.0417 x 110^-0.1994 = $0.0163336/kWh; margin 117.598577 - 12.799024 x 11.459963 - 16.333616
// = -45.411385 $/MWh.
TEST_F(SensitivityTest, SparkSpreadAndGenerationMarginByHand) {
    const SensitivityResults r = computeSensitivityFigures(m_session.inputs(), m_session.climate(),
                                                           m_session.state(), options(20));
    ASSERT_EQ(m_session.results().method2.capacityKW, 110.0);
    EXPECT_NEAR(r.sparkSpread.averagePowerCostPerKWh, 0.117598577, 1e-9);
    EXPECT_NEAR(r.sparkSpread.gasPricePerMMBtu, 12.799024, 1e-6);
    EXPECT_NEAR(r.sparkSpread.sparkSpreadPerMMBtu, 21.665591, 1e-5);
    EXPECT_NEAR(r.sparkSpread.heatRateMMBtuPerMWh, 11.459963, 1e-6);
    EXPECT_NEAR(r.sparkSpread.generationMarginPerMWh, -45.411385, 1e-4);
    EXPECT_FALSE(r.sparkSpread.method2BuysNone);
    EXPECT_FALSE(r.monteCarlo);
    EXPECT_EQ(r.gasPriceUnit, "/CCF");
    // The grid's centre is the project as it stands; its corners are typed-by-hand runs.
    EXPECT_EQ(r.grid.method2PaybackYears[2][2], m_session.results().method2.payback);
    EXPECT_EQ(r.grid.method2PaybackYears[0][4], paybacksTyped([](ProjectInputs& p) {
                  p.GasCost = "0.78714";       // 1.3119 x 0.6
                  p.EnergyCharge = "0.06216";  // 0.0444 x 1.4
                  p.FuelAdjCharge = "0.10262"; // 0.0733 x 1.4
              })[1]);
}

} // namespace
} // namespace plenara
