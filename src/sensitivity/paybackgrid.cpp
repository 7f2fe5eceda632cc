#include "sensitivity/paybackgrid.h"

namespace plenara {

PaybackGrid computePaybackGrid(const ProjectVariations& project) {
    PaybackGrid grid;
    for (std::size_t g = 0; g < kGridSize; ++g) {
        const double gasFactor = 1.0 + grid.percents[g] / 100.0;
        grid.gasPrices[g] = project.valueAt(UncertainInput::GasPrice, 2, gasFactor);
        for (std::size_t e = 0; e < kGridSize; ++e) {
            const double energyFactor = 1.0 + grid.percents[e] / 100.0;
            grid.energyCharges[e] = project.valueAt(UncertainInput::EnergyCharge, 2, energyFactor);
            if (gasFactor == 1.0 && energyFactor == 1.0) {
                grid.method2PaybackYears[g][e] = project.baseOutcomes().paybackYears[1];
                continue;
            }
            InputFactors factors;
            factors[UncertainInput::GasPrice] = gasFactor;
            factors[UncertainInput::EnergyCharge] = energyFactor;
            grid.method2PaybackYears[g][e] = project.run(factors).paybackYears[1];
        }
    }
    return grid;
}

} // namespace plenara
