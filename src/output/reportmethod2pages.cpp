#include "engine/formatpattern.h"
#include "output/reportpages.h"
#include "output/reporttext.h"

#include <algorithm>

namespace plenara {

namespace {

const std::string kDashes(91, '-');

// Days of the year over days of January: the page scales January's generation to a year.
constexpr double kYearOverJanuary = 365.0 / 31.0;
constexpr double kHoursPerYear = 8760.0;

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::vector<std::string> PrintMethod2Page1(const ProjectInputs& in, const ProjectResults& r,
                                           int scrlMonths) {
    const Method2Results& m2 = r.method2;
    // With no allocation option set the title names the run whose figures the page prints.
    const bool coolingPriority = in.HeatAllocation
                                     ? *in.HeatAllocation == HeatAllocation::CoolingPriority
                                     : m2.coolingPriorityRun;
    ReportText page;
    page.lineBreak();
    page.lineBreak();
    page.append(coolingPriority ? "Details of Method 2 Calculations (priority use of recovered "
                                  "heat to chilled water):"
                                : "Details of Method 2 Calculations (priority use of recovered "
                                  "heat to heating):");
    page.lineBreak();

    // Generator parameters on the left, simple payback from column 40 on.
    page.line(r.lblGenSetParameters[0] + Blanks(18) + r.lblSimplePayback[0]);
    for (std::size_t i = 1; i <= 4; ++i) {
        page.line(r.lblGenSetParameters[i] + Blanks(5) + r.lblSimplePayback[i]);
    }
    page.line(Blanks(39) + r.lblSimplePayback[5]);

    page.line(kDashes);
    page.line("");
    page.line("Minimum Annual Operating Costs Occur for:");
    const std::size_t month = static_cast<std::size_t>(std::clamp(scrlMonths, 0, 11));
    const Method2Month& loads = m2.months[0][month];
    page.line("a. generator capacity    " +
              rightAlign(FormatPattern(r.genCapacityByMethod[2], "##,##0"), 6) + " kW");
    page.line("b. heat & hot water load " +
              rightAlign(FormatPattern(loads.ThermalLoadMMBtu, "##,##0"), 6) + " MMBtu");
    page.line("c. space cooling load    " +
              rightAlign(FormatPattern(loads.CoolingLoadMMBtu, "###,##0"), 6) + " MMBtu");

    page.line("");
    page.line("   Gen-Set      Total     Total     Total     Total     Total     Total      Total"
              "    Simple");
    page.line("  Capacity      Cost      Cost      Cost      Cost      Cost      Cost      Annual"
              "   Payback");
    page.line("     kW       Jan-Feb   Mar-Apr   May-Jun   Jul-Aug   Sep-Oct   Nov-Dec      Cost"
              "     years ");
    page.line("  " + kDashes);

    double baselineCost = 0.0;
    double bestCost = 0.0;
    double bestPayback = 0.0;
    for (std::size_t s = 0; s < static_cast<std::size_t>(kSweepSteps); ++s) {
        const auto& months = m2.months[s];
        std::string row =
            "  " + rightAlign(FormatPattern(m2.annualResults[s].CapacityKW, "###,##0"), 7) + "   ";
        double annual = 0.0;
        for (std::size_t pair = 0; pair < 6; ++pair) {
            const double twoMonths = months[2 * pair].TotalCost + months[2 * pair + 1].TotalCost;
            row += tableCell(FormatPattern(twoMonths, "$###,##0"), 10);
            annual += twoMonths;
        }
        const double payback = m2.annualResults[s].SimplePayback;
        row += " " + tableCell(FormatPattern(annual, "$###,##0"), 10) +
               tableCell(FormatPattern(payback, "#,##.0"), 8);
        page.line(row);
        // Of equal paybacks the first row is the best, as Method 2 chooses its step.
        if (s == 0) {
            baselineCost = annual;
        }
        if (s == 0 || payback < bestPayback) {
            bestPayback = payback;
            bestCost = annual;
        }
    }

    const std::size_t selected = static_cast<std::size_t>(std::clamp(m2.selectedStep, 0, 20));
    const double januaryKWh = m2.months[selected][0].GenSetKWh;
    const double annualKWh = januaryKWh * kYearOverJanuary;
    page.line("");
    page.line("Baseline Operating Cost:               " +
              rightAlign(FormatPattern(baselineCost, "$###,###,##0"), 12));
    page.line("Minimum CHP Operating Cost:            " +
              rightAlign(FormatPattern(bestCost, "$###,###,##0"), 12));
    page.line("CHP Annual Savings:                    " +
              rightAlign(FormatPattern(baselineCost - bestCost, "$###,###,##0"), 12));
    page.line("Minimum Simple Payback:                " +
              rightAlign(FormatPattern(bestPayback, "###.0"), 12) + " years");
    page.line("Monthly On Site Generation:            " +
              rightAlign(FormatPattern(januaryKWh, "###,###,##0"), 12) + " kWh");
    page.line("Annual On Site Generation (" + FormatPattern(r.RunTimeFraction, "##0%") +
              " run time):" + rightAlign(FormatPattern(annualKWh, "###,###,##0"), 10) + " kWh");
    page.line(
        quoted("Ideal") + " Generator Capacity:            " +
        rightAlign(FormatPattern(annualKWh / (r.RunTimeFraction * kHoursPerYear), "###,###,##0"),
                   12) +
        " kW");
    return page.lines();
}

std::vector<std::string> PrintMethod2Page3(const ProjectResults& r) {
    const std::string tab = quoted("Monthly Utility Data") + " tab";
    const std::string onTime = FormatPattern(r.RunTimeFraction, "##0%");
    const std::array<std::string, 27> rows = {
        "1. Fuel Use for Space Heating and Hot Water",
        "   a. loads derived from fuel use input data on " + tab,
        "   b. assumes boiler/water heater efficiency of " +
            FormatPattern(r.BoilerEfficiency, "##0%"),
        "   c. hot water load set at load for Method 1", "2. Space Cooling Load and Energy Use",
        "   a. load derived from input data for electrical power use for winter months on ",
        "      " + tab, "   b. electrical a/c efficiency assumed to be SEER 12",
        "   c. absorption chiller efficiency assumed to be gCOP 0.60 for " +
            quoted("low temperature") + " heat for",
        // The closing quote of "high temperature" has always stood right before "exhaust".
        "      recip engines, microturbines, and fuel cells; 1.20 for " +
            quoted("high temperature") + "exhaust from",
        "      gas turbines", "3. Cost of Power",
        "   a. uses specific input data for energy consumption, fuel adjustment charge, demand "
        "charge,",
        "      and standby charge on the " + quoted("Monthly Utility Data") + " and " +
            quoted("Utility Rate Data") + " tabs.",
        "   b. input data for monthly electric bills is not used",
        "   c. average cost of power displayed on " + tab + " is not used.", "4. Cost of Fuel",
        "   a. specific input data for cost of natural gas on " + tab + " is used for",
        "      generator fuel",
        "   b. either natural gas cost or average cost of Fuel #1 from " + tab + " is",
        "      used for water heater fuel (default is natural gas, selection is made on " +
            quoted("Method 2") + " tab).",
        "5. On-Site Power Generation", "   a. selected to give lowest simple payback",
        "   b. assumes each month has the same generation", "6. Generator Size & Characteristics",
        "   a. sized for " + onTime + " on-time",
        "   b. cost and performance taken from curve fits"};

    ReportText page;
    page.lineBreak();
    page.lineBreak();
    page.append("Method 2 Assumptions & Methodology:");
    page.lineBreak();
    for (const std::string& row : rows) {
        page.append(row);
        page.lineBreak();
    }
    return page.lines();
}

} // namespace plenara
