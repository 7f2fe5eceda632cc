#include "cli/clireport.h"

#include "engine/formatpattern.h"

#include <ctime>
#include <ostream>

namespace plenara {

std::optional<ReportChoice> parseReportList(const std::string& list) {
    ReportChoice chosen{};
    bool expectDigit = true;
    for (const char c : list) {
        if (expectDigit && c >= '0' && c < static_cast<char>('0' + kReportOptionCount)) {
            chosen[static_cast<std::size_t>(c - '0')] = true;
            expectDigit = false;
        } else if (!expectDigit && c == ',') {
            expectDigit = true;
        } else {
            return std::nullopt;
        }
    }
    if (expectDigit) {
        return std::nullopt; // empty, or a trailing comma
    }
    return chosen;
}

void writeReportText(std::ostream& out, const std::vector<ReportPage>& pages) {
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const ReportPage& page = pages[i];
        if (i > 0) {
            out << "\f\n";
        }
        out << page.header << '\n' << page.dataSetLine << '\n';
        for (const std::string& line : page.body) {
            out << line << '\n';
        }
        out << page.footer << '\n';
    }
}

std::string todayShortDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return ShortDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace plenara
