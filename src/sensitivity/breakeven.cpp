#include "sensitivity/breakeven.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

namespace plenara {

namespace {

// The runs of one search, by price in display steps; a price is never run twice.
class PriceRuns {
public:
    PriceRuns(const ProjectVariations& project, BreakEvenPrice price)
        : m_project(project)
        , m_price(price)
        , m_step(project.priceResolution(price))
        , m_today(std::llround(project.basePrice(price) / m_step)) {
        // Today's price is the project as it stands.
        m_runs.emplace(m_today, project.baseOutcomes());
    }

    long long today() const { return m_today; }
    double price(long long steps) const { return double(steps) * m_step; }

    const MethodOutcomes& at(long long steps) {
        auto found = m_runs.find(steps);
        if (found == m_runs.end()) {
            found = m_runs.emplace(steps, m_project.runAtPrice(m_price, price(steps))).first;
        }
        return found->second;
    }

private:
    const ProjectVariations& m_project;
    BreakEvenPrice m_price;
    double m_step;
    long long m_today;
    std::map<long long, MethodOutcomes> m_runs;
};

using Test = std::function<bool(const MethodOutcomes&)>;

// The two neighbouring prices (in steps) between which `test` changes, nearest to today's; none
// when it holds or fails over the whole scan.
std::optional<std::pair<long long, long long>>
bracket(PriceRuns& runs, const std::vector<long long>& scan, const Test& test) {
    std::optional<std::pair<long long, long long>> nearest;
    long long nearestDistance = 0;
    for (std::size_t j = 0; j + 1 < scan.size(); ++j) {
        const long long lo = scan[j];
        const long long hi = scan[j + 1];
        if (test(runs.at(lo)) == test(runs.at(hi))) {
            continue;
        }
        const long long today = runs.today();
        const long long distance = today < lo ? lo - today : (today > hi ? today - hi : 0);
        if (!nearest || distance < nearestDistance) {
            nearest = std::pair(lo, hi);
            nearestDistance = distance;
        }
    }
    if (!nearest) {
        return std::nullopt;
    }
    auto [lo, hi] = *nearest;
    const bool atLow = test(runs.at(lo));
    while (hi - lo > 1) {
        const long long mid = lo + (hi - lo) / 2;
        (test(runs.at(mid)) == atLow ? lo : hi) = mid;
    }
    return std::pair(lo, hi);
}

} // namespace

PriceBreakEven findBreakEven(const ProjectVariations& project, BreakEvenPrice price,
                             double targetYears) {
    PriceRuns runs(project, price);
    const long long top = 10 * runs.today();
    std::vector<long long> scan;
    for (int i = 0; i <= kBreakEvenScanIntervals; ++i) {
        const long long steps = std::llround(double(top) * i / kBreakEvenScanIntervals);
        if (scan.empty() || steps != scan.back()) {
            scan.push_back(steps);
        }
    }
    // Today's price among them, so that a crossing next to it is bracketed from it.
    scan.insert(std::upper_bound(scan.begin(), scan.end(), runs.today()), runs.today());
    scan.erase(std::unique(scan.begin(), scan.end()), scan.end());

    PriceBreakEven result;
    for (std::size_t i = 0; i < 3; ++i) {
        const Test saves = [i](const MethodOutcomes& o) {
            return hasPayback(o.paybackYears[i]);
        };
        const Test meetsTarget = [i, targetYears](const MethodOutcomes& o) {
            return hasPayback(o.paybackYears[i]) && o.paybackYears[i] <= targetYears;
        };
        if (const auto ends = bracket(runs, scan, meetsTarget)) {
            const double lo = runs.at(ends->first).paybackYears[i];
            const double hi = runs.at(ends->second).paybackYears[i];
            const double missLo = hasPayback(lo) ? std::abs(lo - targetYears) : INFINITY;
            const double missHi = hasPayback(hi) ? std::abs(hi - targetYears) : INFINITY;
            result.forTarget[i] = runs.price(missLo <= missHi ? ends->first : ends->second);
        }
        if (const auto ends = bracket(runs, scan, saves)) {
            const bool savesAtLow = saves(runs.at(ends->first));
            result.noSavings[i] = runs.price(savesAtLow ? ends->second : ends->first);
        }
    }
    return result;
}

} // namespace plenara
