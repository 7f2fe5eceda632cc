#include "ui/paybackhistogramview.h"

#include "sensitivity/montecarlo.h"
#include "ui/chartaxis.h"

#include <algorithm>

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLocale>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace plenara {

PaybackHistogramView::PaybackHistogramView(QWidget* parent)
    : QChartView(parent) {
    setObjectName(QStringLiteral("chtPaybackHistogram"));
    setFrameShape(QFrame::NoFrame);
    setMinimumSize(360, 220);
    setRenderHint(QPainter::Antialiasing, false);

    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    QFont title = font();
    title.setBold(true);
    chart->setTitleFont(title);
    chart->legend()->setAlignment(Qt::AlignBottom);

    // Stacked, so that the "none" set, empty in every bin but its own, takes no room beside
    // the bins.
    m_series = new QStackedBarSeries;
    m_series->setBarWidth(0.95);
    m_bins = new QBarSet(QStringLiteral("draws with a payback"));
    m_bins->setColor(QColor(70, 130, 180));
    m_none = new QBarSet(QStringLiteral("draws without payback"));
    m_none->setColor(QColor(160, 160, 160));
    m_series->append(m_bins);
    m_series->append(m_none);
    chart->addSeries(m_series);

    m_binAxis = new QBarCategoryAxis;
    m_binAxis->setTitleText(QStringLiteral("Simple payback (years, middle of each bin)"));
    m_binAxis->setGridLineVisible(false);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_binAxis->setLabelsFont(small);
    m_countAxis = new QValueAxis;
    m_countAxis->setTitleText(QStringLiteral("Draws"));
    m_countAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(m_binAxis, Qt::AlignBottom);
    chart->addAxis(m_countAxis, Qt::AlignLeft);
    m_series->attachAxis(m_binAxis);
    m_series->attachAxis(m_countAxis);
    setChart(chart);
}

void PaybackHistogramView::showHistogram(int method, const PaybackHistogram& h, int draws) {
    chart()->setTitle(QStringLiteral("Method %1 simple payback over %2 draws")
                          .arg(method)
                          .arg(QLocale(QLocale::English, QLocale::UnitedStates).toString(draws)));
    QStringList categories;
    QList<qreal> counts;
    QList<qreal> none;
    int most = h.noPayback;
    for (std::size_t b = 0; b < h.counts.size(); ++b) {
        const double middle = h.lowYears + (double(b) + 0.5) * h.binYears;
        // Whole years where the bins are a year wide or more: short labels are not cut.
        categories << QString::number(middle, 'f', h.binYears >= 0.95 ? 0 : 1);
        counts << h.counts[b];
        none << 0.0;
        most = std::max(most, h.counts[b]);
    }
    if (h.noPayback > 0) {
        categories << QStringLiteral("none");
        counts << 0.0;
        none << h.noPayback;
    }
    // Bin centres can repeat at one decimal when the bins are narrow; a category axis needs
    // each label once.
    for (qsizetype i = 1; i < categories.size(); ++i) {
        while (categories.mid(0, i).contains(categories[i])) {
            categories[i] += QLatin1Char(' ');
        }
    }
    replaceBarValues(*m_bins, counts);
    replaceBarValues(*m_none, none);
    if (m_binAxis->categories() != categories) {
        m_binAxis->setCategories(categories);
    }
    setNiceRange(*m_countAxis, 0.0, std::max(most, 1), 5);
}

} // namespace plenara
