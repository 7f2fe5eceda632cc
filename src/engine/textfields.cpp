#include "engine/textfields.h"

namespace plenara {

const std::array<std::string_view, 12>& monthNames() {
    static constexpr std::array<std::string_view, 12> names = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    return names;
}

const std::array<std::string_view, 12>& monthAbbreviations() {
    static constexpr std::array<std::string_view, 12> names = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return names;
}

std::vector<std::string> splitFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = line.find(separator, start);
        if (at == std::string_view::npos) {
            fields.emplace_back(line.substr(start));
            return fields;
        }
        fields.emplace_back(line.substr(start, at - start));
        start = at + 1;
    }
}

} // namespace plenara
