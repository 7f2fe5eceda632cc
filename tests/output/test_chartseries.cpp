#include "climate/climatedata.h"
#include "output/chartseries.h"
#include "output/linechart.h"
#include "project/projectsession.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

// The sample building's bills, January first.
constexpr std::array<double, 12> kSampleKWh = {68400,  67800,  57000, 56400, 57600, 117600,
                                               138000, 136800, 90600, 61200, 63600, 69000};
constexpr std::array<double, 12> kSampleKW = {138, 132, 132, 126, 150, 400,
                                              432, 402, 276, 174, 138, 138};
constexpr std::array<double, 12> kSampleFuel1Gallons = {27979, 25328, 29645, 16939, 7390,  6797,
                                                        5532,  4722,  6405,  12761, 15407, 24922};
constexpr double kFuelOilMMBtuPerGallon = 0.136998;

// July, the peak month, sets the sweep: 138,000 kWh / 20 steps.
constexpr double kKWhStep = 138000.0 / 20.0;

ProjectSession sampleSession(HeatAllocation allocation) {
    ProjectSession session(readClimateData(PLENARA_SHIPPED_DATA_DIR).table);
    session.loadSampleData();
    session.inputs().HeatAllocation = allocation;
    session.recalculate();
    return session;
}

std::vector<std::string> names(const ChartData& chart) {
    std::vector<std::string> result;
    for (const ChartSeries& s : chart.series) {
        result.push_back(s.name);
    }
    return result;
}

std::vector<Rgb> colours(const ChartData& chart) {
    std::vector<Rgb> result;
    for (const ChartSeries& s : chart.series) {
        result.push_back(s.colour);
    }
    return result;
}

// Each CHP series equals its field of the chosen step's month records, month by month.
void expectSeriesFromRecords(const ProjectResults& r) {
    const std::size_t step = static_cast<std::size_t>(r.method2.selectedStep);
    const auto& months = r.method2.months[step];
    const ChartData power = chtCHPPowerData(r);
    const ChartData demand = chtCHPDemandData(r);
    const ChartData fuel = chtCHPFuelData(r);
    for (std::size_t m = 0; m < 12; ++m) {
        SCOPED_TRACE(monthLabels()[m]);
        EXPECT_DOUBLE_EQ(power.series[0].values[m], months[m].UtilityKWh);
        EXPECT_DOUBLE_EQ(power.series[1].values[m], months[m].GenSetKWh);
        EXPECT_DOUBLE_EQ(demand.series[0].values[m], months[m].UtilityKW);
        EXPECT_DOUBLE_EQ(demand.series[1].values[m], r.method2.stepResults[step].CapacityKW);
        EXPECT_DOUBLE_EQ(demand.series[2].values[m], months[m].AvoidedACKW);
        EXPECT_DOUBLE_EQ(fuel.series[0].values[m], months[m].HeaterFuelMMBtu);
        EXPECT_DOUBLE_EQ(fuel.series[1].values[m], months[m].GenSetFuelMMBtu);
    }
}

TEST(ChartSeriesTest, TitlesAxisTitlesSeriesNamesAndColours) {
    const ProjectSession session = sampleSession(HeatAllocation::HeatingOnly);
    const auto charts = energyChartData(session.inputs(), session.results());

    struct Expected {
        const char* title;
        const char* axis;
        std::vector<std::string> names;
        std::vector<Rgb> colours;
        bool stacked;
    };
    const std::array<Expected, 6> expected = {{
        {"Monthly Power Consumption", "kiloWatt-hours", {"Utility Power"}, {kChartRed}, false},
        {"Monthly Electrical Demand", "kiloWats", {"Utility Demand"}, {kChartRed}, false},
        {"Monthly Fuel Consumption", "Million Btu", {"Water Heater"}, {kChartRed}, false},
        {"Monthly Power Consumption",
         "kiloWatt-hours",
         {"Utility Power", "On Site Generation"},
         {kChartRed, kChartBlue},
         true},
        {"Monthly Electrical Demand",
         "kW",
         {"Utility Demand", "On Site Generator", "Avoided A/C"},
         {kChartRed, kChartBlue, kChartGreen},
         true},
        {"Monthly Fuel Consumption",
         "Million Btu",
         {"Water Heater", "On Site Generator"},
         {kChartRed, kChartBlue},
         true},
    }};
    for (std::size_t i = 0; i < charts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(charts[i].title, expected[i].title);
        EXPECT_EQ(charts[i].valueAxisTitle, expected[i].axis);
        EXPECT_EQ(names(charts[i]), expected[i].names);
        EXPECT_EQ(colours(charts[i]), expected[i].colours);
        EXPECT_EQ(charts[i].stacked, expected[i].stacked);
        EXPECT_EQ(charts[i].months, monthLabels());
    }
    EXPECT_EQ(charts[0].months.front(), "Jan");
    EXPECT_EQ(charts[0].months.back(), "Dec");
    EXPECT_EQ(kChartRed, (Rgb{255, 0, 0}));
    EXPECT_EQ(kChartBlue, (Rgb{0, 0, 255}));
    EXPECT_EQ(kChartGreen, (Rgb{0, 255, 0}));
}

TEST(ChartSeriesTest, InputChartsShowTheTypedBills) {
    ProjectSession session = sampleSession(HeatAllocation::HeatingOnly);
    // A second fuel adds its heat: 100 therms of natural gas are 10 MMBtu.
    session.inputs().Fuel2Type = "natural gas";
    session.inputs().Fuel2Units = "therms";
    session.inputs().MonthlyFuel2[0] = "100";
    const ChartData power = chtPowerData(session.inputs());
    const ChartData demand = chtDemandData(session.inputs());
    const ChartData heat = chtHeatData(session.inputs());
    for (std::size_t m = 0; m < 12; ++m) {
        SCOPED_TRACE(monthLabels()[m]);
        EXPECT_DOUBLE_EQ(power.series[0].values[m], kSampleKWh[m]);
        EXPECT_DOUBLE_EQ(demand.series[0].values[m], kSampleKW[m]);
        const double fuel2 = m == 0 ? 10.0 : 0.0;
        EXPECT_NEAR(heat.series[0].values[m],
                    kSampleFuel1Gallons[m] * kFuelOilMMBtuPerGallon + fuel2, 1e-9);
    }
    // January: 27,979 gallons of #2 fuel oil at 136,998 Btu, plus the therms.
    EXPECT_NEAR(heat.series[0].values[0], 3833.067 + 10.0, 0.001);
}

TEST(ChartSeriesTest, HeatingRunAtStepNine) {
    const ProjectSession session = sampleSession(HeatAllocation::HeatingOnly);
    const ProjectResults& r = session.results();
    ASSERT_FALSE(r.method2.coolingPriorityRun);
    ASSERT_EQ(r.method2.selectedStep, 9);
    expectSeriesFromRecords(r);

    // Nine steps of 6,900 kWh are 62,100 kWh a month, never more than the month's bill.
    const ChartData power = chtCHPPowerData(r);
    for (std::size_t m = 0; m < 12; ++m) {
        SCOPED_TRACE(monthLabels()[m]);
        const double onSite = std::min(9 * kKWhStep, kSampleKWh[m]);
        EXPECT_DOUBLE_EQ(power.series[1].values[m], onSite);
        EXPECT_DOUBLE_EQ(power.series[0].values[m], kSampleKWh[m] - onSite);
    }
    EXPECT_DOUBLE_EQ(power.series[0].values[0], 6300.0);  // 68,400 - 62,100
    EXPECT_DOUBLE_EQ(power.series[1].values[3], 56400.0); // April is all on site
    EXPECT_DOUBLE_EQ(power.series[0].values[3], 0.0);

    // The generator runs 75 % of a 744-hour month: 62,100 / 558 = 111.29 kW, flat all year;
    // heating only avoids no air conditioning.
    const ChartData demand = chtCHPDemandData(r);
    const double capacity = 62100.0 / (0.75 * 744.0);
    for (std::size_t m = 0; m < 12; ++m) {
        SCOPED_TRACE(monthLabels()[m]);
        EXPECT_NEAR(demand.series[1].values[m], capacity, 1e-9);
        EXPECT_DOUBLE_EQ(demand.series[2].values[m], 0.0);
        EXPECT_NEAR(demand.series[0].values[m], std::max(kSampleKW[m] - capacity, 0.0), 1e-9);
    }
    EXPECT_NEAR(demand.series[0].values[0], 26.709677, 1e-6); // 138 kW - 111.290323 kW

    // The generator's fuel is its heat rate times its output.
    const ChartData fuel = chtCHPFuelData(r);
    const double heatRate = r.method2.stepResults[9].HeatRate;
    EXPECT_GT(heatRate, 0.0);
    EXPECT_NEAR(fuel.series[1].values[0], heatRate * 62100.0 / 1e6, 1e-9);
    EXPECT_NEAR(fuel.series[1].values[3], heatRate * 56400.0 / 1e6, 1e-9);
}

TEST(ChartSeriesTest, HeatingPriorityUsesTheHeatingRunToo) {
    const ProjectSession session = sampleSession(HeatAllocation::HeatingPriority);
    ASSERT_FALSE(session.results().method2.coolingPriorityRun);
    expectSeriesFromRecords(session.results());
}

TEST(ChartSeriesTest, CoolingPriorityRun) {
    const ProjectSession session = sampleSession(HeatAllocation::CoolingPriority);
    const ProjectResults& r = session.results();
    ASSERT_TRUE(r.method2.coolingPriorityRun);
    const int step = r.method2.selectedStep;
    ASSERT_GE(step, 1);
    expectSeriesFromRecords(r);

    // The cooling run generates the same kWh every month, even beyond the month's bill.
    const ChartData power = chtCHPPowerData(r);
    const double generated = step * kKWhStep;
    for (std::size_t m = 0; m < 12; ++m) {
        SCOPED_TRACE(monthLabels()[m]);
        EXPECT_DOUBLE_EQ(power.series[1].values[m], generated);
        EXPECT_DOUBLE_EQ(power.series[0].values[m], std::max(kSampleKWh[m] - generated, 0.0));
    }
    // Absorption cooling avoids demand only in months with a cooling load.
    const ChartData demand = chtCHPDemandData(r);
    const auto& months = r.method2.months[static_cast<std::size_t>(step)];
    for (std::size_t m = 0; m < 12; ++m) {
        SCOPED_TRACE(monthLabels()[m]);
        const double avoided =
            months[m].CoolingLoadMMBtu > 0.0
                ? r.method2.stepResults[static_cast<std::size_t>(step)].AvoidedACKW
                : 0.0;
        EXPECT_DOUBLE_EQ(demand.series[2].values[m], avoided);
    }
}

TEST(ChartSeriesTest, StepZeroShowsNoOnSiteGeneration) {
    ProjectResults r;
    r.method2.selectedStep = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        r.method2.months[0][m].GenSetKWh = 1000.0;
        r.method2.months[0][m].UtilityKWh = 5000.0 + static_cast<double>(m);
        r.method2.months[0][m].GenSetFuelMMBtu = 2.0;
        r.method2.months[0][m].HeaterFuelMMBtu = 3.0;
    }
    const ChartData power = chtCHPPowerData(r);
    const ChartData fuel = chtCHPFuelData(r);
    for (std::size_t m = 0; m < 12; ++m) {
        SCOPED_TRACE(monthLabels()[m]);
        EXPECT_DOUBLE_EQ(power.series[1].values[m], 0.0);
        EXPECT_DOUBLE_EQ(power.series[0].values[m], 5000.0 + static_cast<double>(m));
        // The fuel chart still shows the step-0 values of its fields.
        EXPECT_DOUBLE_EQ(fuel.series[0].values[m], 3.0);
        EXPECT_DOUBLE_EQ(fuel.series[1].values[m], 2.0);
    }
}

TEST(ChartSeriesTest, NoSavingsChoosesStepZero) {
    ProjectSession session = sampleSession(HeatAllocation::HeatingOnly);
    // Free electricity: no generator pays back.
    session.inputs().EnergyCharge = "0";
    session.inputs().FuelAdjCharge = "0";
    session.recalculate();
    const ProjectResults& r = session.results();
    ASSERT_EQ(r.method2.selectedStep, 0);
    const ChartData power = chtCHPPowerData(r);
    const ChartData demand = chtCHPDemandData(r);
    for (std::size_t m = 0; m < 12; ++m) {
        SCOPED_TRACE(monthLabels()[m]);
        EXPECT_DOUBLE_EQ(power.series[1].values[m], 0.0);
        EXPECT_DOUBLE_EQ(power.series[0].values[m], kSampleKWh[m]);
        EXPECT_DOUBLE_EQ(demand.series[1].values[m], 0.0);
        EXPECT_DOUBLE_EQ(demand.series[0].values[m], kSampleKW[m]);
    }
}

TEST(ChartSeriesTest, AYearWithoutBillsGivesEmptyChartsOnAUnitAxis) {
    ProjectSession session(readClimateData(PLENARA_SHIPPED_DATA_DIR).table);
    session.resetInputs();
    for (const ChartData& chart : energyChartData(session.inputs(), session.results())) {
        SCOPED_TRACE(chart.title);
        for (const ChartSeries& s : chart.series) {
            for (double v : s.values) {
                EXPECT_DOUBLE_EQ(v, 0.0);
            }
        }
        const AxisRange range = valueAxisRange(chart);
        EXPECT_DOUBLE_EQ(range.minimum, 0.0);
        EXPECT_DOUBLE_EQ(range.maximum, 1.0);
    }
}

TEST(ChartSeriesTest, ValueAxisHoldsTheTallestBar) {
    ChartData single;
    single.series.push_back({"a", {1, 7, 3}, kChartRed});
    single.series.push_back({"b", {4, 2, 6}, kChartBlue});
    EXPECT_DOUBLE_EQ(valueAxisRange(single).minimum, 0.0);
    EXPECT_DOUBLE_EQ(valueAxisRange(single).maximum, 7.0);
    ChartData stacked = single;
    stacked.stacked = true;
    EXPECT_DOUBLE_EQ(valueAxisRange(stacked).maximum, 9.0); // 3 + 6 in March
}

TEST(ChartSeriesTest, AxisRangeIsNeverEmptyOrInverted) {
    struct Row {
        const char* name;
        double low, high, minimumSpan, expectedLow, expectedHigh;
    };
    // A narrow range grows upwards from its lower end.
    const Row rows[] = {
        {"wide enough", 0, 10, 1, 0, 10},
        {"one point", 5, 5, 1, 5, 6},
        {"zero", 0, 0, 2, 0, 2},
        {"inverted", 8, 2, 1, 2, 8},
        {"inverted and narrow", 1.5, 1, 1, 1, 2},
        {"narrow", 1, 1.5, 1, 1, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const AxisRange range = axisRange(row.low, row.high, row.minimumSpan);
        EXPECT_DOUBLE_EQ(range.minimum, row.expectedLow);
        EXPECT_DOUBLE_EQ(range.maximum, row.expectedHigh);
    }
}

// Ticks at 1, 2 or 5 times a power of ten, at most 11 of them; the year axis never steps below
// one year, so a short period does not repeat its whole-year labels.
TEST(ChartSeriesTest, AxisTicks) {
    struct Row {
        const char* name;
        double low, high;
        bool whole;
        AxisTicks expected;
    };
    const Row rows[] = {
        // 20 years / 10 intervals = 2 a step.
        {"20 years", 0, 20, true, {0, 20, 2}},
        {"40 years", 0, 40, true, {0, 40, 5}},
        {"4 years", 0, 4, true, {0, 4, 1}},
        {"4 years, any number", 0, 4, false, {0, 4, 0.5}},
        {"1 year", 0, 1, true, {0, 1, 1}},
        // -1.2 M to 0.3 M: 0.15 M a step rounds up to 0.2 M.
        {"dollars", -1.2e6, 0.3e6, false, {-1.2e6, 0.4e6, 0.2e6}},
        {"no span", 3, 3, true, {3, 4, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const AxisTicks got = row.whole ? wholeAxisTicks(row.low, row.high, 11)
                                        : niceAxisTicks(row.low, row.high, 11);
        EXPECT_DOUBLE_EQ(got.minimum, row.expected.minimum);
        EXPECT_DOUBLE_EQ(got.maximum, row.expected.maximum);
        EXPECT_DOUBLE_EQ(got.step, row.expected.step);
    }
}

TEST(ChartSeriesTest, PaybackCurveLeavesOutStepsOfAHundredYearsOrMore) {
    std::array<double, kSweepSteps> capacities{};
    std::array<double, kSweepSteps> paybacks{};
    for (std::size_t s = 0; s < capacities.size(); ++s) {
        capacities[s] = 10.0 * static_cast<double>(s);
        paybacks[s] = 999.0;
    }
    paybacks[3] = 12.5;
    paybacks[4] = 99.99;
    paybacks[5] = 100.0;
    paybacks[9] = 6.0;
    const std::vector<ChartPoint> expected = {{30, 12.5}, {40, 99.99}, {90, 6.0}};
    EXPECT_EQ(paybackCurvePoints(capacities, paybacks), expected);
}

} // namespace
} // namespace plenara
