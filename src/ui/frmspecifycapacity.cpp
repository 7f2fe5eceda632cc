#include "ui/frmspecifycapacity.h"

#include "engine/interpolation.h"
#include "engine/number.h"
#include "output/chartseries.h"
#include "ui/chartaxis.h"
#include "ui/chartexport.h"
#include "ui/inputtips.h"

#include <algorithm>

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace plenara {

namespace {

const QColor kMarkerRed(255, 0, 0);
constexpr qreal kRedrawTitlePointSize = 10.0;

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void setAxisTitles(QValueAxis* years, QValueAxis* capacity) {
    years->setTitleText(QStringLiteral("Years"));
    capacity->setTitleText(QStringLiteral("Capacity (kW)"));
}

} // namespace

frmSpecifyCapacity::frmSpecifyCapacity(const QString& capacityIteration, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSpecifyCapacity"));
    setWindowTitle(
        QStringLiteral("Plenara:  Interpolated Results for Specified GenSet Capacities"));
    setModal(true);

    m_txtSpecifiedCapacity = new QLineEdit(this);
    m_txtSpecifiedCapacity->setObjectName(QStringLiteral("txtSpecifiedCapacity"));
    m_txtSpecifiedCapacity->setFixedWidth(90);
    m_txtSpecifiedCapacity->setToolTip(inputToolTip(m_txtSpecifiedCapacity->objectName()));
    QLabel* desired =
        label(QStringLiteral("lblDesiredCapacity"), QStringLiteral("Desired Capacity"), this);
    desired->setBuddy(m_txtSpecifiedCapacity);
    m_btnRunCapacity = button(QStringLiteral("btnRunCapacity"), QStringLiteral("Run"), this);
    m_btnExit = button(QStringLiteral("btnExit"), QStringLiteral("Return"), this);
    connect(m_btnRunCapacity, &QPushButton::clicked, this,
            &frmSpecifyCapacity::btnRunCapacity_Click);
    connect(m_btnExit, &QPushButton::clicked, this, &frmSpecifyCapacity::btnExit_Click);
    // Enter in the capacity box runs the interpolation, as the button next to it does.
    connect(m_txtSpecifiedCapacity, &QLineEdit::returnPressed, this,
            &frmSpecifyCapacity::btnRunCapacity_Click);

    m_lblSimplePayback =
        label(QStringLiteral("lblSimplePayback"), QStringLiteral("Simple Payback: years"), this);
    QFont sentence = m_lblSimplePayback->font();
    sentence.setBold(true);
    m_lblSimplePayback->setFont(sentence);

    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    // The sentence above names the point; a legend would only repeat it.
    chart->legend()->setVisible(false);
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    m_curve = new QLineSeries;
    m_curve->setName(QStringLiteral("Simple Payback"));
    m_curve->setPointsVisible(false);
    m_point = new QScatterSeries;
    m_point->setName(QStringLiteral("Specified Capacity"));
    m_point->setColor(kMarkerRed);
    m_point->setBorderColor(kMarkerRed);
    m_point->setMarkerSize(11.0);
    chart->addSeries(m_curve);
    chart->addSeries(m_point);
    m_capacityAxis = new QValueAxis;
    m_yearsAxis = new QValueAxis;
    chart->addAxis(m_capacityAxis, Qt::AlignBottom);
    chart->addAxis(m_yearsAxis, Qt::AlignLeft);
    for (QXYSeries* s : {static_cast<QXYSeries*>(m_curve), static_cast<QXYSeries*>(m_point)}) {
        s->attachAxis(m_capacityAxis);
        s->attachAxis(m_yearsAxis);
    }
    m_chtSimplePayback = new QChartView(chart, this);
    m_chtSimplePayback->setObjectName(QStringLiteral("chtSimplePayback"));
    m_chtSimplePayback->setRenderHint(QPainter::Antialiasing);
    m_chtSimplePayback->setMinimumSize(600, 400);
    addChartMenu(m_chtSimplePayback, [this] { emit chartSaveRequested(m_chtSimplePayback); });

    auto* controls = new QHBoxLayout;
    controls->addWidget(desired);
    controls->addWidget(m_txtSpecifiedCapacity);
    controls->addWidget(label(QStringLiteral("lblDesiredCapacitykW"), QStringLiteral("kW"), this));
    controls->addSpacing(12);
    controls->addWidget(m_btnRunCapacity);
    controls->addStretch(1);
    controls->addWidget(m_btnExit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_lblSimplePayback);
    layout->addWidget(m_chtSimplePayback, 1);

    Form_Load(capacityIteration);
}

QString frmSpecifyCapacity::specifiedCapacity() const {
    return m_txtSpecifiedCapacity->text();
}

void frmSpecifyCapacity::setSpecifiedCapacity(const QString& text) {
    if (m_txtSpecifiedCapacity->text() != text) {
        m_txtSpecifiedCapacity->setText(text);
    }
}

QString frmSpecifyCapacity::simplePaybackCaption() const {
    return m_lblSimplePayback->text();
}

QChart* frmSpecifyCapacity::chart() const {
    return m_chtSimplePayback->chart();
}

double frmSpecifyCapacity::boxCapacity() const {
    return Number(m_txtSpecifiedCapacity->text().toStdString());
}

void frmSpecifyCapacity::Form_Load(const QString& capacityIteration) {
    m_txtSpecifiedCapacity->setText(capacityIteration);
    // Before the first sweep is loaded every step is 0 kW; the sentence is replaced when the
    // dialog is opened with the sweep.
    InterpolateResults(boxCapacity());
}

void frmSpecifyCapacity::Form_Activate() {
    InterpolateResults(boxCapacity());
}

bool frmSpecifyCapacity::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return QDialog::event(event);
}

double frmSpecifyCapacity::InterpolateResults(double capacity) {
    const InterpolationResult result =
        plenara::InterpolateResults(capacity, m_capacityPoints, m_paybackPoints);
    m_lblSimplePayback->setText(QString::fromStdString(result.caption));
    return result.payback;
}

void frmSpecifyCapacity::InterplolationForm(const std::array<double, kSweepSteps>& capacities,
                                            const std::array<double, kSweepSteps>& paybacks) {
    m_capacityPoints = capacities;
    m_paybackPoints = paybacks;

    // The first drawing; the redraw below gives the chart its lasting title.
    QChart* c = chart();
    c->setTitle(QStringLiteral("CHP Simple Payback"));
    setAxisTitles(m_yearsAxis, m_capacityAxis);

    const double capacity = boxCapacity();
    const double payback = InterpolateResults(capacity);
    InterplolationForm2(capacity, payback);
    // Modal to the window without a nested event loop.
    open();
}

void frmSpecifyCapacity::InterplolationForm2(double capacity, double payback) {
    QChart* c = chart();
    QFont titleFont = c->titleFont();
    titleFont.setPointSizeF(kRedrawTitlePointSize);
    c->setTitleFont(titleFont);
    c->setTitle(QStringLiteral("Simple Payback"));
    setAxisTitles(m_yearsAxis, m_capacityAxis);

    // Steps of 100 years or more (999: no savings) stay off the curve.
    QList<QPointF> curve;
    for (const ChartPoint& p : paybackCurvePoints(m_capacityPoints, m_paybackPoints)) {
        curve.append(QPointF(p.x, p.y));
    }
    m_curve->replace(curve);
    m_point->replace(QList<QPointF>{QPointF(capacity, payback)});
    scaleAxes(capacity, payback);
}

void frmSpecifyCapacity::scaleAxes(double capacity, double payback) {
    // Both axes start at zero (the sweep starts at 0 kW) and reach the largest value shown.
    double maxCapacity = std::max(0.0, capacity);
    double maxPayback = std::max(0.0, payback);
    for (const QPointF& p : m_curve->points()) {
        maxCapacity = std::max(maxCapacity, p.x());
        maxPayback = std::max(maxPayback, p.y());
    }
    const AxisRange x = axisRange(0.0, maxCapacity, 1.0);
    const AxisRange y = axisRange(0.0, maxPayback, 1.0);
    setNiceRange(*m_capacityAxis, x.minimum, x.maximum, 6);
    setNiceRange(*m_yearsAxis, y.minimum, y.maximum, 6);
}

void frmSpecifyCapacity::btnRunCapacity_Click() {
    const double capacity = boxCapacity();
    const double payback = InterpolateResults(capacity);
    InterplolationForm2(capacity, payback);
}

void frmSpecifyCapacity::btnExit_Click() {
    emit capacityReturned(m_txtSpecifiedCapacity->text());
    close();
}

} // namespace plenara
