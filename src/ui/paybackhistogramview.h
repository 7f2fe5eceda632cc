#pragma once

#include <QChartView>

class QBarCategoryAxis;
class QBarSet;
class QStackedBarSeries;
class QValueAxis;

namespace plenara {

struct PaybackHistogram;

// The histogram of the Monte Carlo paybacks of one method: a bar per bin of years, and a grey
// bar "none" for the draws without payback.
class PaybackHistogramView : public QChartView {
    Q_OBJECT

public:
    explicit PaybackHistogramView(QWidget* parent = nullptr);

    void showHistogram(int method, const PaybackHistogram& histogram, int draws);

    QBarSet* bins() const { return m_bins; }
    QBarCategoryAxis* binAxis() const { return m_binAxis; }

private:
    QStackedBarSeries* m_series = nullptr;
    QBarSet* m_bins = nullptr;
    QBarSet* m_none = nullptr;
    QBarCategoryAxis* m_binAxis = nullptr;
    QValueAxis* m_countAxis = nullptr;
};

} // namespace plenara
