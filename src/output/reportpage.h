#pragma once

#include <array>
#include <string>
#include <vector>

namespace plenara {

// The five parts of a report that the user can choose, in the order in which they print:
// input data and summary, comparison of methods, Method 1, Method 2, Method 3.
inline constexpr std::size_t kReportOptionCount = 5;
using ReportChoice = std::array<bool, kReportOptionCount>;

// One printed page of a report as plain lines: the header, the data-set line, the body
// exactly as it prints (its leading empty lines and trailing blanks kept) and the footer.
struct ReportPage {
    std::string header;
    std::string dataSetLine;
    std::vector<std::string> body;
    std::string footer;

    friend bool operator==(const ReportPage&, const ReportPage&) = default;
};

// The number of pages that the chosen parts print: one each for the first three, two each for
// the Method 2 and Method 3 reports.
int reportPageTotal(const ReportChoice& chosen);

} // namespace plenara
