#include "output/pageframe.h"

#include "engine/captiontext.h"

#include <cmath>

namespace plenara {

namespace {

// The nominal width of a report line in characters.
constexpr long long kLineWidth = 94;

} // namespace

std::string pageFooter(int pageNumber, int pageTotal, const std::string& shortDate) {
    const std::string page = std::to_string(pageNumber) + " of " + std::to_string(pageTotal);
    const std::string date = shortDate + "  ";
    const auto pageLength = static_cast<long long>(page.size());
    const auto dateLength = static_cast<long long>(date.size());
    const long long before = (kLineWidth - pageLength) / 2;
    // Half of an odd difference rounds to the even integer.
    const double between = std::nearbyint(static_cast<double>(kLineWidth - dateLength) -
                                          static_cast<double>(kLineWidth - pageLength) / 2.0);
    return Blanks(before) + page + Blanks(static_cast<long long>(between)) + date;
}

} // namespace plenara
