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

// Right(s, n) of the report pages: `text` right-aligned in exactly `width` columns; of a longer
// text only its last `width` characters.
std::string Right(std::string_view text, std::size_t width);

// `text` padded with blanks to `width` characters, or cut to its first `width` characters.
std::string padOrCut(std::string_view text, std::size_t width);

// Writes Right(text, last - first + 1) into the 1-based columns first..last of `line`, which
// must be long enough.
void putRight(std::string& line, std::size_t first, std::size_t last, std::string_view text);

} // namespace plenara
