#pragma once

class QValueAxis;

namespace plenara {

// Shows `minimum` to `maximum` on a value axis, widened to round ticks (0, 50,000, 100,000)
// and labelled with as many decimals as the ticks need, grouped by the chart's locale.
void setNiceRange(QValueAxis& axis, double minimum, double maximum, int tickCount);

} // namespace plenara
