#pragma once

#include <QFont>

namespace plenara {

// The fixed-pitch font of the result lines, the monthly grid and the reports: "Courier New",
// which resolves to a metric-compatible monospace (Liberation Mono) where it is not
// installed, so that blank-padded columns line up.
QFont fixedFont(qreal pointSize = 10.0);

} // namespace plenara
