#include "sensitivity/sensitivitytext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

// The lines of the [sensitivity] panel and the report page, from results made by hand: the
// tornado rows with their net present values, the break-even rows that say which energy
// charge they mean, and the titles when X is 0 or the method has no payback.
TEST(SensitivityLines, TornadoRowsBreakEvenRowsAndTitles) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        double percent;
        double basePayback; // Method 2's today; 0: none
        double lowNpv;
        double highNpv;
        std::vector<std::string> expected; // lines 0 to 4 and the break-even rows 10 to 14
    };
    const Case cases[] = {
        {"X = 20",
         20.0,
         5.7,
         381048.0,
         -12345.0,
         {
             "Method 2 simple payback with each input alone at -20 % and +20 % (today 5.7 years)",
             // The heads centred over their pairs of columns: 28 blanks, "input value" in 22,
             // "payback (years)" in 18, "net present value" in 22 (its trailing blanks cut).
             "                                  input value       payback (years)    net present "
             "value",
             "  input                             low       high      low     high        low    "
             "   high",
             // $1.0000 and $1.5000 in 11, 4.7 and 7.2 in 9, $381,048 and -$12,345 in 11.
             "  Gas price ($/CCF)             $1.0000    $1.5000      4.7      7.2   $381,048   "
             "-$12,345",
         }},
        {"X = 0, no payback today, no net present value",
         0.0,
         0.0,
         nan,
         nan,
         {
             "Method 2 simple payback with each input unchanged, varied by 0 % (today none)",
             "                                  input value       payback (years)    net present "
             "value",
             "  input                             low       high      low     high        low    "
             "   high",
             "  Gas price ($/CCF)             $1.0000    $1.5000      4.7      7.2        n/a    "
             "    n/a",
         }},
    };
    for (const Case& c : cases) {
        SensitivityResults r;
        r.options.percent = c.percent;
        r.gasPriceUnit = "/CCF";
        r.base.paybackYears = {4.0, c.basePayback, 6.0};
        r.base.npv = {1.0, 2.0, 3.0};
        TornadoRow row;
        row.input = UncertainInput::GasPrice;
        row.lowValue = 1.0;
        row.highValue = 1.5;
        row.lowPaybackYears = 4.7;
        row.highPaybackYears = 7.2;
        row.lowNpv = c.lowNpv;
        row.highNpv = c.highNpv;
        r.tornado[1] = {row};
        r.breakEven[0].energyChargeForTarget = 0.0187;
        MonteCarloResults mc;
        mc.draws = 100;
        r.monteCarlo = mc;

        const std::vector<std::string> lines = sensitivityLines(r);
        ASSERT_GT(lines.size(), 30u) << c.name;
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            const std::size_t at = i == 0 ? 0 : i + 1; // line 1 is the net present value today
            EXPECT_EQ(lines[at], c.expected[i]) << c.name;
        }
        // The break-even rows: heads in 45, each method in 15.
        EXPECT_EQ(lines[6], "Break-even prices (target payback 10.0 years)") << c.name;
        EXPECT_EQ(lines[10], "  energy charge (box alone) for the target           $0.0187"
                             "  none in range  none in range")
            << c.name;
        EXPECT_EQ(lines[12],
                  "  (gas price in $/CCF; energy charge in $/kWh: the box alone, fuel adjustment "
                  "kept)")
            << c.name;
        const std::string monteCarlo = c.percent == 0.0
                                           ? "Monte Carlo: 100 draws, every input unchanged, "
                                             "varied by 0 %"
                                           : "Monte Carlo: 100 draws, every input on a triangular "
                                             "distribution of +/-20 %";
        EXPECT_NE(std::find(lines.begin(), lines.end(), monteCarlo), lines.end()) << c.name;
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find("-0 %"), std::string::npos) << c.name << ": " << line;
            EXPECT_EQ(line.find("none years"), std::string::npos) << c.name << ": " << line;
        }
    }
}

} // namespace
} // namespace plenara
