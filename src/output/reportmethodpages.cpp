#include "engine/formatpattern.h"
#include "output/reportpages.h"
#include "output/reporttext.h"

namespace plenara {

namespace {

// The columns of the left block of the recovered-heat summary; the right block starts after.
constexpr std::size_t kRecoveredHeatColumn = 50;

} // namespace

std::vector<std::string> PrintComparisonOfMethods(const ProjectResults& r) {
    ReportText page;
    page.lineBreak();
    page.lineBreak();
    page.append(
        "Comparison of Loads and CHP System Information for Alternative Calculational Procedures:");
    page.lineBreak();
    for (const std::string& caption : r.lblComparisons) {
        page.line(caption);
    }
    page.showAmpersands();
    return page.lines();
}

std::vector<std::string> PrintMethod1(const ProjectResults& r) {
    ReportText page;
    page.lineBreak();
    page.lineBreak();
    page.append("Details of Method 1 Calculations:");
    page.lineBreak();
    for (const Caption& caption : r.lblMethod1) {
        page.line(shownText(caption.text));
    }

    // The fixed assumptions; a row that ends a numbered point is followed by an empty line.
    page.lineBreak();
    page.line("Method 1 Assumptions & Methodology:");
    page.line("1. Hot Water Heater Uses Fossil Fuel(s)");
    page.line("   a. cost of fuel #1 and fuel #2 used to estimate annual cost of heating water");
    page.line("   b. fuel consumption figures used only to calculate average cost of fuel as");
    page.line("      a quick visual check of the data");
    page.lineBreak();
    page.line("2. Electrical Power Consumption and Monthly Peak Demand Data");
    page.line("   a. used in sizing generator, efficiency, and heat recovery");
    page.line("   b. monthly cost data only used to compute average cost of power as a quick "
              "visual check");
    page.lineBreak();
    page.line("3. Electric and Natural Gas Utility Data");
    page.line("   a. used to estimate cost of operating generator");
    page.line("   b. used to estimate avoided cost of purchased electricity");
    page.lineBreak();
    page.line("4. Assumes 7,440 hours of generator operation per year.");
    page.lineBreak();
    page.line("5. Inappropriate for any facility with electric water heaters.");
    return page.lines();
}

std::vector<std::string> PrintMethod3Page1(const ProjectResults& r) {
    ReportText page;
    page.lineBreak();
    page.lineBreak();
    page.append("Details of Method 3 Calculations:");
    page.lineBreak();
    for (const std::string& caption : r.lblClimateData) {
        page.line(shownText(caption));
    }
    page.lineBreak();

    // Space heating (5 to 9) on the left beside hot water (0 to 4); cooling (10 on) alone.
    const auto& summary = r.RecoveredHeatSummary;
    for (std::size_t j = 5; j < summary.size(); ++j) {
        const std::string left = padRight(summary[j], kRecoveredHeatColumn);
        if (j == 10) {
            page.lineBreak();
        }
        if (j < 10) {
            page.line(left + summary[j - 5]);
        } else {
            page.line(left);
        }
    }
    return page.lines();
}

std::vector<std::string> PrintMethod3Page2(const ProjectResults& r) {
    ReportText page;
    page.lineBreak();
    page.lineBreak();
    page.append("Method 3 Assumptions & Methodology:");
    page.lineBreak();
    const std::string onTime = FormatPattern(r.RunTimeFraction, "##0%");
    const std::array<std::string, 17> rows = {
        "1. Space Heating and Cooling loads computed using EIA algorithms based on Heating",
        "   and Cooling Degree Days",
        "2. Domestic Hot Water loads computed from hot water consumption reported in ASHRAE",
        "   and average annual temperature for the location.",
        "3. The generator is sized to provide 3/4 of the annual power consumption with",
        "   a fraction on time of " + onTime +
            ". It is assumed that peak power demand occurs during",
        "   the when the remaining 1/4 of the power is consumed.",
        "4. Heat recovered from the generator is allocated to thermal loads to domestic",
        "   (potable) hot water, space heating, and Space cooling, in that order.",
        "5. Ideally there should be an iteration on generator capacity. This is not",
        "   necessary as long as the application is limited by the electrical loads. If",
        "   the thermal loads constrain the analysis, the cooling power listed in the",
        "   box above will be different than the cooling power listed in line 2 to the",
        "   left. The control logic has not yet been developed to iterate on the",
        "   generator capacity until the cooling power in line 2 equals the power",
        "   required by electric air conditioners supplementing the absorption chiller",
        "   (the cooling power listed above)."};
    for (const std::string& row : rows) {
        page.append(row);
        page.lineBreak();
    }
    return page.lines();
}

} // namespace plenara
