#include "ui/lifecycletab.h"

#include "output/lifecyclereport.h"
#include "project/lifecycleinputs.h"
#include "project/projectsession.h"
#include "ui/chartexport.h"
#include "ui/fixedfont.h"
#include "ui/helpcontexts.h"
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

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// One numeric box of the tab, in the order of lifeCycleBoxes(). Its tooltip and its mark when
// the text is not used as typed are the window's, as for every input (inputToolTip).
struct Box {
    const char* name;
    const char16_t* caption;
    const char16_t* unit;
};

const std::array<Box, kLifeCycleBoxCount>& boxes() {
    static const std::array<Box, kLifeCycleBoxCount> list = {{
        {"txtAnalysisYears", u"Analysis period", u"years"},
        {"txtDiscountRate", u"Discount rate", u"% per year"},
        {"txtElectricEscalation", u"Electricity prices", u"% per year"},
        {"txtFuelEscalation", u"Fuel prices", u"% per year"},
        {"txtOMEscalation", u"Gen-set O&&M", u"% per year"},
        {"txtCostAdjustment", u"Installed cost adjustment", u"%"},
        {"txtTaxCredit", u"Investment tax credit", u"% of cost"},
        {"txtRebatePerKW", u"Rebate", u"$ per kW"},
        {"txtGrant", u"Grant", u"$"},
        {"txtGridCO2Custom", u"Custom grid CO2 rate", u"lb/MWh"},
        {"txtGridLoss", u"Grid loss", u"%"},
    }};
    return list;
}

} // namespace

LifeCycleTab::LifeCycleTab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent) {
    // F1 in any of its boxes opens the tab's help page.
    setProperty("helpContext", helpcontext::LifeCycle);
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
    addChartMenu(m_chtLifeCycle, [this] { emit chartSaveRequested(m_chtLifeCycle); });

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
    // Every year of the period shows at once: the page scrolls, not a box within it.
    m_tblCashFlows->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    m_tblCashFlows->setFixedHeight(m_tblCashFlows->horizontalHeader()->height() +
                                   m_tblCashFlows->rowCount() *
                                       m_tblCashFlows->verticalHeader()->defaultSectionSize() +
                                   2 * m_tblCashFlows->frameWidth());
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

} // namespace plenara
