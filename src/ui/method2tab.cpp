#include "ui/method2tab.h"

#include "project/projectsession.h"
#include "ui/captionlines.h"
#include "ui/fixedfont.h"
#include "ui/helpcontexts.h"
#include "ui/inputbox.h"
#include "ui/inputfields.h"
#include "ui/resultassumptions.h"
#include "ui/resultwidgets.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace plenara {

namespace {

// The monthly and annual tables are about 190 characters wide; in 8 points they fit the
// 1,440 pixels of the widened window whole, so no column hides behind a scroll bar.
constexpr qreal kTablePointSize = 8.0;
constexpr qreal kLinePointSize = 9.0;
constexpr int kLastFirstStep = 11; // ten rows of steps from here still end at step 20

QRadioButton* addOption(QButtonGroup* group, QWidget* parent, QLayout* layout, const QString& name,
                        const QString& caption, int id) {
    // A button shows a doubled "&" as one, as the stored captions expect.
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    group->addButton(option, id);
    layout->addWidget(option);
    return option;
}

QScrollBar* stepBar(Qt::Orientation orientation, const QString& name, int pageStep,
                    const QString& tip, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setRange(0, kLastFirstStep);
    bar->setSingleStep(1);
    bar->setPageStep(pageStep);
    bar->setToolTip(tip);
    return bar;
}

} // namespace

Method2Tab::Method2Tab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent) {
    QWidget* contents = scrolledContents(this);

    auto* method2 =
        new QGroupBox(QStringLiteral("Method 2: Hot Water && Space Heating and Cooling"), contents);
    method2->setObjectName(QStringLiteral("fraMethod2"));

    m_lblBasisOfResults = new QLabel(method2);
    m_lblBasisOfResults->setObjectName(QStringLiteral("lblBasisOfResults"));
    m_lblBasisOfResults->setTextFormat(Qt::PlainText);
    QFont basisFont = fixedFont(kLinePointSize);
    basisFont.setBold(true);
    m_lblBasisOfResults->setFont(basisFont);
    m_scrlMonths = stepBar(Qt::Horizontal, QStringLiteral("scrlMonths"), 1,
                           QStringLiteral("Month of the detail table"), method2);
    m_scrlMonths->setFixedWidth(240);
    connect(m_scrlMonths, &QScrollBar::valueChanged, this, &Method2Tab::scrlMonths_Change);
    auto* basisRow = new QHBoxLayout;
    basisRow->addWidget(m_lblBasisOfResults);
    basisRow->addSpacing(12);
    basisRow->addWidget(m_scrlMonths);
    basisRow->addStretch(1);

    m_lblMonthlyData = new CaptionLines(14, kTablePointSize, method2);
    m_lblMonthlyData->setObjectName(QStringLiteral("lblMonthlyData"));
    // The page of the bar is the ten steps a table shows of the 21 of the sweep.
    m_scrlGeneration = stepBar(Qt::Vertical, QStringLiteral("scrlGeneration"), 10,
                               QStringLiteral("First generation step of the tables"), method2);
    connect(m_scrlGeneration, &QScrollBar::valueChanged, this, &Method2Tab::scrlGeneration_Change);
    // The bar runs beside the rows of steps, below the four heading lines.
    auto* generationColumn = new QVBoxLayout;
    generationColumn->addSpacing(4 * QFontMetrics(fixedFont(kTablePointSize)).height());
    generationColumn->addWidget(m_scrlGeneration);
    auto* monthlyRow = new QHBoxLayout;
    monthlyRow->addWidget(m_lblMonthlyData);
    monthlyRow->addLayout(generationColumn);
    monthlyRow->addStretch(1);

    m_lblAnnualResults = new CaptionLines(12, kTablePointSize, method2);
    m_lblAnnualResults->setObjectName(QStringLiteral("lblAnnualResults"));
    m_Text1 = assumptionsBox(QStringLiteral("Text1"),
                             method2AssumptionsText(m_session.results().Text1EfficiencyLine),
                             kLinePointSize, method2);
    m_Text1->setFixedWidth(340);
    m_Text1->setMinimumHeight(200);
    auto* annualRow = new QHBoxLayout;
    annualRow->addWidget(m_lblAnnualResults, 0, Qt::AlignTop);
    annualRow->addStretch(1);
    annualRow->addWidget(m_Text1);

    auto* method2Layout = new QVBoxLayout(method2);
    method2Layout->addWidget(createSettings(method2));
    method2Layout->addLayout(basisRow);
    method2Layout->addLayout(monthlyRow);
    method2Layout->addSpacing(8);
    method2Layout->addLayout(annualRow, 1);

    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(method2);
}

QWidget* Method2Tab::createSettings(QWidget* parent) {
    auto* settings = new QWidget(parent);
    settings->setProperty("helpContext", helpcontext::Method2Settings);

    m_txtCapacityIteration = new InputBox(settings);
    m_txtCapacityIteration->setObjectName(QStringLiteral("txtCapacityIteration"));
    m_txtCapacityIteration->setEnterAsTab(false);
    m_txtCapacityIteration->setSelectAllOnFocus(false);
    m_txtCapacityIteration->setFixedWidth(80);
    connect(m_txtCapacityIteration, &QLineEdit::textEdited, this,
            &Method2Tab::txtCapacityIteration_Change);
    m_cmdRun = new QPushButton(QStringLiteral("View Payback Graph"), settings);
    m_cmdRun->setObjectName(QStringLiteral("cmdRun"));
    connect(m_cmdRun, &QPushButton::clicked, this, &Method2Tab::paybackGraphRequested);
    auto* capacityRow = new QHBoxLayout;
    capacityRow->addWidget(m_txtCapacityIteration);
    capacityRow->addWidget(new QLabel(QStringLiteral("kW"), settings));
    capacityRow->addSpacing(8);
    capacityRow->addWidget(m_cmdRun);
    capacityRow->addStretch(1);

    auto* fuel = new QGroupBox(QStringLiteral("Water Heater Fuel"), settings);
    fuel->setObjectName(QStringLiteral("fraWaterHeaterFuel"));
    auto* fuelLayout = new QHBoxLayout(fuel);
    m_WaterHeaterFuel = new QButtonGroup(this);
    addOption(m_WaterHeaterFuel, fuel, fuelLayout, QStringLiteral("optGasWaterHeater"),
              QStringLiteral("Natural Gas"), static_cast<int>(WaterHeaterFuel::NaturalGas));
    addOption(m_WaterHeaterFuel, fuel, fuelLayout, QStringLiteral("optOilWaterHeater"),
              QStringLiteral("Fuel #1"), static_cast<int>(WaterHeaterFuel::Fuel1));
    fuelLayout->addStretch(1);
    connect(m_WaterHeaterFuel, &QButtonGroup::idClicked, this, &Method2Tab::WaterHeaterFuel_Click);

    auto* left = new QVBoxLayout;
    left->addLayout(capacityRow);
    left->addWidget(fuel);
    left->addStretch(1);

    auto* allocation = new QGroupBox(QStringLiteral("Recovered Heat Allocation"), settings);
    allocation->setObjectName(QStringLiteral("fraRecoveredHeatAllocation"));
    auto* allocationLayout = new QVBoxLayout(allocation);
    m_HeatAllocation = new QButtonGroup(this);
    addOption(m_HeatAllocation, allocation, allocationLayout, QStringLiteral("optHeatingOnly"),
              QStringLiteral("Space Heating && Domestic Hot Water Only (No Cooling)"),
              static_cast<int>(HeatAllocation::HeatingOnly));
    addOption(m_HeatAllocation, allocation, allocationLayout, QStringLiteral("OptHeatingPriority"),
              QStringLiteral("Heating && Cooling With Priority to Heating"),
              static_cast<int>(HeatAllocation::HeatingPriority));
    addOption(m_HeatAllocation, allocation, allocationLayout, QStringLiteral("optPriorityCooling"),
              QStringLiteral("Heating && Cooling with Priority to Cooling"),
              static_cast<int>(HeatAllocation::CoolingPriority));
    connect(m_HeatAllocation, &QButtonGroup::idClicked, this, &Method2Tab::HeatAllocation_Click);

    m_lblGenSetParameters = new CaptionLines(5, kLinePointSize, settings);
    m_lblGenSetParameters->setObjectName(QStringLiteral("lblGenSetParameters"));
    m_lblSimplePayback = new CaptionLines(6, kLinePointSize, settings);
    m_lblSimplePayback->setObjectName(QStringLiteral("lblSimplePayback"));

    auto* layout = new QHBoxLayout(settings);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left);
    layout->addSpacing(16);
    layout->addWidget(allocation, 0, Qt::AlignTop);
    layout->addSpacing(32);
    layout->addWidget(m_lblGenSetParameters, 0, Qt::AlignTop);
    layout->addSpacing(32);
    layout->addWidget(m_lblSimplePayback, 0, Qt::AlignTop);
    layout->addStretch(1);
    return settings;
}

void Method2Tab::txtCapacityIteration_Change(const QString& text) {
    // The capacity is the dialog's starting value; changing it recalculates nothing.
    m_session.inputs().CapacityIteration = toRecord(text);
    emit inputEdited();
}

void Method2Tab::HeatAllocation_Click(int id) {
    m_session.inputs().HeatAllocation = static_cast<HeatAllocation>(id);
    emit recalculationRequested();
}

void Method2Tab::WaterHeaterFuel_Click(int id) {
    m_session.inputs().WaterHeaterFuel = static_cast<WaterHeaterFuel>(id);
    emit recalculationRequested();
}

void Method2Tab::scrlMonths_Change(int value) {
    m_session.view().scrlMonths = value;
    emit recalculationRequested();
}

void Method2Tab::scrlGeneration_Change(int value) {
    m_session.view().scrlGeneration = value;
    emit recalculationRequested();
}

void Method2Tab::refresh() {
    const ProjectInputs& in = m_session.inputs();
    const ProjectResults& r = m_session.results();

    m_txtCapacityIteration->showText(fromRecord(in.CapacityIteration));
    showOption(m_HeatAllocation, in.HeatAllocation);
    showOption(m_WaterHeaterFuel, in.WaterHeaterFuel);
    {
        // Showing the view settings is no scrolling by the user.
        const QSignalBlocker months(m_scrlMonths);
        const QSignalBlocker generation(m_scrlGeneration);
        m_scrlMonths->setValue(m_session.view().scrlMonths);
        m_scrlGeneration->setValue(m_session.view().scrlGeneration);
    }

    const QString basis = fromRecord(r.lblBasisOfResults);
    if (m_lblBasisOfResults->text() != basis) {
        m_lblBasisOfResults->setText(basis);
    }
    m_lblMonthlyData->setCaptions(r.lblMonthlyData);
    m_lblAnnualResults->setCaptions(r.lblAnnualResults);
    // Row 0 of each of the two small panels is its heading.
    for (int i = 0; i < m_lblGenSetParameters->count(); ++i) {
        m_lblGenSetParameters->setCaption(i, r.lblGenSetParameters[static_cast<std::size_t>(i)],
                                          i == 0);
    }
    for (int i = 0; i < m_lblSimplePayback->count(); ++i) {
        m_lblSimplePayback->setCaption(i, r.lblSimplePayback[static_cast<std::size_t>(i)], i == 0);
    }
    // The assumptions name the boiler efficiency of the run; rewriting the text only when it
    // changes keeps the user's place in the box.
    const QString assumptions = method2AssumptionsText(r.Text1EfficiencyLine);
    if (m_Text1->toPlainText() != assumptions) {
        m_Text1->setPlainText(assumptions);
    }
}

} // namespace plenara
