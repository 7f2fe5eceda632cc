#pragma once

#include "sensitivity/montecarlo.h"

#include <QString>
#include <QWidget>

namespace plenara {

// The histogram of the Monte Carlo paybacks of one method: a bar per bin of years, and a grey
// bar "none" for the draws without payback, with titled axes. It is painted directly rather
// than through a chart scene: it changes with every keystroke that moves a price, and a chart
// lays out the text of every axis label anew each time, which costs more than the draws.
class PaybackHistogramView : public QWidget {
    Q_OBJECT

public:
    explicit PaybackHistogramView(QWidget* parent = nullptr);

    void showHistogram(int method, const PaybackHistogram& histogram, int draws);

    const PaybackHistogram& histogram() const { return m_histogram; }
    const QString& title() const { return m_title; }
    // The label under bin `bin` (the middle of its years), or "none" for the last bar when
    // some draws found no payback.
    QString binLabel(std::size_t bin) const;
    std::size_t barCount() const;

    QSize sizeHint() const override { return {480, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaybackHistogram m_histogram;
    QString m_title;
};

} // namespace plenara
