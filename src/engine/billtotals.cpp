#include "engine/billtotals.h"

#include "engine/formatpattern.h"
#include "engine/number.h"

namespace plenara {

namespace {

constexpr const char* kQuantityPattern = kTotalQuantityPattern;
constexpr const char* kCostPattern = "$###,###,##0";
constexpr const char* kAveragePattern = kAverageCostPattern;

} // namespace

MonthSums sumMonths(const MonthTexts& quantity, const MonthTexts& cost) {
    std::array<double, 12> quantities{};
    std::array<double, 12> costs{};
    for (std::size_t m = 0; m < quantity.size(); ++m) {
        quantities[m] = Number(quantity[m]);
        costs[m] = Number(cost[m]);
    }
    return sumMonthValues(quantities, costs);
}

MonthSums sumMonthValues(const std::array<double, 12>& quantity,
                         const std::array<double, 12>& cost) {
    MonthSums sums;
    for (std::size_t m = 0; m < quantity.size(); ++m) {
        sums.quantity += quantity[m];
        sums.cost += cost[m];
    }
    if (sums.quantity > 0.0) {
        sums.averageCost = sums.cost / sums.quantity;
    }
    return sums;
}

void updateAnnualPower(const MonthTexts& kWh, const MonthTexts& powerBill, TotalsCaptions& totals) {
    const MonthSums sums = sumMonths(kWh, powerBill);
    totals.lblAnnualPower = FormatPattern(sums.quantity, kQuantityPattern);
    totals.averagePowerCost = sums.averageCost;
    totals.lblAverageCostPower = FormatPattern(sums.averageCost, kAveragePattern);
}

void updateAnnualPowerCost(const MonthTexts& kWh, const MonthTexts& powerBill,
                           TotalsCaptions& totals) {
    const MonthSums sums = sumMonths(kWh, powerBill);
    totals.lblAnnualPowerCost = FormatPattern(sums.cost, kCostPattern);
    totals.averagePowerCost = sums.averageCost;
    totals.lblAverageCostPower = FormatPattern(sums.averageCost, kAveragePattern);
}

void updateFuel1Totals(const MonthTexts& fuel1, const MonthTexts& fuel1Cost,
                       TotalsCaptions& totals) {
    const MonthSums sums = sumMonths(fuel1, fuel1Cost);
    totals.lblAnnualFuel1 = FormatPattern(sums.quantity, kQuantityPattern);
    totals.lblAnnualFuel1Cost = FormatPattern(sums.cost, kCostPattern);
    totals.lblFuel1AvgCost = FormatPattern(sums.averageCost, kAveragePattern);
}

void updateFuel2Totals(const MonthTexts& fuel2, const MonthTexts& fuel2Cost,
                       TotalsCaptions& totals) {
    const MonthSums sums = sumMonths(fuel2, fuel2Cost);
    totals.lblAnnualFuel2 = FormatPattern(sums.quantity, kQuantityPattern);
    totals.lblAnnualFuel2Cost = FormatPattern(sums.cost, kCostPattern);
    totals.lblAvgFuel2Cost = FormatPattern(sums.averageCost, kAveragePattern);
}

} // namespace plenara
