#include "ui/ratedatatab.h"

#include "project/projectsession.h"
#include "ui/helpcontexts.h"
#include "ui/inputbox.h"
#include "ui/inputfields.h"
#include "ui/resultwidgets.h"

#include <array>

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace plenara {

namespace {

// Rates have at most a few digits before the point and four after it.
constexpr int kRateBoxDigits = 11;

} // namespace

RateDataTab::RateDataTab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent) {
    QWidget* electricity = createElectricityFrame();
    QWidget* gas = createGasFrame();

    auto* frames = new QHBoxLayout;
    frames->addWidget(electricity, 0, Qt::AlignTop);
    frames->addWidget(gas, 0, Qt::AlignTop);
    frames->addStretch(1);
    auto* page = new QVBoxLayout(scrolledContents(this));
    page->addLayout(frames);
    page->addStretch(1);

    std::vector<QWidget*> chain = {m_txtEnergyCharge, m_txtFuelAdjCharge, m_txtDemandCharge,
                                   m_txtStandby, m_txtGasCost};
    for (QAbstractButton* option : m_gasCostUnit->buttons()) {
        chain.push_back(option);
    }
    setTabChain(chain);

    refresh();
}

InputBox* RateDataTab::rateBox(const char* name, std::string ProjectInputs::*field,
                               QWidget* parent) {
    InputBox* box = numberBox(QString::fromLatin1(name), parent);
    setWidthInCharacters(box, kRateBoxDigits);
    connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        m_session.inputs().*field = toRecord(text);
        emit inputEdited();
    });
    connect(box, &InputBox::left, this, &ProjectTab::recalculationRequested);
    return box;
}

QWidget* RateDataTab::createElectricityFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Electricity Rate Data"), this);
    frame->setObjectName(QStringLiteral("fraElectricityRateData"));
    m_txtEnergyCharge = rateBox("txtEnergyCharge", &ProjectInputs::EnergyCharge, frame);
    m_txtEnergyCharge->setProperty("helpContext", helpcontext::EnergyCharge);
    m_txtFuelAdjCharge = rateBox("txtFuelAdjCharge", &ProjectInputs::FuelAdjCharge, frame);
    m_txtDemandCharge = rateBox("txtDemandCharge", &ProjectInputs::DemandCharge, frame);
    m_txtStandby = rateBox("txtStandby", &ProjectInputs::StandbyCharge, frame);

    struct Row {
        const char16_t* caption;
        InputBox* box;
        const char16_t* unit;
    };
    const std::array<Row, 4> rows = {{
        {u"Energy Charge", m_txtEnergyCharge, u"/kWh"},
        {u"Fuel Adjustment Charge", m_txtFuelAdjCharge, u"/kWh"},
        {u"Demand Charge", m_txtDemandCharge, u"/kW per month"},
        {u"Standby Charge", m_txtStandby, u"/kW per month"},
    }};
    auto* grid = new QGridLayout(frame);
    int r = 0;
    for (const Row& row : rows) {
        QLabel* caption = captionLabel(QString::fromUtf16(row.caption), frame);
        caption->setBuddy(row.box);
        grid->addWidget(caption, r, 0);
        grid->addWidget(row.box, r, 1);
        grid->addWidget(captionLabel(QString::fromUtf16(row.unit), frame), r, 2);
        ++r;
    }
    return frame;
}

QWidget* RateDataTab::createGasFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Natural Gas Rate Data"), this);
    frame->setObjectName(QStringLiteral("fraNaturalGasRateData"));
    m_txtGasCost = rateBox("txtGasCost", &ProjectInputs::GasCost, frame);
    QLabel* caption = captionLabel(QStringLiteral("Cost of Natural Gas"), frame);
    caption->setBuddy(m_txtGasCost);
    // The unit of the price follows the unit option, but only from the next recalculation
    // on, together with the price's display pattern.
    m_Label18 = captionLabel({}, frame, QStringLiteral("Label18"));
    m_Label18->setMinimumWidth(
        m_Label18->fontMetrics().horizontalAdvance(QStringLiteral("/decatherm  ")));

    auto* units = new QGroupBox(QStringLiteral("Natural Gas Units"), frame);
    units->setObjectName(QStringLiteral("fraNaturalGasUnits"));
    auto* unitList = new QVBoxLayout(units);
    m_gasCostUnit = new QButtonGroup(this);
    struct Option {
        const char* name;
        const char16_t* caption;
        GasCostUnit unit;
    };
    const std::array<Option, 5> options = {{
        {"optTherms", u"therms", GasCostUnit::Therms},
        {"optDecatherms", u"decatherms", GasCostUnit::Decatherms},
        {"optMMBtu", u"million Btu (MMBtu or MBtu)", GasCostUnit::MMBtu},
        {"optCCF", u"hundred cu ft (CCF)", GasCostUnit::CCF},
        {"optMCF", u"thousand cu ft (MCF)", GasCostUnit::MCF},
    }};
    for (const Option& option : options) {
        auto* button = new QRadioButton(QString::fromUtf16(option.caption), units);
        button->setObjectName(QString::fromLatin1(option.name));
        m_gasCostUnit->addButton(button, static_cast<int>(option.unit));
        unitList->addWidget(button);
    }
    tabToSetOption(*m_gasCostUnit);
    connect(m_gasCostUnit, &QButtonGroup::idClicked, this, [this](int id) {
        m_session.inputs().GasCostUnit = static_cast<GasCostUnit>(id);
        emit recalculationRequested();
    });

    auto* grid = new QGridLayout(frame);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(m_txtGasCost, 0, 1);
    grid->addWidget(m_Label18, 0, 2);
    grid->addWidget(units, 1, 0, 1, 3);
    return frame;
}

void RateDataTab::refresh() {
    const ProjectInputs& in = m_session.inputs();
    m_txtEnergyCharge->showText(fromRecord(in.EnergyCharge));
    m_txtFuelAdjCharge->showText(fromRecord(in.FuelAdjCharge));
    m_txtDemandCharge->showText(fromRecord(in.DemandCharge));
    m_txtStandby->showText(fromRecord(in.StandbyCharge));
    m_txtGasCost->showText(fromRecord(in.GasCost));
    m_Label18->setText(fromRecord(m_session.results().totals.Label18));
    showOption(*m_gasCostUnit, in.GasCostUnit);
}

} // namespace plenara
