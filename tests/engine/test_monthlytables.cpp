#include "engine/captiontext.h"
#include "engine/method2.h"
#include "engine/monthlytables.h"

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

const std::array<std::string, 4> kHeatHeadings = {
    "            Power            Recvd     Water  Recvd   Absorp   Elec            Non-   "
    "                              Water                                                   "
    "      ",
    " GenSet    Genrtd     Recvd  To Hot   Heater  Heat to Chillr  Chillr  Coolng  Coolng  "
    "   Total   Utility  Gen-Set   Heater   Total                      Total      GenSet  "
    "Monthly",
    "Capacity   On Site     Heat   Water   Output  Chiller Output  Output   Power  Power   "
    "   Power    Power     Fuel     Fuel     Fuel     Cost     Cost   Utility      O&&M    "
    "Operatn   Equipment",
    "   kW        kWh      MMBtu   MMBtu    MMBtu   MMBtu   MMBtu   MMBtu     kWh    kWh   "
    "    kWh      kWh     MMBtu    MMBtu    MMBtu    Power     Fuel     Cost      Cost     "
    " Cost       Cost   ",
};

const std::array<std::string, 4> kCoolHeadings = {
    "             Power     Total  Recvd    Recvd    Water    Water   Recvd    Absorpt  "
    "Electr              Non-                        Water                                ",
    " GenSet     Genrtd     Recvd  Heat to to Hot   Heater   Heater    Heat    Chiller  "
    "Chillr    Coolng  Cooling    Total     GenSet  Heater     Total                       "
    " GenSet    Total ",
    "Capacity    On Site     Heat  Chiller  Water   Output     Fuel   Chillr    Output  "
    "Output    Power    Power     Power      Fuel     Fuel      Fuel        Cost     Cost  "
    "   O&&M    Oprtng",
    "   kW         kWh      MMBtu   MMBtu   MMBtu    MMBtu    MMBtu    MMBtu     MMBtu   "
    "MMBtu     kWh      kWh       kWh      MMBtu    MMBtu     MMBtu       Power     Fuel   "
    " Cost      Cost ",
};

bool partOfNumber(char c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '.';
}

// Each number of the line ends at its position: its last digit is the character before, and
// the character at it (if any) belongs to no number.
void expectFieldsEndAt(const std::string& line, const std::vector<std::size_t>& ends) {
    for (const std::size_t end : ends) {
        ASSERT_LE(end, line.size()) << line;
        EXPECT_TRUE(line[end - 1] >= '0' && line[end - 1] <= '9')
            << "number ending at " << end << " of: " << line;
        if (end < line.size()) {
            EXPECT_FALSE(partOfNumber(line[end])) << "number ending at " << end << " of: " << line;
        }
    }
}

// Results whose month records hold the same figures at every step, each figure different, so
// that a line shows which field sits in which column; the capacity of step s is 10 s + 3.45 kW.
Method2Results distinctFigures() {
    Method2Month month;
    month.GenSetKWh = 1'234'567;
    month.RecoveredHeatMMBtu = 12.34;
    month.HeatToThermalMMBtu = 23.45;
    month.HeaterLoadMMBtu = 345.6;
    month.HeatToChillerMMBtu = 4.56;
    month.AbsorptionCoolingMMBtu = 5.67;
    month.ElectricCoolingMMBtu = 6.78;
    month.ACKWh = 7'890.4;
    month.BaseKWh = 8'901;
    month.MonthKWh = 9'012;
    month.UtilityKWh = 1'023;
    month.GenSetFuelMMBtu = 11.5;
    month.HeaterFuelMMBtu = 22.25;
    month.TotalFuelMMBtu = 33.75;
    month.ElectricCost = 4'444.4;
    month.FuelCost = 5'555.5;
    month.EnergyCost = 9'999.9;
    month.OMCost = 666.6;
    month.TotalCost = 10'666.5;
    Method2Results r;
    for (int s = 0; s < kSweepSteps; ++s) {
        r.annualResults[s].CapacityKW = 10.0 * s + 3.45;
        r.stepResults[s].InstalledCost = 234'567.8;
        r.months[s].fill(month);
    }
    return r;
}

TEST(MonthlyTableTest, HeadingsOfBothVariants) {
    const Method2Results r = distinctFigures();
    const std::array<Caption, 14> heat = updateMonthlyTableHeat(r, 0, 8, 0, 0);
    const std::array<Caption, 14> cool = updateMonthlyTableCool(r, 0, 8, 0, 0);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(heat[k], (Caption{kHeatHeadings[k], false})) << "heading " << k;
        EXPECT_EQ(cool[k], (Caption{kCoolHeadings[k], false})) << "heading " << k;
    }
}

TEST(MonthlyTableTest, EveryFieldInItsColumn) {
    // Steps 3 to 12 shown; step 12, the selected one, is the last line and bold.
    Method2Results r = distinctFigures();
    const std::array<Caption, 14> heat = updateMonthlyTableHeat(r, 12, 8, 2, 3);
    EXPECT_EQ(heat[13], (Caption{"   123.5  1,234,567    12.3    23.5    345.6     4.6     5.7   "
                                 "  6.8   7,890   8,901     9,012    1,023       12       22     "
                                 "  34   $4,444   $5,556   $10,000     $667    $10,667    $234,568",
                                 true}));
    // The chiller's heat and the heater's fuel appear twice in the cooling variant.
    const std::array<Caption, 14> cool = updateMonthlyTableCool(r, 12, 8, 2, 3);
    EXPECT_EQ(cool[13], (Caption{"   123.5  1,234,567     12.3     4.6    23.5    345.6     22.3 "
                                 "       4.6     5.7     6.8     7,890    8,901     9,012      "
                                 "11.5     22.3      33.8     $4,444   $5,556    $667   $10,667",
                                 true}));
    for (std::size_t k = 4; k < 14; ++k) {
        expectFieldsEndAt(heat[k].text, {8,   19,  27,  35,  44,  52,  60,  68,  76,  84, 94,
                                         103, 112, 121, 130, 139, 148, 158, 167, 178, 190});
        expectFieldsEndAt(cool[k].text, {8,  19,  28,  36,  44,  53,  62,  73,  81,  89,
                                         99, 108, 118, 128, 137, 147, 158, 167, 175, 185});
    }
    // A figure wider than its column is written whole and the line grows.
    r.months[12][2].GenSetKWh = 12'345'678;
    EXPECT_EQ(updateMonthlyTableHeat(r, 12, 8, 2, 3)[13].text.substr(0, 30),
              "   123.5  12,345,678    12.3  ");
}

TEST(MonthlyTableTest, ScrollWindowAndBoldSelectedStep) {
    const Method2Results r = distinctFigures();
    const std::array<Caption, 14> top = updateMonthlyTableCool(r, 8, 8, 0, 0);
    EXPECT_EQ(top[4].text.substr(0, 8), "     3.5");  // step 0
    EXPECT_EQ(top[13].text.substr(0, 8), "    93.5"); // step 9
    const std::array<Caption, 14> bottom = updateMonthlyTableHeat(r, 8, 8, 0, 11);
    EXPECT_EQ(bottom[4].text.substr(0, 8), "   113.5");  // step 11
    EXPECT_EQ(bottom[13].text.substr(0, 8), "   203.5"); // step 20
    for (std::size_t k = 4; k < 14; ++k) {
        EXPECT_EQ(top[k].bold, k == 12) << "line " << k;
        EXPECT_FALSE(bottom[k].bold) << "line " << k; // step 8 is not on screen
    }
    // With fewer rows asked for, the lines after them stay empty.
    EXPECT_EQ(updateMonthlyTableHeat(r, 8, 3, 0, 0)[9], Caption{});
}

} // namespace
} // namespace plenara
