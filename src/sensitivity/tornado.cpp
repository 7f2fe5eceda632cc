#include "sensitivity/tornado.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace plenara {

namespace {

// The length of a bar; a bar along which the payback is lost is the longest there is.
double swing(double lowYears, double highYears) {
    if (hasPayback(lowYears) != hasPayback(highYears)) {
        return std::numeric_limits<double>::infinity();
    }
    return hasPayback(lowYears) ? std::abs(highYears - lowYears) : 0.0;
}

} // namespace

Tornado computeTornado(const ProjectVariations& project, double percent) {
    const double x = percent / 100.0;
    Tornado tornado;
    for (UncertainInput input : uncertainInputs()) {
        if (!project.present(input)) {
            continue;
        }
        const MethodOutcomes low = project.run(InputFactors::only(input, 1.0 - x));
        const MethodOutcomes high = project.run(InputFactors::only(input, 1.0 + x));
        for (std::size_t i = 0; i < 3; ++i) {
            const int method = static_cast<int>(i) + 1;
            TornadoRow row;
            row.input = input;
            row.lowValue = project.valueAt(input, method, 1.0 - x);
            row.highValue = project.valueAt(input, method, 1.0 + x);
            row.lowPaybackYears = low.paybackYears[i];
            row.highPaybackYears = high.paybackYears[i];
            row.lowNpv = low.npv[i];
            row.highNpv = high.npv[i];
            row.swingYears = swing(row.lowPaybackYears, row.highPaybackYears);
            tornado[i].push_back(row);
        }
    }
    for (std::vector<TornadoRow>& rows : tornado) {
        std::stable_sort(rows.begin(), rows.end(), [](const TornadoRow& a, const TornadoRow& b) {
            return a.swingYears > b.swingYears;
        });
    }
    return tornado;
}

} // namespace plenara
