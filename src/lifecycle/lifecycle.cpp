#include "lifecycle/lifecycle.h"

#include <cmath>

namespace plenara {

namespace {

bool finite(const CaseFigures& c) {
    return std::isfinite(c.electricityCost) && std::isfinite(c.fuelCost) &&
           std::isfinite(c.omCost) && std::isfinite(c.gridKWh) && std::isfinite(c.gasMMBtu) &&
           std::isfinite(c.genSetMMBtu) && std::isfinite(c.fuel1MMBtu) &&
           std::isfinite(c.fuel2MMBtu);
}

bool finite(const MethodFigures& f) {
    return std::isfinite(f.installedCost) && std::isfinite(f.capacityKW) && finite(f.baseline) &&
           finite(f.chp);
}

bool finite(const std::optional<double>& value) {
    return !value || std::isfinite(*value);
}

bool finite(const MethodLifeCycle& m) {
    bool ok = std::isfinite(m.cost.net) && std::isfinite(m.flows.npv) &&
              std::isfinite(m.flows.presentValueOfSavings) && finite(m.simplePaybackYears) &&
              finite(m.irr) && finite(m.discountedPaybackYears) && finite(m.sir) &&
              std::isfinite(m.co2.baselineTonnes) && std::isfinite(m.co2.chpTonnes) &&
              finite(m.co2.changePercent);
    for (int t = 0; t < m.flows.years; ++t) {
        ok = ok && std::isfinite(m.flows.byYear[static_cast<std::size_t>(t)].cumulativeDiscounted);
    }
    return ok;
}

} // namespace

MethodLifeCycle methodLifeCycle(const MethodFigures& figures, const LifeCycleParameters& p,
                                const CO2Rates* rates) {
    MethodLifeCycle m;
    if (!finite(figures)) {
        return m;
    }
    m.figures = figures;
    m.cost = installedCostAfterIncentives(figures.installedCost, figures.capacityKW, p);
    m.yearOne.electricity = figures.baseline.electricityCost - figures.chp.electricityCost;
    m.yearOne.fuel = figures.baseline.fuelCost - figures.chp.fuelCost;
    m.yearOne.om = figures.baseline.omCost - figures.chp.omCost;
    m.firstYearSavings = m.yearOne.total();
    if (m.firstYearSavings > 0.0) {
        m.simplePaybackYears = m.cost.net / m.firstYearSavings;
    }
    m.flows = cashFlows(m.cost.net, m.yearOne, p);
    m.irr = internalRateOfReturn(m.flows);
    m.discountedPaybackYears = discountedPaybackYears(m.flows);
    m.sir = savingsToInvestmentRatio(m.flows);
    if (rates) {
        m.co2.available = true;
        m.co2.baselineTonnes = co2Tonnes(figures.baseline, *rates);
        m.co2.chpTonnes = co2Tonnes(figures.chp, *rates);
        m.co2.changeTonnes = m.co2.chpTonnes - m.co2.baselineTonnes;
        if (m.co2.baselineTonnes > 0.0) {
            m.co2.changePercent = m.co2.changeTonnes / m.co2.baselineTonnes * 100.0;
        }
    }
    m.valid = finite(m);
    if (!m.valid) {
        return MethodLifeCycle{};
    }
    return m;
}

LifeCycleResults computeLifeCycle(const std::array<MethodFigures, 3>& figures,
                                  const LifeCycleParameters& p, const EmissionData& data,
                                  std::string_view state, std::string_view fuel1Type,
                                  std::string_view fuel2Type) {
    LifeCycleResults r;
    r.parameters = p;
    if (data.ok()) {
        CO2Basis basis;
        basis.grid = gridRateFor(data, state, p.gridBasis, p.customGridLbPerMWh);
        basis.rates = co2Rates(data, basis.grid, p.gridLossFraction, fuel1Type, fuel2Type);
        r.co2 = basis;
    } else {
        r.emissionProblem = data.problem;
    }
    const CO2Rates* rates = r.co2 ? &r.co2->rates : nullptr;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        r.methods[i] = methodLifeCycle(figures[i], p, rates);
    }
    if (!r.co2) {
        return r;
    }
    if (r.co2->grid.unitedStatesRate) {
        r.co2Notes.push_back((state.empty()
                                  ? std::string("No state is chosen")
                                  : "The table holds no such rate for " + std::string(state)) +
                             "; the U.S. rate is used.");
    }
    // A fuel is noted only where a method burns some of it.
    const auto burns = [&](double CaseFigures::*fuel) {
        for (const MethodFigures& f : figures) {
            if (f.baseline.*fuel > 0.0 || f.chp.*fuel > 0.0) {
                return true;
            }
        }
        return false;
    };
    const auto noteFuel = [&](const char* which, std::string_view type) {
        r.co2Notes.push_back(std::string(which) + " (\"" + std::string(type) +
                             "\") has no CO2 factor; it counts at the grid rate.");
    };
    if (r.co2->rates.fuel1AtGridRate && burns(&CaseFigures::fuel1MMBtu)) {
        noteFuel("Fuel #1", fuel1Type);
    }
    if (r.co2->rates.fuel2AtGridRate && burns(&CaseFigures::fuel2MMBtu)) {
        noteFuel("Fuel #2", fuel2Type);
    }
    return r;
}

} // namespace plenara
