#include "engine/captiontext.h"

#include "engine/formatpattern.h"

namespace plenara {

std::string shownText(std::string_view stored) {
    std::string shown;
    shown.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        shown.push_back(stored[i]);
        if (stored[i] == '&' && i + 1 < stored.size() && stored[i + 1] == '&') {
            ++i;
        }
    }
    return shown;
}

std::size_t shownLength(std::string_view stored) {
    return shownText(stored).size();
}

std::string Blanks(long long n) {
    return n < 1 ? std::string() : std::string(static_cast<std::size_t>(n), ' ');
}

std::string rightAlign(std::string_view text, std::size_t width) {
    if (text.size() >= width) {
        return std::string(text);
    }
    return std::string(width - text.size(), ' ') + std::string(text);
}

std::string tableCell(std::string_view text, std::size_t width) {
    return text.size() >= width ? ' ' + std::string(text) : rightAlign(text, width);
}

std::string tableCellAfter(std::string_view before, std::string_view text, std::size_t width) {
    const bool touches =
        !text.empty() && text.size() >= width && !before.empty() && before.back() != ' ';
    return touches ? ' ' + std::string(text) : rightAlign(text, width);
}

std::string rightCut(std::string_view text, std::size_t width) {
    if (text.size() >= width) {
        return std::string(text.substr(text.size() - width));
    }
    return std::string(width - text.size(), ' ') + std::string(text);
}

std::string R(std::size_t width, double value, std::string_view pattern) {
    return rightAlign(FormatPattern(value, pattern), width);
}

} // namespace plenara
