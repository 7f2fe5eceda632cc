#include "cli/clisensitivity.h"

#include "cli/clioutput.h"

namespace plenara {

namespace {

nlohmann::ordered_json payback(double years) {
    return hasPayback(years) ? jsonNumber(years) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json optional(const std::optional<double>& value) {
    return value ? jsonNumber(*value) : nlohmann::ordered_json(nullptr);
}

template <typename Values, typename Convert>
nlohmann::ordered_json array(const Values& values, Convert convert) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& value : values) {
        list.push_back(convert(value));
    }
    return list;
}

} // namespace

const char* uncertainInputKey(UncertainInput input) {
    switch (input) {
    case UncertainInput::GasPrice:
        return "gasPrice";
    case UncertainInput::EnergyCharge:
        return "energyCharge";
    case UncertainInput::DemandCharge:
        return "demandCharge";
    case UncertainInput::InstalledCost:
        return "installedCost";
    case UncertainInput::RunTimeFraction:
        return "runTimeFraction";
    case UncertainInput::BoilerEfficiency:
        return "boilerEfficiency";
    case UncertainInput::Fuel1Cost:
        return "fuel1Cost";
    case UncertainInput::Fuel2Cost:
        return "fuel2Cost";
    }
    return "";
}

nlohmann::ordered_json sensitivityJson(const SensitivityResults& r) {
    const SensitivityOptions& o = r.options;
    const auto m = static_cast<std::size_t>(o.method - 1);
    nlohmann::ordered_json doc;
    doc["percent"] = jsonNumber(o.percent);
    doc["targetPaybackYears"] = jsonNumber(o.targetPaybackYears);
    doc["method"] = o.method;
    doc["gasPriceUnit"] = "$" + r.gasPriceUnit;
    doc["basePaybackYears"] = payback(r.base.paybackYears[m]);
    doc["baseNpv"] = jsonNumber(r.base.npv[m]);
    doc["recalculations"] = r.recalculations;

    nlohmann::ordered_json& tornado = doc["tornado"] = nlohmann::ordered_json::array();
    for (const TornadoRow& row : r.tornado[m]) {
        tornado.push_back({{"input", uncertainInputKey(row.input)},
                           {"lowValue", jsonNumber(row.lowValue)},
                           {"highValue", jsonNumber(row.highValue)},
                           {"lowPaybackYears", payback(row.lowPaybackYears)},
                           {"highPaybackYears", payback(row.highPaybackYears)},
                           {"lowNpv", jsonNumber(row.lowNpv)},
                           {"highNpv", jsonNumber(row.highNpv)}});
    }

    nlohmann::ordered_json& breakEven = doc["breakEven"];
    for (std::size_t i = 0; i < 3; ++i) {
        const MethodBreakEven& b = r.breakEven[i];
        breakEven["method" + std::to_string(i + 1)] = {
            {"gasPriceForTarget", optional(b.gasPriceForTarget)},
            {"gasPriceNoSavings", optional(b.gasPriceNoSavings)},
            {"energyChargeForTarget", optional(b.energyChargeForTarget)},
            {"energyChargeNoSavings", optional(b.energyChargeNoSavings)}};
    }
    doc["sparkSpreadPerMMBtu"] = jsonNumber(r.sparkSpread.sparkSpreadPerMMBtu);
    doc["generationMarginPerMWh"] = jsonNumber(r.sparkSpread.generationMarginPerMWh);

    nlohmann::ordered_json& grid = doc["grid"];
    grid["percents"] = array(r.grid.percents, jsonNumber);
    grid["gasPrices"] = array(r.grid.gasPrices, jsonNumber);
    grid["energyCharges"] = array(r.grid.energyCharges, jsonNumber);
    grid["method2PaybackYears"] =
        array(r.grid.method2PaybackYears, [](const auto& row) { return array(row, payback); });

    if (!r.monteCarlo) {
        doc["monteCarlo"] = nullptr;
        return doc;
    }
    const MonteCarloResults& mc = *r.monteCarlo;
    nlohmann::ordered_json& monteCarlo = doc["monteCarlo"];
    monteCarlo["draws"] = mc.draws;
    monteCarlo["seed"] = o.seed;
    for (std::size_t i = 0; i < 3; ++i) {
        const PaybackSpread& p = mc.methods[i];
        monteCarlo["method" + std::to_string(i + 1)] = {
            {"p10", optional(p.p10)},
            {"p50", optional(p.p50)},
            {"p90", optional(p.p90)},
            {"noPaybackShare", jsonNumber(p.noPaybackShare)},
            {"npvP10", optional(mc.npv[i].p10)},
            {"npvP50", optional(mc.npv[i].p50)},
            {"npvP90", optional(mc.npv[i].p90)}};
    }
    monteCarlo["histogram"] = {{"method", mc.histogramMethod},
                               {"lowYears", jsonNumber(mc.histogram.lowYears)},
                               {"binYears", jsonNumber(mc.histogram.binYears)},
                               {"counts", mc.histogram.counts},
                               {"longer", mc.histogram.longer},
                               {"noPayback", mc.histogram.noPayback}};
    return doc;
}

} // namespace plenara
