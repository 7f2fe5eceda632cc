#include "climate/climatedata.h"
#include "project/projectsession.h"
#include "sensitivity/montecarlo.h"
#include "sensitivity/sensitivityoptions.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

namespace plenara {
namespace {

// The tab's texts are read like every text box, with Number, and kept within their ranges;
// the recalculation warns of each text not used as typed, so that the window marks its box,
// the command-line tool prints it and --strict refuses it. The warning names the value used.
TEST(SensitivityOptions, TheTabsTextsAreKeptWithinRangeAndWarnedOf) {
    struct Case {
        const char* name;
        SensitivityInputs in;
        double percent;
        double target;
        int draws;
        int method;
        const char* warnings; // each "label: message" followed by "\n"
    };
    const Case cases[] = {
        {"defaults", {}, 20, 10, 1000, 2, ""},
        {"as typed", {"12.5", "7.5", "2,500", 3}, 12.5, 7.5, 2500, 3, ""},
        {"units typed",
         {"12.5%", "7.5 yrs", "2500", 3},
         12.5,
         7.5,
         2500,
         3,
         "Vary each input by: \"12.5%\" read as 12.5\n"
         "Target payback: \"7.5 yrs\" read as 7.5\n"},
        {"X above 90 is 90",
         {"500", "10", "1000", 1},
         90,
         10,
         1000,
         1,
         "Vary each input by: \"500\" is above 90; 90 is used\n"},
        {"X of 0 moves nothing", {"0", "10", "1000", 2}, 0, 10, 1000, 2, ""},
        // No payback is 0 years long: the shortest target is a tenth of a year.
        {"a target of 0",
         {"20", "0", "1000", 2},
         20,
         0.1,
         1000,
         2,
         "Target payback: \"0\" is below 0.1; 0.1 is used\n"},
        {"a target above 1,000 years",
         {"20", "5000", "1000", 2},
         20,
         1000,
         1000,
         2,
         "Target payback: \"5000\" is above 1,000; 1,000 is used\n"},
        {"a negative target",
         {"20", "-3", "1000", 2},
         20,
         3,
         1000,
         2,
         "Target payback: \"-3\" read as 3\n"},
        {"a target with an exponent",
         {"20", "1e9", "1000", 2},
         20,
         19,
         1000,
         2,
         "Target payback: \"1e9\" read as 19\n"},
        {"too few draws",
         {"20", "10", "5", 2},
         20,
         10,
         100,
         2,
         "Monte Carlo draws: \"5\" is below 100; 100 is used\n"},
        {"draws with an exponent",
         {"20", "10", "1e9", 2},
         20,
         10,
         100,
         2,
         "Monte Carlo draws: \"1e9\" read as 19, below 100; 100 is used\n"},
        {"too many draws",
         {"20", "10", "50,000", 2},
         20,
         10,
         10000,
         2,
         "Monte Carlo draws: \"50,000\" is above 10,000; 10,000 is used\n"},
        {"draws rounded", {"20", "10", "150.5", 2}, 20, 10, 150, 2, ""}, // halves to the even
        {"method out of range", {"20", "10", "1000", 7}, 20, 10, 1000, 3, ""},
        {"words",
         {"abc", "", "x", 0},
         0,
         0.1,
         100,
         1,
         "Vary each input by: \"abc\" read as 0\n"
         "Target payback: \"\" is below 0.1; 0.1 is used\n"
         "Monte Carlo draws: \"x\" read as 0, below 100; 100 is used\n"},
    };
    ProjectSession session(readClimateData(PLENARA_SHIPPED_DATA_DIR).table);
    session.loadSampleData();
    for (const Case& c : cases) {
        const SensitivityOptions o = sensitivityOptions(c.in);
        EXPECT_EQ(o.percent, c.percent) << c.name;
        EXPECT_EQ(o.targetPaybackYears, c.target) << c.name;
        EXPECT_EQ(o.draws, c.draws) << c.name;
        EXPECT_EQ(o.method, c.method) << c.name;

        session.inputs().Sensitivity = c.in;
        session.recalculate();
        std::string warnings;
        for (const InputWarning& w : session.results().warnings) {
            warnings += w.text() + "\n";
        }
        EXPECT_EQ(warnings, c.warnings) << c.name;
        // The texts are kept as typed, not rewritten: the box goes on showing what is warned of.
        EXPECT_EQ(session.inputs().Sensitivity, c.in) << c.name;
    }
}

// A draw's factors depend on the seed and the draw alone and stay on the triangle.
TEST(MonteCarloDraws, FactorsStayOnTheirTriangleAndRepeat) {
    double lowest = 2.0;
    double highest = 0.0;
    int belowOne = 0;
    for (int d = 0; d < 2000; ++d) {
        const InputFactors f = drawFactors(kMonteCarloSeed, d, 20.0);
        EXPECT_EQ(f.factor, drawFactors(kMonteCarloSeed, d, 20.0).factor);
        for (double x : f.factor) {
            lowest = std::min(lowest, x);
            highest = std::max(highest, x);
            belowOne += x < 1.0;
        }
    }
    EXPECT_GE(lowest, 0.8);
    EXPECT_LE(highest, 1.2);
    // 16,000 factors: a symmetric triangle puts about half below today's value, and its tails
    // are thin (P(f < 0.82) = 0.5 x 0.1^2 = 0.005).
    EXPECT_NEAR(belowOne / 16000.0, 0.5, 0.02);
    EXPECT_LT(lowest, 0.82);
    EXPECT_GT(highest, 1.18);
    EXPECT_NE(drawFactors(kMonteCarloSeed, 0, 20.0).factor,
              drawFactors(kMonteCarloSeed, 1, 20.0).factor);
    EXPECT_NE(drawFactors(kMonteCarloSeed, 0, 20.0).factor, drawFactors(1, 0, 20.0).factor);
    // Without spread every factor is exactly 1.
    for (double x : drawFactors(kMonteCarloSeed, 5, 0.0).factor) {
        EXPECT_EQ(x, 1.0);
    }
}

// Percentiles are linear between neighbouring draws at (n - 1) x q; a draw without payback
// (0 or less) counts as longer than any.
TEST(MonteCarloFigures, PercentilesAndHistogramByHand) {
    struct Case {
        const char* name;
        std::vector<double> paybacks;
        std::optional<double> p10, p50, p90;
        double noPaybackShare;
    };
    const Case cases[] = {
        // 11 draws 1..11: positions 1, 5 and 9.
        {"eleven", {11, 3, 2, 1, 4, 5, 6, 7, 8, 9, 10}, 2.0, 6.0, 10.0, 0.0},
        // 6 draws: positions 0.5, 2.5 and 4.5 -> 1.5, 3.5, 5.5.
        {"six", {6, 5, 4, 3, 2, 1}, 1.5, 3.5, 5.5, 0.0},
        // 10 draws, 2 without payback (0 and -3): sorted 1..8, inf, inf; positions 0.9, 4.5,
        // 8.1 -> 1.9, 5.5 and none (between 9th and 10th, both none).
        {"some without", {1, 2, 3, 4, 5, 6, 7, 8, 0, -3}, 1.9, 5.5, std::nullopt, 0.2},
        {"none at all", {0, 0, -1}, std::nullopt, std::nullopt, std::nullopt, 1.0},
        {"one", {4.25}, 4.25, 4.25, 4.25, 0.0},
    };
    for (const Case& c : cases) {
        const PaybackSpread s = paybackSpread(c.paybacks);
        ASSERT_EQ(s.p10.has_value(), c.p10.has_value()) << c.name;
        ASSERT_EQ(s.p50.has_value(), c.p50.has_value()) << c.name;
        ASSERT_EQ(s.p90.has_value(), c.p90.has_value()) << c.name;
        if (c.p10) {
            EXPECT_NEAR(*s.p10, *c.p10, 1e-12) << c.name;
        }
        if (c.p50) {
            EXPECT_NEAR(*s.p50, *c.p50, 1e-12) << c.name;
        }
        if (c.p90) {
            EXPECT_NEAR(*s.p90, *c.p90, 1e-12) << c.name;
        }
        EXPECT_DOUBLE_EQ(s.noPaybackShare, c.noPaybackShare) << c.name;
    }

    // 2 to 10 in 4 bins of 2 years: [2,4) holds 2, 3; [4,6) 4, 5; [6,8) 7; [8,10] 9, 10.
    const PaybackHistogram h = paybackHistogram({2, 3, 4, 5, 7, 9, 10, 0, -2}, 4);
    EXPECT_EQ(h.lowYears, 2.0);
    EXPECT_EQ(h.binYears, 2.0);
    EXPECT_EQ(h.counts, (std::vector<int>{2, 2, 1, 2}));
    EXPECT_EQ(h.noPayback, 2);
    EXPECT_EQ(h.longer, 0);
    // One draw that barely saves: quartiles of 2, 3, 4, 5, 6, 7000 (sorted positions 1.25 and
    // 3.75) are 3.25 and 5.75, so the bins end at 5.75 + 3 x 2.5 = 13.25, 5 bins of 2.25
    // years from 2 ([2, 4.25) holds 2, 3, 4; [4.25, 6.5) 5, 6); the 7,000 years are counted
    // beside them.
    const PaybackHistogram tail = paybackHistogram({2, 3, 4, 5, 6, 7000}, 5);
    EXPECT_EQ(tail.lowYears, 2.0);
    EXPECT_DOUBLE_EQ(tail.binYears, 2.25);
    EXPECT_EQ(tail.counts, (std::vector<int>{3, 2, 0, 0, 0}));
    EXPECT_EQ(tail.longer, 1);
    // Every draw alike: one bin.
    const PaybackHistogram same = paybackHistogram({3.5, 3.5, 3.5}, 20);
    EXPECT_EQ(same.binYears, 0.0);
    EXPECT_EQ(same.counts, std::vector<int>{3});
    EXPECT_TRUE(paybackHistogram({0, -1}, 20).counts.empty());
}

} // namespace
} // namespace plenara
