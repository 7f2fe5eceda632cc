#pragma once

#include "climate/climatedata.h"
#include "project/projectinputs.h"

#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace plenara {

// An input that is not used as the user typed it: a numeric text that Number reads only in
// part ("1e12" read as 112), a percentage that is not taken, a city that the climate data do
// not hold. The window marks the box, the command-line tool and batch runs print it; all
// of them take the list from the recalculation, so they always agree.
struct InputWarning {
    std::string field;   // the input's name in the project: "MonthlyKWh[2]", "GasCost", "City"
    std::string label;   // the input as the user knows it: "kWh, March"
    std::string message; // what happened: "\"1e12\" read as 112"

    // "kWh, March: "1e12" read as 112"
    std::string text() const { return label + ": " + message; }

    friend bool operator==(const InputWarning&, const InputWarning&) = default;
};

// The warnings of one project across recalculations. Every recalculation rewrites the numeric
// texts in their display patterns, so "abc" becomes "0" and would look whole at the next one;
// a warning is therefore kept as long as its box still shows the text that the rewrite put
// there, and dropped once the user types something else. Owned by the recalculation driver.
class InputWarnings {
public:
    // The numeric texts as the user left them, before the rewrite: notes those read in part.
    void noticeTyped(const ProjectInputs& typed);
    // The texts as rewritten: a warning stays with the text its box now shows.
    void noticeRewritten(const ProjectInputs& rewritten);
    // Forgets every warning: another project was opened, reset or loaded.
    void clear();

    // The warnings of the numeric texts, in the order of the window's boxes, then those of the
    // percentages and of the city, which follow from the texts as they stand.
    std::vector<InputWarning> list(const ProjectInputs& inputs, const ClimateTable& climate,
                                   double runTimeFraction, double boilerEfficiency) const;

private:
    struct Kept {
        InputWarning warning;
        std::string shownText; // the text that the rewrite left in the box
    };
    std::map<std::size_t, Kept> m_kept;    // by the box's place in the order of the boxes
    std::map<std::size_t, Kept> m_pending; // noticed in the typed texts, not yet rewritten
};

// The numeric text inputs in the order of the window's boxes, each with its name and label.
// A box with a range shows and uses a value outside it clamped, and warns of it; a signed box
// reads a leading minus sign.
struct NumericInput {
    std::string field;
    std::string label;
    const std::string& (*text)(const ProjectInputs&, std::size_t month);
    std::size_t month; // the month of a monthly box, 0 = January
    bool signedValue = false;
    double least = -std::numeric_limits<double>::infinity();
    double most = std::numeric_limits<double>::infinity();
    // What a box of whole numbers counts ("whole years"): a fraction is rounded, and warned of.
    std::string_view wholeUnits = {};
};
const std::vector<NumericInput>& numericInputs();

} // namespace plenara
