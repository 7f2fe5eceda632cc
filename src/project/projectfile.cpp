#include "project/projectfile.h"

#include "engine/textfields.h"
#include "fileio/regularfile.h"
#include "fileio/safefilewriter.h"
#include "project/projectsettings.h"

#include <array>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace plenara {

namespace {

constexpr char kSeparator = '^';
constexpr std::string_view kLineEnd = "\r\n";

// A project file has 21 lines, and a 22nd when a setting of that line differs from its
// default; files of older versions end after line 20, without the run-time fraction and
// boiler efficiency. Lines after the 22nd are never read.
constexpr int kLineCount = 22;
constexpr int kRequiredLineCount = 20;
// The largest file read as a project; the 21 lines of a project take a few kilobytes.
constexpr std::size_t kMostProjectFileBytes = 1'000'000;

// The lines whose layout is not a plain list of texts.
constexpr int kAllocationLine = 19;
constexpr int kACCriteriaLine = 20;
constexpr int kPercentageLine = 21;
constexpr int kSettingsLine = 22;

// A UTF-8 byte-order mark, which some editors put at the start of a file they save.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// What older files lack on line 21: both percentage boxes then show this.
constexpr std::string_view kDefaultPercentage = "75%";

// The order in which each option group's states stand on its line. The order of the heat
// allocation differs from the order of the enumeration because the heating-only state was
// added to the end of line 19 later.
constexpr std::array<GasCostUnit, 5> kGasCostUnitOrder = {
    GasCostUnit::Therms, GasCostUnit::Decatherms, GasCostUnit::MMBtu, GasCostUnit::CCF,
    GasCostUnit::MCF};
constexpr std::array<InstallationDifficulty, 4> kInstallationDifficultyOrder = {
    InstallationDifficulty::Low, InstallationDifficulty::Typical, InstallationDifficulty::High,
    InstallationDifficulty::Retrofit};
constexpr std::array<PrimeMover, 4> kPrimeMoverOrder = {
    PrimeMover::RecipEngine, PrimeMover::GasTurbine, PrimeMover::Microturbine,
    PrimeMover::FuelCell};
constexpr std::array<HeatAllocation, 3> kHeatAllocationOrder = {
    HeatAllocation::HeatingPriority, HeatAllocation::CoolingPriority, HeatAllocation::HeatingOnly};

// ---------------------------------------------------------------------------------------
// Writing

// One field of a line as written, with the caption under which the user knows its box
// (empty for option states, which the program writes itself).
struct Field {
    std::string caption;
    std::string text;
};

using Line = std::vector<Field>;

template <typename E, std::size_t N>
Line optionStates(const OptionGroup<E>& group, const std::array<E, N>& order) {
    Line line;
    for (const E option : order) {
        line.push_back({"", group == option ? "True" : "False"});
    }
    return line;
}

std::vector<Line> fileLines(const ProjectInputs& p) {
    std::vector<Line> lines;
    lines.push_back({{"Fuel #1", p.Fuel1Type},
                     {"Fuel #1 unit", p.Fuel1Units},
                     {"Fuel #2", p.Fuel2Type},
                     {"Fuel #2 unit", p.Fuel2Units}});
    for (std::size_t m = 0; m < 12; ++m) {
        const std::string of = " of " + std::string(monthNames()[m]);
        lines.push_back({{"kWh" + of, p.MonthlyKWh[m]},
                         {"kW" + of, p.MonthlyKW[m]},
                         {"Electricity $" + of, p.MonthlyPowerBill[m]},
                         {"Fuel #1 quantity" + of, p.MonthlyFuel1[m]},
                         {"Fuel #1 $" + of, p.MonthlyFuel1Cost[m]},
                         {"Fuel #2 quantity" + of, p.MonthlyFuel2[m]},
                         {"Fuel #2 $" + of, p.MonthlyFuel2Cost[m]}});
    }
    lines.push_back({{"Energy Charge", p.EnergyCharge},
                     {"Fuel Adjustment Charge", p.FuelAdjCharge},
                     {"Demand Charge", p.DemandCharge},
                     {"Standby Charge", p.StandbyCharge},
                     {"Cost of Natural Gas", p.GasCost}});
    lines.push_back(optionStates(p.GasCostUnit, kGasCostUnitOrder));
    lines.push_back({{"State", p.State},
                     {"City", p.City},
                     {"heated floorspace", p.HeatedFloorSpace},
                     {"air conditioned floorspace", p.CooledFloorSpace},
                     {"Approx. Number of Occupants", p.Occupants}});
    lines.push_back(optionStates(p.InstallationDifficulty, kInstallationDifficultyOrder));
    lines.push_back(optionStates(p.PrimeMover, kPrimeMoverOrder));
    Line allocation = {{"Method 2 capacity", p.CapacityIteration}};
    for (Field& state : optionStates(p.HeatAllocation, kHeatAllocationOrder)) {
        allocation.push_back(std::move(state));
    }
    lines.push_back(std::move(allocation));
    lines.push_back({{"Air Conditioning Criteria", p.ACCriteria}});
    lines.push_back({{"Gen-Set Run Time Fraction", p.RunTimeFractionText},
                     {"Annual Average Boiler Efficiency", p.BoilerEfficiencyText}});
    Line settings;
    for (ProjectSettingField& field : projectSettingFields(p)) {
        settings.push_back({std::move(field.caption), std::move(field.text)});
    }
    if (!settings.empty()) {
        lines.push_back(std::move(settings));
    }
    return lines;
}

// Why `field` would not read back as written, or "" when it does. Fields are not escaped,
// so a separator inside a text would shift every later field of its line; the A/C criteria
// fill their line alone and are read back trimmed.
std::string unsavableText(const Field& field, bool wholeLine) {
    const std::string& text = field.text;
    const std::string refusal = "the text of " + inQuotes(field.caption);
    const std::string remedy = " Remove it and save again.";
    if (text.find_first_of("\r\n") != std::string::npos) {
        return refusal + " holds a line break, which project files use to separate lines." + remedy;
    }
    if (!wholeLine && text.find(kSeparator) != std::string::npos) {
        return refusal + " holds a \"^\", which project files use to separate fields." + remedy;
    }
    if (wholeLine && !text.empty() && text.front() == ' ') {
        return refusal + " begins with a blank, which a project file does not keep." + remedy;
    }
    if (wholeLine && !text.empty() && text.back() == ' ') {
        return refusal + " ends with a blank, which a project file does not keep." + remedy;
    }
    return "";
}

std::string unsavableInputs(const std::vector<Line>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool wholeLine = static_cast<int>(i) + 1 == kACCriteriaLine;
        for (const Field& field : lines[i]) {
            std::string problem = unsavableText(field, wholeLine);
            if (!problem.empty()) {
                return problem;
            }
        }
    }
    return "";
}

// ---------------------------------------------------------------------------------------
// Reading

// A line that cannot be read; ends the reading, which then changes nothing.
class BadLine : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string lineLabel(int lineNumber) {
    std::string label = "line " + std::to_string(lineNumber);
    if (lineNumber == 1) {
        return label + " (the fuels and their units)";
    }
    if (lineNumber <= 13) {
        return label + " (the bills of " +
               std::string(monthNames()[static_cast<std::size_t>(lineNumber - 2)]) + ")";
    }
    switch (lineNumber) {
    case 14:
        return label + " (the rate data)";
    case 15:
        return label + " (the natural gas units)";
    case 16:
        return label + " (the site information)";
    case 17:
        return label + " (the installation difficulty)";
    case 18:
        return label + " (the prime mover)";
    case kAllocationLine:
        return label + " (the Method 2 capacity and heat allocation)";
    case kPercentageLine:
        return label + " (the run-time fraction and boiler efficiency)";
    case kSettingsLine:
        return label + " (the further settings)";
    default:
        return label;
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isSpace(char c) {
    return c == ' ';
}

std::string_view trimmed(std::string_view text, bool (*trims)(char)) {
    while (!text.empty() && trims(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && trims(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c =
            text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != word[i]) {
            return false;
        }
    }
    return true;
}

// "True" or "False" in any letter case, or a decimal number that is off when it is zero.
// The number is judged by its digits, so that no length of number can overflow.
std::optional<bool> truthValue(std::string_view field) {
    const std::string_view text = trimmed(field, isBlank);
    if (equalsIgnoringCase(text, "true")) {
        return true;
    }
    if (equalsIgnoringCase(text, "false")) {
        return false;
    }
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    bool hasDigit = false;
    bool hasPoint = false;
    bool nonZero = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            hasDigit = true;
            nonZero = nonZero || c != '0';
        } else if (c == '.' && !hasPoint) {
            hasPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!hasDigit) {
        return std::nullopt;
    }
    return nonZero;
}

// What the user sees of a field in a message; a garbage file must not flood it.
std::string shownField(std::string_view field) {
    constexpr std::size_t kMaxShown = 30;
    if (field.size() <= kMaxShown) {
        return inQuotes(std::string(field));
    }
    return inQuotes(std::string(field.substr(0, kMaxShown)) + "...");
}

// Setting an option on clears the others of its group; setting it off clears only that
// option, so a file can leave a group with none set.
template <typename E>
void setOption(OptionGroup<E>& group, E option, bool on) {
    if (on) {
        group = option;
    } else if (group == option) {
        group.reset();
    }
}

class ProjectFileParser {
public:
    explicit ProjectFileParser(const std::vector<std::string>& lines)
        : m_lines(lines) {}

    // Applies the file to `p` field by field, in file order.
    void apply(ProjectInputs& p) const {
        std::vector<std::string> f = exactFields(1, 4);
        p.Fuel1Type = f[0];
        p.Fuel1Units = f[1];
        p.Fuel2Type = f[2];
        p.Fuel2Units = f[3];

        for (std::size_t m = 0; m < 12; ++m) {
            f = exactFields(static_cast<int>(m) + 2, 7);
            p.MonthlyKWh[m] = f[0];
            p.MonthlyKW[m] = f[1];
            p.MonthlyPowerBill[m] = f[2];
            p.MonthlyFuel1[m] = f[3];
            p.MonthlyFuel1Cost[m] = f[4];
            p.MonthlyFuel2[m] = f[5];
            p.MonthlyFuel2Cost[m] = f[6];
        }

        f = exactFields(14, 5);
        p.EnergyCharge = f[0];
        p.FuelAdjCharge = f[1];
        p.DemandCharge = f[2];
        p.StandbyCharge = f[3];
        p.GasCost = f[4];

        readOptionStates(15, p.GasCostUnit, kGasCostUnitOrder);

        f = exactFields(16, 5);
        p.State = f[0];
        p.City = f[1];
        p.HeatedFloorSpace = f[2];
        p.CooledFloorSpace = f[3];
        p.Occupants = f[4];

        readOptionStates(17, p.InstallationDifficulty, kInstallationDifficultyOrder);
        readOptionStates(18, p.PrimeMover, kPrimeMoverOrder);
        readAllocation(p);

        p.ACCriteria = std::string(trimmed(line(kACCriteriaLine), isSpace));

        // Files of older versions end before line 21 or hold fewer than its two fields.
        p.RunTimeFractionText = std::string(kDefaultPercentage);
        p.BoilerEfficiencyText = std::string(kDefaultPercentage);
        if (static_cast<int>(m_lines.size()) >= kPercentageLine) {
            f = splitFields(line(kPercentageLine), kSeparator);
            if (f.size() > 2) {
                throw BadLine(tooManyFields(kPercentageLine, f.size(), 2));
            }
            if (f.size() == 2) {
                p.RunTimeFractionText = f[0];
                p.BoilerEfficiencyText = f[1];
            }
        }

        const bool hasSettings = static_cast<int>(m_lines.size()) >= kSettingsLine;
        if (std::string problem = readProjectSettings(hasSettings ? line(kSettingsLine) : "", p);
            !problem.empty()) {
            throw BadLine(lineLabel(kSettingsLine) + ", " + problem);
        }
    }

private:
    const std::string& line(int lineNumber) const {
        return m_lines[static_cast<std::size_t>(lineNumber - 1)];
    }

    // The fields of a line that must hold at least `needed` of them; `what` names them.
    std::vector<std::string> fields(int lineNumber, std::size_t needed,
                                    std::string_view what) const {
        std::vector<std::string> f = splitFields(line(lineNumber), kSeparator);
        if (f.size() < needed) {
            throw BadLine(lineLabel(lineNumber) + " has " + std::to_string(f.size()) +
                          (f.size() == 1 ? " field" : " fields") + " where " +
                          std::to_string(needed) + std::string(what) + " are needed.");
        }
        return f;
    }

    static std::string tooManyFields(int lineNumber, std::size_t count, std::size_t written) {
        return lineLabel(lineNumber) + " has " + std::to_string(count) + " fields where " +
               std::to_string(written) +
               " are written; a \"^\" typed into a box would shift every field after it.";
    }

    // The fields of a line that holds exactly the `count` fields a project file writes there.
    std::vector<std::string> exactFields(int lineNumber, std::size_t count) const {
        std::vector<std::string> f = fields(lineNumber, count, "");
        if (f.size() > count) {
            throw BadLine(tooManyFields(lineNumber, f.size(), count));
        }
        return f;
    }

    bool state(const std::vector<std::string>& f, std::size_t index, int lineNumber) const {
        const std::optional<bool> on = truthValue(f[index]);
        if (!on) {
            throw BadLine(lineLabel(lineNumber) + ", field " + std::to_string(index + 1) +
                          ", reads " + shownField(f[index]) +
                          " where an option state is needed (\"True\", \"False\" or a number).");
        }
        return *on;
    }

    template <typename E, std::size_t N>
    void readOptionStates(int lineNumber, OptionGroup<E>& group,
                          const std::array<E, N>& order) const {
        const std::vector<std::string> f = fields(lineNumber, N, " option states");
        if (f.size() > N) {
            throw BadLine(tooManyFields(lineNumber, f.size(), N));
        }
        for (std::size_t i = 0; i < N; ++i) {
            setOption(group, order[i], state(f, i, lineNumber));
        }
    }

    // The capacity, then the allocation states; older files lack the heating-only state,
    // which then counts as off. Only a line of exactly four fields carries it.
    void readAllocation(ProjectInputs& p) const {
        const std::vector<std::string> f = fields(kAllocationLine, 3, "");
        p.CapacityIteration = f[0];
        setOption(p.HeatAllocation, kHeatAllocationOrder[0], state(f, 1, kAllocationLine));
        setOption(p.HeatAllocation, kHeatAllocationOrder[1], state(f, 2, kAllocationLine));
        const bool heatingOnly = f.size() == 4 && state(f, 3, kAllocationLine);
        setOption(p.HeatAllocation, kHeatAllocationOrder[2], heatingOnly);
    }

    const std::vector<std::string>& m_lines;
};

// Reads the first 22 lines of a file; further lines are never used. Lines end with LF,
// and a CR before it is dropped, so both line ends read alike.
std::vector<std::string> readLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string text;
    while (static_cast<int>(lines.size()) < kLineCount && std::getline(in, text)) {
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        lines.push_back(std::move(text));
    }
    return lines;
}

} // namespace

std::string projectFileText(const ProjectInputs& inputs) {
    std::string text;
    for (const Line& line : fileLines(inputs)) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0) {
                text += kSeparator;
            }
            text += line[i].text;
        }
        text += kLineEnd;
    }
    return text;
}

FileResult WriteProjectFile(const std::string& path, const ProjectInputs& inputs) {
    const auto failure = [&](const std::string& reason) {
        return FileResult{"Cannot save " + inQuotes(shownPath(path)) + ": " + reason};
    };
    // Refused before anything is written: a file that would read back differently than
    // it was saved must never replace a good one.
    if (const std::string problem = unsavableInputs(fileLines(inputs)); !problem.empty()) {
        return failure(problem);
    }
    if (const std::string problem = writeFileSafely(path, projectFileText(inputs));
        !problem.empty()) {
        return failure(problem);
    }
    return {};
}

FileResult ReadProjectFile(const std::string& path, ProjectInputs& inputs) {
    // A project file is a few kilobytes; a large file is something else opened by mistake.
    RegularFileContent file = readRegularFile(path, kMostProjectFileBytes);
    if (!file.ok()) {
        const std::string reason = file.problem == ReadProblem::TooLarge
                                       ? "the file is too large to be a project file."
                                       : file.reason;
        return FileResult{"Cannot open " + inQuotes(shownPath(path)) + ": " + reason};
    }
    return readProjectText(file.content, path, inputs);
}

FileResult readProjectText(std::string_view text, const std::string& path, ProjectInputs& inputs) {
    const auto failure = [&](const std::string& reason) {
        return FileResult{"Cannot open " + inQuotes(shownPath(path)) + ": " + reason};
    };
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::istringstream in{std::string(text)};
    const std::vector<std::string> lines = readLines(in);
    const int count = static_cast<int>(lines.size());
    if (count < kRequiredLineCount) {
        return failure("line " + std::to_string(count + 1) + " is missing; " +
                       (count == 0 ? std::string("the file is empty")
                                   : "the file ends after " + std::to_string(count) +
                                         (count == 1 ? " line" : " lines")) +
                       ", and a project file has at least " + std::to_string(kRequiredLineCount) +
                       " lines.");
    }

    // Everything is read into a copy, so a file that breaks off half-way changes nothing.
    ProjectInputs read = inputs;
    try {
        ProjectFileParser(lines).apply(read);
    } catch (const BadLine& bad) {
        return failure(bad.what());
    }
    inputs = std::move(read);
    return {};
}

} // namespace plenara
