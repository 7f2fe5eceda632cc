#include "sensitivity/sensitivitytext.h"

#include "engine/captiontext.h"
#include "engine/formatpattern.h"

#include <algorithm>
#include <cmath>

namespace plenara {

namespace {

bool gasInHundredths(const std::string& gasPriceUnit) {
    return gasPriceUnit != "/therm" && gasPriceUnit != "/CCF";
}

std::string left(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

// A head over columns that are right-aligned: centred, a blank before it kept.
std::string centred(const std::string& text, std::size_t width) {
    const std::size_t pad = width > text.size() ? width - text.size() : 0;
    return left(std::string((pad + 1) / 2, ' ') + text, width);
}

std::string moneyText(double value, const char* pattern) {
    return FormatPattern(value, pattern);
}

// "today 5.7 years", or "today none" for a method without payback.
std::string todayText(double years) {
    return "today " + paybackYearsText(years) + (hasPayback(years) ? " years" : "");
}

std::string signedPercent(double percent) {
    const long long whole = std::llround(percent);
    return (whole > 0 ? "+" : "") + std::to_string(whole) + " %";
}

} // namespace

std::string sensitivityPercentText(double percent) {
    std::string text = FormatPattern(percent, "#0.##");
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string inputsMovedText(double percent) {
    const std::string x = sensitivityPercentText(percent);
    // "-0 % and +0 %" would read as two moves that cancel.
    return x == "0" ? "unchanged, varied by 0 %" : "alone at -" + x + " % and +" + x + " %";
}

std::string uncertainInputCaption(UncertainInput input, const std::string& gasPriceUnit) {
    std::string unit;
    switch (input) {
    case UncertainInput::GasPrice:
        unit = "$" + gasPriceUnit;
        break;
    case UncertainInput::EnergyCharge:
        unit = "$/kWh";
        break;
    case UncertainInput::DemandCharge:
        unit = "$/kW-month";
        break;
    case UncertainInput::InstalledCost:
        unit = "$";
        break;
    case UncertainInput::RunTimeFraction:
    case UncertainInput::BoilerEfficiency:
        unit = "%";
        break;
    case UncertainInput::Fuel1Cost:
    case UncertainInput::Fuel2Cost:
        unit = "$/yr";
        break;
    }
    return std::string(uncertainInputName(input)) + " (" + unit + ")";
}

std::string uncertainValueText(UncertainInput input, double value,
                               const std::string& gasPriceUnit) {
    switch (input) {
    case UncertainInput::GasPrice:
        return FormatPattern(value, gasInHundredths(gasPriceUnit) ? "$##0.00" : "$#0.0000");
    case UncertainInput::EnergyCharge:
        return FormatPattern(value, "$##0.0000");
    case UncertainInput::DemandCharge:
        return FormatPattern(value, "$###0.00");
    case UncertainInput::RunTimeFraction:
    case UncertainInput::BoilerEfficiency:
        return FormatPattern(value, "##0.0") + "%";
    case UncertainInput::InstalledCost:
    case UncertainInput::Fuel1Cost:
    case UncertainInput::Fuel2Cost:
        return moneyText(value, "$###,###,##0");
    }
    return {};
}

std::string npvText(double dollars) {
    return std::isfinite(dollars) ? FormatPattern(dollars, "$#,###,##0") : "none";
}

std::string npvText(const std::optional<double>& dollars) {
    return dollars ? npvText(*dollars) : "none";
}

std::string tornadoNpvText(double dollars) {
    return std::isfinite(dollars) ? npvText(dollars) : "n/a";
}

std::string shareText(double share) {
    return FormatPattern(share * 100.0, "##0.0") + " %";
}

SparkSpreadTexts sparkSpreadTexts(const SparkSpread& s) {
    return {FormatPattern(s.sparkSpreadPerMMBtu, "$#,##0.00"),
            FormatPattern(s.averagePowerCostPerKWh, "$#0.0000"),
            FormatPattern(s.gasPricePerMMBtu, "$#,##0.00"),
            FormatPattern(s.generationMarginPerMWh, "$#,##0.00"),
            FormatPattern(s.heatRateMMBtuPerMWh, "#0.00"),
            FormatPattern(s.omPerMWh, "$#,##0.00")};
}

std::string paybackYearsText(double years) {
    return hasPayback(years) ? FormatPattern(years, "#,##0.0") : "none";
}

std::string paybackYearsText(const std::optional<double>& years) {
    return years ? paybackYearsText(*years) : "none";
}

std::string breakEvenText(const std::optional<double>& price, BreakEvenPrice which,
                          const std::string& gasPriceUnit) {
    if (!price) {
        return "none in range";
    }
    return which == BreakEvenPrice::GasPrice
               ? uncertainValueText(UncertainInput::GasPrice, *price, gasPriceUnit)
               : uncertainValueText(UncertainInput::EnergyCharge, *price, gasPriceUnit);
}

std::vector<std::string> sensitivityLines(const SensitivityResults& r) {
    std::vector<std::string> lines;
    const SensitivityOptions& o = r.options;
    const auto m = static_cast<std::size_t>(o.method - 1);
    const std::string x = sensitivityPercentText(o.percent);
    const std::string& unit = r.gasPriceUnit;

    lines.push_back("Method " + std::to_string(o.method) + " simple payback with each input " +
                    inputsMovedText(o.percent) + " (" + todayText(r.base.paybackYears[m]) + ")");
    lines.push_back("(net present value today " + npvText(r.base.npv[m]) +
                    " over the life-cycle inputs of the project)");
    // Two header lines: the values, the paybacks and the net present values each have a low
    // and a high column, and all six fit in 90 characters only under short heads.
    std::string heads = left("", 28) + centred("input value", 22) + centred("payback (years)", 18) +
                        centred("net present value", 22);
    heads.erase(heads.find_last_not_of(' ') + 1);
    lines.push_back(heads);
    lines.push_back(left("  input", 28) + tableCell("low", 11) + tableCell("high", 11) +
                    tableCell("low", 9) + tableCell("high", 9) + tableCell("low", 11) +
                    tableCell("high", 11));
    for (const TornadoRow& row : r.tornado[m]) {
        lines.push_back(left("  " + uncertainInputCaption(row.input, unit), 28) +
                        tableCell(uncertainValueText(row.input, row.lowValue, unit), 11) +
                        tableCell(uncertainValueText(row.input, row.highValue, unit), 11) +
                        tableCell(paybackYearsText(row.lowPaybackYears), 9) +
                        tableCell(paybackYearsText(row.highPaybackYears), 9) +
                        tableCell(tornadoNpvText(row.lowNpv), 11) +
                        tableCell(tornadoNpvText(row.highNpv), 11));
    }
    lines.emplace_back();

    lines.push_back("Break-even prices (target payback " +
                    FormatPattern(o.targetPaybackYears, "#,##0.0#") + " years)");
    lines.push_back(left("", 45) + tableCell("Method 1", 15) + tableCell("Method 2", 15) +
                    tableCell("Method 3", 15));
    struct BreakEvenRow {
        const char* caption;
        BreakEvenPrice price;
        std::optional<double> MethodBreakEven::*field;
    };
    const BreakEvenRow rows[] = {
        {"  gas price for the target", BreakEvenPrice::GasPrice,
         &MethodBreakEven::gasPriceForTarget},
        {"  gas price, no savings", BreakEvenPrice::GasPrice, &MethodBreakEven::gasPriceNoSavings},
        {"  energy charge (box alone) for the target", BreakEvenPrice::EnergyCharge,
         &MethodBreakEven::energyChargeForTarget},
        {"  energy charge (box alone), no savings", BreakEvenPrice::EnergyCharge,
         &MethodBreakEven::energyChargeNoSavings},
    };
    for (const BreakEvenRow& row : rows) {
        std::string line = left(row.caption, 45);
        for (const MethodBreakEven& method : r.breakEven) {
            line += tableCell(breakEvenText(method.*row.field, row.price, unit), 15);
        }
        lines.push_back(line);
    }
    // Unlike the tornado rows and the grid, which move the energy charge together with the
    // fuel adjustment, a break-even price is one the user can type into one box.
    lines.push_back("  (gas price in $" + unit +
                    "; energy charge in $/kWh: the box alone, fuel adjustment kept)");
    lines.emplace_back();

    const SparkSpreadTexts s = sparkSpreadTexts(r.sparkSpread);
    lines.push_back("Spark spread          " + tableCell(s.sparkSpread, 10) + "/MMBtu  (power " +
                    s.powerCost + "/kWh x 293.07 - gas " + s.gasPrice + "/MMBtu)");
    lines.push_back("Generation margin     " + tableCell(s.generationMargin, 10) +
                    "/MWh    (Method 2 gen-set: " + s.heatRate + " MMBtu/MWh, O&M " + s.om +
                    "/MWh)");
    if (r.sparkSpread.method2BuysNone) {
        lines.push_back(
            "  (Method 2 buys none, as no size saves: these are the figures of the 1 kW "
            "it reports)");
    }
    lines.emplace_back();

    lines.push_back("Method 2 payback (years): gas price down, energy charge across");
    std::string head = left("", 22);
    for (std::size_t e = 0; e < kGridSize; ++e) {
        head += tableCell(
            uncertainValueText(UncertainInput::EnergyCharge, r.grid.energyCharges[e], unit), 11);
    }
    lines.push_back(head);
    for (std::size_t g = 0; g < kGridSize; ++g) {
        std::string line =
            left("  " + signedPercent(r.grid.percents[g]), 10) +
            tableCell(uncertainValueText(UncertainInput::GasPrice, r.grid.gasPrices[g], unit), 12);
        for (std::size_t e = 0; e < kGridSize; ++e) {
            line += tableCell(paybackYearsText(r.grid.method2PaybackYears[g][e]), 11);
        }
        lines.push_back(line);
    }
    lines.emplace_back();

    if (!r.monteCarlo) {
        lines.push_back("Monte Carlo: not run");
        return lines;
    }
    const MonteCarloResults& mc = *r.monteCarlo;
    lines.push_back(
        "Monte Carlo: " + FormatPattern(mc.draws, "#,##0") + " draws, every input " +
        (x == "0" ? "unchanged, varied by 0 %" : "on a triangular distribution of +/-" + x + " %"));
    lines.push_back(left("  simple payback (years)", 26) + tableCell("P10", 10) +
                    tableCell("P50", 10) + tableCell("P90", 10) + tableCell("no payback", 14));
    for (std::size_t i = 0; i < 3; ++i) {
        const PaybackSpread& p = mc.methods[i];
        lines.push_back(
            left("  Method " + std::to_string(i + 1), 26) + tableCell(paybackYearsText(p.p10), 10) +
            tableCell(paybackYearsText(p.p50), 10) + tableCell(paybackYearsText(p.p90), 10) +
            tableCell(shareText(p.noPaybackShare), 14));
    }
    lines.push_back(left("  net present value", 26) + tableCell("P10", 14) + tableCell("P50", 14) +
                    tableCell("P90", 14));
    for (std::size_t i = 0; i < 3; ++i) {
        const NpvSpread& n = mc.npv[i];
        lines.push_back(left("  Method " + std::to_string(i + 1), 26) +
                        tableCell(npvText(n.p10), 14) + tableCell(npvText(n.p50), 14) +
                        tableCell(npvText(n.p90), 14));
    }
    return lines;
}

} // namespace plenara
