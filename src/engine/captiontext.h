#pragma once

#include <string>
#include <string_view>

namespace plenara {

// One line of a result panel. Captions are kept in their stored form, in which a doubled
// ampersand "&&" stands for one shown "&".
struct Caption {
    std::string text;
    bool bold = false;

    friend bool operator==(const Caption&, const Caption&) = default;
};

// The shown form of a stored caption: every "&&" becomes "&".
std::string shownText(std::string_view stored);

// The number of characters a stored caption takes on screen.
std::size_t shownLength(std::string_view stored);

// A string of n blanks; empty for n < 1.
std::string Blanks(long long n);

// Right-aligns `text` in a field of `width` characters by putting blanks in front. A text
// longer than the field is kept whole, so a number never loses digits; the line grows.
std::string rightAlign(std::string_view text, std::size_t width);

// A number right-aligned in `width` columns of a table; one that fills the columns or is longer
// is kept whole behind one blank, so that it never runs into the column before.
std::string tableCell(std::string_view text, std::size_t width);

// The same for a cell that follows `before` on a line whose layout is fixed: a number that fills
// its columns or is longer gets the blank only when it would touch the text before it.
std::string tableCellAfter(std::string_view before, std::string_view text, std::size_t width);

// Right-aligns `text` in exactly `width` characters: blanks in front, and of a longer text
// only its last `width` characters.
std::string rightCut(std::string_view text, std::size_t width);

// The value formatted with the display pattern and right-aligned in `width` characters
// (never cut).
std::string R(std::size_t width, double value, std::string_view pattern);

} // namespace plenara
