#include "climate/climatedata.h"
#include "engine/method1.h"
#include "engine/method2.h"
#include "engine/method3.h"
#include "lifecycle/lifecycle.h"
#include "project/methodinputs.h"
#include "project/projectsession.h"

#include <benchmark/benchmark.h>

namespace plenara {
namespace {

ProjectSession sampleSession() {
    ProjectSession session(readClimateData(PLENARA_SHIPPED_DATA_DIR).table,
                           readEmissionData(PLENARA_SHIPPED_DATA_DIR));
    session.loadSampleData();
    return session;
}

// One whole recalculation of the sample building, with every caption of every panel and the
// life-cycle economics and CO2 of the three methods.
void BM_UpdateAllResultsSample(benchmark::State& state) {
    ProjectSession session = sampleSession();
    for (auto _ : state) {
        session.recalculate();
        benchmark::DoNotOptimize(session.results().lblPaybackRange.data());
    }
}
BENCHMARK(BM_UpdateAllResultsSample)->Unit(benchmark::kMicrosecond);

// The numbers of one recalculation of a copy of the project, without captions: the unit of work
// of every calculation that runs a project many times with changed inputs.
void BM_ProjectNumbersSample(benchmark::State& state) {
    const ProjectSession session = sampleSession();
    const RecalculationState& kept = session.state();
    ProjectNumbers numbers;
    for (auto _ : state) {
        computeProjectNumbers(session.inputs(), session.climate(), kept.RunTimeFraction,
                              kept.BoilerEfficiency, kept.avgTemperature, numbers);
        benchmark::DoNotOptimize(numbers.method2.payback);
    }
}
BENCHMARK(BM_ProjectNumbersSample)->Unit(benchmark::kMicrosecond);

// The numbers of the three methods alone, from inputs already converted, without captions.
void BM_MethodNumbersSample(benchmark::State& state) {
    const ProjectSession session = sampleSession();
    const ProjectResults& r = session.results();
    const ProjectInputs& in = session.inputs();

    Method1Inputs m1;
    m1.energyRate = r.method1.energyRate;
    m1.gasPrice = r.method1.gasPrice;
    m1.fuel1UnitFactor = 0.136998;
    for (std::size_t m = 0; m < 12; ++m) {
        m1.fuel1Quantity[m] = r.method2.months[0][m].ThermalLoadMMBtu / 0.75 / 0.136998;
        m1.peakKW[m] = r.method2.months[0][m].UtilityKW;
    }
    m1.annualPower = 984'000;
    m1.primeMover = in.PrimeMover;
    m1.installationDifficulty = in.InstallationDifficulty;

    Method2Inputs m2;
    m2.bills = loadMonthlyBills(in.MonthlyKWh, in.MonthlyKW, in.MonthlyFuel1, in.MonthlyFuel1Cost,
                                in.MonthlyFuel2, in.MonthlyFuel2Cost);
    m2.fuel1UnitFactor = 0.136998;
    m2.gasPrice = r.method1.gasPrice;
    m2.fuel1AverageCost = 2.452;
    m2.energyCharge = r.method1.energyRate;
    m2.primeMover = in.PrimeMover;
    m2.installationDifficulty = in.InstallationDifficulty;
    m2.heatAllocation = in.HeatAllocation;
    m2.waterHeaterFuel = in.WaterHeaterFuel;

    Method3Inputs m3;
    m3.HDD = r.method3.HDD;
    m3.CDD = r.method3.CDD;
    m3.avgTemperature = r.method3.avgTemperature;
    m3.coolingIntensity = 0.82;
    m3.heatingIntensity = 7.291 * 1027;
    m3.heatedFloorSpace = 98'000;
    m3.cooledFloorSpace = 98'000;
    m3.occupants = 200;
    m3.hotWaterUsage = in.HotWaterUsage;
    m3.energyRate = r.method1.energyRate;
    m3.peakKW = m1.peakKW;
    m3.gasPrice = r.method1.gasPrice;
    m3.primeMover = in.PrimeMover;
    m3.installationDifficulty = in.InstallationDifficulty;

    Method2Results results2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeMethod1(m1).payback);
        computeMethod2(m2, results2);
        benchmark::DoNotOptimize(results2.payback);
        benchmark::DoNotOptimize(computeMethod3(m3).payback);
    }
}
BENCHMARK(BM_MethodNumbersSample)->Unit(benchmark::kMicrosecond);

// The life-cycle economics and CO2 of the three methods from the figures of the sample's
// methods, as a later what-if run calls them for every variant.
void BM_LifeCycleSample(benchmark::State& state) {
    const ProjectSession session = sampleSession();
    const ProjectResults& r = session.results();
    const ProjectInputs& in = session.inputs();
    const std::array<MethodFigures, 3> figures = {
        method1Figures(r.method1), method2Figures(r.method2), method3Figures(r.method3)};
    for (auto _ : state) {
        const LifeCycleResults life =
            computeLifeCycle(figures, r.lifeCycle.parameters, session.emissions(), in.State,
                             in.Fuel1Type, in.Fuel2Type);
        benchmark::DoNotOptimize(life.methods[0].flows.npv);
    }
}
BENCHMARK(BM_LifeCycleSample)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace plenara
