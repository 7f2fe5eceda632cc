#include "ui/chartaxis.h"

#include <algorithm>
#include <cmath>

#include <QBarSet>
#include <QValueAxis>

namespace plenara {

void setNiceRange(QValueAxis& axis, double minimum, double maximum, int tickCount) {
    // Nice numbers over an empty range divide by zero: a chart of nothing but zeros (a new
    // project's cash flows) spans one unit up from its value, as on a report page.
    if (!std::isfinite(minimum) || !std::isfinite(maximum)) {
        minimum = 0.0;
        maximum = 1.0;
    }
    if (maximum <= minimum) {
        maximum = minimum + 1.0;
    }
    axis.setRange(minimum, maximum);
    axis.setTickCount(tickCount);
    axis.applyNiceNumbers();
    // Nice ticks are 1, 2 or 5 times a power of ten, so the power gives the decimals exactly:
    // none for steps of 50,000 kWh, one for the 0.2 steps of an empty chart.
    const double interval = (axis.max() - axis.min()) / std::max(1, axis.tickCount() - 1);
    const int decimals =
        interval > 0.0 ? std::clamp(-static_cast<int>(std::floor(std::log10(interval))), 0, 6) : 0;
    axis.setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

void replaceBarValues(QBarSet& set, const QList<qreal>& values) {
    if (set.count() != values.size()) {
        set.remove(0, set.count());
        set.append(values);
        return;
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (set.at(i) != values[i]) {
            set.replace(i, values[i]);
        }
    }
}

} // namespace plenara
