#include "output/lifecyclereport.h"

#include "engine/captiontext.h"
#include "engine/formatpattern.h"
#include "output/reporttext.h"
#include "project/lifecycleinputs.h"

#include <array>
#include <functional>
#include <sstream>

namespace plenara {

namespace {

constexpr std::size_t kLabelWidth = 35;
constexpr std::size_t kColumnWidth = 17;
constexpr std::size_t kTextWidth = kLabelWidth + 3 * kColumnWidth;

// The cash-flow table: the year, then three figures of each method.
constexpr std::size_t kYearWidth = 4;
constexpr std::size_t kFlowWidth = 12;
constexpr std::size_t kMethodGap = 2;

// The three methods' lines in the chart: dark enough to tell apart on paper.
constexpr std::array<LineColour, 3> kMethodColours = {{{0, 70, 200}, {200, 30, 30}, {0, 140, 60}}};

const char* const kNotAvailable = "n/a";

std::string money(double value) {
    return FormatPattern(value, "$###,###,##0");
}

std::string years(double value) {
    return FormatPattern(value, "#,##0.0") + " years";
}

std::string periodText(int years) {
    return std::to_string(years) + (years == 1 ? " year" : " years");
}

std::string methodName(std::size_t i) {
    return "Method " + std::to_string(i + 1);
}

using Cell = std::function<std::string(const MethodLifeCycle&)>;

std::string tableLine(const std::string& label, const LifeCycleResults& r, const Cell& cell) {
    // A label longer than its field ("Net present value (40 years, 12.25%)") is kept whole and
    // takes its room from the first column, whose figures keep their place while they fit.
    const std::size_t overflow = label.size() > kLabelWidth ? label.size() - kLabelWidth : 0;
    std::string line = overflow > 0 ? label : padOrCut(label, kLabelWidth);
    std::size_t width = kColumnWidth > overflow ? kColumnWidth - overflow : 1;
    for (const MethodLifeCycle& m : r.methods) {
        line += tableCell(m.valid ? cell(m) : kNotAvailable, width);
        width = kColumnWidth;
    }
    return line;
}

std::string headingLine(const std::string& label) {
    std::string line = padOrCut(label, kLabelWidth);
    for (std::size_t i = 0; i < 3; ++i) {
        line += Right(methodName(i), kColumnWidth);
    }
    return line;
}

std::string trimmedRight(std::string line) {
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

} // namespace

std::vector<std::string> wrappedLines(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string line;
    for (std::string word; words >> word;) {
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> lifeCycleResultLines(const LifeCycleResults& r) {
    const LifeCycleParameters& p = r.parameters;
    const std::string period = periodText(p.analysisYears);
    std::vector<std::string> lines;
    lines.push_back(headingLine(""));
    lines.push_back(tableLine("Gen-set capacity, kW", r, [](const MethodLifeCycle& m) {
        return FormatPattern(m.figures.capacityKW, "###,###,##0");
    }));
    lines.push_back(tableLine("Installed cost, adjusted", r,
                              [](const MethodLifeCycle& m) { return money(m.cost.adjusted); }));
    lines.push_back(tableLine("Incentives", r, [](const MethodLifeCycle& m) {
        return money(-(m.cost.taxCredit + m.cost.rebate + m.cost.grant));
    }));
    lines.push_back(tableLine("Net installed cost", r,
                              [](const MethodLifeCycle& m) { return money(m.cost.net); }));
    lines.push_back(tableLine("First-year savings", r,
                              [](const MethodLifeCycle& m) { return money(m.firstYearSavings); }));
    lines.push_back(tableLine("Simple payback after incentives", r, [](const MethodLifeCycle& m) {
        return m.simplePaybackYears ? years(*m.simplePaybackYears) : std::string("none");
    }));
    lines.push_back(tableLine("Net present value (" + period + ", " +
                                  FormatPattern(p.discountRate, "##0.0#%") + ")",
                              r, [](const MethodLifeCycle& m) { return money(m.flows.npv); }));
    lines.push_back(tableLine("Internal rate of return", r, [](const MethodLifeCycle& m) {
        return m.irr ? FormatPattern(*m.irr, "##0.0%") : std::string("none");
    }));
    lines.push_back(tableLine("Discounted payback", r, [&](const MethodLifeCycle& m) {
        if (m.discountedPaybackYears) {
            return years(*m.discountedPaybackYears);
        }
        return m.flows.outlay > 0.0 ? "beyond " + period : std::string("none");
    }));
    lines.push_back(tableLine("Savings-to-investment ratio", r, [](const MethodLifeCycle& m) {
        return m.sir ? FormatPattern(*m.sir, "##,##0.00") : std::string("none");
    }));
    lines.emplace_back();
    lines.push_back(headingLine("Annual CO2, metric tons"));
    const auto co2 = [&](const std::string& label, double MethodCO2::*tonnes) {
        lines.push_back(tableLine(label, r, [tonnes](const MethodLifeCycle& m) {
            return m.co2.available ? FormatPattern(m.co2.*tonnes, "###,###,##0")
                                   : std::string(kNotAvailable);
        }));
    };
    co2("  without CHP (baseline)", &MethodCO2::baselineTonnes);
    co2("  with CHP", &MethodCO2::chpTonnes);
    co2("  change (negative: reduction)", &MethodCO2::changeTonnes);
    lines.push_back(tableLine("  change, per cent", r, [](const MethodLifeCycle& m) {
        if (!m.co2.available) {
            return std::string(kNotAvailable);
        }
        return m.co2.changePercent ? FormatPattern(*m.co2.changePercent, "##0.0") + "%"
                                   : std::string("none");
    }));
    for (std::string& line : lines) {
        line = trimmedRight(std::move(line));
    }
    return lines;
}

std::vector<std::string> lifeCycleCO2Lines(const LifeCycleResults& r) {
    if (!r.co2) {
        return wrappedLines("No CO2 figures: " + r.emissionProblem, kTextWidth);
    }
    const std::string loss = FormatPattern(r.parameters.gridLossFraction, "##0.0#%");
    std::vector<std::string> lines = wrappedLines(
        "Grid power: " + FormatPattern(r.co2->grid.lbPerMWh, "#,##0.0") + " lb CO2/MWh (" +
            r.co2->grid.description + "), grossed up for a grid loss of " + loss +
            ". Fuels: EPA emission factors, kg CO2 per MMBtu.",
        kTextWidth);
    for (const std::string& note : r.co2Notes) {
        for (std::string& line : wrappedLines(note, kTextWidth)) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::vector<std::string> lifeCycleInputLines(const ProjectInputs& in, const LifeCycleResults& r) {
    const auto percent = [](const std::string& text) {
        return text + "%";
    };
    const std::string basis =
        std::string(gridCO2BasisCaptions()[static_cast<std::size_t>(r.parameters.gridBasis)]);
    std::vector<std::string> lines = {
        "Analysis period " + in.AnalysisYears +
            (r.parameters.analysisYears == 1 ? " year" : " years") + "; discount rate " +
            percent(in.DiscountRate) + " per year.",
        "Escalation per year: electricity " + percent(in.ElectricEscalation) + ", fuel " +
            percent(in.FuelEscalation) + ", gen-set O&M " + percent(in.OMEscalation) + ".",
        "Installed cost adjustment " + percent(in.CostAdjustment) + ".",
        "Incentives: investment tax credit " + percent(in.TaxCredit) + "; rebate " +
            in.RebatePerKW + " per kW; grant " + in.Grant + ".",
        "Grid CO2 rate: " + basis +
            (r.parameters.gridBasis == GridCO2Basis::Custom ? " " + in.GridCO2Custom + " lb/MWh"
                                                            : std::string()) +
            "; grid loss " + percent(in.GridLoss) + ".",
    };
    return lines;
}

TextTable lifeCycleCashFlowTable(const LifeCycleResults& r) {
    TextTable table;
    table.headings.push_back("Year");
    for (std::size_t i = 0; i < r.methods.size(); ++i) {
        table.headings.push_back(methodName(i) + " savings");
        table.headings.push_back(methodName(i) + " discounted");
        table.headings.push_back(methodName(i) + " cumulative");
    }
    const int period = r.parameters.analysisYears;
    for (int t = 0; t <= period; ++t) {
        std::vector<std::string> row = {std::to_string(t)};
        for (const MethodLifeCycle& m : r.methods) {
            if (!m.valid) {
                row.insert(row.end(), 3, kNotAvailable);
            } else if (t == 0) {
                row.insert(row.end(), {"", "", money(-m.cost.net)});
            } else {
                const CashFlowYear& year = m.flows.byYear[static_cast<std::size_t>(t - 1)];
                row.insert(row.end(), {money(year.savings), money(year.discountedSavings),
                                       money(year.cumulativeDiscounted)});
            }
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<std::string> lifeCycleCashFlowLines(const LifeCycleResults& r) {
    const TextTable table = lifeCycleCashFlowTable(r);
    const std::size_t block = 3 * kFlowWidth;
    std::string methods(kYearWidth, ' ');
    std::string heads = Right("Year", kYearWidth);
    for (std::size_t i = 0; i < r.methods.size(); ++i) {
        methods += std::string(kMethodGap, ' ') + Right(methodName(i), block);
        heads += std::string(kMethodGap, ' ') + Right("savings", kFlowWidth) +
                 Right("discounted", kFlowWidth) + Right("cumulative", kFlowWidth);
    }
    std::vector<std::string> lines = {methods, heads};
    for (const std::vector<std::string>& row : table.rows) {
        std::string line = Right(row[0], kYearWidth);
        for (std::size_t c = 1; c < row.size(); ++c) {
            line += ((c - 1) % 3 == 0 ? std::string(kMethodGap, ' ') : std::string()) +
                    tableCell(row[c], kFlowWidth);
        }
        lines.push_back(trimmedRight(std::move(line)));
    }
    return lines;
}

LineChartData lifeCycleChartData(const LifeCycleResults& r) {
    LineChartData chart;
    chart.title = "Cumulative discounted cash flow";
    chart.xAxisTitle = "Year";
    chart.yAxisTitle = "Dollars of year 0";
    for (std::size_t i = 0; i < r.methods.size(); ++i) {
        const MethodLifeCycle& m = r.methods[i];
        if (!m.valid) {
            continue;
        }
        LineSeries series;
        series.name = methodName(i);
        series.colour = kMethodColours[i];
        series.points.push_back({0.0, -m.cost.net});
        for (int t = 0; t < m.flows.years; ++t) {
            const CashFlowYear& year = m.flows.byYear[static_cast<std::size_t>(t)];
            series.points.push_back({static_cast<double>(year.year), year.cumulativeDiscounted});
        }
        chart.series.push_back(std::move(series));
    }
    return chart;
}

} // namespace plenara
