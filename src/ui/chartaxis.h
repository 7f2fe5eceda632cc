#pragma once

#include <QList>

class QBarSet;
class QValueAxis;

namespace plenara {

// Shows `minimum` to `maximum` on a value axis, widened to round ticks (0, 50,000, 100,000)
// and labelled with as many decimals as the ticks need, grouped by the chart's locale.
void setNiceRange(QValueAxis& axis, double minimum, double maximum, int tickCount);

// Puts `values` into a bar set, value by value where the count stays: a set rebuilt from
// nothing lays its whole chart out anew, which costs a frame.
void replaceBarValues(QBarSet& set, const QList<qreal>& values);

} // namespace plenara
