#pragma once

#include "engine/monthlyloads.h"

#include <string>

namespace plenara {

// The annual totals and average costs shown under the monthly grid, and the unit caption
// beside the gas price.
struct TotalsCaptions {
    std::string lblAnnualPower;      // annual kWh
    std::string lblAverageCostPower; // dollars per kWh
    std::string lblAnnualPowerCost;  // annual electric bill
    std::string lblAnnualFuel1;      // annual fuel 1, in its unit
    std::string lblAnnualFuel1Cost;
    std::string lblFuel1AvgCost; // dollars per unit of fuel 1
    std::string lblAnnualFuel2;
    std::string lblAnnualFuel2Cost;
    std::string lblAvgFuel2Cost;
    std::string Label18 = "/therm"; // the unit of the gas price
    double averagePowerCost = 0.0;  // dollars per kWh, 0 without kWh

    friend bool operator==(const TotalsCaptions&, const TotalsCaptions&) = default;
};

// The sums of a quantity column and its dollar column over the twelve months, and the
// average cost per unit (0 when the quantity sum is not above 0).
struct MonthSums {
    double quantity = 0.0;
    double cost = 0.0;
    double averageCost = 0.0;
};

MonthSums sumMonths(const MonthTexts& quantity, const MonthTexts& cost);
// The same from the numbers of the texts, summed in the same order.
MonthSums sumMonthValues(const std::array<double, 12>& quantity,
                         const std::array<double, 12>& cost);

// The patterns of the totals: the annual quantities and the average costs per unit.
inline constexpr const char* kTotalQuantityPattern = "###,###,##0";
inline constexpr const char* kAverageCostPattern = "$##0.000";

// The totals of each column pair; each writes only its own captions.
void updateAnnualPower(const MonthTexts& kWh, const MonthTexts& powerBill, TotalsCaptions& totals);
void updateAnnualPowerCost(const MonthTexts& kWh, const MonthTexts& powerBill,
                           TotalsCaptions& totals);
void updateFuel1Totals(const MonthTexts& fuel1, const MonthTexts& fuel1Cost,
                       TotalsCaptions& totals);
void updateFuel2Totals(const MonthTexts& fuel2, const MonthTexts& fuel2Cost,
                       TotalsCaptions& totals);

} // namespace plenara
