#include "cli/clioutput.h"

#include "engine/captiontext.h"
#include "engine/textfields.h"
#include "output/lifecyclereport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>

namespace plenara {

namespace {

template <typename Lines>
void writeSection(std::ostream& out, const char* name, const Lines& lines, std::size_t first = 0) {
    out << '[' << name << "]\n";
    for (std::size_t i = first; i < lines.size(); ++i) {
        if constexpr (std::is_same_v<typename Lines::value_type, Caption>) {
            out << shownText(lines[i].text) << '\n';
        } else {
            out << shownText(lines[i]) << '\n';
        }
    }
}

} // namespace

std::string plainLines(const std::string& message) {
    std::string plain;
    plain.reserve(message.size());
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n') {
            continue;
        }
        plain.push_back(message[i]);
    }
    return plain;
}

void writePanels(std::ostream& out, const ProjectInputs& inputs, const ProjectResults& r) {
    const TotalsCaptions& t = r.totals;
    out << "[totals]\n"
        << "lblAnnualPower=" << t.lblAnnualPower << '\n'
        << "lblAverageCostPower=" << t.lblAverageCostPower << '\n'
        << "lblAnnualPowerCost=" << t.lblAnnualPowerCost << '\n'
        << "lblAnnualFuel1=" << t.lblAnnualFuel1 << '\n'
        << "lblAnnualFuel1Cost=" << t.lblAnnualFuel1Cost << '\n'
        << "lblFuel1AvgCost=" << t.lblFuel1AvgCost << '\n'
        << "lblAnnualFuel2=" << t.lblAnnualFuel2 << '\n'
        << "lblAnnualFuel2Cost=" << t.lblAnnualFuel2Cost << '\n'
        << "lblAvgFuel2Cost=" << t.lblAvgFuel2Cost << '\n'
        << "Label18=" << t.Label18 << '\n';
    writeSection(out, "lblMethod1", r.lblMethod1);
    writeSection(out, "lblComparisons", r.lblComparisons);
    writeSection(out, "lblAnnualResults", r.lblAnnualResults);
    out << "[lblBasisOfResults]\n" << shownText(r.lblBasisOfResults) << '\n';
    writeSection(out, "lblMonthlyData", r.lblMonthlyData);
    writeSection(out, "lblGenSetParameters", r.lblGenSetParameters);
    writeSection(out, "lblSimplePayback", r.lblSimplePayback);
    out << "[txtCapacityIteration]\n" << inputs.CapacityIteration << '\n';
    out << "[primeMovers]\n"
        << "optRecip=" << r.primeMoverEnabled[0] << " optGasTurbine=" << r.primeMoverEnabled[1]
        << " optMicroturbine=" << r.primeMoverEnabled[2]
        << " optFuelCell=" << r.primeMoverEnabled[3] << '\n';
    out << "[selectedStep]\n" << r.method2.selectedStep << '\n';
    writeSection(out, "lblClimateData", r.lblClimateData);
    writeSection(out, "RecoveredHeatSummary", r.RecoveredHeatSummary);
    out << "[lblPaybackRange]\n" << shownText(r.lblPaybackRange) << '\n';
    writeSection(out, "lblSummary", r.lblSummary, 1);
    out << "[lifeCycle]\n";
    for (const auto& lines :
         {lifeCycleInputLines(inputs, r.lifeCycle), lifeCycleResultLines(r.lifeCycle),
          lifeCycleCO2Lines(r.lifeCycle), lifeCycleCashFlowLines(r.lifeCycle)}) {
        for (const std::string& line : lines) {
            out << windows1252ToUtf8(line) << '\n';
        }
    }
}

void writeSummary(std::ostream& out, const ProjectResults& r) {
    out << shownText(r.lblPaybackRange) << "\n\n";
    for (const std::string& row : r.lblComparisons) {
        out << shownText(row) << '\n';
    }
}

nlohmann::ordered_json jsonNumber(double value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    // Whole numbers print as such ("984000", not "984000.0"); the others to the 15 significant
    // digits that a double holds for sure.
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        return static_cast<long long>(value);
    }
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return std::strtod(text, nullptr);
}

nlohmann::ordered_json jsonText(const std::string& windows1252) {
    return windows1252ToUtf8(windows1252);
}

nlohmann::ordered_json lifeCycleJson(const MethodLifeCycle& m) {
    const auto optional = [](const std::optional<double>& value) {
        return value ? jsonNumber(*value) : nlohmann::ordered_json(nullptr);
    };
    // A method whose figures are no sound numbers has none: every field null.
    const auto number = [&](double value) {
        return m.valid ? jsonNumber(value) : nlohmann::ordered_json(nullptr);
    };
    const auto tonnes = [&](double value) {
        return m.valid && m.co2.available ? jsonNumber(value) : nlohmann::ordered_json(nullptr);
    };
    nlohmann::ordered_json life;
    life["netInstalledCost"] = number(m.cost.net);
    life["npv"] = number(m.flows.npv);
    life["irr"] = optional(m.irr);
    life["discountedPaybackYears"] = optional(m.discountedPaybackYears);
    life["sir"] = optional(m.sir);
    life["co2BaselineTonnes"] = tonnes(m.co2.baselineTonnes);
    life["co2ChpTonnes"] = tonnes(m.co2.chpTonnes);
    life["co2ChangeTonnes"] = tonnes(m.co2.changeTonnes);
    nlohmann::ordered_json& flows = life["cashFlows"] = nlohmann::ordered_json::array();
    for (int t = 0; m.valid && t < m.flows.years; ++t) {
        const CashFlowYear& year = m.flows.byYear[static_cast<std::size_t>(t)];
        flows.push_back({{"year", year.year},
                         {"savings", jsonNumber(year.savings)},
                         {"discountedSavings", jsonNumber(year.discountedSavings)},
                         {"cumulativeDiscounted", jsonNumber(year.cumulativeDiscounted)}});
    }
    return life;
}

nlohmann::ordered_json resultsJson(const ProjectInputs& inputs, const ProjectResults& r) {
    const Method1Results& m1 = r.method1;
    const Method2Results& m2 = r.method2;
    const Method3Results& m3 = r.method3;
    const auto selected = static_cast<std::size_t>(m2.selectedStep);
    double generation2 = 0.0;
    double recovered2 = 0.0;
    double thermal2 = 0.0;
    double cooling2 = 0.0;
    for (const Method2Month& month : m2.months[selected]) {
        generation2 += month.GenSetKWh;
        recovered2 += month.RecoveredHeatMMBtu;
        thermal2 += month.ThermalLoadMMBtu;
        cooling2 += month.CoolingLoadMMBtu;
    }

    nlohmann::ordered_json doc;
    doc["schema"] = "plenara-results";
    doc["version"] = 1;
    doc["state"] = jsonText(inputs.State);
    doc["city"] = jsonText(inputs.City);
    doc["runTimeFraction"] = jsonNumber(r.RunTimeFraction);
    doc["boilerEfficiency"] = jsonNumber(r.BoilerEfficiency);
    doc["paybackRange"] = jsonText(shownText(r.lblPaybackRange));

    nlohmann::ordered_json& one = doc["method1"];
    one["capacityKW"] = jsonNumber(m1.genCapacity);
    one["paybackYears"] = jsonNumber(m1.payback);
    one["hotWaterLoadMMBtu"] = jsonNumber(m1.hotWaterLoad);
    one["operatingHours"] = 7440;
    one["onSiteGenerationKWh"] = jsonNumber(m1.onSiteGeneration);
    one["recoveredHeatMMBtu"] = jsonNumber(m1.recoveredHeat);
    one["installedCost"] = jsonNumber(m1.installedCost);
    one["baselineOperatingCost"] = jsonNumber(m1.baselineTotal);
    one["chpOperatingCost"] = jsonNumber(m1.chpTotal);
    one["annualSavings"] = jsonNumber(m1.savings);
    one["lifeCycle"] = lifeCycleJson(r.lifeCycle.methods[0]);

    nlohmann::ordered_json& two = doc["method2"];
    two["capacityKW"] = jsonNumber(m2.capacityKW);
    two["paybackYears"] = jsonNumber(m2.payback);
    two["selectedStep"] = m2.selectedStep;
    two["run"] = m2.coolingPriorityRun ? "cooling-priority" : "heating-priority";
    two["thermalLoadMMBtu"] = jsonNumber(thermal2);
    two["coolingLoadMMBtu"] = jsonNumber(cooling2);
    two["operatingHours"] = jsonNumber(r.RunTimeFraction * 8760.0);
    two["onSiteGenerationKWh"] = jsonNumber(generation2);
    two["recoveredHeatMMBtu"] = jsonNumber(recovered2);
    two["installedCost"] = jsonNumber(m2.equipmentCost + m2.installationCost);
    two["baselineOperatingCost"] = jsonNumber(m2.baselineOperatingCost);
    two["chpOperatingCost"] = jsonNumber(m2.chpOperatingCost);
    two["annualSavings"] = jsonNumber(m2.savings);
    nlohmann::ordered_json& sweep = two["sweep"] = nlohmann::ordered_json::array();
    for (std::size_t s = 0; s < m2.annualResults.size(); ++s) {
        const Method2Annual& a = m2.annualResults[s];
        sweep.push_back({{"step", s},
                         {"capacityKW", jsonNumber(a.CapacityKW)},
                         {"capitalCost", jsonNumber(a.CapitalCost)},
                         {"annualCost", jsonNumber(a.AnnualCost)},
                         {"simplePaybackYears", jsonNumber(a.SimplePayback)}});
    }
    two["lifeCycle"] = lifeCycleJson(r.lifeCycle.methods[1]);

    nlohmann::ordered_json& three = doc["method3"];
    three["capacityKW"] = jsonNumber(m3.capacityKW);
    three["paybackYears"] = jsonNumber(m3.payback);
    three["heatingDegreeDays"] = jsonNumber(m3.HDD);
    three["coolingDegreeDays"] = jsonNumber(m3.CDD);
    three["averageTemperatureF"] = jsonNumber(m3.avgTemperature);
    three["spaceHeatingLoadMMBtu"] = jsonNumber(m3.spaceHeatingLoad);
    three["coolingThermalInputMMBtu"] = jsonNumber(m3.coolingThermalInput);
    three["potableHotWaterLoadMMBtu"] = jsonNumber(m3.potableHotWaterLoad);
    three["operatingHours"] = jsonNumber(r.RunTimeFraction * 8760.0);
    three["onSiteGenerationKWh"] = jsonNumber(m3.generation);
    three["recoveredHeatMMBtu"] = jsonNumber(m3.recoveredHeat);
    three["installedCost"] = jsonNumber(m3.equipmentCost + m3.installationCost);
    three["baselineOperatingCost"] = jsonNumber(m3.baselineTotal);
    three["chpOperatingCost"] = jsonNumber(m3.chpTotal);
    three["annualSavings"] = jsonNumber(m3.savings);
    three["lifeCycle"] = lifeCycleJson(r.lifeCycle.methods[2]);
    return doc;
}

void writeResultsJson(std::ostream& out, const ProjectInputs& inputs, const ProjectResults& r) {
    out << resultsJson(inputs, r).dump(2) << '\n';
}

} // namespace plenara
