#pragma once

#include <string>

#include <QString>

namespace plenara {

// The fixed assumptions texts of the three method tabs. They summarise what each method
// assumes; nothing reads them back. Every line ends with a line break, the last one too.

// `txtMethod1_Methodology` on the "Method 1" tab, 34 lines.
QString method1MethodologyText();

// `Text1` on the "Method 2" tab, 60 lines; line 9 is `efficiencyLine`, which names the
// boiler efficiency of the last recalculation.
QString method2AssumptionsText(const std::string& efficiencyLine);

// `txtMethod3Assumptions` on the "Method 3" tab, 33 lines.
QString method3AssumptionsText();

} // namespace plenara
