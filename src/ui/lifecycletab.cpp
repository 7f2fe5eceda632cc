#include "ui/lifecycletab.h"

#include "output/lifecyclereport.h"
#include "project/lifecycleinputs.h"
#include "project/projectsession.h"
#include "ui/fixedfont.h"
#include "ui/inputbox.h"
#include "ui/inputfields.h"
#include "ui/lifecyclechartview.h"
#include "ui/resultwidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace plenara {

namespace {

// Values run to a few digits; grants to millions of dollars.
constexpr int kBoxDigits = 9;

// The help topic of the tab, which F1 opens from any of its boxes.
constexpr int kLifeCycleHelpTopic = 2000;

// The background of a box whose text is not used as typed.
const QColor kWarnedBox(255, 236, 179);

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// One numeric box of the tab, in the order of lifeCycleBoxes().
struct Box {
    const char* name;
    const char16_t* caption;
    const char16_t* unit;
    const char16_t* tip;
};

const std::array<Box, kLifeCycleBoxCount>& boxes() {
    static const std::array<Box, kLifeCycleBoxCount> list = {{
        {"txtAnalysisYears", u"Analysis period", u"years",
         u"The years over which the gen-set's savings are counted, 1 to 40.\nExample: 20"},
        {"txtDiscountRate", u"Discount rate", u"% per year",
         u"The owner's cost of money: each year's savings are discounted by it to year 0, "
         u"% per year, 0 to 50.\nExample: 6"},
        {"txtElectricEscalation", u"Electricity prices", u"% per year",
         u"How fast electricity prices rise, % per year above today's (negative if they "
         u"fall), -10 to 20.\nExample: 2.5"},
        {"txtFuelEscalation", u"Fuel prices", u"% per year",
         u"How fast the prices of natural gas and the heating fuels rise, % per year "
         u"(negative if they fall), -10 to 20.\nExample: 3"},
        {"txtOMEscalation", u"Gen-set O&&M", u"% per year",
         u"How fast the cost of gen-set operation and maintenance rises, % per year, "
         u"-10 to 20.\nExample: 2"},
        {"txtCostAdjustment", u"Installed cost adjustment", u"%",
         u"Scales each method's installed cost from the built-in cost curves to local or "
         u"today's prices, %, -90 to 300.\nExample: 15 for costs 15 % above the curves"},
        {"txtTaxCredit", u"Investment tax credit", u"% of cost",
         u"The tax credit, % of the adjusted installed cost, 0 to 100.\nExample: 30"},
        {"txtRebatePerKW", u"Rebate", u"$ per kW",
         u"A utility or state rebate, dollars per kW of the gen-set's capacity, 0 to "
         u"10,000.\nExample: 250"},
        {"txtGrant", u"Grant", u"$",
         u"A grant toward the gen-set, dollars. The net installed cost is never below 0."
         u"\nExample: 50,000"},
        {"txtGridCO2Custom", u"Custom grid CO2 rate", u"lb/MWh",
         u"The CO2 rate of grid power when the grid CO2 rate is \"Custom\", pounds of CO2 per "
         u"MWh generated, 0 to 5,000.\nExample: 950"},
        {"txtGridLoss", u"Grid loss", u"%",
         u"The share of generated power lost before it reaches a meter, %, 0 to 30: each kWh "
         u"bought counts as 1 / (1 - loss) kWh generated.\nDefault: the U.S. grid gross loss, "
         u"4.2.\nExample: 5"},
    }};
    return list;
}

} // namespace

LifeCycleTab::LifeCycleTab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent) {
    setProperty("helpContext", kLifeCycleHelpTopic);
    QWidget* contents = scrolledContents(this);

    auto* inputs = new QVBoxLayout;
    inputs->addWidget(createFrame(QStringLiteral("Analysis"), "fraAnalysis", 0, 2));
    inputs->addWidget(createFrame(QStringLiteral("Escalation"), "fraEscalation", 2, 3));
    inputs->addWidget(
        createFrame(QStringLiteral("Installed Cost and Incentives"), "fraIncentives", 5, 4));
    inputs->addWidget(createEmissionsFrame());
    inputs->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(inputs, 0);
    top->addWidget(createResultsFrame(), 1);
    auto* page = new QVBoxLayout(contents);
    page->addLayout(top);
    page->addWidget(createCashFlowFrame());

    std::vector<QWidget*> chain(m_boxes.begin(), m_boxes.begin() + 9);
    chain.push_back(m_cmbGridCO2);
    chain.push_back(m_boxes[9]);
    chain.push_back(m_boxes[10]);
    chain.push_back(m_tblCashFlows);
    setTabChain(chain);

    refresh();
}

InputBox* LifeCycleTab::addBox(std::size_t index, QGridLayout* grid, int row, QWidget* parent) {
    const Box& box = boxes()[index];
    const auto field = lifeCycleBoxes()[index].text;
    InputBox* input = numberBox(QString::fromLatin1(box.name), parent);
    setWidthInCharacters(input, kBoxDigits);
    input->setToolTip(QString::fromUtf16(box.tip));
    connect(input, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        m_session.inputs().*field = text.toStdString();
        emit inputEdited();
    });
    connect(input, &InputBox::left, this, &ProjectTab::recalculationRequested);
    m_boxes[index] = input;
    QLabel* caption = captionLabel(QString::fromUtf16(box.caption), parent);
    caption->setBuddy(input);
    grid->addWidget(caption, row, 0);
    grid->addWidget(input, row, 1);
    grid->addWidget(captionLabel(QString::fromUtf16(box.unit), parent), row, 2);
    return input;
}

QGroupBox* LifeCycleTab::createFrame(const QString& title, const char* name, int firstBox,
                                     int boxCount) {
    auto* frame = new QGroupBox(title, this);
    frame->setObjectName(QString::fromLatin1(name));
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < boxCount; ++i) {
        addBox(static_cast<std::size_t>(firstBox + i), grid, i, frame);
    }
    return frame;
}

QGroupBox* LifeCycleTab::createEmissionsFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Emissions"), this);
    frame->setObjectName(QStringLiteral("fraEmissions"));
    m_cmbGridCO2 = new QComboBox(frame);
    m_cmbGridCO2->setObjectName(QStringLiteral("cmbGridCO2"));
    m_cmbGridCO2->addItems(itemList(gridCO2BasisCaptions()));
    m_cmbGridCO2->setToolTip(
        QStringLiteral("The CO2 rate of the grid power a building buys and its gen-set "
                       "displaces: the state's non-baseload rate (the plants that follow the "
                       "load, which on-site power displaces), the state's average rate (all its "
                       "plants), or a rate you type (eGRID2022, lb/MWh).\nExample: State "
                       "non-baseload (eGRID)"));
    connect(m_cmbGridCO2, &QComboBox::activated, this, [this](int index) {
        m_session.inputs().GridCO2 = static_cast<GridCO2Basis>(index);
        emit recalculationRequested();
    });
    QLabel* rateCaption = captionLabel(QStringLiteral("Grid CO2 rate"), frame);
    rateCaption->setBuddy(m_cmbGridCO2);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(rateCaption, 0, 0);
    grid->addWidget(m_cmbGridCO2, 0, 1, 1, 2);
    addBox(9, grid, 1, frame);
    addBox(10, grid, 2, frame);
    m_lblGridLossSource = captionLabel({}, frame, QStringLiteral("lblGridLossSource"));
    m_lblGridLossSource->setWordWrap(true);
    grid->addWidget(m_lblGridLossSource, 3, 0, 1, 3);
    return frame;
}

QGroupBox* LifeCycleTab::createResultsFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Life-Cycle Results"), this);
    frame->setObjectName(QStringLiteral("fraLifeCycleResults"));
    m_lblLifeCycleResults = captionLabel({}, frame, QStringLiteral("lblLifeCycleResults"));
    m_lblLifeCycleResults->setFont(fixedFont(8.5));
    m_lblLifeCycleResults->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblCO2Basis = captionLabel({}, frame, QStringLiteral("lblCO2Basis"));
    m_lblCO2Basis->setWordWrap(true);
    m_chtLifeCycle = new LifeCycleChartView(frame);
    m_chtLifeCycle->setMinimumSize(520, 300);

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_lblLifeCycleResults);
    layout->addWidget(m_lblCO2Basis);
    layout->addWidget(m_chtLifeCycle, 1);
    return frame;
}

QGroupBox* LifeCycleTab::createCashFlowFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Year-by-Year Cash Flows"), this);
    frame->setObjectName(QStringLiteral("fraCashFlows"));
    m_tblCashFlows = new QTableWidget(frame);
    m_tblCashFlows->setObjectName(QStringLiteral("tblCashFlows"));
    m_tblCashFlows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblCashFlows->verticalHeader()->setVisible(false);
    // Room for the headings' two lines: the method, then the figure.
    m_tblCashFlows->horizontalHeader()->setFixedHeight(
        m_tblCashFlows->horizontalHeader()->fontMetrics().lineSpacing() * 2 + 10);
    m_tblCashFlows->setFont(fixedFont(9.0));
    m_tblCashFlows->verticalHeader()->setDefaultSectionSize(
        QFontMetrics(fixedFont(9.0)).lineSpacing() + 6);
    m_tblCashFlows->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tblCashFlows->setMinimumHeight(260);
    m_tblCashFlows->setToolTip(
        QStringLiteral("Year 0 is the net installed cost. Each later year: the savings of that "
                       "year (each part escalated at its rate), the same discounted to year 0, "
                       "and the cumulative discounted cash flow."));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_tblCashFlows);
    return frame;
}

void LifeCycleTab::refresh() {
    const ProjectInputs& in = m_session.inputs();
    const LifeCycleResults& r = m_session.results().lifeCycle;
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        m_boxes[i]->showText(fromStd(in.*lifeCycleBoxes()[i].text));
    }
    m_cmbGridCO2->setCurrentIndex(static_cast<int>(in.GridCO2));
    m_boxes[9]->setEnabled(in.GridCO2 == GridCO2Basis::Custom);
    const EmissionData& emissions = m_session.emissions();
    m_lblGridLossSource->setText(emissions.ok()
                                     ? QStringLiteral("U.S. grid gross loss: %1 % (eGRID, %2)")
                                           .arg(emissions.usGridLossPercent)
                                           .arg(fromStd(emissions.gridLossYear))
                                     : QString());
    showWarnings();

    QStringList results;
    for (const std::string& line : lifeCycleResultLines(r)) {
        results << fromStd(line);
    }
    m_lblLifeCycleResults->setText(results.join(QLatin1Char('\n')));
    QStringList basis;
    for (const std::string& line : lifeCycleCO2Lines(r)) {
        basis << fromStd(line);
    }
    m_lblCO2Basis->setText(basis.join(QLatin1Char(' ')));
    m_chtLifeCycle->showData(lifeCycleChartData(r));

    const TextTable table = lifeCycleCashFlowTable(r);
    m_tblCashFlows->setColumnCount(static_cast<int>(table.headings.size()));
    QStringList headings;
    for (const std::string& heading : table.headings) {
        // "Method 1 savings" over two lines, so that the columns stay narrow.
        QString text = fromStd(heading);
        const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
        if (blank > 0) {
            text[blank] = QLatin1Char('\n');
        }
        headings << text;
    }
    m_tblCashFlows->setHorizontalHeaderLabels(headings);
    m_tblCashFlows->setRowCount(static_cast<int>(table.rows.size()));
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        for (std::size_t column = 0; column < table.rows[row].size(); ++column) {
            QTableWidgetItem* item =
                m_tblCashFlows->item(static_cast<int>(row), static_cast<int>(column));
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_tblCashFlows->setItem(static_cast<int>(row), static_cast<int>(column), item);
            }
            item->setText(fromStd(table.rows[row][column]));
        }
    }
}

void LifeCycleTab::showWarnings() {
    const std::vector<InputWarning>& warnings = m_session.results().warnings;
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        InputBox* box = m_boxes[i];
        QString tip = QString::fromUtf16(boxes()[i].tip);
        QPalette palette = box->style()->standardPalette();
        for (const InputWarning& w : warnings) {
            if (w.field == lifeCycleBoxes()[i].field) {
                // A mark on the box and the reason in its tooltip, as the list says it.
                palette.setColor(QPalette::Base, kWarnedBox);
                tip = fromStd(w.message) + QStringLiteral("\n\n") + tip;
            }
        }
        box->setPalette(palette);
        box->setToolTip(tip);
    }
}

} // namespace plenara
