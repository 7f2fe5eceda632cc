#pragma once

#include <array>
#include <string>

namespace plenara::test {

// The sample building's payback range and comparison of methods as the window shows them,
// worked out by hand in the test of the recalculation driver; the command line prints the same.
inline const std::string kSamplePaybackRange =
    "Simple payback ranges from 4.7 to 8.0 years depending on assumptions about uses of "
    "recovered heat and algorithms for estimating building thermal loads.  These results are "
    "also based on a recip-engine generator of 52 to 132 kW.";

inline const std::array<std::string, 12> kSampleComparison = {
    "                                            Method 1        Method 2        Method 3",
    " 1. Service Hot Water Load                      7,607           7,607           1,376 MMBtu",
    " 2. Space Heating & Hot Water Load                             11,281           2,538 MMBtu",
    " 3. Space Cooling Load                                          2,756           2,091 MMBtu",
    " 4. Total Thermal Load                          7,607          21,643           6,005 MMBtu",
    " 5. Generator Capacity                            132             110              52 kW",
    " 6. Operating Time                              7,440           6,570           6,570 hours",
    " 7. Power Output                              984,000         729,000         338,601 kWh",
    " 8. Recovered Heat                              5,314           4,040           2,105 MMBtu",
    " 9. Installed Cost                           $227,004        $203,718        $142,555",
    "10. Annual Operating Savings                  $48,018         $35,999         $17,793",
    "11. Simple Payback                                4.7             5.7             8.0 years"};

} // namespace plenara::test
