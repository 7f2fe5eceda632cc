#include "engine/monthlytables.h"

#include "engine/captiontext.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace plenara {

namespace {

// Where a column takes its value: the step's capacity, its installed cost, or a field of the
// month record.
enum class Source { Capacity, InstalledCost, Month };

struct Column {
    Source source;
    double Method2Month::*field; // for Source::Month
    std::string_view pattern;
    std::size_t width;       // the value is right-aligned in this many characters
    std::size_t blanksAfter; // blanks written after the column
};

constexpr Column capacity(std::size_t blanksAfter) {
    return {Source::Capacity, nullptr, "#,##0.0", 8, blanksAfter};
}

constexpr Column field(double Method2Month::*f, std::string_view pattern, std::size_t width,
                       std::size_t blanksAfter) {
    return {Source::Month, f, pattern, width, blanksAfter};
}

using M = Method2Month;

constexpr std::array<std::string_view, 4> kHeatHeadings = {
    "            Power            Recvd     Water  Recvd   Absorp   Elec            Non-       "
    "                          Water                                                         ",
    " GenSet    Genrtd     Recvd  To Hot   Heater  Heat to Chillr  Chillr  Coolng  Coolng     "
    "Total   Utility  Gen-Set   Heater   Total                      Total      GenSet  Monthly",
    "Capacity   On Site     Heat   Water   Output  Chiller Output  Output   Power  Power      "
    "Power    Power     Fuel     Fuel     Fuel     Cost     Cost   Utility      O&&M    Operatn  "
    " Equipment",
    "   kW        kWh      MMBtu   MMBtu    MMBtu   MMBtu   MMBtu   MMBtu     kWh    kWh       "
    "kWh      kWh     MMBtu    MMBtu    MMBtu    Power     Fuel     Cost      Cost      Cost     "
    "  Cost   ",
};

// The heating-priority run also keeps the equipment cost of each step, so its table ends
// with that column.
constexpr std::array<Column, 21> kHeatColumns = {{
    capacity(2),
    field(&M::GenSetKWh, "#,###,##0", 9, 1),
    field(&M::RecoveredHeatMMBtu, "###,##0.0", 7, 1),
    field(&M::HeatToThermalMMBtu, "###,##0.0", 7, 2),
    field(&M::HeaterLoadMMBtu, "###,##0.0", 7, 1),
    field(&M::HeatToChillerMMBtu, "###,##0.0", 7, 1),
    field(&M::AbsorptionCoolingMMBtu, "###,##0.0", 7, 1),
    field(&M::ElectricCoolingMMBtu, "###,##0.0", 7, 1),
    field(&M::ACKWh, "###,##0", 7, 1),
    field(&M::BaseKWh, "###,##0", 7, 3),
    field(&M::MonthKWh, "###,##0", 7, 2),
    field(&M::UtilityKWh, "###,##0", 7, 2),
    field(&M::GenSetFuelMMBtu, "###,##0", 7, 2),
    field(&M::HeaterFuelMMBtu, "###,##0", 7, 2),
    field(&M::TotalFuelMMBtu, "###,##0", 7, 0),
    field(&M::ElectricCost, "$###,##0", 9, 0),
    field(&M::FuelCost, "$###,##0", 9, 1),
    field(&M::EnergyCost, "$###,##0", 9, 0),
    field(&M::OMCost, "$###,##0", 9, 4),
    field(&M::TotalCost, "$###,##0", 7, 2),
    {Source::InstalledCost, nullptr, "$###,##0", 10, 0},
}};

constexpr std::array<std::string_view, 4> kCoolHeadings = {
    "             Power     Total  Recvd    Recvd    Water    Water   Recvd    Absorpt  Electr   "
    "           Non-                        Water                                ",
    " GenSet     Genrtd     Recvd  Heat to to Hot   Heater   Heater    Heat    Chiller  Chillr    "
    "Coolng  Cooling    Total     GenSet  Heater     Total                        GenSet    Total ",
    "Capacity    On Site     Heat  Chiller  Water   Output     Fuel   Chillr    Output  Output    "
    "Power    Power     Power      Fuel     Fuel      Fuel        Cost     Cost     O&&M    Oprtng",
    "   kW         kWh      MMBtu   MMBtu   MMBtu    MMBtu    MMBtu    MMBtu     MMBtu   MMBtu     "
    "kWh      kWh       kWh      MMBtu    MMBtu     MMBtu       Power     Fuel    Cost      Cost ",
};

// The chiller's heat and the heater's fuel each appear twice, once beside the recovered heat
// they come from and once beside the cooling or fuel totals they feed.
constexpr std::array<Column, 20> kCoolColumns = {{
    capacity(2),
    field(&M::GenSetKWh, "#,###,##0", 9, 2),
    field(&M::RecoveredHeatMMBtu, "###,##0.0", 7, 1),
    field(&M::HeatToChillerMMBtu, "###,##0.0", 7, 1),
    field(&M::HeatToThermalMMBtu, "###,##0.0", 7, 2),
    field(&M::HeaterLoadMMBtu, "###,##0.0", 7, 2),
    field(&M::HeaterFuelMMBtu, "###,##0.0", 7, 4),
    field(&M::HeatToChillerMMBtu, "###,##0.0", 7, 1),
    field(&M::AbsorptionCoolingMMBtu, "###,##0.0", 7, 1),
    field(&M::ElectricCoolingMMBtu, "###,##0.0", 7, 3),
    field(&M::ACKWh, "#,###,##0", 7, 2),
    field(&M::BaseKWh, "#,###,##0", 7, 3),
    field(&M::MonthKWh, "#,###,##0", 7, 3),
    field(&M::GenSetFuelMMBtu, "###,##0.0", 7, 2),
    field(&M::HeaterFuelMMBtu, "###,##0.0", 7, 3),
    field(&M::TotalFuelMMBtu, "###,##0.0", 7, 4),
    field(&M::ElectricCost, "$###,##0", 7, 2),
    field(&M::FuelCost, "$###,##0", 7, 1),
    field(&M::OMCost, "$###,##0", 7, 3),
    field(&M::TotalCost, "$###,##0", 7, 0),
}};

template <std::size_t N>
std::string tableRow(const Method2Results& results, int step, int month,
                     const std::array<Column, N>& columns) {
    const Method2Month& record = results.months[step][month];
    std::string row;
    for (const Column& column : columns) {
        double value = 0.0;
        switch (column.source) {
        case Source::Capacity:
            value = results.annualResults[step].CapacityKW;
            break;
        case Source::InstalledCost:
            value = results.stepResults[step].InstalledCost;
            break;
        case Source::Month:
            value = record.*column.field;
            break;
        }
        // A value wider than its column is written whole: the line grows rather than a
        // figure losing its leading digits.
        row += R(column.width, value, column.pattern);
        row += Blanks(static_cast<long long>(column.blanksAfter));
    }
    return row;
}

template <std::size_t N>
std::array<Caption, 14> monthlyTable(const std::array<std::string_view, 4>& headings,
                                     const std::array<Column, N>& columns,
                                     const Method2Results& results, int selectedStep, int rowCount,
                                     int month, int firstStep) {
    std::array<Caption, 14> lines;
    for (std::size_t k = 0; k < headings.size(); ++k) {
        lines[k].text = std::string(headings[k]);
    }
    if (month < 0 || month > 11) {
        return lines;
    }
    std::size_t k = headings.size();
    for (int s = firstStep; s <= firstStep + rowCount + 1 && k < lines.size(); ++s, ++k) {
        if (s < 0 || s >= kSweepSteps) {
            break;
        }
        lines[k] = {tableRow(results, s, month, columns), s == selectedStep};
    }
    return lines;
}

} // namespace

std::array<Caption, 14> updateMonthlyTableHeat(const Method2Results& results, int selectedStep,
                                               int rowCount, int month, int firstStep) {
    return monthlyTable(kHeatHeadings, kHeatColumns, results, selectedStep, rowCount, month,
                        firstStep);
}

std::array<Caption, 14> updateMonthlyTableCool(const Method2Results& results, int selectedStep,
                                               int rowCount, int month, int firstStep) {
    return monthlyTable(kCoolHeadings, kCoolColumns, results, selectedStep, rowCount, month,
                        firstStep);
}

} // namespace plenara
