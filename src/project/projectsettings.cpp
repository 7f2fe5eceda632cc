#include "project/projectsettings.h"

#include "engine/formatpattern.h"
#include "engine/number.h"
#include "engine/textfields.h"
#include "project/lifecycleinputs.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace plenara {

namespace {

constexpr char kSeparator = '^';

// The words of an option group on line 22, in the order of the enumeration.
template <typename E, std::size_t N>
struct OptionWords {
    std::array<std::string_view, N> words;

    std::string_view word(E option) const { return words[static_cast<std::size_t>(option)]; }

    std::optional<E> option(std::string_view word) const {
        for (std::size_t i = 0; i < N; ++i) {
            if (words[i] == word) {
                return static_cast<E>(i);
            }
        }
        return std::nullopt;
    }

    std::string expected() const {
        std::string list;
        for (std::size_t i = 0; i < N; ++i) {
            list += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(words[i]);
        }
        return list;
    }
};

constexpr OptionWords<HotWaterUsage, 3> kHotWaterWords{{"Low", "Medium", "High"}};
constexpr OptionWords<WaterHeaterFuel, 2> kWaterHeaterWords{{"NaturalGas", "Fuel1"}};
constexpr OptionWords<GridCO2Basis, 3> kGridCO2Words{{"NonBaseload", "StateAverage", "Custom"}};

const ProjectInputs& defaultInputs() {
    static const ProjectInputs defaults;
    return defaults;
}

// The settings of the numeric boxes of the "Life Cycle" tab, the box by its place in
// lifeCycleBoxes(). A box is at its default when the value it stands for is, so that "6" and
// "6.0" both keep the line unwritten; it is written as the value used, in its display
// pattern, which always reads back.
template <std::size_t I>
const LifeCycleBox& box() {
    return lifeCycleBoxes()[I];
}

template <std::size_t I>
ProjectSetting lifeCycleSetting() {
    return {box<I>().field,
            box<I>().label,
            [](const ProjectInputs& p) {
                return FormatPattern(lifeCycleValue(box<I>(), p.*box<I>().text), box<I>().pattern);
            },
            [](const ProjectInputs& p) {
                return lifeCycleValue(box<I>(), p.*box<I>().text) ==
                       lifeCycleValue(box<I>(), defaultInputs().*box<I>().text);
            },
            [](ProjectInputs& p) { p.*box<I>().text = defaultInputs().*box<I>().text; },
            [](std::string_view value, ProjectInputs& p) {
                const bool whole =
                    box<I>().signedValue ? readsWholeSigned(value) : readsWhole(value);
                if (value.empty() || !whole) {
                    return std::string("the value is no number.");
                }
                p.*box<I>().text = std::string(value);
                return std::string();
            }};
}

// With no option of its group set, the hot-water level counts as medium and the water
// heater as not burning natural gas: the calculations ask only whether the gas option is set.
HotWaterUsage hotWaterOf(const ProjectInputs& p) {
    return p.HotWaterUsage.value_or(HotWaterUsage::Medium);
}

WaterHeaterFuel waterHeaterOf(const ProjectInputs& p) {
    return p.WaterHeaterFuel.value_or(WaterHeaterFuel::Fuel1);
}

template <typename E, std::size_t N>
std::string readOption(std::string_view value, const OptionWords<E, N>& words,
                       OptionGroup<E>& into) {
    const std::optional<E> option = words.option(value);
    if (!option) {
        return "the value is none of " + words.expected() + ".";
    }
    into = *option;
    return {};
}

// A text box of the "Sensitivity" tab: kept as typed, like every text box of the project, and
// read with Number by the calculation.
template <std::string SensitivityInputs::*Field>
ProjectSetting sensitivityText(std::string_view key, std::string_view caption) {
    return {
        key,
        caption,
        [](const ProjectInputs& p) { return p.Sensitivity.*Field; },
        [](const ProjectInputs& p) { return p.Sensitivity.*Field == SensitivityInputs{}.*Field; },
        [](ProjectInputs& p) { p.Sensitivity.*Field = SensitivityInputs{}.*Field; },
        [](std::string_view value, ProjectInputs& p) {
            p.Sensitivity.*Field = std::string(value);
            return std::string();
        }};
}

} // namespace

const std::vector<ProjectSetting>& projectSettings() {
    static const std::vector<ProjectSetting> settings = {
        {"HotWaterUsage", "Hot Water Usage",
         [](const ProjectInputs& p) { return std::string(kHotWaterWords.word(hotWaterOf(p))); },
         [](const ProjectInputs& p) { return hotWaterOf(p) == HotWaterUsage::Medium; },
         [](ProjectInputs& p) { p.HotWaterUsage = HotWaterUsage::Medium; },
         [](std::string_view value, ProjectInputs& p) {
             return readOption(value, kHotWaterWords, p.HotWaterUsage);
         }},
        {"WaterHeaterFuel", "Water Heater Fuel",
         [](const ProjectInputs& p) {
             return std::string(kWaterHeaterWords.word(waterHeaterOf(p)));
         },
         [](const ProjectInputs& p) { return waterHeaterOf(p) == WaterHeaterFuel::NaturalGas; },
         [](ProjectInputs& p) { p.WaterHeaterFuel = WaterHeaterFuel::NaturalGas; },
         [](std::string_view value, ProjectInputs& p) {
             return readOption(value, kWaterHeaterWords, p.WaterHeaterFuel);
         }},
        lifeCycleSetting<0>(),
        lifeCycleSetting<1>(),
        lifeCycleSetting<2>(),
        lifeCycleSetting<3>(),
        lifeCycleSetting<4>(),
        lifeCycleSetting<5>(),
        lifeCycleSetting<6>(),
        lifeCycleSetting<7>(),
        lifeCycleSetting<8>(),
        {"GridCO2", "Grid CO2 rate",
         [](const ProjectInputs& p) { return std::string(kGridCO2Words.word(p.GridCO2)); },
         [](const ProjectInputs& p) { return p.GridCO2 == GridCO2Basis::StateNonBaseload; },
         [](ProjectInputs& p) { p.GridCO2 = GridCO2Basis::StateNonBaseload; },
         [](std::string_view value, ProjectInputs& p) {
             OptionGroup<GridCO2Basis> basis;
             std::string problem = readOption(value, kGridCO2Words, basis);
             if (basis) {
                 p.GridCO2 = *basis;
             }
             return problem;
         }},
        lifeCycleSetting<9>(),
        lifeCycleSetting<10>(),
        sensitivityText<&SensitivityInputs::Percent>("SensitivityPercent", "Vary each input by"),
        sensitivityText<&SensitivityInputs::TargetPayback>("TargetPayback", "Target payback"),
        sensitivityText<&SensitivityInputs::Draws>("MonteCarloDraws", "Monte Carlo draws"),
        {"SensitivityMethod", "Method of the tornado chart",
         [](const ProjectInputs& p) { return std::to_string(p.Sensitivity.Method); },
         [](const ProjectInputs& p) { return p.Sensitivity.Method == SensitivityInputs{}.Method; },
         [](ProjectInputs& p) { p.Sensitivity.Method = SensitivityInputs{}.Method; },
         [](std::string_view value, ProjectInputs& p) {
             if (value != "1" && value != "2" && value != "3") {
                 return std::string("the value is none of 1, 2 or 3.");
             }
             p.Sensitivity.Method = value[0] - '0';
             return std::string();
         }},
    };
    return settings;
}

std::vector<ProjectSettingField> projectSettingFields(const ProjectInputs& inputs) {
    std::vector<ProjectSettingField> fields;
    for (const ProjectSetting& setting : projectSettings()) {
        if (!setting.isDefault(inputs)) {
            fields.push_back({std::string(setting.caption),
                              std::string(setting.key) + "=" + setting.value(inputs)});
        }
    }
    for (const auto& [key, value] : inputs.LaterSettings) {
        fields.push_back({key, key + "=" + value});
    }
    return fields;
}

std::string readProjectSettings(std::string_view line, ProjectInputs& inputs) {
    const std::vector<ProjectSetting>& settings = projectSettings();
    for (const ProjectSetting& setting : settings) {
        setting.reset(inputs);
    }
    inputs.LaterSettings.clear();
    // A line 22 left empty holds no setting.
    if (line.empty()) {
        return {};
    }
    const std::vector<std::string> fields = splitFields(line, kSeparator);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        const std::string where = "field " + std::to_string(i + 1);
        const std::size_t equals = field.find('=');
        if (equals == std::string::npos) {
            return where + " reads \"" + field.substr(0, 30) + (field.size() > 30 ? "..." : "") +
                   "\" where a setting key=value is needed.";
        }
        const std::string key = field.substr(0, equals);
        const std::string_view value = std::string_view(field).substr(equals + 1);
        const auto known = std::find_if(settings.begin(), settings.end(),
                                        [&](const ProjectSetting& s) { return s.key == key; });
        if (known != settings.end()) {
            if (std::string problem = known->read(value, inputs); !problem.empty()) {
                return where + ", " + key + "=" + std::string(value).substr(0, 30) + ": " + problem;
            }
            continue;
        }
        auto& later = inputs.LaterSettings;
        const auto same = std::find_if(later.begin(), later.end(),
                                       [&](const auto& setting) { return setting.first == key; });
        if (same != later.end()) {
            same->second = std::string(value);
        } else {
            later.emplace_back(key, std::string(value));
        }
    }
    return {};
}

} // namespace plenara
