#include "cli/clioutput.h"

#include "engine/captiontext.h"

#include <cmath>
#include <cstdio>
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

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                quoted += escape;
            } else {
                quoted.push_back(c);
            }
        }
    }
    return quoted + "\"";
}

// Writes "name": value pairs of one JSON object, one per line, at an indent.
class JsonObject {
public:
    JsonObject(std::ostream& out, int indent)
        : m_out(out)
        , m_indent(indent) {
        m_out << "{";
    }

    void number(const char* name, double value) { field(name, jsonNumber(value)); }
    void text(const char* name, const std::string& value) { field(name, jsonString(value)); }
    void raw(const char* name, const std::string& value) { field(name, value); }
    void begin(const char* name) {
        separator();
        m_out << jsonString(name) << ": ";
    }

    void end() { m_out << '\n' << std::string(static_cast<std::size_t>(m_indent), ' ') << "}"; }

private:
    void separator() {
        m_out << (m_first ? "" : ",") << '\n'
              << std::string(static_cast<std::size_t>(m_indent + 2), ' ');
        m_first = false;
    }
    void field(const char* name, const std::string& value) {
        begin(name);
        m_out << value;
    }

    std::ostream& m_out;
    int m_indent;
    bool m_first = true;
};

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
}

void writeSummary(std::ostream& out, const ProjectResults& r) {
    out << shownText(r.lblPaybackRange) << "\n\n";
    for (const std::string& row : r.lblComparisons) {
        out << shownText(row) << '\n';
    }
}

void writeResultsJson(std::ostream& out, const ProjectInputs& inputs, const ProjectResults& r) {
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

    JsonObject doc(out, 0);
    doc.text("schema", "plenara-results");
    doc.number("version", 1);
    doc.text("state", inputs.State);
    doc.text("city", inputs.City);
    doc.number("runTimeFraction", r.RunTimeFraction);
    doc.number("boilerEfficiency", r.BoilerEfficiency);
    doc.text("paybackRange", shownText(r.lblPaybackRange));

    doc.begin("method1");
    JsonObject one(out, 2);
    one.number("capacityKW", m1.genCapacity);
    one.number("paybackYears", m1.payback);
    one.number("hotWaterLoadMMBtu", m1.hotWaterLoad);
    one.number("operatingHours", 7440);
    one.number("onSiteGenerationKWh", m1.onSiteGeneration);
    one.number("recoveredHeatMMBtu", m1.recoveredHeat);
    one.number("installedCost", m1.installedCost);
    one.number("baselineOperatingCost", m1.baselineTotal);
    one.number("chpOperatingCost", m1.chpTotal);
    one.number("annualSavings", m1.savings);
    one.end();

    doc.begin("method2");
    JsonObject two(out, 2);
    two.number("capacityKW", m2.capacityKW);
    two.number("paybackYears", m2.payback);
    two.number("selectedStep", m2.selectedStep);
    two.text("run", m2.coolingPriorityRun ? "cooling-priority" : "heating-priority");
    two.number("thermalLoadMMBtu", thermal2);
    two.number("coolingLoadMMBtu", cooling2);
    two.number("operatingHours", r.RunTimeFraction * 8760.0);
    two.number("onSiteGenerationKWh", generation2);
    two.number("recoveredHeatMMBtu", recovered2);
    two.number("installedCost", m2.equipmentCost + m2.installationCost);
    two.number("baselineOperatingCost", m2.baselineOperatingCost);
    two.number("chpOperatingCost", m2.chpOperatingCost);
    two.number("annualSavings", m2.savings);
    two.begin("sweep");
    out << "[";
    for (std::size_t s = 0; s < m2.annualResults.size(); ++s) {
        const Method2Annual& a = m2.annualResults[s];
        out << (s == 0 ? "" : ",") << "\n      {\"step\": " << s
            << ", \"capacityKW\": " << jsonNumber(a.CapacityKW)
            << ", \"capitalCost\": " << jsonNumber(a.CapitalCost)
            << ", \"annualCost\": " << jsonNumber(a.AnnualCost)
            << ", \"simplePaybackYears\": " << jsonNumber(a.SimplePayback) << "}";
    }
    out << "\n    ]";
    two.end();

    doc.begin("method3");
    JsonObject three(out, 2);
    three.number("capacityKW", m3.capacityKW);
    three.number("paybackYears", m3.payback);
    three.number("heatingDegreeDays", m3.HDD);
    three.number("coolingDegreeDays", m3.CDD);
    three.number("averageTemperatureF", m3.avgTemperature);
    three.number("spaceHeatingLoadMMBtu", m3.spaceHeatingLoad);
    three.number("coolingThermalInputMMBtu", m3.coolingThermalInput);
    three.number("potableHotWaterLoadMMBtu", m3.potableHotWaterLoad);
    three.number("operatingHours", r.RunTimeFraction * 8760.0);
    three.number("onSiteGenerationKWh", m3.generation);
    three.number("recoveredHeatMMBtu", m3.recoveredHeat);
    three.number("installedCost", m3.equipmentCost + m3.installationCost);
    three.number("baselineOperatingCost", m3.baselineTotal);
    three.number("chpOperatingCost", m3.chpTotal);
    three.number("annualSavings", m3.savings);
    three.end();
    doc.end();
    out << '\n';
}

} // namespace plenara
