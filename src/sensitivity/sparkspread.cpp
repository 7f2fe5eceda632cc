#include "sensitivity/sparkspread.h"

#include "engine/billtotals.h"
#include "engine/gensetmodel.h"

namespace plenara {

SparkSpread computeSparkSpread(const ProjectVariations& project) {
    const ProjectInputs& in = project.formattedInputs();
    const ProjectNumbers& base = project.baseNumbers();
    TotalsCaptions totals;
    updateAnnualPowerCost(in.MonthlyKWh, in.MonthlyPowerBill, totals);

    SparkSpread s;
    s.averagePowerCostPerKWh = totals.averagePowerCost;
    s.gasPricePerMMBtu = base.method1.gasPrice;
    s.sparkSpreadPerMMBtu = s.averagePowerCostPerKWh * kKWhPerMMBtu - s.gasPricePerMMBtu;
    const GenSetPerformanceResult genSet =
        GenSetPerformance(base.method2.capacityKW, in.PrimeMover);
    // 1 Btu/kWh is 1,000 Btu/MWh, 0.001 MMBtu/MWh.
    s.heatRateMMBtuPerMWh = genSet.heatRate / 1000.0;
    s.omPerMWh = genSet.omCostPerKWh * 1000.0;
    s.generationMarginPerMWh =
        s.averagePowerCostPerKWh * 1000.0 - s.gasPricePerMMBtu * s.heatRateMMBtuPerMWh - s.omPerMWh;
    s.method2BuysNone = base.method2.selectedStep == 0;
    return s;
}

} // namespace plenara
