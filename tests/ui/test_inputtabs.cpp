#include "engine/fuels.h"
#include "ui/frmtavchpscreening.h"
#include "ui/inputbox.h"
#include "ui/inputcombobox.h"
#include "ui/inputfields.h"
#include "ui/miscinputtab.h"
#include "ui/monthlydatatab.h"
#include "ui/ratedatatab.h"
#include "ui/uitestsupport.h"

#include <memory>

#include <QAbstractItemView>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace plenara {

namespace {

// The main window with the shipped climate data, shown and active so that the focus moves
// as it does for a user.
struct Window {
    Window()
        : window(test::shippedClimate(), std::make_unique<test::FakeFileDialogs>()) {
        window.show();
        QApplication::setActiveWindow(&window);
    }

    template <typename T>
    T* find(const QString& name) const {
        return window.findChild<T*>(name);
    }
    InputBox* box(const QString& name) const { return find<InputBox>(name); }
    InputComboBox* combo(const QString& name) const { return find<InputComboBox>(name); }
    QLabel* label(const QString& name) const { return find<QLabel>(name); }
    QRadioButton* option(const QString& name) const { return find<QRadioButton>(name); }
    const ProjectResults& results() { return window.session().results(); }
    ProjectInputs& inputs() { return window.session().inputs(); }

    // Shows a tab and puts the focus into one of its controls.
    void focus(QWidget* widget, int tabIndex) {
        window.tabs()->setCurrentIndex(tabIndex);
        widget->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }

    frmTAVCHPScreening window;
};

// A tab on its own, wired as the window wires it: a recalculating event recalculates the
// session and shows the results.
template <typename Tab>
struct LoneTab {
    LoneTab()
        : tab(session)
        , recalculations(&tab, &ProjectTab::recalculationRequested)
        , edits(&tab, &ProjectTab::inputEdited) {
        QObject::connect(&tab, &ProjectTab::recalculationRequested, &tab, [this] {
            session.recalculate();
            tab.refresh();
        });
        tab.resize(967, 590);
        tab.show();
        QApplication::setActiveWindow(&tab);
    }

    template <typename T>
    T* find(const QString& name) const {
        return tab.template findChild<T*>(name);
    }

    ProjectSession session{test::shippedClimate()};
    Tab tab;
    QSignalSpy recalculations;
    QSignalSpy edits;
};

QString monthBox(const char* column, int month) {
    return QString::fromLatin1(column) + QStringLiteral("_") + QString::number(month);
}

// Picks an item from a drop-down box's list as a user does: open the list, move to the item,
// press Enter.
void chooseFromList(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!view->isVisible());
}

// Clicks an option on its caption; the button may be wider than the caption it reacts to.
void clickOption(QRadioButton* option) {
    QVERIFY(option);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

QStringList optionCaptions(const QWidget* parent) {
    QStringList captions;
    for (const QRadioButton* option : parent->findChildren<QRadioButton*>()) {
        captions << option->text();
    }
    return captions;
}

} // namespace

// The three input tabs: keyboard behaviour, what each edit starts, and what they show.
class InputTabsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_watchdog = std::make_unique<test::ModalWatchdog>(); }
    void cleanup() {
        QVERIFY2(m_watchdog->seen().isEmpty(),
                 qPrintable(m_watchdog->seen().join(QStringLiteral("; "))));
    }

    void enterMovesDownTheMonthColumn_data();
    void enterMovesDownTheMonthColumn();
    void tabOrderOfEveryTab();
    void enterAsTabOnDropDownBoxesOnlyWhereWanted();
    void enteringABoxSelectsItsText();
    void typingRefreshesTotalsLeavingRecalculates();
    void leavingABoxRecalculates_data();
    void leavingABoxRecalculates();
    void typingInADropDownBoxRecalculatesOnLeaving();
    void choosingFromAListRecalculates();
    void choosingAStateFillsTheCities();
    void gasUnitOptionsAndTheirCaption();
    void optionGroupsWithNoOptionSet();
    void primeMoversFollowTheResults();
    void captionsAndLists();
    void sampleDataShowsInEveryInputTab();
    void everyInputTabFitsItsWindow();

private:
    std::unique_ptr<test::ModalWatchdog> m_watchdog;
};

void InputTabsTest::enterMovesDownTheMonthColumn_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    // The text left behind: leaving any box of the grid recalculates, which rewrites it in its
    // display pattern.
    QTest::addColumn<QString>("left");
    QTest::newRow("March kWh to April kWh")
        << monthBox("txtkWh", 2) << monthBox("txtkWh", 3) << QStringLiteral("4,321");
    QTest::newRow("December kWh to January kW")
        << monthBox("txtkWh", 11) << monthBox("txtkW", 0) << QStringLiteral("4,321");
    QTest::newRow("December kW to January bill")
        << monthBox("txtkW", 11) << monthBox("txtPowerBill", 0) << QStringLiteral("4,321");
    QTest::newRow("December bill to fuel 1")
        << monthBox("txtPowerBill", 11) << "cmbFuel1" << QStringLiteral("$4,321");
    QTest::newRow("December fuel 1 to its cost")
        << monthBox("txtFuel1", 11) << monthBox("txtFuel1Cost", 0) << QStringLiteral("4,321");
    QTest::newRow("December fuel 1 cost to fuel 2")
        << monthBox("txtFuel1Cost", 11) << "cmbFuel2" << QStringLiteral("$4,321");
    QTest::newRow("December fuel 2 to its cost")
        << monthBox("txtFuel2", 11) << monthBox("txtFuel2Cost", 0) << QStringLiteral("4,321");
}

void InputTabsTest::enterMovesDownTheMonthColumn() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, left);
    Window w;
    InputBox* box = w.box(from);
    QVERIFY(box);
    w.focus(box, tab::MonthlyUtilityData);
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("4321"));
    box->setCursorPosition(2);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    QCOMPARE(box->text(), left);
}

void InputTabsTest::tabOrderOfEveryTab() {
    Window w;
    // The name of the control that Tab leads to from each control of a tab, one after another.
    const auto walk = [&](const QString& first, int tabIndex, int steps) {
        w.focus(w.find<QWidget>(first), tabIndex);
        QStringList names{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QApplication::processEvents(); // an option group passes the focus on to its set option
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    };

    QStringList grid;
    const auto column = [&grid](const char* name) {
        for (int m = 0; m < 12; ++m) {
            grid << monthBox(name, m);
        }
    };
    column("txtkWh");
    column("txtkW");
    column("txtPowerBill");
    grid << QStringLiteral("cmbFuel1") << QStringLiteral("cmbFuel1Units");
    column("txtFuel1");
    column("txtFuel1Cost");
    grid << QStringLiteral("cmbFuel2") << QStringLiteral("cmbFuel2Units");
    column("txtFuel2");
    column("txtFuel2Cost");
    QCOMPARE(walk(grid.first(), tab::MonthlyUtilityData, int(grid.size()) - 1), grid);

    // Within an option group Tab stops once, at the set option.
    const QStringList rates = {
        QStringLiteral("txtEnergyCharge"), QStringLiteral("txtFuelAdjCharge"),
        QStringLiteral("txtDemandCharge"), QStringLiteral("txtStandby"),
        QStringLiteral("txtGasCost"),      QStringLiteral("optTherms")};
    QCOMPARE(walk(rates.first(), tab::UtilityRateData, int(rates.size()) - 1), rates);

    // With disabled options in its way, Tab still enters a group at its set option: the
    // turbines are disabled while Method 2 finds no capacity.
    QVERIFY(!w.option(QStringLiteral("optGasTurbine"))->isEnabled());
    const QStringList misc = {QStringLiteral("cmbStates"),
                              QStringLiteral("cmbCities"),
                              QStringLiteral("txtHeatedFloorspace"),
                              QStringLiteral("txtCooledFloorSpace"),
                              QStringLiteral("txtNoOccupants"),
                              QStringLiteral("optMediumDHW"),
                              QStringLiteral("optRecip"),
                              QStringLiteral("optTypical"),
                              QStringLiteral("cmbRunTimeFraction"),
                              QStringLiteral("cmbBoilerEfficiency")};
    QCOMPARE(walk(misc.first(), tab::MiscInputInformation, int(misc.size()) - 1), misc);

    // Backtab enters a group at its set option too.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QApplication::processEvents();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optTypical"));
}

void InputTabsTest::enterAsTabOnDropDownBoxesOnlyWhereWanted() {
    Window w;
    const auto enterIn = [&](const QString& name, int tabIndex) {
        QWidget* combo = w.combo(name);
        w.focus(combo, tabIndex);
        QTest::keyClick(w.combo(name)->lineEdit(), Qt::Key_Return);
        return QApplication::focusWidget()->objectName();
    };
    QCOMPARE(enterIn(QStringLiteral("cmbFuel1"), tab::MonthlyUtilityData),
             QStringLiteral("cmbFuel1Units"));
    QCOMPARE(enterIn(QStringLiteral("cmbFuel2Units"), tab::MonthlyUtilityData),
             monthBox("txtFuel2", 0));
    QCOMPARE(enterIn(QStringLiteral("cmbStates"), tab::MiscInputInformation),
             QStringLiteral("cmbCities"));
    QCOMPARE(enterIn(QStringLiteral("cmbCities"), tab::MiscInputInformation),
             QStringLiteral("txtHeatedFloorspace"));
    // The two percentage boxes take Enter themselves.
    QCOMPARE(enterIn(QStringLiteral("cmbRunTimeFraction"), tab::MiscInputInformation),
             QStringLiteral("cmbRunTimeFraction"));
    QCOMPARE(enterIn(QStringLiteral("cmbBoilerEfficiency"), tab::MiscInputInformation),
             QStringLiteral("cmbBoilerEfficiency"));
    // Enter in a site box moves on like Tab.
    InputBox* occupants = w.box(QStringLiteral("txtNoOccupants"));
    w.focus(occupants, tab::MiscInputInformation);
    QTest::keyClick(occupants, Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optMediumDHW"));
}

void InputTabsTest::enteringABoxSelectsItsText() {
    Window w;
    w.window.mnuFSampleData_Click();
    const auto enterByTab = [&](const QString& before, const QString& name, int tabIndex) {
        w.focus(w.find<QWidget>(before), tabIndex);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents(); // the selection follows the focus at once
        InputBox* box = w.box(name);
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(!box->text().isEmpty());
        QCOMPARE(box->selectedText(), box->text());
    };
    enterByTab(monthBox("txtkWh", 2), monthBox("txtkWh", 3), tab::MonthlyUtilityData);
    enterByTab(monthBox("txtkWh", 11), monthBox("txtkW", 0), tab::MonthlyUtilityData);
    enterByTab(QStringLiteral("cmbFuel1Units"), monthBox("txtFuel1", 0), tab::MonthlyUtilityData);
    enterByTab(QStringLiteral("txtEnergyCharge"), QStringLiteral("txtFuelAdjCharge"),
               tab::UtilityRateData);
    enterByTab(QStringLiteral("txtHeatedFloorspace"), QStringLiteral("txtCooledFloorSpace"),
               tab::MiscInputInformation);

    // Typing then replaces the whole text.
    InputBox* box = w.box(QStringLiteral("txtCooledFloorSpace"));
    QTest::keyClicks(box, QStringLiteral("5"));
    QCOMPARE(box->text(), QStringLiteral("5"));
    QCOMPARE(w.inputs().CooledFloorSpace, std::string("5"));
}

void InputTabsTest::typingRefreshesTotalsLeavingRecalculates() {
    Window w;
    w.window.mnuFSampleData_Click();
    QLabel* annualPower = w.label(QStringLiteral("lblAnnualPower"));
    QCOMPARE(annualPower->text(), QStringLiteral("984,000"));
    const auto paybacks = w.results().paybackByMethod;

    InputBox* january = w.box(monthBox("txtkWh", 0));
    w.focus(january, tab::MonthlyUtilityData);
    january->selectAll();
    QTest::keyClicks(january, QStringLiteral("100000"));
    QCOMPARE(w.inputs().MonthlyKWh[0], std::string("100000"));
    QCOMPARE(annualPower->text(), QStringLiteral("1,015,600"));
    QCOMPARE(w.label(QStringLiteral("lblAverageCostPower"))->text(),
             QString::fromStdString(w.results().totals.lblAverageCostPower));
    QVERIFY(w.window.isWindowModified());

    // The bill and fuel 1 columns refresh their own totals as they are typed.
    InputBox* bill = w.box(monthBox("txtPowerBill", 0));
    bill->selectAll();
    QTest::keyClicks(bill, QStringLiteral("0"));
    QCOMPARE(w.label(QStringLiteral("lblAnnualPowerCost"))->text(), QStringLiteral("$107,659"));
    InputBox* fuel = w.box(monthBox("txtFuel1Cost", 11));
    fuel->selectAll();
    QTest::keyClicks(fuel, QStringLiteral("0"));
    QCOMPARE(w.label(QStringLiteral("lblAnnualFuel1Cost"))->text(),
             QString::fromStdString(w.results().totals.lblAnnualFuel1Cost));
    QCOMPARE(w.results().totals.lblAnnualFuel1Cost, std::string("$389,653"));

    // Leaving the box recalculates everything: the payback captions are those of the bills
    // on the screen, as a fresh recalculation of the same inputs gives them.
    const QString rangeBefore = w.label(QStringLiteral("lblPaybackRange"))->text();
    w.focus(w.box(monthBox("txtkWh", 1)), tab::MonthlyUtilityData);
    QCOMPARE(january->text(), QStringLiteral("100,000"));
    QVERIFY(w.results().paybackByMethod != paybacks);
    ProjectSession fresh(test::shippedClimate());
    fresh.inputs() = w.inputs();
    fresh.recalculate();
    QCOMPARE(w.label(QStringLiteral("lblPaybackRange"))->text(),
             QString::fromStdString(fresh.results().lblPaybackRange));
    QVERIFY(w.label(QStringLiteral("lblPaybackRange"))->text() != rangeBefore);
}

void InputTabsTest::leavingABoxRecalculates_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<QString>("shown"); // the box after the recalculation
    QTest::newRow("fuel 2") << monthBox("txtFuel2", 4) << tab::MonthlyUtilityData
                            << QStringLiteral("1,234");
    QTest::newRow("fuel 2 cost") << monthBox("txtFuel2Cost", 11) << tab::MonthlyUtilityData
                                 << QStringLiteral("$1,234");
    QTest::newRow("peak kW") << monthBox("txtkW", 6) << tab::MonthlyUtilityData
                             << QStringLiteral("1,234");
    QTest::newRow("energy charge") << QStringLiteral("txtEnergyCharge") << tab::UtilityRateData
                                   << QStringLiteral("$1234.0000");
    QTest::newRow("standby") << QStringLiteral("txtStandby") << tab::UtilityRateData
                             << QStringLiteral("$1234.00");
    QTest::newRow("gas cost") << QStringLiteral("txtGasCost") << tab::UtilityRateData
                              << QStringLiteral("$1234.0000");
    QTest::newRow("heated floor space") << QStringLiteral("txtHeatedFloorspace")
                                        << tab::MiscInputInformation << QStringLiteral("1,234");
    QTest::newRow("cooled floor space") << QStringLiteral("txtCooledFloorSpace")
                                        << tab::MiscInputInformation << QStringLiteral("1,234");
    QTest::newRow("occupants") << QStringLiteral("txtNoOccupants") << tab::MiscInputInformation
                               << QStringLiteral("1,234");
}

void InputTabsTest::leavingABoxRecalculates() {
    QFETCH(QString, name);
    QFETCH(int, tabIndex);
    QFETCH(QString, shown);
    Window w;
    auto* tab = qobject_cast<ProjectTab*>(w.window.tabs()->widget(tabIndex));
    QSignalSpy recalculations(tab, &ProjectTab::recalculationRequested);
    InputBox* box = w.box(name);
    w.focus(box, tabIndex);
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("1234"));
    QCOMPARE(recalculations.count(), 0);
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(recalculations.count(), 1);
    QCOMPARE(box->text(), shown);

    // Leaving it again unchanged recalculates again.
    w.focus(box, tabIndex);
    const auto before = recalculations.count();
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(recalculations.count(), before + 1);
}

void InputTabsTest::typingInADropDownBoxRecalculatesOnLeaving() {
    LoneTab<MonthlyDataTab> t;
    auto* fuel = t.find<InputComboBox>(QStringLiteral("cmbFuel1"));
    auto* units = t.find<InputComboBox>(QStringLiteral("cmbFuel1Units"));
    fuel->setFocus();
    // Leaving the first box of the grid, which had the focus, recalculates; the typing that
    // follows does not until its box is left.
    t.recalculations.clear();
    fuel->lineEdit()->selectAll();
    // A typed fuel name is stored but is no choice, even when it spells an item of the list:
    // the unit list stays as it was.
    QTest::keyClicks(fuel->lineEdit(), QStringLiteral("steam"));
    QCOMPARE(t.recalculations.count(), 0);
    QTest::keyClick(fuel->lineEdit(), Qt::Key_Return);
    QCOMPARE(units->hasFocus(), true);
    QCOMPARE(t.session.inputs().Fuel1Type, std::string("steam"));
    QCOMPARE(t.recalculations.count(), 1);
    QVERIFY(t.edits.count() > 0);
    QCOMPARE(units->count(), 5);
    QCOMPARE(units->currentText(), QStringLiteral("therms"));

    // Entered by Enter, the unit box has its text selected, so typing replaces it.
    QTest::keyClicks(units->lineEdit(), QStringLiteral("gallons"));
    QCOMPARE(t.session.inputs().Fuel1Units, std::string("gallons"));
    QCOMPARE(t.recalculations.count(), 1);
    QTest::keyClick(units->lineEdit(), Qt::Key_Tab);
    QCOMPARE(t.recalculations.count(), 2);

    // A typed state does not refill the cities, yet the results follow it once it is left;
    // passing through a box without typing recalculates nothing.
    LoneTab<MiscInputTab> misc;
    auto* states = misc.find<InputComboBox>(QStringLiteral("cmbStates"));
    states->setFocus();
    QTest::keyClicks(states->lineEdit(), QStringLiteral("Ohio"));
    QTest::keyClick(states->lineEdit(), Qt::Key_Tab);
    QCOMPARE(misc.session.inputs().State, std::string("Ohio"));
    QVERIFY(misc.session.inputs().CityList.empty());
    QCOMPARE(misc.find<InputComboBox>(QStringLiteral("cmbCities"))->count(), 0);
    QCOMPARE(misc.recalculations.count(), 1);
    states->setFocus();
    QTest::keyClick(states->lineEdit(), Qt::Key_Tab);
    QCOMPARE(misc.recalculations.count(), 1);

    // A run-time fraction typed and left is the fraction of the results at once.
    auto* runTime = misc.find<InputComboBox>(QStringLiteral("cmbRunTimeFraction"));
    runTime->setFocus();
    runTime->lineEdit()->selectAll();
    QTest::keyClicks(runTime->lineEdit(), QStringLiteral("50%"));
    QTest::keyClick(runTime->lineEdit(), Qt::Key_Tab);
    QCOMPARE(misc.recalculations.count(), 2);
}

void InputTabsTest::choosingFromAListRecalculates() {
    LoneTab<MonthlyDataTab> t;
    auto* fuel = t.find<InputComboBox>(QStringLiteral("cmbFuel2"));
    auto* units = t.find<InputComboBox>(QStringLiteral("cmbFuel2Units"));
    fuel->setFocus();
    t.recalculations.clear();
    chooseFromList(fuel, QStringLiteral("steam"));
    QCOMPARE(t.recalculations.count(), 1);
    QCOMPARE(t.session.inputs().Fuel2Type, std::string("steam"));
    QCOMPARE(units->items(), QStringList{QStringLiteral("thousand pounds")});
    QCOMPARE(units->currentText(), QStringLiteral("thousand pounds"));
    QCOMPARE(t.session.inputs().Fuel2Units, std::string("thousand pounds"));

    chooseFromList(fuel, QStringLiteral("#4 fuel oil"));
    QCOMPARE(units->currentText(), QStringLiteral("gallons"));
    chooseFromList(fuel, QStringLiteral("natural gas"));
    QCOMPARE(units->count(), 5);
    QCOMPARE(units->currentText(), QStringLiteral("therms"));

    // A unit chosen from the list is stored and recalculates.
    chooseFromList(units, QStringLiteral("CCF (hundred cu ft)"));
    QCOMPARE(t.session.inputs().Fuel2Units, std::string("CCF (hundred cu ft)"));
    QCOMPARE(t.recalculations.count(), 4);
    // The fuel 1 pair is independent of it.
    QCOMPARE(t.find<InputComboBox>(QStringLiteral("cmbFuel1"))->currentText(),
             QStringLiteral("Fuel #1"));

    // The percentage boxes: their text is the fraction of the next recalculation.
    LoneTab<MiscInputTab> misc;
    chooseFromList(misc.find<InputComboBox>(QStringLiteral("cmbRunTimeFraction")),
                   QStringLiteral(" 50%"));
    QCOMPARE(misc.session.inputs().RunTimeFractionText, std::string(" 50%"));
    QCOMPARE(misc.session.results().RunTimeFraction, 0.5);
    chooseFromList(misc.find<InputComboBox>(QStringLiteral("cmbBoilerEfficiency")),
                   QStringLiteral("62%"));
    QCOMPARE(misc.session.results().BoilerEfficiency, 0.62);
    QCOMPARE(misc.recalculations.count(), 2);
}

void InputTabsTest::choosingAStateFillsTheCities() {
    Window w;
    InputComboBox* states = w.combo(QStringLiteral("cmbStates"));
    InputComboBox* cities = w.combo(QStringLiteral("cmbCities"));
    // No state is chosen when the window opens.
    QCOMPARE(states->currentText(), QString());
    QCOMPARE(states->lineEdit()->placeholderText(), QStringLiteral("Choose a state"));
    QCOMPARE(cities->count(), 0);
    QVERIFY(!cities->lineEdit()->placeholderText().isEmpty());

    w.focus(states, tab::MiscInputInformation);
    chooseFromList(states, QStringLiteral("Pennsylvania"));
    QCOMPARE(w.inputs().State, std::string("Pennsylvania"));
    QCOMPARE(states->currentText(), QStringLiteral("Pennsylvania"));
    QCOMPARE(states->lineEdit()->placeholderText(), QString());
    QCOMPARE(cities->count(), 8);
    QCOMPARE(cities->currentText(), QStringLiteral("Allentown"));
    QCOMPARE(w.inputs().City, std::string("Allentown"));
    QCOMPARE(w.results().method3.cityName, std::string("Allentown"));

    // The arrow keys choose too.
    w.focus(cities, tab::MiscInputInformation);
    QTest::keyClick(cities, Qt::Key_Down);
    QCOMPARE(w.inputs().City, std::string("Erie"));
    QCOMPARE(w.results().method3.cityName, std::string("Erie"));
}

void InputTabsTest::gasUnitOptionsAndTheirCaption() {
    Window w;
    w.window.tabs()->setCurrentIndex(tab::UtilityRateData);
    QLabel* label18 = w.label(QStringLiteral("Label18"));
    QCOMPARE(label18->text(), QStringLiteral("/therm"));
    QVERIFY(w.option(QStringLiteral("optTherms"))->isChecked());

    InputBox* price = w.box(QStringLiteral("txtGasCost"));
    w.focus(price, tab::UtilityRateData);
    price->selectAll();
    QTest::keyClicks(price, QStringLiteral("0.9"));
    QTest::keyClick(price, Qt::Key_Tab);
    QCOMPARE(price->text(), QStringLiteral("$0.9000"));

    clickOption(w.option(QStringLiteral("optMCF")));
    QCOMPARE(w.inputs().GasCostUnit, std::optional(GasCostUnit::MCF));
    QCOMPARE(label18->text(), QStringLiteral("/MCF"));
    QCOMPARE(price->text(), QStringLiteral("$0.90"));
    QVERIFY(w.option(QStringLiteral("optMCF"))->isChecked());
    QVERIFY(!w.option(QStringLiteral("optTherms"))->isChecked());
}

void InputTabsTest::optionGroupsWithNoOptionSet() {
    LoneTab<RateDataTab> t;
    const QStringList names = {QStringLiteral("optTherms"), QStringLiteral("optDecatherms"),
                               QStringLiteral("optMMBtu"), QStringLiteral("optCCF"),
                               QStringLiteral("optMCF")};
    const auto checked = [&] {
        QStringList on;
        for (const QString& name : names) {
            if (t.find<QRadioButton>(name)->isChecked()) {
                on << name;
            }
        }
        return on;
    };
    t.session.inputs().GasCostUnit.reset();
    t.session.recalculate();
    t.tab.refresh();
    QCOMPARE(checked(), QStringList());
    // With no unit set the caption stays as it was.
    QCOMPARE(t.find<QLabel>(QStringLiteral("Label18"))->text(), QStringLiteral("/therm"));

    // A click sets one option, and the group is exclusive again.
    clickOption(t.find<QRadioButton>(QStringLiteral("optCCF")));
    QCOMPARE(checked(), QStringList{QStringLiteral("optCCF")});
    QCOMPARE(t.find<QLabel>(QStringLiteral("Label18"))->text(), QStringLiteral("/CCF"));
    clickOption(t.find<QRadioButton>(QStringLiteral("optDecatherms")));
    QCOMPARE(checked(), QStringList{QStringLiteral("optDecatherms")});

    // The same for the groups of the misc tab, without any recalculation in between.
    LoneTab<MiscInputTab> misc;
    misc.session.inputs().HotWaterUsage.reset();
    misc.session.inputs().PrimeMover.reset();
    misc.session.inputs().InstallationDifficulty.reset();
    misc.tab.refresh();
    const QList<QRadioButton*> options = misc.tab.findChildren<QRadioButton*>();
    QCOMPARE(options.size(), 11);
    for (const QRadioButton* option : options) {
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    }
    clickOption(misc.find<QRadioButton>(QStringLiteral("optHighDHW")));
    QCOMPARE(misc.session.inputs().HotWaterUsage, std::optional(HotWaterUsage::High));
    clickOption(misc.find<QRadioButton>(QStringLiteral("optFuelCell")));
    QCOMPARE(misc.session.inputs().PrimeMover, std::optional(PrimeMover::FuelCell));
    clickOption(misc.find<QRadioButton>(QStringLiteral("optRetrofit")));
    QCOMPARE(misc.session.inputs().InstallationDifficulty,
             std::optional(InstallationDifficulty::Retrofit));
    QCOMPARE(misc.recalculations.count(), 3);
}

void InputTabsTest::primeMoversFollowTheResults() {
    Window w;
    const QStringList names = {QStringLiteral("optRecip"), QStringLiteral("optGasTurbine"),
                               QStringLiteral("optMicroturbine"), QStringLiteral("optFuelCell")};
    const auto enabled = [&] {
        std::array<bool, 4> on{};
        for (std::size_t i = 0; i < 4; ++i) {
            on[i] = w.option(names[static_cast<qsizetype>(i)])->isEnabled();
        }
        return on;
    };
    // Without bills Method 2 finds no capacity: too small for a turbine.
    const std::array<bool, 4> empty = {true, false, false, true};
    QCOMPARE(w.results().primeMoverEnabled, empty);
    QCOMPARE(enabled(), empty);

    w.window.mnuFSampleData_Click();
    QCOMPARE(enabled(), w.results().primeMoverEnabled);
    QVERIFY(w.results().primeMoverEnabled != empty);
    QVERIFY(w.option(QStringLiteral("optRecip"))->isChecked());
}

void InputTabsTest::captionsAndLists() {
    Window w;
    const auto labels = [&](int tabIndex) {
        QStringList texts;
        for (const QLabel* label : w.window.tabs()->widget(tabIndex)->findChildren<QLabel*>()) {
            texts << label->text();
        }
        return texts;
    };
    const QStringList monthly = labels(tab::MonthlyUtilityData);
    for (const char* caption :
         {"Electricity", "kWh", "kW", "$", "Annual Total", "Average Cost", "Jan", "Mar", "Dec"}) {
        QVERIFY2(monthly.contains(QString::fromLatin1(caption)), caption);
    }
    const QStringList rates = labels(tab::UtilityRateData);
    for (const char* caption : {"Energy Charge", "Fuel Adjustment Charge", "Demand Charge",
                                "Standby Charge", "Cost of Natural Gas", "/kWh", "/kW per month"}) {
        QVERIFY2(rates.contains(QString::fromLatin1(caption)), caption);
    }
    const QStringList misc = labels(tab::MiscInputInformation);
    for (const char* caption :
         {"1. State", "2. City", "3. Floor Space", "   a. heated floorspace",
          "   b. air conditioned floorspace", "sq ft", "4. Approx. Number of Occupants",
          "5. Hot Water Usage:", "6. Gen-Set Run Time Fraction:",
          "7. Annual Average Boiler Efficiency:"}) {
        QVERIFY2(misc.contains(QString::fromLatin1(caption)), caption);
    }
    QVERIFY(
        misc.join(QLatin1Char('\n'))
            .contains(QStringLiteral("Couples\nHigher population density\nMiddle income\nSeniors\n"
                                     "One person works, one stays home\nAll occupants work")));

    // Frames and options show one "&" for a stored "&&" and carry no access key.
    QStringList frames;
    for (const QGroupBox* frame : w.window.findChildren<QGroupBox*>()) {
        frames << frame->title();
    }
    for (const char* title :
         {"Electricity Rate Data", "Natural Gas Rate Data", "Natural Gas Units",
          "Site Information for Estimating Heating && Cooling Loads",
          "Site Information for Estimating Equipment && Installation Costs",
          "Hot Water Usage for Estimating Water Heater Energy", "Equipment Operating Assumptions",
          "Prime Mover", "Installation Difficulty"}) {
        QVERIFY2(frames.contains(QString::fromLatin1(title)), title);
    }
    QCOMPARE(optionCaptions(w.find<QGroupBox>(QStringLiteral("fraNaturalGasUnits"))),
             (QStringList{QStringLiteral("therms"), QStringLiteral("decatherms"),
                          QStringLiteral("million Btu (MMBtu or MBtu)"),
                          QStringLiteral("hundred cu ft (CCF)"),
                          QStringLiteral("thousand cu ft (MCF)")}));
    QCOMPARE(optionCaptions(w.find<QGroupBox>(QStringLiteral("fraPrimeMover"))),
             (QStringList{QStringLiteral("Recip-Engine"), QStringLiteral("Gas Turbine"),
                          QStringLiteral("Microturbine"), QStringLiteral("Fuel Cell")}));
    QCOMPARE(optionCaptions(w.find<QGroupBox>(QStringLiteral("fraInstallationDifficulty"))),
             (QStringList{QStringLiteral("Low"), QStringLiteral("Typical"), QStringLiteral("High"),
                          QStringLiteral("Retrofit ")}));
    QCOMPARE(optionCaptions(w.find<QGroupBox>(QStringLiteral("fraHotWaterUsage"))),
             (QStringList{QStringLiteral("Low     (27 gallons per day per person)"),
                          QStringLiteral("Medium     (44 gallons per day per person)"),
                          QStringLiteral("High     (54 gallons per day per person)")}));
    for (const char* name : {"optLowDHW", "optMediumDHW", "optHighDHW"}) {
        QVERIFY(w.option(QString::fromLatin1(name))
                    ->toolTip()
                    .contains(QStringLiteral("ASHRAE Handbook")));
    }
    QVERIFY(w.option(QStringLiteral("optMediumDHW"))->isChecked());

    // Lists and starting texts.
    QCOMPARE(w.combo(QStringLiteral("cmbFuel1"))->items(), itemList(fuelNames()));
    QCOMPARE(w.combo(QStringLiteral("cmbFuel1"))->currentText(), QStringLiteral("Fuel #1"));
    QCOMPARE(w.combo(QStringLiteral("cmbFuel2"))->currentText(), QStringLiteral("Fuel #2"));
    QCOMPARE(w.combo(QStringLiteral("cmbFuel2Units"))->currentText(), QStringLiteral("therms"));
    QCOMPARE(w.combo(QStringLiteral("cmbStates"))->count(), 51);
    QCOMPARE(w.combo(QStringLiteral("cmbStates"))->itemText(31), QStringLiteral("New York"));
    InputComboBox* runTime = w.combo(QStringLiteral("cmbRunTimeFraction"));
    QCOMPARE(runTime->count(), 20);
    QCOMPARE(runTime->itemText(19), QStringLiteral("  5%"));
    QCOMPARE(runTime->currentText(), QStringLiteral("75%"));
    InputComboBox* efficiency = w.combo(QStringLiteral("cmbBoilerEfficiency"));
    QCOMPARE(efficiency->count(), 31);
    QCOMPARE(efficiency->itemText(0), QStringLiteral("80%"));
    QCOMPARE(efficiency->itemText(30), QStringLiteral("50%"));

    // Only the energy charge has a help topic of its own.
    QCOMPARE(w.box(QStringLiteral("txtEnergyCharge"))->property("helpContext").toInt(), 1000);
    QCOMPARE(w.box(QStringLiteral("txtGasCost"))->property("helpContext").toInt(), 0);
    QCOMPARE(w.box(monthBox("txtkWh", 0))->property("helpContext").toInt(), 0);
}

void InputTabsTest::sampleDataShowsInEveryInputTab() {
    Window w;
    // Showing what the command set raises no edit event of the tabs.
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int index : {tab::MonthlyUtilityData, tab::UtilityRateData, tab::MiscInputInformation}) {
        auto* tab = qobject_cast<ProjectTab*>(w.window.tabs()->widget(index));
        spies.push_back(std::make_unique<QSignalSpy>(tab, &ProjectTab::recalculationRequested));
        spies.push_back(std::make_unique<QSignalSpy>(tab, &ProjectTab::inputEdited));
    }
    w.window.mnuFSampleData_Click();
    for (const auto& spy : spies) {
        QCOMPARE(spy->count(), 0);
    }
    QCOMPARE(w.box(monthBox("txtkWh", 0))->text(), QStringLiteral("68,400"));
    QCOMPARE(w.box(monthBox("txtkW", 6))->text(), QStringLiteral("432"));
    QCOMPARE(w.box(monthBox("txtPowerBill", 11))->text(), QStringLiteral("$8,121"));
    QCOMPARE(w.box(monthBox("txtFuel1", 0))->text(), QStringLiteral("27,979"));
    QCOMPARE(w.box(monthBox("txtFuel2", 0))->text(), QStringLiteral("0"));
    QCOMPARE(w.box(monthBox("txtFuel2Cost", 0))->text(), QStringLiteral("$0"));
    QCOMPARE(w.combo(QStringLiteral("cmbFuel1"))->currentText(), QStringLiteral("#2 fuel oil"));
    QCOMPARE(w.combo(QStringLiteral("cmbFuel1Units"))->items(),
             QStringList{QStringLiteral("gallons")});
    QCOMPARE(w.combo(QStringLiteral("cmbFuel1Units"))->currentText(), QStringLiteral("gallons"));

    const TotalsCaptions& totals = w.results().totals;
    for (const auto& [name, text] : {std::pair{"lblAnnualPower", totals.lblAnnualPower},
                                     {"lblAnnualPowerCost", totals.lblAnnualPowerCost},
                                     {"lblAverageCostPower", totals.lblAverageCostPower},
                                     {"lblAnnualFuel1", totals.lblAnnualFuel1},
                                     {"lblAnnualFuel1Cost", totals.lblAnnualFuel1Cost},
                                     {"lblFuel1AvgCost", totals.lblFuel1AvgCost},
                                     {"lblAnnualFuel2", totals.lblAnnualFuel2},
                                     {"lblAnnualFuel2Cost", totals.lblAnnualFuel2Cost},
                                     {"lblAvgFuel2Cost", totals.lblAvgFuel2Cost}}) {
        QCOMPARE(w.label(QString::fromLatin1(name))->text(), QString::fromStdString(text));
    }
    QCOMPARE(w.label(QStringLiteral("lblAnnualPowerCost"))->text(), QStringLiteral("$115,717"));
    QCOMPARE(w.label(QStringLiteral("lblAverageCostPower"))->text(), QStringLiteral("$0.118"));

    QCOMPARE(w.box(QStringLiteral("txtEnergyCharge"))->text(), QStringLiteral("$0.0444"));
    QCOMPARE(w.box(QStringLiteral("txtGasCost"))->text(), QStringLiteral("$1.3119"));
    QCOMPARE(w.label(QStringLiteral("Label18"))->text(), QStringLiteral("/CCF"));
    QVERIFY(w.option(QStringLiteral("optCCF"))->isChecked());

    QCOMPARE(w.combo(QStringLiteral("cmbStates"))->currentText(), QStringLiteral("Pennsylvania"));
    QCOMPARE(w.combo(QStringLiteral("cmbCities"))->currentText(), QStringLiteral("Philadelphia"));
    QCOMPARE(w.box(QStringLiteral("txtHeatedFloorspace"))->text(), QStringLiteral("98,000"));
    QCOMPARE(w.box(QStringLiteral("txtNoOccupants"))->text(), QStringLiteral("200"));
    QVERIFY(w.option(QStringLiteral("optLowDHW"))->isChecked());
    QVERIFY(!w.option(QStringLiteral("optMediumDHW"))->isChecked());
    QVERIFY(w.option(QStringLiteral("optTypical"))->isChecked());

    // Clear Form: New York's first city, and the fuel 2 unit text over the old list.
    w.window.mnuFClear_Click();
    QCOMPARE(w.combo(QStringLiteral("cmbStates"))->currentText(), QStringLiteral("New York"));
    QCOMPARE(w.combo(QStringLiteral("cmbCities"))->currentText(),
             QString::fromStdString(w.inputs().CityList.front()));
    QCOMPARE(w.combo(QStringLiteral("cmbFuel2Units"))->currentText(), QStringLiteral("gallons"));
    QCOMPARE(w.box(monthBox("txtkWh", 0))->text(), QStringLiteral("0"));
    QCOMPARE(w.label(QStringLiteral("lblAnnualPower"))->text(), QStringLiteral("0"));
}

void InputTabsTest::everyInputTabFitsItsWindow() {
    Window w;
    const QString shots = qEnvironmentVariable("PLENARA_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        // The placeholders of a freshly opened window.
        w.window.tabs()->setCurrentIndex(tab::MiscInputInformation);
        QVERIFY(w.window.grab().save(QDir(shots).filePath(QStringLiteral("inputtab2-open.png"))));
    }
    w.window.mnuFSampleData_Click();
    for (int index : {tab::MonthlyUtilityData, tab::UtilityRateData, tab::MiscInputInformation}) {
        w.window.tabs()->setCurrentIndex(index);
        QWidget* page = w.window.tabs()->widget(index);
        QApplication::processEvents();
        // At the window size of these tabs the page needs no scrolling.
        auto* area = page->findChild<QScrollArea*>();
        QVERIFY(area);
        QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(area->verticalScrollBar()->maximum(), 0);
        // No control is cut off: each lies within the page and gets the room it asks for.
        for (QWidget* child : page->findChildren<QWidget*>()) {
            if (!child->isVisibleTo(page) || child->inherits("QAbstractItemView") ||
                child->window() != page->window()) {
                continue;
            }
            const QRect place(child->mapTo(page, QPoint(0, 0)), child->size());
            QVERIFY2(page->rect().contains(place), qPrintable(child->objectName()));
            if (qobject_cast<QLabel*>(child) || qobject_cast<QRadioButton*>(child)) {
                QVERIFY2(child->width() >= child->sizeHint().width(),
                         qPrintable(child->objectName() + QStringLiteral(" ") +
                                    child->property("text").toString()));
            }
        }
        if (!shots.isEmpty()) {
            QVERIFY(w.window.grab().save(
                QDir(shots).filePath(QStringLiteral("inputtab%1.png").arg(index))));
        }
    }
}

} // namespace plenara

QTEST_MAIN(plenara::InputTabsTest)
#include "test_inputtabs.moc"
