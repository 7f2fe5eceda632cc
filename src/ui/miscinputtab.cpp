#include "ui/miscinputtab.h"

#include "climate/climatedata.h"
#include "project/inputactions.h"
#include "project/projectsession.h"
#include "ui/enterastab.h"
#include "ui/fixedfont.h"
#include "ui/helpcontexts.h"
#include "ui/inputbox.h"
#include "ui/inputcombobox.h"
#include "ui/inputfields.h"
#include "ui/resultwidgets.h"

#include <array>

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace plenara {

namespace {

// Floor spaces run to hundreds of thousands of square feet.
constexpr int kSiteBoxDigits = 11;

// Until a state is chosen there is no city list; Method 3 finds no climate data then.
const QString kNoStatePlaceholder = QStringLiteral("Choose a state");
const QString kNoCityPlaceholder = QStringLiteral("Choose a state first");
const QString kNoCitiesPlaceholder = QStringLiteral("No cities for this state");

// The published source of the three hot-water usage levels, for the options' tooltips.
QString hotWaterSource(const QString& level) {
    return QStringLiteral("Hot-water use in apartment buildings, ") + level +
           QStringLiteral(" guideline.\nSource: ASHRAE Handbook \u2014 HVAC Applications, "
                          "chapter \"Service Water Heating\".");
}

struct Option {
    const char* name;
    const char16_t* caption;
    int id;
};

// Adds options to a group, in order, each a button of `parent` placed into `layout`.
void addOptions(QButtonGroup& group, QWidget* parent, QBoxLayout* layout,
                std::initializer_list<Option> options) {
    for (const Option& option : options) {
        auto* button = new QRadioButton(QString::fromUtf16(option.caption), parent);
        button->setObjectName(QString::fromLatin1(option.name));
        group.addButton(button, option.id);
        layout->addWidget(button);
    }
}

template <typename E>
int id(E value) {
    return static_cast<int>(value);
}

} // namespace

MiscInputTab::MiscInputTab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent)
    , m_enterAsTab(new EnterAsTab(this)) {
    QGroupBox* site = createSiteFrame();
    QGroupBox* hotWater = createHotWaterFrame();
    QGroupBox* equipment = createEquipmentFrame();
    QGroupBox* operating = createOperatingFrame();

    auto* left = new QVBoxLayout;
    left->addWidget(site);
    left->addWidget(hotWater);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(equipment);
    right->addWidget(operating);
    right->addStretch(1);
    auto* page = new QHBoxLayout(scrolledContents(this));
    page->addLayout(left, 3);
    page->addLayout(right, 2);

    // The tab order follows the numbering of the inputs, then the equipment frames.
    std::vector<QWidget*> chain = {m_cmbStates, m_cmbCities, m_txtHeatedFloorspace,
                                   m_txtCooledFloorSpace, m_txtNoOccupants};
    for (QButtonGroup* group : {m_hotWaterUsage, m_primeMover, m_installationDifficulty}) {
        for (QAbstractButton* option : group->buttons()) {
            chain.push_back(option);
        }
    }
    chain.push_back(m_cmbRunTimeFraction);
    chain.push_back(m_cmbBoilerEfficiency);
    setTabChain(chain);

    refresh();
}

InputBox* MiscInputTab::siteBox(const char* name, std::string ProjectInputs::*field,
                                QWidget* parent) {
    InputBox* box = numberBox(QString::fromLatin1(name), parent);
    setWidthInCharacters(box, kSiteBoxDigits);
    connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        m_session.inputs().*field = toRecord(text);
        emit inputEdited();
    });
    // The air-conditioned floor space recalculates too, like the heated floor space, so
    // that the results never disagree with the screen.
    connect(box, &InputBox::left, this, &ProjectTab::recalculationRequested);
    return box;
}

InputComboBox* MiscInputTab::textCombo(const char* name, std::string ProjectInputs::*field,
                                       QWidget* parent) {
    auto* combo = new InputComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    // A typed text is stored at each keystroke and counts once the box is left, so that the
    // results never lag behind the screen.
    connect(combo, &InputComboBox::typed, this, [this, field](const QString& text) {
        m_session.inputs().*field = toRecord(text);
        emit inputEdited();
    });
    connect(combo, &InputComboBox::left, this, &ProjectTab::recalculationRequested);
    return combo;
}

void MiscInputTab::storeChoice(InputComboBox* combo, std::string ProjectInputs::*field) {
    connect(combo, &InputComboBox::chosen, this, [this, field](const QString& text) {
        m_session.inputs().*field = toRecord(text);
        emit recalculationRequested();
    });
}

QGroupBox* MiscInputTab::createSiteFrame() {
    auto* frame = new QGroupBox(
        QStringLiteral("Site Information for Estimating Heating && Cooling Loads"), this);
    frame->setObjectName(QStringLiteral("fraSiteLoads"));

    // A state chosen from the list refills the city list; a typed state does not.
    m_cmbStates = textCombo("cmbStates", &ProjectInputs::State, frame);
    connect(m_cmbStates, &InputComboBox::chosen, this, [this](const QString& text) {
        chooseState(m_session.inputs(), m_session.climate(), toRecord(text));
        emit recalculationRequested();
    });
    // Room for the longest state and city names, so that none is cut off.
    m_cmbStates->setMinimumContentsLength(16);
    m_enterAsTab->watch(m_cmbStates);
    m_cmbCities = textCombo("cmbCities", &ProjectInputs::City, frame);
    storeChoice(m_cmbCities, &ProjectInputs::City);
    m_cmbCities->setMinimumContentsLength(30);
    m_enterAsTab->watch(m_cmbCities);
    m_txtHeatedFloorspace = siteBox("txtHeatedFloorspace", &ProjectInputs::HeatedFloorSpace, frame);
    m_txtCooledFloorSpace = siteBox("txtCooledFloorSpace", &ProjectInputs::CooledFloorSpace, frame);
    m_txtNoOccupants = siteBox("txtNoOccupants", &ProjectInputs::Occupants, frame);

    auto* grid = new QGridLayout(frame);
    const auto addRow = [&](int row, const QString& caption, QWidget* field, const QString& unit) {
        QLabel* label = captionLabel(caption, frame);
        grid->addWidget(label, row, 0);
        if (!field) {
            return;
        }
        label->setBuddy(field);
        // The unit stays right beside its box, however wide the drop-down boxes above are.
        auto* fieldAndUnit = new QHBoxLayout;
        fieldAndUnit->addWidget(field);
        if (!unit.isEmpty()) {
            fieldAndUnit->addWidget(captionLabel(unit, frame));
        }
        fieldAndUnit->addStretch(1);
        grid->addLayout(fieldAndUnit, row, 1);
    };
    addRow(0, QStringLiteral("1. State"), m_cmbStates, {});
    addRow(1, QStringLiteral("2. City"), m_cmbCities, {});
    addRow(2, QStringLiteral("3. Floor Space"), nullptr, {});
    addRow(3, QStringLiteral("   a. heated floorspace"), m_txtHeatedFloorspace,
           QStringLiteral("sq ft"));
    addRow(4, QStringLiteral("   b. air conditioned floorspace"), m_txtCooledFloorSpace,
           QStringLiteral("sq ft"));
    addRow(5, QStringLiteral("4. Approx. Number of Occupants"), m_txtNoOccupants, {});
    grid->setColumnStretch(1, 1);
    return frame;
}

QGroupBox* MiscInputTab::createHotWaterFrame() {
    auto* frame =
        new QGroupBox(QStringLiteral("Hot Water Usage for Estimating Water Heater Energy"), this);
    frame->setObjectName(QStringLiteral("fraHotWaterUsage"));
    m_hotWaterUsage = new QButtonGroup(this);

    struct Level {
        Option option;
        QString source;
        QStringList guide; // the households that fit the level
    };
    const std::array<Level, 3> levels = {{
        {{"optLowDHW", u"Low     (27 gallons per day per person)", id(HotWaterUsage::Low)},
         QStringLiteral("low"),
         {QStringLiteral("Couples"), QStringLiteral("Higher population density"),
          QStringLiteral("Middle income"), QStringLiteral("Seniors"),
          QStringLiteral("One person works, one stays home"),
          QStringLiteral("All occupants work")}},
        {{"optMediumDHW", u"Medium     (44 gallons per day per person)", id(HotWaterUsage::Medium)},
         QStringLiteral("medium"),
         {QStringLiteral("Families"), QStringLiteral("Public assistance"),
          QStringLiteral("Singles"), QStringLiteral("One-parent households")}},
        {{"optHighDHW", u"High     (54 gallons per day per person)", id(HotWaterUsage::High)},
         QStringLiteral("high"),
         {QStringLiteral("No occupants work"),
          QStringLiteral("public assistance and low income (mix)"),
          QStringLiteral("family and one-parent households (mix)"), QStringLiteral("children"),
          QStringLiteral("low income")}},
    }};

    auto* grid = new QGridLayout(frame);
    grid->addWidget(captionLabel(QStringLiteral("5. Hot Water Usage:"), frame), 0, 0, 1, 2);
    int row = 1;
    for (const Level& level : levels) {
        auto* button = new QRadioButton(QString::fromUtf16(level.option.caption), frame);
        button->setObjectName(QString::fromLatin1(level.option.name));
        button->setToolTip(hotWaterSource(level.source));
        m_hotWaterUsage->addButton(button, level.option.id);
        QLabel* guide = captionLabel(level.guide.join(QLatin1Char('\n')), frame,
                                     QStringLiteral("lblHotWaterGuide_%1").arg(row - 1));
        grid->addWidget(button, row, 0, Qt::AlignTop);
        grid->addWidget(guide, row, 1, Qt::AlignTop);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    tabToSetOption(*m_hotWaterUsage);
    connect(m_hotWaterUsage, &QButtonGroup::idClicked, this, [this](int value) {
        m_session.inputs().HotWaterUsage = static_cast<HotWaterUsage>(value);
        emit recalculationRequested();
    });
    return frame;
}

QGroupBox* MiscInputTab::createEquipmentFrame() {
    auto* frame = new QGroupBox(
        QStringLiteral("Site Information for Estimating Equipment && Installation Costs"), this);
    frame->setObjectName(QStringLiteral("fraEquipmentCosts"));
    frame->setProperty("helpContext", helpcontext::EquipmentAssumptions);

    auto* primeMover = new QGroupBox(QStringLiteral("Prime Mover"), frame);
    primeMover->setObjectName(QStringLiteral("fraPrimeMover"));
    m_primeMover = new QButtonGroup(this);
    addOptions(*m_primeMover, primeMover, new QVBoxLayout(primeMover),
               {{"optRecip", u"Recip-Engine", id(PrimeMover::RecipEngine)},
                {"optGasTurbine", u"Gas Turbine", id(PrimeMover::GasTurbine)},
                {"optMicroturbine", u"Microturbine", id(PrimeMover::Microturbine)},
                {"optFuelCell", u"Fuel Cell", id(PrimeMover::FuelCell)}});
    tabToSetOption(*m_primeMover);
    connect(m_primeMover, &QButtonGroup::idClicked, this, [this](int value) {
        m_session.inputs().PrimeMover = static_cast<PrimeMover>(value);
        emit recalculationRequested();
    });

    auto* difficulty = new QGroupBox(QStringLiteral("Installation Difficulty"), frame);
    difficulty->setObjectName(QStringLiteral("fraInstallationDifficulty"));
    m_installationDifficulty = new QButtonGroup(this);
    addOptions(*m_installationDifficulty, difficulty, new QVBoxLayout(difficulty),
               {{"optLow", u"Low", id(InstallationDifficulty::Low)},
                {"optTypical", u"Typical", id(InstallationDifficulty::Typical)},
                {"optHigh", u"High", id(InstallationDifficulty::High)},
                {"optRetrofit", u"Retrofit ", id(InstallationDifficulty::Retrofit)}});
    tabToSetOption(*m_installationDifficulty);
    connect(m_installationDifficulty, &QButtonGroup::idClicked, this, [this](int value) {
        m_session.inputs().InstallationDifficulty = static_cast<InstallationDifficulty>(value);
        emit recalculationRequested();
    });

    auto* row = new QHBoxLayout(frame);
    row->addWidget(primeMover, 1, Qt::AlignTop);
    row->addWidget(difficulty, 1, Qt::AlignTop);
    return frame;
}

QGroupBox* MiscInputTab::createOperatingFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Equipment Operating Assumptions"), this);
    frame->setObjectName(QStringLiteral("fraOperatingAssumptions"));
    frame->setProperty("helpContext", helpcontext::EquipmentAssumptions);
    // The percentages carry leading blanks so that they line up in a fixed-pitch font.
    m_cmbRunTimeFraction =
        textCombo("cmbRunTimeFraction", &ProjectInputs::RunTimeFractionText, frame);
    m_cmbBoilerEfficiency =
        textCombo("cmbBoilerEfficiency", &ProjectInputs::BoilerEfficiencyText, frame);
    storeChoice(m_cmbRunTimeFraction, &ProjectInputs::RunTimeFractionText);
    storeChoice(m_cmbBoilerEfficiency, &ProjectInputs::BoilerEfficiencyText);
    for (InputComboBox* combo : {m_cmbRunTimeFraction, m_cmbBoilerEfficiency}) {
        combo->setFont(fixedFont());
        combo->setMinimumContentsLength(5);
        combo->setMaxVisibleItems(12);
    }

    auto* grid = new QGridLayout(frame);
    QLabel* runTime = captionLabel(QStringLiteral("6. Gen-Set Run Time Fraction:"), frame);
    runTime->setBuddy(m_cmbRunTimeFraction);
    QLabel* efficiency =
        captionLabel(QStringLiteral("7. Annual Average Boiler Efficiency:"), frame);
    efficiency->setBuddy(m_cmbBoilerEfficiency);
    grid->addWidget(runTime, 0, 0);
    grid->addWidget(m_cmbRunTimeFraction, 0, 1);
    grid->addWidget(efficiency, 1, 0);
    grid->addWidget(m_cmbBoilerEfficiency, 1, 1);
    grid->setColumnStretch(2, 1);
    return frame;
}

void MiscInputTab::refresh() {
    const ProjectInputs& in = m_session.inputs();
    const auto text = [](const std::string& s) {
        return fromRecord(s);
    };

    m_cmbStates->showList(itemList(stateNames()), text(in.State));
    m_cmbCities->showList(itemList(in.CityList), text(in.City));
    m_cmbStates->lineEdit()->setPlaceholderText(in.State.empty() ? kNoStatePlaceholder : QString());
    m_cmbCities->lineEdit()->setPlaceholderText(in.State.empty()      ? kNoCityPlaceholder
                                                : in.CityList.empty() ? kNoCitiesPlaceholder
                                                                      : QString());
    m_txtHeatedFloorspace->showText(text(in.HeatedFloorSpace));
    m_txtCooledFloorSpace->showText(text(in.CooledFloorSpace));
    m_txtNoOccupants->showText(text(in.Occupants));

    showOption(*m_hotWaterUsage, in.HotWaterUsage);
    showOption(*m_primeMover, in.PrimeMover);
    showOption(*m_installationDifficulty, in.InstallationDifficulty);
    // Method 2's capacity rules out some prime movers; the set one stays set even then.
    const std::array<bool, 4>& enabled = m_session.results().primeMoverEnabled;
    for (QAbstractButton* option : m_primeMover->buttons()) {
        option->setEnabled(enabled[static_cast<std::size_t>(m_primeMover->id(option))]);
    }

    m_cmbRunTimeFraction->showList(itemList(runTimeFractionItems()), text(in.RunTimeFractionText));
    m_cmbBoilerEfficiency->showList(itemList(boilerEfficiencyItems()),
                                    text(in.BoilerEfficiencyText));
}

} // namespace plenara
