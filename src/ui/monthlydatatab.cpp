#include "ui/monthlydatatab.h"

#include "engine/fuels.h"
#include "project/inputactions.h"
#include "project/projectsession.h"
#include "ui/clipboardblock.h"
#include "ui/enterastab.h"
#include "ui/helpcontexts.h"
#include "ui/inputbox.h"
#include "ui/inputcombobox.h"
#include "ui/inputfields.h"
#include "ui/resultwidgets.h"

#include <optional>

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace plenara {

namespace {

// What a month column binds to and what a keystroke in it refreshes at once.
struct GridColumn {
    const char* name;
    MonthTexts ProjectInputs::*field;
    // The totals that follow every keystroke; leaving any box of the grid recalculates the
    // whole analysis, so that every result matches the bills on the screen.
    std::optional<TotalsRefresh> totals;
};

const std::array<GridColumn, 7> kColumns = {{
    {"txtkWh", &ProjectInputs::MonthlyKWh, TotalsRefresh::AnnualPower},
    {"txtkW", &ProjectInputs::MonthlyKW, std::nullopt},
    {"txtPowerBill", &ProjectInputs::MonthlyPowerBill, TotalsRefresh::AnnualPowerCost},
    {"txtFuel1", &ProjectInputs::MonthlyFuel1, TotalsRefresh::Fuel1Totals},
    {"txtFuel1Cost", &ProjectInputs::MonthlyFuel1Cost, TotalsRefresh::Fuel1Totals},
    {"txtFuel2", &ProjectInputs::MonthlyFuel2, std::nullopt},
    {"txtFuel2Cost", &ProjectInputs::MonthlyFuel2Cost, std::nullopt},
}};

// Grid rows: three rows of column headings, the twelve months, a narrow gap, then the two
// result rows.
constexpr int kFirstMonthRow = 3;
constexpr int kGapRow = kFirstMonthRow + 12;
constexpr int kAnnualTotalRow = kGapRow + 1;
constexpr int kAverageCostRow = kAnnualTotalRow + 1;

// Grid columns: the month names, the three electricity columns, a gap, the two columns of
// fuel 1, a gap, the two columns of fuel 2.
constexpr std::array<int, 7> kGridColumn = {1, 2, 3, 5, 6, 8, 9};
constexpr int kGapWidth = 14;

QLabel* resultLabel(const char* name, QWidget* parent) {
    QLabel* label = captionLabel({}, parent, QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Line the figures up with the numbers in the boxes above them.
    label->setContentsMargins(0, 0, 6, 0);
    return label;
}

QLabel* headingLabel(const QString& text, QWidget* parent) {
    QLabel* label = captionLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

MonthlyDataTab::MonthlyDataTab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent)
    , m_enterAsTab(new EnterAsTab(this)) {
    createControls();
    layOut();
    connectControls();
    refresh();
}

void MonthlyDataTab::createControls() {
    // Created in the tab order, which setTabChain below states once more explicitly.
    const auto createColumn = [this](Column column) {
        for (int m = 0; m < 12; ++m) {
            m_boxes[column][static_cast<std::size_t>(m)] =
                numberBox(QString::fromLatin1(kColumns[column].name) + QStringLiteral("_") +
                              QString::number(m),
                          this);
        }
    };
    const auto createCombo = [this](const char* name) {
        auto* combo = new InputComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setProperty("helpContext", helpcontext::FuelsAndUnits);
        m_enterAsTab->watch(combo);
        return combo;
    };
    createColumn(kWh);
    createColumn(kW);
    createColumn(PowerBill);
    m_cmbFuel1 = createCombo("cmbFuel1");
    m_cmbFuel1Units = createCombo("cmbFuel1Units");
    createColumn(Fuel1);
    createColumn(Fuel1Cost);
    m_cmbFuel2 = createCombo("cmbFuel2");
    m_cmbFuel2Units = createCombo("cmbFuel2Units");
    createColumn(Fuel2);
    createColumn(Fuel2Cost);

    const auto& months = monthLabels();
    for (std::size_t m = 0; m < 12; ++m) {
        m_lblMonths[m] =
            captionLabel(fromRecord(months[m]), this, QStringLiteral("lblMonths_%1").arg(m));
    }

    m_lblAnnualPower = resultLabel("lblAnnualPower", this);
    m_lblAnnualPowerCost = resultLabel("lblAnnualPowerCost", this);
    m_lblAverageCostPower = resultLabel("lblAverageCostPower", this);
    m_lblAnnualFuel1 = resultLabel("lblAnnualFuel1", this);
    m_lblAnnualFuel1Cost = resultLabel("lblAnnualFuel1Cost", this);
    m_lblFuel1AvgCost = resultLabel("lblFuel1AvgCost", this);
    m_lblAnnualFuel2 = resultLabel("lblAnnualFuel2", this);
    m_lblAnnualFuel2Cost = resultLabel("lblAnnualFuel2Cost", this);
    m_lblAvgFuel2Cost = resultLabel("lblAvgFuel2Cost", this);

    std::vector<QWidget*> chain;
    const auto addColumn = [&](Column column) {
        chain.insert(chain.end(), m_boxes[column].begin(), m_boxes[column].end());
    };
    addColumn(kWh);
    addColumn(kW);
    addColumn(PowerBill);
    chain.push_back(m_cmbFuel1);
    chain.push_back(m_cmbFuel1Units);
    addColumn(Fuel1);
    addColumn(Fuel1Cost);
    chain.push_back(m_cmbFuel2);
    chain.push_back(m_cmbFuel2Units);
    addColumn(Fuel2);
    addColumn(Fuel2Cost);
    setTabChain(chain);
}

void MonthlyDataTab::layOut() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);

    // Headings: "Electricity" over its three columns; each fuel's box and unit box over its
    // quantity and cost columns.
    grid->addWidget(headingLabel(QStringLiteral("Electricity"), this), 0, kGridColumn[kWh], 2, 3);
    grid->addWidget(m_cmbFuel1, 0, kGridColumn[Fuel1], 1, 2);
    grid->addWidget(m_cmbFuel1Units, 1, kGridColumn[Fuel1], 1, 2);
    grid->addWidget(m_cmbFuel2, 0, kGridColumn[Fuel2], 1, 2);
    grid->addWidget(m_cmbFuel2Units, 1, kGridColumn[Fuel2], 1, 2);
    const std::array<QString, ColumnCount> captions = {
        QStringLiteral("kWh"),      QStringLiteral("kW"), QStringLiteral("$"),
        QStringLiteral("Quantity"), QStringLiteral("$"),  QStringLiteral("Quantity"),
        QStringLiteral("$")};
    for (int c = 0; c < ColumnCount; ++c) {
        const auto column = static_cast<std::size_t>(c);
        grid->addWidget(headingLabel(captions[column], this), 2, kGridColumn[column]);
        grid->setColumnStretch(kGridColumn[column], 1);
        for (std::size_t m = 0; m < 12; ++m) {
            grid->addWidget(m_boxes[column][m], kFirstMonthRow + static_cast<int>(m),
                            kGridColumn[column]);
        }
    }
    for (std::size_t m = 0; m < 12; ++m) {
        grid->addWidget(m_lblMonths[m], kFirstMonthRow + static_cast<int>(m), 0);
    }
    grid->setColumnMinimumWidth(4, kGapWidth);
    grid->setRowMinimumHeight(kGapRow, 4);
    grid->setColumnMinimumWidth(7, kGapWidth);

    grid->addWidget(captionLabel(QStringLiteral("Annual Total"), this), kAnnualTotalRow, 0);
    grid->addWidget(m_lblAnnualPower, kAnnualTotalRow, kGridColumn[kWh]);
    grid->addWidget(m_lblAnnualPowerCost, kAnnualTotalRow, kGridColumn[PowerBill]);
    grid->addWidget(m_lblAnnualFuel1, kAnnualTotalRow, kGridColumn[Fuel1]);
    grid->addWidget(m_lblAnnualFuel1Cost, kAnnualTotalRow, kGridColumn[Fuel1Cost]);
    grid->addWidget(m_lblAnnualFuel2, kAnnualTotalRow, kGridColumn[Fuel2]);
    grid->addWidget(m_lblAnnualFuel2Cost, kAnnualTotalRow, kGridColumn[Fuel2Cost]);

    // The average costs are dollars per unit, so they sit under the dollar columns.
    grid->addWidget(captionLabel(QStringLiteral("Average Cost"), this), kAverageCostRow, 0);
    grid->addWidget(m_lblAverageCostPower, kAverageCostRow, kGridColumn[PowerBill]);
    grid->addWidget(m_lblFuel1AvgCost, kAverageCostRow, kGridColumn[Fuel1Cost]);
    grid->addWidget(m_lblAvgFuel2Cost, kAverageCostRow, kGridColumn[Fuel2Cost]);

    auto* page = new QVBoxLayout(scrolledContents(this));
    page->addLayout(grid);
    page->addStretch(1);
}

void MonthlyDataTab::connectControls() {
    for (int c = 0; c < ColumnCount; ++c) {
        const auto column = static_cast<Column>(c);
        for (int m = 0; m < 12; ++m) {
            InputBox* box = m_boxes[column][static_cast<std::size_t>(m)];
            connect(box, &QLineEdit::textEdited, this,
                    [this, column, m](const QString& text) { monthEdited(column, m, text); });
            connect(box, &InputBox::left, this, &ProjectTab::recalculationRequested);
        }
    }

    // A choice from a fuel list refills that fuel's unit list; a choice of a unit, or of a
    // fuel, recalculates. A typed text is stored and recalculates once the box is left.
    const auto bindFuel = [this](InputComboBox* fuel, InputComboBox* units,
                                 void (*choose)(ProjectInputs&, const std::string&),
                                 std::string ProjectInputs::*fuelText,
                                 std::string ProjectInputs::*unitText) {
        connect(fuel, &InputComboBox::chosen, this, [this, choose](const QString& text) {
            choose(m_session.inputs(), toRecord(text));
            emit recalculationRequested();
        });
        connect(fuel, &InputComboBox::typed, this, [this, fuelText](const QString& text) {
            m_session.inputs().*fuelText = toRecord(text);
            emit inputEdited();
        });
        connect(units, &InputComboBox::chosen, this, [this, unitText](const QString& text) {
            m_session.inputs().*unitText = toRecord(text);
            emit recalculationRequested();
        });
        connect(units, &InputComboBox::typed, this, [this, unitText](const QString& text) {
            m_session.inputs().*unitText = toRecord(text);
            emit inputEdited();
        });
        for (InputComboBox* box : {fuel, units}) {
            connect(box, &InputComboBox::left, this, &ProjectTab::recalculationRequested);
        }
    };
    bindFuel(m_cmbFuel1, m_cmbFuel1Units, &chooseFuel1, &ProjectInputs::Fuel1Type,
             &ProjectInputs::Fuel1Units);
    bindFuel(m_cmbFuel2, m_cmbFuel2Units, &chooseFuel2, &ProjectInputs::Fuel2Type,
             &ProjectInputs::Fuel2Units);
}

void MonthlyDataTab::monthEdited(Column column, int month, const QString& text) {
    const GridColumn& bound = kColumns[column];
    (m_session.inputs().*bound.field)[static_cast<std::size_t>(month)] = toRecord(text);
    if (bound.totals) {
        m_session.refreshTotals(*bound.totals);
        showTotals();
    }
    emit inputEdited();
}

bool MonthlyDataTab::findBox(const QWidget* widget, int& column, int& month) const {
    for (int c = 0; c < ColumnCount; ++c) {
        for (int m = 0; m < 12; ++m) {
            if (m_boxes[static_cast<std::size_t>(c)][static_cast<std::size_t>(m)] == widget) {
                column = c;
                month = m;
                return true;
            }
        }
    }
    return false;
}

bool MonthlyDataTab::isGridBox(const QWidget* widget) const {
    int column = 0;
    int month = 0;
    return findBox(widget, column, month);
}

bool MonthlyDataTab::pasteBlock(QWidget* box, const QString& text) {
    int firstColumn = 0;
    int firstMonth = 0;
    if (!findBox(box, firstColumn, firstMonth)) {
        return false;
    }
    // Rows go down the months, cells across the columns; what lies beyond the grid is left
    // out. The texts are taken as typed: the recalculation that the caller runs reads and
    // marks them.
    const QList<QStringList> rows = clipboardRows(text);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const int month = firstMonth + static_cast<int>(r);
        if (month >= 12) {
            break;
        }
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            const int column = firstColumn + static_cast<int>(c);
            if (column >= ColumnCount) {
                break;
            }
            (m_session.inputs().*
             kColumns[static_cast<std::size_t>(column)].field)[static_cast<std::size_t>(month)] =
                toRecord(rows[r][c]);
        }
    }
    return true;
}

void MonthlyDataTab::refresh() {
    const ProjectInputs& in = m_session.inputs();
    for (int c = 0; c < ColumnCount; ++c) {
        const auto column = static_cast<std::size_t>(c);
        const MonthTexts& texts = in.*kColumns[column].field;
        for (std::size_t m = 0; m < 12; ++m) {
            m_boxes[column][m]->showText(fromRecord(texts[m]));
        }
    }
    m_cmbFuel1->showList(itemList(fuelNames()), fromRecord(in.Fuel1Type));
    m_cmbFuel1Units->showList(itemList(in.Fuel1UnitList), fromRecord(in.Fuel1Units));
    m_cmbFuel2->showList(itemList(fuelNames()), fromRecord(in.Fuel2Type));
    m_cmbFuel2Units->showList(itemList(in.Fuel2UnitList), fromRecord(in.Fuel2Units));
    showTotals();
}

void MonthlyDataTab::showTotals() {
    const TotalsCaptions& totals = m_session.results().totals;
    m_lblAnnualPower->setText(fromRecord(totals.lblAnnualPower));
    m_lblAnnualPowerCost->setText(fromRecord(totals.lblAnnualPowerCost));
    m_lblAverageCostPower->setText(fromRecord(totals.lblAverageCostPower));
    m_lblAnnualFuel1->setText(fromRecord(totals.lblAnnualFuel1));
    m_lblAnnualFuel1Cost->setText(fromRecord(totals.lblAnnualFuel1Cost));
    m_lblFuel1AvgCost->setText(fromRecord(totals.lblFuel1AvgCost));
    m_lblAnnualFuel2->setText(fromRecord(totals.lblAnnualFuel2));
    m_lblAnnualFuel2Cost->setText(fromRecord(totals.lblAnnualFuel2Cost));
    m_lblAvgFuel2Cost->setText(fromRecord(totals.lblAvgFuel2Cost));
}

} // namespace plenara
