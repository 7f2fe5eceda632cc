#pragma once

#include <array>

namespace plenara {

// View settings of the window that are no part of a project: never stored, never reset.
struct ViewSettings {
    int scrlMonths = 7;     // month of the Method 2 detail table, 0 = January
    int scrlGeneration = 0; // first sweep step of the Method 2 tables, 0..11
    // "Show Details for:" Summary, Method 1, Method 2, Method 3, Comparions of Methods.
    std::array<bool, 5> Check1{};

    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

} // namespace plenara
