#include "portfolio/buildingcolumns.h"

#include "engine/fuels.h"
#include "engine/number.h"
#include "engine/textfields.h"
#include "portfolio/csvcells.h"
#include "project/inputwarnings.h"
#include "project/newclearsample.h"
#include "project/projectsettings.h"
#include "project/recalculationdriver.h"
#include "sensitivity/sensitivityoptions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace plenara {

namespace {

using Text = std::string ProjectInputs::*;

BuildingColumn textColumn(const char* name, Text field) {
    return {name, [field](const ProjectInputs& p) { return p.*field; },
            [field](std::string_view cell, ProjectInputs& p) {
                p.*field = std::string(cell);
                return std::string();
            }};
}

// The value that the calculation reads, as a plain number: the text was rewritten in its
// display pattern ("$8,058"), which a spreadsheet would take for a text.
BuildingColumn numberColumn(const char* name, Text field) {
    return {name, [field](const ProjectInputs& p) { return csvNumber(Number(p.*field)); },
            [field](std::string_view cell, ProjectInputs& p) {
                std::string problem = numberCellProblem(cell);
                if (problem.empty()) {
                    p.*field = std::string(cell);
                }
                return problem;
            }};
}

// A percentage box: "75%", " 95%" or a fraction such as 0.75, as the JSON results give it.
BuildingColumn percentColumn(const char* name, Text field) {
    return {name,
            [field](const ProjectInputs& p) {
                // A text that the recalculation does not take counts as the fraction of a new
                // window, 75 %.
                const auto fraction = percentText(p.*field);
                if (!fraction || *fraction <= 0.0 || *fraction > 1.0) {
                    return std::string("75%");
                }
                if ((p.*field).find('%') != std::string::npos) {
                    return p.*field;
                }
                // With the percent sign the project leaves out: it reads "80" as 80 % and "0.8"
                // as 0.8 %, where a cell without the sign is a fraction (0.8 is 80 %).
                char text[40];
                std::snprintf(text, sizeof text, "%.10g%%", *fraction * 100.0);
                return std::string(text);
            },
            [field](std::string_view cell, ProjectInputs& p) {
                if (cell.find('%') != std::string_view::npos) {
                    const auto fraction = percentText(cell);
                    if (!fraction || *fraction <= 0.0 || *fraction > 1.0) {
                        return std::string("is no percentage above 0% and up to 100%");
                    }
                    p.*field = std::string(cell);
                    return std::string();
                }
                const auto hundredth = percentText(cell);
                const double fraction = hundredth ? *hundredth * 100.0 : 0.0;
                if (!hundredth || fraction <= 0.0 || fraction > 1.0) {
                    return std::string("is no fraction above 0 and up to 1 (nor a percentage "
                                       "such as 75%)");
                }
                char text[40];
                std::snprintf(text, sizeof text, "%.10g%%", fraction * 100.0);
                p.*field = text;
                return std::string();
            }};
}

template <typename E, std::size_t N>
BuildingColumn optionColumn(const char* name, OptionGroup<E> ProjectInputs::*field,
                            std::array<const char*, N> words) {
    return {name,
            [field, words](const ProjectInputs& p) {
                const OptionGroup<E>& group = p.*field;
                return std::string(group ? words[static_cast<std::size_t>(*group)] : "None");
            },
            [field, words](std::string_view cell, ProjectInputs& p) {
                if (cell.empty()) {
                    return std::string(); // the value of a new project
                }
                if (equalsIgnoringCase(cell, "None")) {
                    (p.*field).reset();
                    return std::string();
                }
                std::string expected;
                for (std::size_t i = 0; i < N; ++i) {
                    if (equalsIgnoringCase(cell, words[i])) {
                        p.*field = static_cast<E>(i);
                        return std::string();
                    }
                    expected += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(words[i]);
                }
                return "is none of " + expected + " (or None)";
            }};
}

// The range of the number of a setting: that of its box, which the window shows clamped
// with a warning (numericInputs), or the spread of a Monte Carlo; none for the others.
struct SettingRange {
    bool applies = false;
    bool signedValue = false;
    double least = 0.0;
    double most = 0.0;
};

SettingRange settingRange(std::string_view key) {
    if (key == "SensitivityPercent") {
        return {true, false, 0.0, kMostSensitivityPercent};
    }
    for (const NumericInput& input : numericInputs()) {
        if (input.field == key && std::isfinite(input.least) && std::isfinite(input.most)) {
            return {true, input.signedValue, input.least, input.most};
        }
    }
    return {};
}

std::string plainNumber(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// Why the number of a setting with a range is not taken: a batch fails the building, as
// it does a percentage out of range, where the window would clamp the value and warn.
std::string rangeProblem(const SettingRange& range, std::string_view cell) {
    if (!(range.signedValue ? readsWholeSigned(cell) : readsWhole(cell))) {
        return "is no number";
    }
    const std::string_view digits = range.signedValue && cell.find('-') != std::string_view::npos
                                        ? cell.substr(cell.find('-') + 1)
                                        : cell;
    if (std::string problem = numberCellProblem(digits); !problem.empty()) {
        return problem;
    }
    const double value = range.signedValue ? SignedNumber(cell) : Number(cell);
    if (value < range.least || value > range.most) {
        return "is not within " + plainNumber(range.least) + " to " + plainNumber(range.most);
    }
    return {};
}

// The settings of line 22 in the words that line 22 holds; an empty cell keeps the value of
// a new project.
BuildingColumn settingColumn(const ProjectSetting& setting) {
    // Lower camel case: "HotWaterUsage" is "hotWaterUsage", "OMEscalation" "omEscalation".
    std::string name(setting.key);
    const auto upper = [](char c) {
        return c >= 'A' && c <= 'Z';
    };
    std::size_t capitals = 0;
    while (capitals < name.size() && upper(name[capitals])) {
        ++capitals;
    }
    const std::size_t lowered = capitals > 1 && capitals < name.size() ? capitals - 1 : capitals;
    for (std::size_t i = 0; i < lowered; ++i) {
        name[i] = static_cast<char>(name[i] - 'A' + 'a');
    }
    return {name, [&setting](const ProjectInputs& p) { return setting.value(p); },
            [&setting, range = settingRange(setting.key)](std::string_view cell, ProjectInputs& p) {
                if (cell.empty()) {
                    return std::string();
                }
                if (range.applies) {
                    if (std::string problem = rangeProblem(range, cell); !problem.empty()) {
                        return problem;
                    }
                }
                std::string problem = setting.read(cell, p);
                // "the value is none of ..." reads "is none of ..." after the cell.
                constexpr std::string_view kValue = "the value ";
                if (problem.compare(0, kValue.size(), kValue) == 0) {
                    problem.erase(0, kValue.size());
                }
                if (!problem.empty() && problem.back() == '.') {
                    problem.pop_back();
                }
                return problem;
            }};
}

} // namespace

const std::vector<BuildingColumn>& buildingColumns() {
    static const std::vector<BuildingColumn> columns = [] {
        std::vector<BuildingColumn> list = {
            textColumn("fuel1Type", &ProjectInputs::Fuel1Type),
            textColumn("fuel1Units", &ProjectInputs::Fuel1Units),
            textColumn("fuel2Type", &ProjectInputs::Fuel2Type),
            textColumn("fuel2Units", &ProjectInputs::Fuel2Units),
            numberColumn("energyCharge", &ProjectInputs::EnergyCharge),
            numberColumn("fuelAdjCharge", &ProjectInputs::FuelAdjCharge),
            numberColumn("demandCharge", &ProjectInputs::DemandCharge),
            numberColumn("standbyCharge", &ProjectInputs::StandbyCharge),
            numberColumn("gasCost", &ProjectInputs::GasCost),
            optionColumn("gasCostUnit", &ProjectInputs::GasCostUnit,
                         std::array{"Therms", "Decatherms", "MMBtu", "CCF", "MCF"}),
            textColumn("state", &ProjectInputs::State),
            textColumn("city", &ProjectInputs::City),
            numberColumn("heatedFloorSpace", &ProjectInputs::HeatedFloorSpace),
            numberColumn("cooledFloorSpace", &ProjectInputs::CooledFloorSpace),
            numberColumn("occupants", &ProjectInputs::Occupants),
            optionColumn("installationDifficulty", &ProjectInputs::InstallationDifficulty,
                         std::array{"Low", "Typical", "High", "Retrofit"}),
            optionColumn("primeMover", &ProjectInputs::PrimeMover,
                         std::array{"RecipEngine", "GasTurbine", "Microturbine", "FuelCell"}),
            optionColumn("heatAllocation", &ProjectInputs::HeatAllocation,
                         std::array{"HeatingOnly", "HeatingPriority", "CoolingPriority"}),
            textColumn("acCriteria", &ProjectInputs::ACCriteria),
            percentColumn("runTimeFraction", &ProjectInputs::RunTimeFractionText),
            percentColumn("boilerEfficiency", &ProjectInputs::BoilerEfficiencyText),
        };
        for (const ProjectSetting& setting : projectSettings()) {
            list.push_back(settingColumn(setting));
        }
        return list;
    }();
    return columns;
}

std::string fuelsProblem(const ProjectInputs& inputs) {
    static const ProjectInputs newProject;
    const struct {
        const std::string& type;
        const std::string& units;
        const MonthTexts& quantities;
        const std::string& unnamed; // the fuel of a new project: "Fuel #1"
        const char* name;           // of the columns: "fuel1"
    } fuels[] = {
        {inputs.Fuel1Type, inputs.Fuel1Units, inputs.MonthlyFuel1, newProject.Fuel1Type, "fuel1"},
        {inputs.Fuel2Type, inputs.Fuel2Units, inputs.MonthlyFuel2, newProject.Fuel2Type, "fuel2"}};
    for (const auto& fuel : fuels) {
        const bool used = std::any_of(fuel.quantities.begin(), fuel.quantities.end(),
                                      [](const std::string& q) { return Number(q) > 0.0; });
        // The fuel of a new project, where the file has no fuel column, is read as the window
        // reads it: its quantities in MMBtu.
        if (!used || fuel.type == fuel.unnamed) {
            continue;
        }
        const std::vector<std::string> units = fuelUnitList(fuel.type);
        const auto list = [](const auto& words) {
            std::string text;
            for (std::size_t i = 0; i < words.size(); ++i) {
                text += (i == 0                  ? ""
                         : i + 1 == words.size() ? " or "
                                                 : ", ") +
                        std::string(words[i]);
            }
            return text;
        };
        if (units.empty()) {
            return "column " + std::string(fuel.name) +
                   "Type: " + quotedCell(windows1252ToUtf8(fuel.type)) + " is none of " +
                   list(fuelNames()) +
                   ", whose heat per unit is known, and the bills give quantities of it";
        }
        const bool knownUnit = std::any_of(units.begin(), units.end(), [&](const std::string& u) {
            return equalsIgnoringCase(u, fuel.units);
        });
        if (!knownUnit) {
            return "column " + std::string(fuel.name) +
                   "Units: " + quotedCell(windows1252ToUtf8(fuel.units)) +
                   " is none of the units of " + fuel.type + " (" + list(units) + ")";
        }
    }
    return {};
}

ProjectInputs newProjectInputs(const ClimateTable& climate) {
    ProjectInputs inputs;
    std::string noFile;
    ResetInputs(inputs, climate, noFile);
    return inputs;
}

std::vector<std::string> buildingCells(std::string_view id, const ProjectInputs& inputs) {
    // The numbers as the recalculation reads them: every numeric text rewritten first.
    ProjectInputs shown = inputs;
    std::string unitCaption;
    formatInputFields(shown, unitCaption);
    std::vector<std::string> cells;
    cells.reserve(buildingColumns().size() + 1);
    cells.emplace_back(id);
    for (const BuildingColumn& column : buildingColumns()) {
        cells.push_back(column.cell(shown));
    }
    return cells;
}

} // namespace plenara
