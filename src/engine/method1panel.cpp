#include "engine/method1.h"

#include <string>
#include <string_view>
#include <utility>

namespace plenara {

namespace {

// Most panel values fit a field of six characters; a wider value is written whole.
constexpr std::size_t kPanelField = 6;
constexpr std::string_view kLoad = "##,##0";
constexpr std::string_view kCount = "###,###,##0";

void set(DerivationPanel& panel, std::size_t index, std::string text, bool red = false) {
    panel.lines[index].text = std::move(text);
    panel.lines[index].red = red;
}

std::string load(double mmBtu) {
    return R(kPanelField, mmBtu, kLoad);
}

void explainSummerFuel(DerivationPanel& panel, const Method1Results& r) {
    set(panel, 0, "Summer (May-Sept) Fuel Consumption");
    set(panel, 1, "fuel #1:           " + load(r.summerFuel1MMBtu) + " MMBtu");
    set(panel, 2, "fuel #2:           " + load(r.summerFuel2MMBtu) + " MMBtu");
    set(panel, 3, "water heater fuel: " + load(r.summerFuel1MMBtu + r.summerFuel2MMBtu) + " MMBtu");
    set(panel, 4, "fraction of year:  " + R(kPanelField, 5.0 / 12.0, "0.00"));
    set(panel, 5, "Annual Water Heater Operation");
    panel.lines[5].bold = true;
    set(panel, 6, "fuel consumption:  " + load(r.annualWaterHeaterFuel) + " MMBtu");
    set(panel, 7, "wh efficiency:     " + R(kPanelField, r.boilerEfficiency, "##0.0%"));
    set(panel, 8, "hot water load:    " + load(r.hotWaterLoad) + " MMBtu");
}

void explainRecoveredHeat(DerivationPanel& panel, const Method1Results& r) {
    set(panel, 0, "Recovered Heat");
    set(panel, 1, "gen-set capacity:       " + load(r.genCapacity) + " kW");
    set(panel, 2, "annual operating hours: " + load(7'440.0) + " hrs");
    set(panel, 3, "on-site generation:  " + R(9, r.onSiteGeneration, kCount) + " kWh");
    set(panel, 4, "heat recovery rate:     " + load(r.heatRecoveryRate) + " Btu/kWh");
    set(panel, 5, "recovered heat:         " + load(r.recoveredHeat) + " MMBtu");
}

void explainNetWaterHeaterOutput(DerivationPanel& panel, const Method1Results& r) {
    const std::string dashes = "---------------------   ------ -----";
    set(panel, 0, "Net Water Heater Output");
    set(panel, 1, "hot water load          " + load(r.hotWaterLoad) + " MMBtu");
    set(panel, 2, "recovered heat to DHW  " + R(7, r.recoveredHeat, kLoad) + " MMBtu");
    set(panel, 3, dashes);
    set(panel, 4, "DHW from water heater   " + load(r.hotWaterLoad - r.recoveredHeat) + " MMBtu");
    set(panel, 5, "wh efficiency           " + R(kPanelField, r.boilerEfficiency, "##0.0%"));
    set(panel, 6, dashes);
    set(panel, 7, "wh fuel consumption     " + load(r.chpWaterHeaterFuel) + " MMBtu", true);
    set(panel, 9, "wh output divided by efficiency");
}

void explainGenSetFuel(DerivationPanel& panel, const Method1Results& r) {
    set(panel, 0, "Gen-Set Fuel Consumption");
    set(panel, 1, "generation " + R(12, r.onSiteGeneration, kCount) + " kWh");
    set(panel, 2, "heat rate  " + R(12, r.heatRate, kCount) + " Btu/kWh");
    set(panel, 3, "------------   -------- -------");
    set(panel, 4, "gas use    " + R(12, r.genFuelMMBtu, kCount) + " MMBtu", true);
    set(panel, 7, "generation x heat rate / 1,000,000");
}

// Four lines from `first`: fuel, price, rule and cost, the fuel and the cost in red.
void explainGasCost(DerivationPanel& panel, std::size_t first, double fuelMMBtu, double gasPrice,
                    double cost) {
    set(panel, first, "fuel consumption     " + load(fuelMMBtu) + " MMBtu", true);
    set(panel, first + 1, "cost of natural gas  " + R(kPanelField, gasPrice, "$##0.00") + "/MMBtu");
    set(panel, first + 2, "-------------------  ------ -----");
    set(panel, first + 3, "cost of fuel     " + R(10, cost, "$#,###,##0"), true);
}

void explainOMCost(DerivationPanel& panel, const Method1Results& r) {
    set(panel, 0, "Gen-Set O&&M Costs");
    set(panel, 1, "generation    " + R(12, r.onSiteGeneration, kCount) + " kWh");
    set(panel, 2, "O&&M rate      " + R(12, r.omRate, "$##0.0000") + "/kWh");
    set(panel, 3, "-------------      -------");
    set(panel, 4, "annual cost   " + R(12, r.omCost, "$###,###,##0"), true);
    set(panel, 7, "on-site generation x gen-set O&&M rate");
}

void explainPayback(DerivationPanel& panel) {
    set(panel, 0, "Simple Payback:");
    set(panel, 1, "If the annual operating savings are");
    set(panel, 2, "greater than zero, then the simple");
    set(panel, 3, "payback is the estimated gen-set");
    set(panel, 4, "installed cost divided by the annual");
    set(panel, 5, "operating savings.");
}

} // namespace

DerivationPanel lblMethod1_MouseMove(int index, const Method1Results& results) {
    using Visibility = DerivationPanel::Visibility;
    DerivationPanel panel;
    panel.lines[0].bold = true;

    switch (index) {
    case 17:
        panel.markedLines = {17};
        explainSummerFuel(panel, results);
        panel.visibility = Visibility::Shown;
        break;
    case 18:
        panel.markedLines = {18};
        explainRecoveredHeat(panel, results);
        panel.visibility = Visibility::Shown;
        break;
    case 21:
        panel.markedLines = {21};
        explainNetWaterHeaterOutput(panel, results);
        panel.visibility = Visibility::Shown;
        break;
    case 24:
        // The water-heater fuel is the one just explained for line 21: point there and leave
        // the panel as the user last saw it.
        panel.markedLines = {24, 21};
        panel.visibility = Visibility::Unchanged;
        break;
    case 25:
        panel.markedLines = {25};
        explainGenSetFuel(panel, results);
        panel.visibility = Visibility::Shown;
        break;
    case 28:
        panel.markedLines = {28, 27};
        set(panel, 0, "Baseline Cost of Natural Gas");
        explainGasCost(panel, 1, results.baselineWaterHeaterFuel, results.gasPrice,
                       results.baselineGasCost);
        set(panel, 6, "CHP Cost of Natural Gas");
        explainGasCost(panel, 7, results.chpTotalFuel, results.gasPrice, results.chpGasCost);
        panel.visibility = Visibility::Shown;
        break;
    // The operating-cost lines repeat figures of lines above: marking those explains them.
    case 31:
        panel.markedLines = {31, 11};
        break;
    case 32:
        panel.markedLines = {32, 28};
        break;
    case 33:
        panel.markedLines = {33};
        explainOMCost(panel, results);
        panel.visibility = Visibility::Shown;
        break;
    case 40:
        // The saving is that of line 36; the panel is filled as for the O&M line but stays
        // hidden, as it always has.
        panel.markedLines = {40, 36};
        explainOMCost(panel, results);
        break;
    case 41:
        panel.markedLines = {41};
        explainPayback(panel);
        panel.visibility = Visibility::Shown;
        break;
    default:
        break;
    }
    return panel;
}

} // namespace plenara
