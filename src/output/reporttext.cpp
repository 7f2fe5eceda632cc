#include "output/reporttext.h"

#include "engine/captiontext.h"

namespace plenara {

void ReportText::showAmpersands() {
    m_text = shownText(m_text);
}

std::vector<std::string> ReportText::lines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = m_text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(m_text.substr(start));
            return lines;
        }
        lines.push_back(m_text.substr(start, end - start));
        start = end + 1;
    }
}

std::string Right(std::string_view text, std::size_t width) {
    return rightCut(text, width);
}

std::string padOrCut(std::string_view text, std::size_t width) {
    std::string result(text.substr(0, width));
    result.resize(width, ' ');
    return result;
}

std::string padRight(std::string_view text, std::size_t width) {
    std::string result(text);
    if (result.size() < width) {
        result.resize(width, ' ');
    }
    return result;
}

void ColumnLine::putLeft(std::size_t first, std::size_t last, std::string_view text) {
    const std::size_t width = last - first + 1;
    m_line.replace(first - 1 + m_shift, width, padOrCut(text, width));
}

void ColumnLine::putRight(std::size_t first, std::size_t last, std::string_view text) {
    const std::size_t width = last - first + 1;
    // A widened number keeps one blank before it, so that it never runs into the field before.
    const std::string aligned =
        text.size() > width
            ? tableCell(text, width)
            : tableCellAfter(std::string_view(m_line).substr(0, first - 1 + m_shift), text, width);
    m_line.replace(first - 1 + m_shift, width, aligned);
    m_shift += aligned.size() - width;
}

} // namespace plenara
