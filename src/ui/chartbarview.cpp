#include "ui/chartbarview.h"

#include "engine/textfields.h"
#include "output/chartseries.h"
#include "ui/chartaxis.h"

#include <algorithm>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QHelpEvent>
#include <QLegend>
#include <QLocale>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>

namespace plenara {

namespace {

// Six charts share a window 1,000 pixels wide: small type keeps their plot areas large.
constexpr qreal kTitlePointSize = 9.0;
constexpr qreal kTextPointSize = 7.0;
constexpr int kChartMargin = 0;

// The month of a bar written out in full, for the hover text.
QString monthLongName(int month) {
    const std::string_view name = monthNames()[static_cast<std::size_t>(month)];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QColor colour(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QFont pointFont(const QFont& base, qreal size, bool bold = false) {
    QFont font = base;
    font.setPointSizeF(size);
    font.setBold(bold);
    return font;
}

void setTitle(QChart* chart, const QString& title) {
    if (chart->title() != title) {
        chart->setTitle(title);
    }
}

} // namespace

ChartBarView::ChartBarView(const QString& name, QWidget* parent)
    : QChartView(parent) {
    setObjectName(name);
    // Bars are upright rectangles on whole pixels: smoothing their edges costs most of the
    // drawing time of a redraw and shows nothing.
    setRenderHint(QPainter::Antialiasing, false);
    setFrameShape(QFrame::NoFrame);
    setMinimumSize(200, 180);
}

void ChartBarView::build(const ChartData& data) {
    auto* chart = new QChart;
    chart->setObjectName(objectName());
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(kChartMargin, kChartMargin, kChartMargin, kChartMargin));
    // The chart fills its view: every pixel of width goes to the twelve months.
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setTitleFont(pointFont(font(), kTitlePointSize, true));
    // Grouped thousands ("140,000") read faster on an axis of kilowatt-hours.
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));

    m_stacked = data.stacked;
    // Stacked bars show each month's total split into what the utility and what the
    // generator supply; the input charts have one series.
    m_series = data.stacked ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                            : static_cast<QAbstractBarSeries*>(new QBarSeries);
    m_series->setBarWidth(0.6);
    connect(m_series, &QAbstractBarSeries::hovered, this, &ChartBarView::barHovered);
    m_sets.clear();
    for (const ChartSeries& s : data.series) {
        auto* set = new QBarSet(QString::fromStdString(s.name));
        set->setColor(colour(s.colour));
        set->setBorderColor(colour(s.colour).darker(130));
        for (double v : s.values) {
            set->append(v);
        }
        m_series->append(set);
        m_sets.push_back(set);
    }
    chart->addSeries(m_series);

    m_categoryAxis = new QBarCategoryAxis;
    for (const std::string& month : data.months) {
        m_categoryAxis->append(QString::fromStdString(month));
    }
    // Vertical grid lines would only cut between the months.
    m_categoryAxis->setGridLineVisible(false);
    m_categoryAxis->setLabelsFont(pointFont(font(), kTextPointSize));
    // A third of the window leaves about 20 pixels a month, too few for "Mar" written
    // across once the axis has taken its label padding: upright, every name shows whole.
    m_categoryAxis->setLabelsAngle(-90);
    chart->addAxis(m_categoryAxis, Qt::AlignBottom);
    m_series->attachAxis(m_categoryAxis);

    m_valueAxis = new QValueAxis;
    m_valueAxis->setLabelsFont(pointFont(font(), kTextPointSize));
    m_valueAxis->setTitleFont(pointFont(font(), kTextPointSize));
    chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_series->attachAxis(m_valueAxis);
    m_requestedMinimum = m_requestedMaximum = 0.0;

    QLegend* legend = chart->legend();
    legend->setVisible(true);
    legend->setAlignment(Qt::AlignTop);
    legend->setFont(pointFont(font(), kTextPointSize));

    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

void ChartBarView::showData(const ChartData& data) {
    m_pending = std::make_unique<ChartData>(data);
    // A chart on a tab that is not shown waits; one that would show were its window shown
    // (a window not yet on the screen) does not.
    if (isVisibleTo(window())) {
        applyPending();
    }
}

void ChartBarView::showEvent(QShowEvent* event) {
    applyPending();
    QChartView::showEvent(event);
}

void ChartBarView::applyPending() {
    if (m_pending) {
        const std::unique_ptr<ChartData> data = std::move(m_pending);
        apply(*data);
    }
}

void ChartBarView::apply(const ChartData& data) {
    if (!m_series || m_stacked != data.stacked || m_sets.size() != data.series.size()) {
        build(data);
    }
    QChart* c = chart();
    setTitle(c, QString::fromStdString(data.title));
    const QString axisTitle = QString::fromStdString(data.valueAxisTitle);
    if (m_valueAxis->titleText() != axisTitle) {
        m_valueAxis->setTitleText(axisTitle);
    }

    for (std::size_t i = 0; i < m_sets.size(); ++i) {
        QBarSet* set = m_sets[i];
        const ChartSeries& s = data.series[i];
        const QString name = QString::fromStdString(s.name);
        if (set->label() != name) {
            set->setLabel(name);
        }
        if (set->color() != colour(s.colour)) {
            set->setColor(colour(s.colour));
            set->setBorderColor(colour(s.colour).darker(130));
        }
        // Only the values that changed: each replacement lays the bars out again.
        for (int m = 0; m < 12; ++m) {
            const double v = s.values[static_cast<std::size_t>(m)];
            if (set->at(m) != v) {
                set->replace(m, v);
            }
        }
    }

    QStringList months;
    for (const std::string& month : data.months) {
        months << QString::fromStdString(month);
    }
    if (m_categoryAxis->categories() != months) {
        m_categoryAxis->setCategories(months);
    }
    m_months = months;
    m_unit = QString::fromStdString(data.unit);

    const AxisRange range = valueAxisRange(data);
    if (range.minimum != m_requestedMinimum || range.maximum != m_requestedMaximum) {
        m_requestedMinimum = range.minimum;
        m_requestedMaximum = range.maximum;
        setNiceRange(*m_valueAxis, range.minimum, range.maximum, 5);
    }
}

QString ChartBarView::barText(int series, int month) {
    applyPending();
    if (series < 0 || series >= static_cast<int>(m_sets.size()) || month < 0 ||
        month >= m_months.size()) {
        return {};
    }
    const QBarSet* set = m_sets[static_cast<std::size_t>(series)];
    const double value = set->at(month);
    // Whole numbers as the axis writes them; a fraction of a kW or an MMBtu keeps one decimal.
    const int decimals = value == static_cast<double>(static_cast<long long>(value)) ? 0 : 1;
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return QStringLiteral("%1, %2: %3 %4")
        .arg(monthLongName(month), set->label(), locale.toString(value, 'f', decimals), m_unit);
}

void ChartBarView::barHovered(bool status, int index, QBarSet* set) {
    m_hoverText.clear();
    if (!status) {
        QToolTip::hideText();
        return;
    }
    const auto found = std::find(m_sets.begin(), m_sets.end(), set);
    if (found == m_sets.end()) {
        return;
    }
    m_hoverText = barText(static_cast<int>(found - m_sets.begin()), index);
    QToolTip::showText(QCursor::pos(), m_hoverText, this);
}

bool ChartBarView::viewportEvent(QEvent* event) {
    // The tool-tip event that follows a rest of the mouse would reach the scene, which has no
    // tip of its own and hides the bar's text: the bar keeps its text while the mouse is on it.
    if (event->type() == QEvent::ToolTip && !m_hoverText.isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), m_hoverText, this);
        return true;
    }
    return QChartView::viewportEvent(event);
}

} // namespace plenara
