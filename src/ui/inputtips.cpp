#include "ui/inputtips.h"

#include "engine/textfields.h"

#include <array>

namespace plenara {

namespace {

// A column of the monthly grid: its boxes are "<prefix>_<month>", its inputs "<field>[<month>]".
struct MonthColumn {
    const char* prefix;
    const char* field;
    const char16_t* tip; // %1 is the month
};

const std::array<MonthColumn, 7> kMonthColumns = {{
    {"txtkWh", "MonthlyKWh",
     u"Electricity used in %1, in kWh (kilowatt-hours), from the electric bill.\n"
     u"Example: 138,000"},
    {"txtkW", "MonthlyKW",
     u"Peak electric demand in %1, in kW (kilowatts), from the electric bill.\nExample: 260"},
    {"txtPowerBill", "MonthlyPowerBill",
     u"Amount of the electric bill for %1, in dollars.\nExample: $14,500"},
    {"txtFuel1", "MonthlyFuel1",
     u"Quantity of fuel #1 used in %1, in the unit chosen above the column.\nExample: 12,000"},
    {"txtFuel1Cost", "MonthlyFuel1Cost", u"Cost of fuel #1 in %1, in dollars.\nExample: $13,800"},
    {"txtFuel2", "MonthlyFuel2",
     u"Quantity of fuel #2 used in %1, in the unit chosen above the column.\nExample: 4,000"},
    {"txtFuel2Cost", "MonthlyFuel2Cost", u"Cost of fuel #2 in %1, in dollars.\nExample: $4,600"},
}};

// The other inputs: the control, the input's name in the warnings (if any), the tip.
struct Input {
    const char* control;
    const char* field;
    const char16_t* tip;
};

const std::array<Input, 59> kInputs = {{
    {"txtSpecifiedCapacity", "",
     u"Generator capacity whose Method 2 payback is read from the curve, in kW; it must lie "
     u"within the sizes that Method 2 swept.\nExample: 150"},
    {"txtSensitivityPercent", "SensitivityPercent",
     u"How far each uncertain input moves down and up for the tornado chart and the Monte "
     u"Carlo, in percent, 0 to 90.\nExample: 20"},
    {"txtTargetPayback", "TargetPayback",
     u"Simple payback that the break-even prices aim at, in years, 0.1 to 1,000.\nExample: 10"},
    {"txtMonteCarloDraws", "MonteCarloDraws",
     u"Number of Monte Carlo draws, 100 to 10,000; more draws take longer.\nExample: 1000"},
    {"cmbSensitivityMethod", "",
     u"Method whose payback the tornado chart and the histogram show.\nExample: Method 2"},
    {"txtEnergyCharge", "EnergyCharge",
     u"Energy charge of the electric rate, in dollars per kWh.\nExample: $0.0444"},
    {"txtFuelAdjCharge", "FuelAdjCharge",
     u"Fuel adjustment charge of the electric rate, in dollars per kWh.\nExample: $0.0733"},
    {"txtDemandCharge", "DemandCharge",
     u"Demand charge of the electric rate, in dollars per kW of peak demand per month.\n"
     u"Example: $12.50"},
    {"txtStandby", "StandbyCharge",
     u"Standby charge for the on-site generator, in dollars per kW of generator capacity per "
     u"month.\nExample: $2.00"},
    {"txtGasCost", "GasCost",
     u"Price of natural gas, in dollars per unit chosen under \"Natural Gas Units\".\n"
     u"Example: $1.3119 per hundred cubic feet (CCF)"},
    {"txtHeatedFloorspace", "HeatedFloorSpace",
     u"Heated floor space of the building, in square feet.\nExample: 98,000"},
    {"txtCooledFloorSpace", "CooledFloorSpace",
     u"Air-conditioned floor space of the building, in square feet.\nExample: 98,000"},
    {"txtNoOccupants", "Occupants",
     u"Approximate number of people living in the building.\nExample: 200"},
    {"cmbStates", "State",
     u"State of the building: choosing one from the list lists its cities.\nExample: New York"},
    {"cmbCities", "City",
     u"City whose heating and cooling degree days Method 3 uses: choose the nearest one.\n"
     u"Example: New York (La Guardia)"},
    {"cmbRunTimeFraction", "RunTimeFractionText",
     u"Share of the year the generator runs, in percent.\nExample: 75%"},
    {"cmbBoilerEfficiency", "BoilerEfficiencyText",
     u"Annual average efficiency of the boilers and water heaters, in percent.\nExample: 75%"},
    {"cmbFuel1", "",
     u"Fuel #1, the fuel of the two columns below: choose it from the list.\n"
     u"Example: #2 fuel oil"},
    {"cmbFuel1Units", "", u"Unit of the fuel #1 quantities below.\nExample: gallons"},
    {"cmbFuel2", "",
     u"Fuel #2, the fuel of the two columns below: choose it from the list.\n"
     u"Example: natural gas"},
    {"cmbFuel2Units", "", u"Unit of the fuel #2 quantities below.\nExample: therms"},
    {"cmbACCriteria", "",
     u"Kind of air conditioning of the building, for Method 3's cooling load.\n"
     u"Example: Central AC"},
    {"txtCapacityIteration", "",
     u"Generator capacity at which \"View Payback Graph\" starts, in kW; each recalculation "
     u"puts Method 2's capacity here.\nExample: 125"},
    {"txtRunID", "",
     u"Identifier of the data set, printed under the title of every page.\nExample: Run #1"},
    {"txtAnalysisYears", "AnalysisYears",
     u"The years over which the gen-set's savings are counted, 1 to 40.\nExample: 20"},
    {"txtDiscountRate", "DiscountRate",
     u"The owner's cost of money: each year's savings are discounted by it to year 0, "
     u"% per year, 0 to 50.\nExample: 6"},
    {"txtElectricEscalation", "ElectricEscalation",
     u"How fast electricity prices rise, % per year above today's (negative if they "
     u"fall), -10 to 20.\nExample: 2.5"},
    {"txtFuelEscalation", "FuelEscalation",
     u"How fast the prices of natural gas and the heating fuels rise, % per year "
     u"(negative if they fall), -10 to 20.\nExample: 3"},
    {"txtOMEscalation", "OMEscalation",
     u"How fast the cost of gen-set operation and maintenance rises, % per year, "
     u"-10 to 20.\nExample: 2"},
    {"txtCostAdjustment", "CostAdjustment",
     u"Scales each method's installed cost from the built-in cost curves to local or "
     u"today's prices, %, -90 to 300.\nExample: 15 for costs 15 % above the curves"},
    {"txtTaxCredit", "TaxCredit",
     u"The tax credit, % of the adjusted installed cost, 0 to 100.\nExample: 30"},
    {"txtRebatePerKW", "RebatePerKW",
     u"A utility or state rebate, dollars per kW of the gen-set's capacity, 0 to "
     u"10,000.\nExample: 250"},
    {"txtGrant", "Grant",
     u"A grant toward the gen-set, dollars. The net installed cost is never below 0."
     u"\nExample: 50,000"},
    {"txtGridCO2Custom", "GridCO2Custom",
     u"The CO2 rate of grid power when the grid CO2 rate is \"Custom\", pounds of CO2 per "
     u"MWh generated, 0 to 5,000.\nExample: 950"},
    {"txtGridLoss", "GridLoss",
     u"The share of generated power lost before it reaches a meter, %, 0 to 30: each kWh "
     u"bought counts as 1 / (1 - loss) kWh generated.\nDefault: the U.S. grid gross loss, "
     u"4.2.\nExample: 5"},
    {"cmbGridCO2", "",
     u"The CO2 rate of the grid power a building buys and its gen-set displaces: the state's "
     u"non-baseload rate (the plants that follow the load, which on-site power displaces), the "
     u"state's average rate (all its plants), or a rate you type, in lb/MWh (eGRID2022).\n"
     u"Example: State non-baseload (eGRID)"},
    // The option buttons and switches: each one says what choosing it means.
    {"optTherms", "",
     u"The natural gas price is typed in dollars per therm (100,000 Btu).\nExample: $1.05"},
    {"optDecatherms", "",
     u"The natural gas price is typed in dollars per decatherm (1 million Btu).\n"
     u"Example: $10.50"},
    {"optMMBtu", "",
     u"The natural gas price is typed in dollars per million Btu.\nExample: $10.50"},
    {"optCCF", "",
     u"The natural gas price is typed in dollars per hundred cubic feet.\nExample: $1.3119"},
    {"optMCF", "",
     u"The natural gas price is typed in dollars per thousand cubic feet.\nExample: $13.12"},
    {"optRecip", "",
     u"A reciprocating engine gen-set. Offered for a Method 2 capacity of up to 5,000 kW; "
     u"greyed out above that.\nExample: a 150 kW natural gas engine"},
    {"optGasTurbine", "",
     u"A gas turbine gen-set. Offered for a Method 2 capacity of 750 kW or more: greyed out "
     u"while Method 2 sizes the gen-set smaller, since turbines are not made that small.\n"
     u"Example: a 1,000 kW turbine"},
    {"optMicroturbine", "",
     u"A microturbine gen-set. Offered for a Method 2 capacity of 10 to 250 kW: greyed out "
     u"outside that range, where microturbines are not made.\nExample: a 65 kW microturbine"},
    {"optFuelCell", "",
     u"A fuel cell. Offered for a Method 2 capacity of up to 2,000 kW; greyed out above "
     u"that.\nExample: a 200 kW phosphoric acid fuel cell"},
    {"optLow", "",
     u"Low installation costs: the base installation cost of the prime mover's cost table."},
    {"optTypical", "",
     u"Typical installation costs, the usual choice: the cost table's \"Typical\" share."},
    {"optHigh", "",
     u"High installation costs, for a site that is hard to reach or to connect: the cost "
     u"table's \"High\" share."},
    {"optRetrofit", "",
     u"Very high costs for a retrofit installation into an existing plant: the cost table's "
     u"\"Retrofit\" share."},
    {"optGasWaterHeater", "",
     u"The water heaters burn natural gas: Method 2 prices the boiler fuel that recovered "
     u"heat saves at the gas price."},
    {"optOilWaterHeater", "",
     u"The water heaters burn fuel #1: Method 2 prices the boiler fuel that recovered heat "
     u"saves at the average cost of fuel #1 (at the gas price when fuel #1 has no costs)."},
    {"optHeatingOnly", "",
     u"Method 2 uses the recovered heat for space heating and hot water only, with no "
     u"absorption cooling."},
    {"OptHeatingPriority", "",
     u"Method 2 uses the recovered heat for heating and hot water first and for absorption "
     u"cooling with what is left."},
    {"optPriorityCooling", "",
     u"Method 2 uses the recovered heat for absorption cooling first and for heating with "
     u"what is left."},
    {"Check1(0)", "", u"Shows the summary of the three methods' paybacks and sizes below."},
    {"Check1(1)", "", u"Shows the \"Method 1\" tab with the details of Method 1."},
    {"Check1(2)", "", u"Shows the \"Method 2\" tab with the details of Method 2."},
    {"Check1(3)", "", u"Shows the \"Method 3\" tab with the details of Method 3."},
    {"Check1(4)", "", u"Shows the tab that compares the three methods side by side."},
}};

QString monthName(int month) {
    const std::string_view name = monthNames()[static_cast<std::size_t>(month)];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

QString inputToolTip(const QString& objectName) {
    for (const MonthColumn& column : kMonthColumns) {
        const QString prefix = QLatin1String(column.prefix) + QLatin1Char('_');
        if (objectName.startsWith(prefix)) {
            bool ok = false;
            const int month = objectName.mid(prefix.size()).toInt(&ok);
            if (ok && month >= 0 && month < 12) {
                return QString::fromUtf16(column.tip).arg(monthName(month));
            }
        }
    }
    for (const Input& input : kInputs) {
        if (objectName == QLatin1String(input.control)) {
            return QString::fromUtf16(input.tip);
        }
    }
    return {};
}

QString controlOfField(const std::string& field) {
    for (const MonthColumn& column : kMonthColumns) {
        const std::string prefix = std::string(column.field) + "[";
        if (field.size() > prefix.size() + 1 && field.compare(0, prefix.size(), prefix) == 0 &&
            field.back() == ']') {
            const std::string month = field.substr(prefix.size(), field.size() - prefix.size() - 1);
            return QLatin1String(column.prefix) + QLatin1Char('_') + QString::fromStdString(month);
        }
    }
    for (const Input& input : kInputs) {
        if (*input.field != '\0' && field == input.field) {
            return QLatin1String(input.control);
        }
    }
    return {};
}

} // namespace plenara
