#include "engine/method1.h"

#include "engine/formatpattern.h"
#include "engine/gensetmodel.h"
#include "engine/number.h"

#include <cmath>
#include <string>
#include <string_view>

namespace plenara {

namespace {

// Method 1 runs the gen-set a fixed 7,440 of the year's 8,760 hours, whatever the loads.
constexpr double kOperatingHours = 7'440.0;
constexpr double kBtuPerMMBtu = 1'000'000.0;

// The summer months, May to September, burn fuel for hot water only; their five months of
// fuel scaled to twelve are the water heater's annual fuel.
constexpr std::size_t kFirstSummerMonth = 4;
constexpr std::size_t kLastSummerMonth = 8;
constexpr double kSummerToYear = 12.0 / 5.0;

// In the two-column lines the baseline value ends at this shown column and the CHP value at
// the other, so that the columns line up under the header lines on screen.
constexpr std::size_t kBaselineColumnEnd = 47;
constexpr std::size_t kChpColumnEnd = 69;

constexpr std::string_view kCount = "###,###,##0";
constexpr std::string_view kDollars = "$###,###,##0";
constexpr std::string_view kPayback = "#,###,##0.0";
constexpr std::string_view kComparisonLoad = "##,##0";

// Recovered heat per kWh generated is a × kW^(e-1) Btu, the correlation of the gen-set model.
struct HeatRecoveryCurve {
    double a;
    double e;
};

HeatRecoveryCurve heatRecoveryCurveOf(OptionGroup<PrimeMover> primeMover) {
    switch (primeMover.value_or(PrimeMover::RecipEngine)) {
    case PrimeMover::GasTurbine:
        return {27'148.0, 0.8011};
    case PrimeMover::Microturbine:
        return {13'570.0, 0.766};
    case PrimeMover::FuelCell:
        return {5'266.3, 0.8598};
    case PrimeMover::RecipEngine:
        break;
    }
    return {11'188.0, 0.8509};
}

// The name over the CHP column. The fuel-cell name starts with a blank, as users have always
// seen it.
std::string_view primeMoverName(OptionGroup<PrimeMover> primeMover) {
    if (!primeMover) {
        return "Generator";
    }
    switch (*primeMover) {
    case PrimeMover::RecipEngine:
        return "Recip-Engine CHP";
    case PrimeMover::GasTurbine:
        return "Gas-Turbine CHP";
    case PrimeMover::Microturbine:
        return "Microturbine CHP";
    case PrimeMover::FuelCell:
        return " Fuel Cell CHP";
    }
    return "Generator";
}

// The capacity whose recovered heat over the operating hours, 7440 × a × kW^e Btu, equals the
// hot-water load. Without a load there is nothing to size to (and no logarithm to take).
double capacityForHotWater(double hotWaterLoadMMBtu, HeatRecoveryCurve curve) {
    if (!(hotWaterLoadMMBtu > 0.0)) {
        return 0.0;
    }
    return std::pow(hotWaterLoadMMBtu * kBtuPerMMBtu / (kOperatingHours * curve.a), 1.0 / curve.e);
}

// Water-heater fuel for a heat output. The driver never passes an efficiency of 0; should one
// come, there is no output to burn fuel for either, so 0 rather than a division by zero.
double fuelForOutput(double outputMMBtu, double efficiency) {
    return efficiency > 0.0 ? outputMMBtu / efficiency : 0.0;
}

std::size_t widthTo(std::size_t column, std::string_view storedSoFar) {
    const std::size_t used = shownLength(storedSoFar);
    return column > used ? column - used : 0;
}

// A line of the two columns: the values end at fixed shown columns whatever the ampersands
// of the label, and a value too wide for its field pushes the rest of the line right.
std::string twoColumnLine(std::string_view label, std::string_view baseline, std::string_view chp,
                          std::string_view unit = {}) {
    std::string line(label);
    line += tableCellAfter(line, baseline, widthTo(kBaselineColumnEnd, line));
    line += tableCellAfter(line, chp, widthTo(kChpColumnEnd, line));
    line += unit;
    return line;
}

} // namespace

Method1Results computeMethod1(const Method1Inputs& in) {
    Method1Results r;
    r.energyRate = in.energyRate;
    r.standbyCharge = in.standbyCharge;
    r.gasPrice = in.gasPrice;
    r.boilerEfficiency = in.boilerEfficiency;

    for (std::size_t m = kFirstSummerMonth; m <= kLastSummerMonth; ++m) {
        r.summerFuel1 += in.fuel1Quantity[m];
        r.summerFuel2 += in.fuel2Quantity[m];
    }
    r.summerFuel1MMBtu = in.fuel1UnitFactor * r.summerFuel1;
    r.summerFuel2MMBtu = in.fuel2UnitFactor * r.summerFuel2;
    r.annualWaterHeaterFuel = (r.summerFuel1MMBtu + r.summerFuel2MMBtu) * kSummerToYear;
    r.hotWaterLoad = r.annualWaterHeaterFuel * in.boilerEfficiency;
    r.annualPower = in.annualPower;

    // The generator never produces more than the building consumes.
    r.genCapacity = Min(capacityForHotWater(r.hotWaterLoad, heatRecoveryCurveOf(in.primeMover)),
                        r.annualPower / kOperatingHours);

    const GenSetPerformanceResult performance = GenSetPerformance(r.genCapacity, in.primeMover);
    r.heatRate = performance.heatRate;
    r.genEfficiency = performance.efficiency;
    r.heatRecoveryRate = performance.recoveredHeatRate;
    r.omRate = performance.omCostPerKWh;
    const GenSetCostResult cost =
        GenSetCost(r.genCapacity, in.primeMover, in.installationDifficulty);
    r.equipmentCost = cost.equipmentCost;
    r.installationCost = cost.installationCost;
    r.installedCost = r.equipmentCost + r.installationCost;

    r.onSiteGeneration = r.genCapacity * kOperatingHours;
    r.genFuelMMBtu = r.onSiteGeneration * r.heatRate / kBtuPerMMBtu;
    r.genFuelCost = r.genFuelMMBtu * r.gasPrice;
    r.omCost = r.onSiteGeneration * r.omRate;

    // Standby is paid on the whole capacity every month; with the gen-set running, only the
    // part of a month's peak above the capacity is billed as demand.
    for (const double kW : in.peakKW) {
        r.baselineDemandCost += kW * in.demandCharge;
        r.chpDemandCost += r.standbyCharge * r.genCapacity;
        if (kW > r.genCapacity) {
            r.chpDemandCost += (kW - r.genCapacity) * in.demandCharge;
        }
    }
    r.baselinePowerCost = r.energyRate * r.annualPower + r.baselineDemandCost;
    r.chpPowerCost = r.energyRate * (r.annualPower - r.onSiteGeneration) + r.chpDemandCost;

    // The water heater is priced at the natural-gas price whatever fuels the bills show: the
    // bills only size the hot-water load.
    r.recoveredHeat = r.heatRecoveryRate * r.onSiteGeneration / kBtuPerMMBtu;
    r.baselineWaterHeaterFuel = fuelForOutput(r.hotWaterLoad, in.boilerEfficiency);
    r.chpWaterHeaterFuel = fuelForOutput(r.hotWaterLoad - r.recoveredHeat, in.boilerEfficiency);
    r.chpTotalFuel = r.chpWaterHeaterFuel + r.genFuelMMBtu;
    r.baselineGasCost = r.gasPrice * r.baselineWaterHeaterFuel;
    r.chpGasCost = r.gasPrice * r.chpTotalFuel;
    r.baselineTotal = r.baselinePowerCost + r.baselineGasCost;
    r.chpTotal = r.chpPowerCost + r.chpGasCost + r.omCost;
    r.savings = r.baselineTotal - r.chpTotal;

    // A plant that saves nothing has no payback; 0 tells the summary that none was found.
    r.payback = r.baselineTotal > r.chpTotal ? r.installedCost / r.savings : 0.0;
    return r;
}

namespace {

std::array<Caption, 42> resultLines(const Method1Results& r, OptionGroup<PrimeMover> primeMover) {
    const auto count = [](double v) {
        return FormatPattern(v, kCount);
    };
    const auto dollars = [](double v) {
        return FormatPattern(v, kDollars);
    };
    const std::string dashes =
        "      ------------------------     ------------          ------------";

    std::array<Caption, 42> lines;
    lines[0] = {"1. Cogeneration System Description", true};
    lines[1].text = "   a. generator capacity                               " +
                    R(9, r.genCapacity, "#,###,##0") + " kW";
    lines[2].text = "   b. generator heat rate (" + R(5, r.genEfficiency, "#0.0%") +
                    " LHV)                  " + R(9, r.heatRate, "###,##0") + " Btu/kWh";
    lines[3].text = "   c. generator heat recovery rate                     " +
                    R(9, r.heatRecoveryRate, "###,##0") + " Btu/kWh";
    lines[4].text = "   d. annual operating time                            " +
                    R(9, kOperatingHours, "#,##0") + " hrs";
    lines[6].text = "                                      Baseline            " +
                    R(6, r.genCapacity, "##,##0") + " kW";
    lines[7].text = "2. Power Consumption                   System              " +
                    std::string(primeMoverName(primeMover));
    lines[8].text = twoColumnLine("   a. utility power                 ", count(r.annualPower),
                                  count(r.annualPower - r.onSiteGeneration), " kWh");
    lines[9].text = twoColumnLine("   b. on-site generation                      0           ", {},
                                  count(r.onSiteGeneration), " kWh");
    lines[10].text = twoColumnLine("   c. total power consumed          ", count(r.annualPower),
                                   count(r.annualPower), " kWh");
    lines[11].text = "   d. approx. cost                 ";
    lines[12].text =
        twoColumnLine("      (1) energy && fuel adj chg    ", dollars(r.energyRate * r.annualPower),
                      dollars(r.energyRate * (r.annualPower - r.onSiteGeneration)));
    lines[13].text = twoColumnLine("      (2) demand && standby charges ",
                                   dollars(r.baselineDemandCost), dollars(r.chpDemandCost));
    lines[14].text = twoColumnLine("      (3) total approx. cost       ",
                                   dollars(r.baselinePowerCost), dollars(r.chpPowerCost));

    lines[16] = {"3. Water Heater Summary", true};
    lines[17].text = twoColumnLine("   a. hot water load                ", count(r.hotWaterLoad),
                                   count(r.hotWaterLoad), " MMBtu");
    // The recovered heat is shown negative: it is taken off the load in the total below.
    lines[18].text = twoColumnLine("   b. recovered heat                ", count(0.0),
                                   count(-r.recoveredHeat), " MMBtu");
    lines[19].text = dashes + " -----";
    lines[20].text = twoColumnLine("   c. net water heater output       ", count(r.hotWaterLoad),
                                   count(r.hotWaterLoad - r.recoveredHeat), " MMBtu");
    lines[21].text =
        twoColumnLine("   d. estimated fuel consumption    ", count(r.baselineWaterHeaterFuel),
                      count(r.chpWaterHeaterFuel), " MMBtu");

    lines[23] = {"4. Fuel Consumption", true};
    lines[24].text =
        twoColumnLine("   a. water heater                  ", count(r.baselineWaterHeaterFuel),
                      count(r.chpWaterHeaterFuel), " MMBtu");
    lines[25].text = twoColumnLine("   b. generator                               0", {},
                                   count(r.genFuelMMBtu), " MMBtu");
    lines[26].text = dashes + " -----";
    lines[27].text =
        twoColumnLine("   c. total fuel consumption        ", count(r.baselineWaterHeaterFuel),
                      count(r.chpTotalFuel), " MMBtu");
    lines[28] = {twoColumnLine("   d. approx. cost                 ", dollars(r.baselineGasCost),
                               dollars(r.chpGasCost)),
                 false};

    lines[30] = {"5. Annual Operating Cost", true};
    lines[31].text = twoColumnLine("   a. purchased electricity        ",
                                   dollars(r.baselinePowerCost), dollars(r.chpPowerCost));
    lines[32].text = twoColumnLine("   b. natural gas                  ",
                                   dollars(r.baselineGasCost), dollars(r.chpGasCost));
    lines[33].text =
        twoColumnLine("   c. gen-set O&&M                            $0", {}, dollars(r.omCost));
    lines[34].text = dashes;
    lines[35].text = twoColumnLine("   d. total operating cost         ", dollars(r.baselineTotal),
                                   dollars(r.chpTotal));
    lines[36].text =
        "   e. annual operating savings (loss)                    " + R(12, r.savings, kDollars);

    lines[38] = {"6. Simple Payback", true};
    lines[39].text = "   a. estimated gen-set installed cost                   " +
                     R(12, r.installedCost, kDollars);
    lines[40].text =
        "   b. annual operating savings (loss)                    " + R(12, r.savings, kDollars);
    lines[41].text = "   c. simple payback                                     " +
                     R(12, r.payback, kPayback) + " yrs";
    return lines;
}

// Row labels and the Method 1 column; Methods 2 and 3 append their columns to these captions.
std::array<std::string, 12> comparisonLines(const Method1Results& r) {
    const std::string gap(5, ' ');
    const auto row = [&gap](std::string_view label, double value, std::string_view pattern) {
        return std::string(label) + R(11, value, pattern) + gap;
    };
    // Method 1 has no space-heating or cooling load: its cells stay blank.
    const auto emptyRow = [&gap](std::string_view label) {
        return std::string(label) + std::string(11, ' ') + gap;
    };

    std::array<std::string, 12> rows;
    rows[0] = std::string(44, ' ') + "Method 1" + gap;
    rows[1] = row(" 1. Service Hot Water Load                ", r.hotWaterLoad, kComparisonLoad);
    rows[2] = emptyRow(" 2. Space Heating && Hot Water Load        ");
    rows[3] = emptyRow(" 3. Space Cooling Load                    ");
    rows[4] = row(" 4. Total Thermal Load                    ", r.hotWaterLoad, kComparisonLoad);
    rows[5] = row(" 5. Generator Capacity                    ", r.genCapacity, kCount);
    rows[6] = row(" 6. Operating Time                        ", kOperatingHours, kCount);
    rows[7] = row(" 7. Power Output                          ", r.onSiteGeneration, kCount);
    rows[8] = row(" 8. Recovered Heat                        ", r.recoveredHeat, kCount);
    rows[9] = row(" 9. Installed Cost                        ", r.installedCost, kDollars);
    rows[10] = row("10. Annual Operating Savings              ", r.savings, kDollars);
    rows[11] = row("11. Simple Payback                        ", r.payback, kPayback);
    return rows;
}

} // namespace

Method1Output updateMethod1a(const Method1Inputs& in) {
    Method1Output out;
    out.results = computeMethod1(in);
    out.lblMethod1 = resultLines(out.results, in.primeMover);
    out.lblComparisons = comparisonLines(out.results);
    return out;
}

} // namespace plenara
