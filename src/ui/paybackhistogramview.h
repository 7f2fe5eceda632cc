#pragma once

#include "sensitivity/montecarlo.h"

#include <vector>

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
    std::size_t barCount() const;

    // A label of the years axis: where it stands and its text.
    struct YearLabel {
        double years = 0.0;
        QString text;
    };
    // Labels at round paybacks (1, 2 or 5 times a power of ten years apart) from `low` to
    // `high`, at most `most` of them, each with the decimals its step needs: evenly spaced
    // whatever the width of the bins, which seldom is a round number of years.
    static std::vector<YearLabel> yearLabels(double low, double high, int most);

    QSize sizeHint() const override { return {480, 260}; }
    // Wide enough for the legend whole: a wide table beside the chart must not cut it off.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaybackHistogram m_histogram;
    QString m_title;
};

} // namespace plenara
