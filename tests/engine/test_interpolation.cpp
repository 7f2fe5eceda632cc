#include "engine/interpolation.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

using Points = std::array<double, kSweepSteps>;

// A sweep in 10 kW steps whose first step saves nothing (999 years).
Points tenKWSteps() {
    Points p{};
    for (std::size_t k = 0; k < p.size(); ++k) {
        p[k] = 10.0 * static_cast<double>(k);
    }
    return p;
}

const Points kPaybacks{999.0, 5.0,  4.6,  4.2,  3.9,  3.7,  3.6,  3.5, 3.45, 3.4, 3.38,
                       3.37,  3.36, 3.35, 3.34, 3.33, 3.32, 3.31, 3.3, 3.29, 3.28};

struct Case {
    const char* name;
    double capacity;
    double payback;
    const char* caption;
};

TEST(InterpolateResultsTest, TenKWSweep) {
    const Case cases[] = {
        {"on a step", 30.0, 4.2, "Simple payback for a 30 kW CHP system is 4.20 years"},
        {"last step", 200.0, 3.28, "Simple payback for a 200 kW CHP system is 3.28 years"},
        {"between steps", 14.0, 4.84, "Simple payback for a 14 kW CHP system is 4.84 years"},
        {"first step", 0.0, 999.0, "Simple payback for a 0 kW CHP system is 999.00 years"},
        {"half-way from no saving", 5.0, 502.0,
         "Simple payback for a 5 kW CHP system is 502.00 years"},
        {"below", -1.0, 0.0,
         "The specified generator capacity is outside the limits for interpolation"},
        {"above", 200.5, 0.0,
         "The specified generator capacity is outside the limits for interpolation"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const InterpolationResult r = InterpolateResults(c.capacity, tenKWSteps(), kPaybacks);
        EXPECT_DOUBLE_EQ(r.payback, c.payback);
        EXPECT_EQ(r.caption, c.caption);
    }
}

TEST(InterpolateResultsTest, CapacityShownWithoutDecimals) {
    Points capacities{};
    for (std::size_t k = 0; k < capacities.size(); ++k) {
        capacities[k] = 100.0 * static_cast<double>(k);
    }
    Points paybacks{};
    paybacks.fill(3.0);
    const InterpolationResult r = InterpolateResults(1234.6, capacities, paybacks);
    EXPECT_DOUBLE_EQ(r.payback, 3.0);
    EXPECT_EQ(r.caption, "Simple payback for a 1,235 kW CHP system is 3.00 years");
}

TEST(InterpolateResultsTest, SweepWithoutKWhGivesTheFirstStep) {
    // Bills without kWh put every step at 0 kW; the interval has no width.
    const InterpolationResult r = InterpolateResults(0.0, Points{}, kPaybacks);
    EXPECT_DOUBLE_EQ(r.payback, 999.0);
    EXPECT_EQ(r.caption, "Simple payback for a 0 kW CHP system is 999.00 years");
}

} // namespace
} // namespace plenara
