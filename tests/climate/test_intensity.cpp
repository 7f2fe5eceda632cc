#include "climate/intensity.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

struct IntensityCase {
    const char* name;
    double hdd;
    double cdd;
    const char* ac;
    int zone;
    double cooling;
    double heatingBeforeGas; // cubic feet per sq ft per 1,000 HDD

    friend void PrintTo(const IntensityCase& c, std::ostream* os) { *os << c.name; }
};

class IntensityTest : public ::testing::TestWithParam<IntensityCase> {};

TEST_P(IntensityTest, ZoneAndIntensities) {
    const IntensityCase& c = GetParam();
    EXPECT_EQ(climateZone(c.hdd, c.cdd), c.zone);
    EXPECT_DOUBLE_EQ(CoolingIntensity(c.hdd, c.cdd, c.ac), c.cooling);
    EXPECT_DOUBLE_EQ(HeatingIntensity(c.hdd, c.cdd), c.heatingBeforeGas * 1027.0);
}

INSTANTIATE_TEST_SUITE_P(
    ZoneBoundaries, IntensityTest,
    ::testing::Values(IntensityCase{"zone1Corner", 7000, 2000, "Electric AC", 1, 0.80, 4.479},
                      IntensityCase{"zone1Central", 8000, 500, "Central AC", 1, 0.78, 4.479},
                      IntensityCase{"zone1Room", 8000, 500, "Room AC", 1, 0.85, 4.479},
                      IntensityCase{"zone2Lower", 5500, 1000, "Electric AC", 2, 0.78, 6.222},
                      IntensityCase{"zone2Upper", 6999, 1000, "Room AC", 2, 0.75, 6.222},
                      IntensityCase{"zone3Lower", 4000, 1000, "Central AC", 3, 0.82, 7.291},
                      IntensityCase{"zone3Philadelphia", 4612, 1301, "Central AC", 3, 0.82, 7.291},
                      IntensityCase{"zone3Room", 5499, 1000, "Room AC", 3, 0.77, 7.291},
                      IntensityCase{"zone4", 3999.9, 1500, "Room AC", 4, 1.07, 8.951},
                      IntensityCase{"zone4Electric", 1000, 2000, "Electric AC", 4, 0.88, 8.951},
                      IntensityCase{"zone4Central", 1000, 1999, "Central AC", 4, 0.85, 8.951},
                      IntensityCase{"zone5Corner", 4000, 2500, "Central AC", 5, 0.90, 8.969},
                      IntensityCase{"zone5Room", 0, 4000, "Room AC", 5, 0.79, 8.969},
                      IntensityCase{"zone5Electric", 2000, 2000.5, "Electric AC", 5, 0.90, 8.969},
                      IntensityCase{"hotAndCold", 4000.5, 2500, "Central AC", 0, 0.0, 0.0},
                      IntensityCase{"unknownAC", 8000, 500, "Window AC", 1, 0.0, 4.479},
                      IntensityCase{"acComparedExactly", 8000, 500, "central ac", 1, 0.0, 4.479}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace plenara
