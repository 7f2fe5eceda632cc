#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plenara {

// The text of a report page while it is built. A page is made by appending line breaks and
// texts, as the pages describe themselves ("a line break, then the title"); the lines that
// print are the text split at its line breaks, so a text that starts with a line break starts
// with an empty line and one that ends with a line break ends with one.
class ReportText {
public:
    // Appends a line break.
    void lineBreak() { m_text.push_back('\n'); }
    // Appends a text without a line break.
    void append(std::string_view text) { m_text.append(text); }
    // Appends a line break followed by the text: the usual way a page adds a line.
    void line(std::string_view text) {
        lineBreak();
        append(text);
    }

    // Replaces every "&&" of the whole text by "&".
    void showAmpersands();

    std::vector<std::string> lines() const;

private:
    std::string m_text;
};

// Right(s, n) of the report pages for a name or a unit: `text` right-aligned in exactly
// `width` columns; of a longer text only its last `width` characters. A number is never cut:
// it is right-aligned with rightAlign, which widens its field instead.
std::string Right(std::string_view text, std::size_t width);

// `text` padded with blanks to `width` characters, or cut to its first `width` characters.
std::string padOrCut(std::string_view text, std::size_t width);

// `text` padded with blanks to `width` characters; a longer text is kept whole.
std::string padRight(std::string_view text, std::size_t width);

// A line of fixed columns counted from 1, built on blanks. A number wider than its columns
// widens them behind one blank, and everything after it moves right by as much, so that no
// digit is lost and no two numbers touch; fields are therefore put in the order of their
// columns.
class ColumnLine {
public:
    explicit ColumnLine(std::size_t width)
        : m_line(width, ' ') {}

    // A text left-aligned in columns first..last, cut to them (a name).
    void putLeft(std::size_t first, std::size_t last, std::string_view text);
    // A number right-aligned in columns first..last, widening them when it is longer.
    void putRight(std::size_t first, std::size_t last, std::string_view text);

    const std::string& text() const { return m_line; }

private:
    std::string m_line;
    std::size_t m_shift = 0; // how far the columns after the widened fields have moved
};

} // namespace plenara
