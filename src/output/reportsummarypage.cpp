#include "engine/formatpattern.h"
#include "engine/number.h"
#include "engine/textfields.h"
#include "output/reportpages.h"
#include "output/reporttext.h"

#include <algorithm>

namespace plenara {

namespace {

// The fixed-column lines are built on 100 blanks and keep their trailing blanks.
constexpr std::size_t kFixedLineWidth = 100;

// A summary line prints at most this many characters.
constexpr std::size_t kSummaryWidth = 95;

std::string gasUnitText(const OptionGroup<GasCostUnit>& unit) {
    if (!unit) {
        return {};
    }
    switch (*unit) {
    case GasCostUnit::Therms:
        return "/therm";
    case GasCostUnit::Decatherms:
        return "/decatherms";
    case GasCostUnit::MMBtu:
        return "/MMBtu";
    case GasCostUnit::CCF:
        return "/CCF";
    case GasCostUnit::MCF:
        return "/MCF";
    }
    return {};
}

std::string primeMoverText(const OptionGroup<PrimeMover>& mover) {
    if (!mover) {
        return {};
    }
    switch (*mover) {
    case PrimeMover::RecipEngine:
        return "recip-engine driven generator";
    case PrimeMover::GasTurbine:
        return "gas turbine driven generator";
    case PrimeMover::Microturbine:
        return "microturbine driven generator";
    case PrimeMover::FuelCell:
        return "fuel cell generator";
    }
    return {};
}

std::string installationText(const OptionGroup<InstallationDifficulty>& difficulty) {
    if (!difficulty) {
        return {};
    }
    switch (*difficulty) {
    case InstallationDifficulty::Low:
        return "low installation costs";
    case InstallationDifficulty::Typical:
        return "typical installation costs";
    case InstallationDifficulty::High:
        return "high installation costs";
    case InstallationDifficulty::Retrofit:
        return "very high costs for a retrofit installation";
    }
    return {};
}

std::string hotWaterText(const OptionGroup<HotWaterUsage>& usage) {
    if (usage == HotWaterUsage::Low) {
        return "low hot water usage";
    }
    if (usage == HotWaterUsage::High) {
        return "high hot water usage";
    }
    return "medium hot water usage";
}

// The six annual sums of the monthly columns that the total and average rows print.
struct MonthlySums {
    double kWh = 0.0;
    double bill = 0.0;
    double fuel1 = 0.0;
    double fuel1Cost = 0.0;
    double fuel2 = 0.0;
    double fuel2Cost = 0.0;
};

// A month's input printed as typed, right-aligned in its columns, unless its value is 0.
void putInput(ColumnLine& line, std::size_t first, std::size_t last, const std::string& text) {
    if (Number(text) != 0.0) {
        line.putRight(first, last, text);
    }
}

void putValue(ColumnLine& line, std::size_t first, std::size_t last, double value,
              const char* pattern) {
    line.putRight(first, last, FormatPattern(value, pattern));
}

std::string monthRow(const ProjectInputs& in, std::size_t m, MonthlySums& sums) {
    ColumnLine line(kFixedLineWidth);
    line.putLeft(1, 9, monthNames()[m]);
    putInput(line, 13, 23, in.MonthlyKWh[m]);
    putInput(line, 25, 30, in.MonthlyKW[m]);
    putInput(line, 32, 42, in.MonthlyPowerBill[m]);
    putInput(line, 43, 53, in.MonthlyFuel1[m]);
    putInput(line, 57, 67, in.MonthlyFuel1Cost[m]);
    putInput(line, 68, 78, in.MonthlyFuel2[m]);
    putInput(line, 79, 89, in.MonthlyFuel2Cost[m]);
    sums.kWh += Number(in.MonthlyKWh[m]);
    sums.bill += Number(in.MonthlyPowerBill[m]);
    sums.fuel1 += Number(in.MonthlyFuel1[m]);
    sums.fuel1Cost += Number(in.MonthlyFuel1Cost[m]);
    sums.fuel2 += Number(in.MonthlyFuel2[m]);
    sums.fuel2Cost += Number(in.MonthlyFuel2Cost[m]);
    return line.text();
}

std::string totalRow(const MonthlySums& sums) {
    ColumnLine line(kFixedLineWidth);
    line.putLeft(1, 12, "Annual Total");
    const auto put = [&line](std::size_t first, std::size_t last, double sum, const char* pattern) {
        if (sum != 0.0) {
            putValue(line, first, last, sum, pattern);
        }
    };
    put(13, 23, sums.kWh, "###,###,##0");
    put(31, 42, sums.bill, "$###,###,##0");
    put(43, 53, sums.fuel1, "###,###,##0");
    put(56, 67, sums.fuel1Cost, "$###,###,##0");
    put(68, 78, sums.fuel2, "###,###,##0");
    put(79, 89, sums.fuel2Cost, "$###,###,##0");
    return line.text();
}

std::string averageRow(const MonthlySums& sums) {
    ColumnLine line(kFixedLineWidth);
    line.putLeft(1, 12, "Average Cost");
    // An average is printed only for a quantity whose sum is not 0: no division by zero.
    const auto put = [&line](std::size_t first, std::size_t last, double cost, double quantity) {
        if (quantity != 0.0) {
            putValue(line, first, last, cost / quantity, "$##0.000");
        }
    };
    put(31, 42, sums.bill, sums.kWh);
    put(56, 67, sums.fuel1Cost, sums.fuel1);
    put(79, 89, sums.fuel2Cost, sums.fuel2);
    return line.text();
}

bool allBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

} // namespace

std::vector<std::string> PrintIOResultsSummary(const ProjectInputs& in, const ProjectResults& r) {
    ReportText page;
    page.line("                       Electricity       ");
    page.line("                -------------------------         " + Right(in.Fuel1Type, 11) +
              Blanks(10) + Right(in.Fuel2Type, 11));
    page.line("                 Power  Demand              ---------------------    "
              "--------------------");
    page.line("Month               kWh     kW       Cost  " + Right(in.Fuel1Units, 10) +
              "        cost  " + Right(in.Fuel2Units, 10) + "      cost");

    MonthlySums sums;
    for (std::size_t m = 0; m < monthNames().size(); ++m) {
        page.line(monthRow(in, m, sums));
    }
    page.line(std::string(90, '-'));
    page.line(totalRow(sums));
    page.line(averageRow(sums));
    page.line("");

    page.line("Electric Utility Rate Data                                 Natural Gas Utility "
              "Rate Data");
    page.line("   Energy Charge                " + rightAlign(in.EnergyCharge, 7) +
              "/kWh                   cost of gas " + in.GasCost + gasUnitText(in.GasCostUnit));
    page.line("   Fuel Adjustment Charge       " + rightAlign(in.FuelAdjCharge, 7) + "/kWh");
    page.line("   Demand Charge                " + rightAlign(in.DemandCharge, 7) + "/kW/month");
    page.line("   Standby Charge               " + rightAlign(in.StandbyCharge, 7) + "/kW/month");
    page.line("");
    page.line("Location: " + in.City + ", " + in.State);
    page.line("");
    page.line("Building Specifications:                                  Equipment "
              "Specifications:");
    page.line("   heated floor space           " + rightAlign(in.HeatedFloorSpace, 7) + " sq ft" +
              Blanks(16) + primeMoverText(in.PrimeMover));
    page.line("   air conditioned floor space  " + rightAlign(in.CooledFloorSpace, 7) + " sq ft" +
              Blanks(16) + installationText(in.InstallationDifficulty));
    page.line("   approx. number of occupants  " + rightAlign(in.Occupants, 7) + Blanks(16) +
              Blanks(6) + hotWaterText(in.HotWaterUsage));
    page.line("");
    page.line("Results:");
    // lblSummary(0) is the heading of the results tab, not printed.
    for (std::size_t i = 1; i < r.lblSummary.size(); ++i) {
        const std::string_view text = r.lblSummary[i].text;
        const std::string_view first = text.substr(0, std::min(text.size(), kSummaryWidth));
        if (!allBlank(first)) {
            page.line(first);
        }
    }
    return page.lines();
}

} // namespace plenara
