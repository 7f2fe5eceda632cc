#include "project/projectfile.h"
#include "ui/aboutplenara.h"
#include "ui/chartbarview.h"
#include "ui/frmspecifycapacity.h"
#include "ui/frmtavchpscreening.h"
#include "ui/inputbox.h"
#include "ui/inputcombobox.h"
#include "ui/inputmarks.h"
#include "ui/projecttab.h"
#include "ui/projectundo.h"
#include "ui/recentfiles.h"
#include "ui/uitestsupport.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QtCharts/QAbstractBarSeries>
#include <QtCharts/QChart>

namespace plenara {

namespace {

QString monthBox(const char* column, int month) {
    return QString::fromLatin1(column) + QStringLiteral("_") + QString::number(month);
}

// The text of every input box and drop-down box of the window, by name: what the user sees.
std::map<QString, QString> shownInputs(const QWidget& window) {
    std::map<QString, QString> texts;
    for (const InputBox* box : window.findChildren<InputBox*>()) {
        texts[box->objectName()] = box->text();
    }
    for (const InputComboBox* combo : window.findChildren<InputComboBox*>()) {
        texts[combo->objectName()] = combo->currentText();
    }
    return texts;
}

} // namespace

// The commands a desktop user expects: keys, undo, paste from a spreadsheet, marks on boxes
// that are not read as typed, recent files, About and the charts' own commands.
class WindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileMenuKeysAreTheDesktopsOwn();
    void editingKeysInABoxNeverExitOrSave_data();
    void editingKeysInABoxNeverExitOrSave();
    void ctrlTabVisitsOnlyShownTabs();
    void undoRedoOfATypedBill();
    void undoRedoOfSampleDataAndClearForm();
    void undoOfClearFormGivesBackItsFile();
    void undoStepsAreNamedByTheirInput();
    void pasteOfABlockFillsTheGrid_data();
    void pasteOfABlockFillsTheGrid();
    void pasteBeyondTheGridKeepsWhatFits();
    void saveFromATypedBoxSavesWhatLeavingShows();
    void boxesNotReadAsTypedAreMarked_data();
    void boxesNotReadAsTypedAreMarked();
    void everyInputBoxExplainsItself();
    void textsOfTheRecordAreWindows1252();
    void recentFilesSurviveARestart();
    void recentFilesOfOneNameShowTheirFolders();
    void savedNameWithoutExtensionGetsTav();
    void aboutNamesVersionSourcesAndLicence();
    void chartsTellTheirValues();
    void everyChartCopiesAndSavesItself_data();
    void everyChartCopiesAndSavesItself();

private:
    QWidget* control(const QString& name) const { return test::findNamed(*m_window, name); }
    InputBox* box(const QString& name) const { return test::findNamed<InputBox>(*m_window, name); }
    QAction* action(const QString& name) const { return test::findNamed<QAction>(*m_window, name); }
    // Pastes the clipboard into the focused box by one of the ways a user can.
    void pasteBy(const QString& way);
    // Types a text into a box and leaves it with Tab, as a user does.
    void typeAndLeave(const QString& name, int tabIndex, const QString& text);

    std::unique_ptr<frmTAVCHPScreening> m_window;
    test::FakeFileDialogs* m_dialogs = nullptr;
    std::unique_ptr<test::ModalWatchdog> m_watchdog;
    QTemporaryDir m_folder;
};

void WindowCommandsTest::init() {
    // A chart asked for an axis over nothing warns and keeps a range that draws no ticks.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("NaN|invalid range")));
    test::openTestWindow(m_window, m_dialogs, m_watchdog);
    QApplication::setActiveWindow(m_window.get());
}

void WindowCommandsTest::cleanup() {
    test::closeTestWindow(m_window, *m_watchdog);
}

void WindowCommandsTest::typeAndLeave(const QString& name, int tabIndex, const QString& text) {
    m_window->tabs()->setCurrentIndex(tabIndex);
    InputBox* target = box(name);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    target->selectAll();
    QTest::keyClicks(target, text);
    QTest::keyClick(target, Qt::Key_Tab);
}

void WindowCommandsTest::fileMenuKeysAreTheDesktopsOwn() {
    // The desktop's keys; on this platform Ctrl+Q and Ctrl+Shift+S, so that Ctrl+X and Ctrl+A
    // are free to cut and select.
    const struct {
        const char* name;
        QKeySequence key;
    } commands[] = {{"mnuFNew", QKeySequence(Qt::CTRL | Qt::Key_N)},
                    {"mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
                    {"mnuFOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
                    {"mnuFSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
                    {"mnuFSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                    {"mnuFExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                    {"mnuScreenShots", QKeySequence(Qt::CTRL | Qt::Key_H)},
                    {"mnuEditUndo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
                    {"mnuEditCut", QKeySequence(Qt::CTRL | Qt::Key_X)},
                    {"mnuEditCopy", QKeySequence(Qt::CTRL | Qt::Key_C)},
                    {"mnuEditPaste", QKeySequence(Qt::CTRL | Qt::Key_V)}};
    for (const auto& command : commands) {
        QCOMPARE(action(QLatin1String(command.name))->shortcut(), command.key);
    }

    // The menus and the File menu in their order.
    QStringList menus;
    for (QAction* menu : m_window->menuBar()->actions()) {
        menus << menu->text();
    }
    QCOMPARE(menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"),
                                 QStringLiteral("&Data"), QStringLiteral("&Help")}));
    QStringList file;
    for (QAction* item : m_window->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions()) {
        file << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    QCOMPARE(file, (QStringList{
                       QStringLiteral("&New"), QStringLiteral("&Print"),
                       QStringLiteral("&Export PDF..."), QStringLiteral("&Open"),
                       QStringLiteral("&Recent Files"), QStringLiteral("&Save Current  Data"),
                       QStringLiteral("Save Current Data  &As"), QStringLiteral("-"),
                       QStringLiteral("&Import Bills..."), QStringLiteral("Screen a Port&folio..."),
                       QStringLiteral("-"), QStringLiteral("E&xit"), QStringLiteral("-"),
                       QStringLiteral("&Capture Screen Shots")}));
    // Each entry has a key of its own: a letter shared by two only toggles between them.
    QSet<QChar> keys;
    for (const QString& entry : file) {
        const qsizetype amp = entry.indexOf(QLatin1Char('&'));
        if (amp >= 0) {
            const QChar key = entry.at(amp + 1).toLower();
            QVERIFY2(!keys.contains(key), qPrintable(entry));
            keys.insert(key);
        }
    }

    // Ctrl+Q ends the program, after the question about unsaved changes.
    m_window->session().inputs().GasCost = "2";
    m_dialogs->saveChangesAnswers = {FileDialogs::SaveChanges::Discard};
    QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_dialogs->asked, QStringList{QStringLiteral("save changes?")});
}

void WindowCommandsTest::editingKeysInABoxNeverExitOrSave_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");     // the box's text afterwards
    QTest::addColumn<QString>("selected"); // its selected text afterwards
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("Ctrl+X in a kWh box cuts")
        << monthBox("txtkWh", 6) << int(tab::MonthlyUtilityData) << int(Qt::Key_X) << QString()
        << QString() << QStringLiteral("138,000");
    QTest::newRow("Ctrl+C in the gas price copies")
        << QStringLiteral("txtGasCost") << int(tab::UtilityRateData) << int(Qt::Key_C)
        << QStringLiteral("$1.3119") << QStringLiteral("$1.3119") << QStringLiteral("$1.3119");
    QTest::newRow("Ctrl+A in the occupants selects")
        << QStringLiteral("txtNoOccupants") << int(tab::MiscInputInformation) << int(Qt::Key_A)
        << QStringLiteral("200") << QStringLiteral("200") << QStringLiteral("untouched");
    QTest::newRow("Ctrl+X on a check box does nothing")
        << QStringLiteral("Check1(2)") << int(tab::Results) << int(Qt::Key_X) << QString()
        << QString() << QStringLiteral("untouched");
}

void WindowCommandsTest::editingKeysInABoxNeverExitOrSave() {
    QFETCH(QString, name);
    QFETCH(int, tabIndex);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(QString, clipboard);
    m_window->mnuFSampleData_Click();
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    m_window->tabs()->setCurrentIndex(tabIndex);
    QWidget* target = control(name);
    target->setFocus(Qt::TabFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        line->deselect();
        if (key != Qt::Key_A) {
            line->selectAll();
        }
    }
    QTest::keyClick(target, static_cast<Qt::Key>(key), Qt::ControlModifier);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_dialogs->asked.isEmpty());
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        QCOMPARE(line->text(), text);
        QCOMPARE(line->selectedText(), selected);
    }
}

void WindowCommandsTest::ctrlTabVisitsOnlyShownTabs() {
    QTabWidget* tabs = m_window->tabs();
    const auto visit = [&](Qt::Key key, Qt::KeyboardModifiers modifiers, int presses) {
        QList<int> visited;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                        : m_window.get(),
                            key, modifiers);
            visited << tabs->currentIndex();
        }
        return visited;
    };
    tabs->setCurrentIndex(tab::MonthlyUtilityData);
    box(monthBox("txtkWh", 0))->setFocus();
    // Print Forms, Screen Shot and the detail tabs are hidden at first.
    QCOMPARE(visit(Qt::Key_Tab, Qt::ControlModifier, 8), (QList<int>{1, 2, 3, 4, 5, 6, 0, 1}));
    QCOMPARE(visit(Qt::Key_PageDown, Qt::ControlModifier, 6), (QList<int>{2, 3, 4, 5, 6, 0}));

    // With "Method 2" and the comparison ticked, those two join in.
    tabs->setCurrentIndex(tab::Results);
    control(QStringLiteral("Check1(2)"))->setFocus();
    QTest::mouseClick(control(QStringLiteral("Check1(2)")), Qt::LeftButton);
    QTest::mouseClick(control(QStringLiteral("Check1(4)")), Qt::LeftButton);
    QCOMPARE(visit(Qt::Key_Tab, Qt::ControlModifier, 4),
             (QList<int>{tab::Method2, tab::ComparisonOfMethods, 0, 1}));
    QCOMPARE(visit(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 3),
             (QList<int>{0, tab::ComparisonOfMethods, tab::Method2}));
    QCOMPARE(visit(Qt::Key_PageUp, Qt::ControlModifier, 2),
             (QList<int>{tab::Results, tab::EnergyPlots}));
}

void WindowCommandsTest::undoRedoOfATypedBill() {
    // The sample as saved: nothing to save.
    const QString saved = m_folder.filePath(QStringLiteral("SAMPLE.TAV"));
    m_window->mnuFSampleData_Click();
    QVERIFY(m_window->session().saveAs(QFile::encodeName(saved).toStdString()).ok());
    const ProjectInputs sample = m_window->session().inputs();
    const std::map<QString, QString> shownSample = shownInputs(*m_window);

    typeAndLeave(monthBox("txtPowerBill", 1), tab::MonthlyUtilityData, QStringLiteral("999"));
    QCOMPARE(box(monthBox("txtPowerBill", 1))->text(), QStringLiteral("$999"));
    QVERIFY(m_window->isWindowModified());
    QCOMPARE(action(QStringLiteral("mnuEditUndo"))->text(),
             QStringLiteral("&Undo Electricity $, February"));

    // Ctrl+Z in the next box, which has nothing of its own to undo, undoes the bill.
    QCOMPARE(QApplication::focusWidget(), box(monthBox("txtPowerBill", 2)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(m_window->session().inputs() == sample);
    QCOMPARE(shownInputs(*m_window), shownSample);
    QVERIFY(!m_window->isWindowModified());

    action(QStringLiteral("mnuEditRedo"))->trigger();
    QCOMPARE(box(monthBox("txtPowerBill", 1))->text(), QStringLiteral("$999"));
    QCOMPARE(m_window->session().inputs().MonthlyPowerBill[1], std::string("$999"));
    QVERIFY(m_window->isWindowModified());

    // Typing in a box is the box's own to undo first.
    InputBox* march = box(monthBox("txtPowerBill", 2));
    march->setFocus();
    march->selectAll();
    QTest::keyClicks(march, QStringLiteral("5"));
    QTest::keyClick(march, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(march->text(), QStringLiteral("$6,709"));
    QCOMPARE(m_window->session().inputs().MonthlyPowerBill[1], std::string("$999"));
}

void WindowCommandsTest::undoStepsAreNamedByTheirInput() {
    m_window->mnuFSampleData_Click();
    const ProjectInputs before = m_window->session().inputs();
    const auto named = [&](const std::function<void(ProjectInputs&)>& change) {
        ProjectInputs after = before;
        change(after);
        return editName(before, after);
    };
    QCOMPARE(named([](ProjectInputs& p) { p.MonthlyKWh[6] = "10"; }), QStringLiteral("kWh, July"));
    QCOMPARE(named([](ProjectInputs& p) {
                 p.MonthlyKWh[6] = "10";
                 p.GasCost = "2";
             }),
             QStringLiteral("Edit"));
    // A choice that changes what follows it is named by the choice.
    QCOMPARE(named([](ProjectInputs& p) {
                 p.Fuel1Type = "steam";
                 p.Fuel1Units = "thousand pounds";
             }),
             QStringLiteral("Fuel #1"));
    QCOMPARE(named([](ProjectInputs& p) {
                 p.State = "Ohio";
                 p.City = "Akron";
             }),
             QStringLiteral("State"));
    QCOMPARE(named([](ProjectInputs& p) { p.GasCostUnit = GasCostUnit::Therms; }),
             QStringLiteral("Gas Price Unit"));
    QCOMPARE(named([](ProjectInputs& p) { p.PrimeMover = PrimeMover::FuelCell; }),
             QStringLiteral("Prime Mover"));
    QCOMPARE(named([](ProjectInputs& p) { p.RunTimeFractionText = "50%"; }),
             QStringLiteral("Gen-Set Run Time Fraction"));
}

void WindowCommandsTest::undoRedoOfSampleDataAndClearForm() {
    const ProjectInputs blank = m_window->session().inputs();
    const std::map<QString, QString> shownBlank = shownInputs(*m_window);
    m_window->mnuFSampleData_Click();
    const ProjectInputs sample = m_window->session().inputs();
    const std::map<QString, QString> shownSample = shownInputs(*m_window);
    QVERIFY(shownSample != shownBlank);

    ProjectUndo& undo = m_window->undoSteps();
    QCOMPARE(action(QStringLiteral("mnuEditUndo"))->text(), QStringLiteral("&Undo Sample Data"));
    undo.undo();
    QVERIFY(m_window->session().inputs() == blank);
    QCOMPARE(shownInputs(*m_window), shownBlank);
    // The blank form as it was: nothing to save.
    QVERIFY(!m_window->isWindowModified());
    undo.redo();
    QVERIFY(m_window->session().inputs() == sample);
    QCOMPARE(shownInputs(*m_window), shownSample);

    // Clear Form is one step too; undoing it brings every box of the sample back.
    m_window->mnuFClear_Click();
    QCOMPARE(m_window->session().inputs().MonthlyKWh[6], std::string("0"));
    undo.undo();
    QVERIFY(m_window->session().inputs() == sample);
    QCOMPARE(shownInputs(*m_window), shownSample);
    QCOMPARE(undo.stack().count(), 2);
}

void WindowCommandsTest::pasteBy(const QString& way) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    if (way == QLatin1String("menu")) {
        action(QStringLiteral("mnuEditPaste"))->trigger();
    } else if (way == QLatin1String("Ctrl+V")) {
        QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
    } else if (way == QLatin1String("Shift+Insert")) {
        QTest::keyClick(focus, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
        // The box's own right-click menu.
        QAction* paste = test::contextMenuEntry(focus, QStringLiteral("&Paste"));
        QVERIFY(paste);
        paste->trigger();
    }
}

void WindowCommandsTest::undoOfClearFormGivesBackItsFile() {
    const QString saved = m_folder.filePath(QStringLiteral("CLEARED.TAV"));
    m_window->mnuFSampleData_Click();
    m_dialogs->saveNames = {saved};
    QVERIFY(m_window->mnuFSaveAs_Click());
    const ProjectInputs sample = m_window->session().inputs();
    const QString savedTitle = m_window->windowTitle();
    QVERIFY(savedTitle.contains(QStringLiteral("CLEARED.TAV")));

    // Clear Form, then undo: the file is the project's again and nothing is to save.
    m_window->mnuFClear_Click();
    QVERIFY(!m_window->windowTitle().contains(QStringLiteral("CLEARED.TAV")));
    m_window->undoSteps().undo();
    QVERIFY(m_window->session().inputs() == sample);
    QCOMPARE(m_window->windowTitle(), savedTitle);
    QVERIFY(!m_window->isWindowModified());
    // Save writes the file without asking for a name.
    const int asked = static_cast<int>(m_dialogs->asked.size());
    QVERIFY(m_window->mnuFSave_Click());
    QCOMPARE(m_dialogs->asked.size(), asked);

    // A change saved after the step was recorded is what the file holds when the step is
    // undone back to it.
    m_window->undoSteps().redo();
    m_window->undoSteps().undo();
    typeAndLeave(monthBox("txtPowerBill", 1), tab::MonthlyUtilityData, QStringLiteral("999"));
    QVERIFY(m_window->mnuFSave_Click());
    m_window->mnuFClear_Click();
    m_window->undoSteps().undo();
    QVERIFY(!m_window->isWindowModified());
    // Undoing the typing after it was saved leaves a change to save.
    m_window->undoSteps().undo();
    QVERIFY(m_window->isWindowModified());
}

void WindowCommandsTest::pasteOfABlockFillsTheGrid_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"menu", "Ctrl+V", "Shift+Insert", "right-click Paste"}) {
        QTest::newRow(way) << QString::fromLatin1(way);
    }
}

void WindowCommandsTest::pasteOfABlockFillsTheGrid() {
    QFETCH(QString, way);
    m_window->mnuFSampleData_Click();
    const ProjectInputs sample = m_window->session().inputs();
    // Twelve rows of kWh, kW and bill, as a spreadsheet copies them.
    QString block;
    for (int m = 0; m < 12; ++m) {
        block += QStringLiteral("%1\t%2\t%3\r\n").arg(50000 + m).arg(100 + m).arg(5000 + m);
    }
    QGuiApplication::clipboard()->setText(block);
    m_window->tabs()->setCurrentIndex(tab::MonthlyUtilityData);
    box(monthBox("txtkWh", 0))->setFocus();
    pasteBy(way);

    const ProjectInputs& in = m_window->session().inputs();
    for (int m = 0; m < 12; ++m) {
        const auto month = static_cast<std::size_t>(m);
        QCOMPARE(box(monthBox("txtkWh", m))->text(),
                 QStringLiteral("50,%1").arg(m, 3, 10, QLatin1Char('0')));
        QCOMPARE(in.MonthlyKW[month], QStringLiteral("%1").arg(100 + m).toStdString());
        QCOMPARE(box(monthBox("txtPowerBill", m))->text(),
                 QStringLiteral("$5,%1").arg(m, 3, 10, QLatin1Char('0')));
        // The columns right of the block keep their bills.
        QCOMPARE(in.MonthlyFuel1[month], sample.MonthlyFuel1[month]);
    }
    // 50,000 + ... + 50,011 = 600,066 kWh.
    QCOMPARE(in.MonthlyKWh[11], std::string("50,011"));
    QCOMPARE(test::findNamed<QLabel>(*m_window, QStringLiteral("lblAnnualPower"))->text(),
             QStringLiteral("600,066"));

    // The whole block is one step, named as such.
    QCOMPARE(action(QStringLiteral("mnuEditUndo"))->text(), QStringLiteral("&Undo Paste"));
    m_window->undoSteps().undo();
    QVERIFY(m_window->session().inputs() == sample);

    // A box outside the grid takes the block's first cell, never the block run together.
    QGuiApplication::clipboard()->setText(QStringLiteral("2.5\t7\r\n3\t9\r\n"));
    m_window->tabs()->setCurrentIndex(tab::UtilityRateData);
    InputBox* gas = box(QStringLiteral("txtGasCost"));
    gas->setFocus();
    gas->selectAll();
    pasteBy(way);
    QCOMPARE(gas->text(), QStringLiteral("2.5"));
    QCOMPARE(m_window->session().inputs().GasCost, std::string("2.5"));
}

void WindowCommandsTest::saveFromATypedBoxSavesWhatLeavingShows() {
    const QString saved = m_folder.filePath(QStringLiteral("TYPED.TAV"));
    m_window->mnuFSampleData_Click();
    m_dialogs->saveNames = {saved};
    QVERIFY(m_window->mnuFSaveAs_Click());

    // A kWh typed and saved without leaving the box: the file holds the project recalculated,
    // and leaving the box afterwards changes nothing.
    m_window->tabs()->setCurrentIndex(tab::MonthlyUtilityData);
    InputBox* january = box(monthBox("txtkWh", 0));
    january->setFocus(Qt::TabFocusReason);
    january->selectAll();
    QTest::keyClicks(january, QStringLiteral("5"));
    QVERIFY(m_window->mnuFSave_Click());
    QVERIFY(!m_window->isWindowModified());
    QTest::keyClick(january, Qt::Key_Tab);
    QVERIFY(!m_window->isWindowModified());

    ProjectInputs read;
    QVERIFY(ReadProjectFile(QFile::encodeName(saved).toStdString(), read).ok());
    QCOMPARE(projectFileText(read), projectFileText(m_window->session().inputs()));
    QCOMPARE(read.MonthlyKWh[0], std::string("5"));
}

void WindowCommandsTest::pasteBeyondTheGridKeepsWhatFits() {
    m_window->mnuFSampleData_Click();
    const ProjectInputs sample = m_window->session().inputs();
    QGuiApplication::clipboard()->setText(QStringLiteral("17\t18\n19\t20\n"));
    m_window->tabs()->setCurrentIndex(tab::MonthlyUtilityData);
    InputBox* december = box(monthBox("txtFuel2Cost", 11));
    december->setFocus();
    QTest::keyClick(december, Qt::Key_V, Qt::ControlModifier);
    ProjectInputs expected = sample;
    expected.MonthlyFuel2Cost[11] = "$17";
    expected.CapacityIteration = m_window->session().inputs().CapacityIteration;
    QVERIFY(m_window->session().inputs() == expected);

    // One cell is the box's own paste, into the text.
    QGuiApplication::clipboard()->setText(QStringLiteral("42"));
    december->selectAll();
    QTest::keyClick(december, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(december->text(), QStringLiteral("42"));
}

void WindowCommandsTest::boxesNotReadAsTypedAreMarked_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("kWh with an exponent")
        << monthBox("txtkWh", 2) << int(tab::MonthlyUtilityData) << QStringLiteral("1e12")
        << QStringLiteral("\"1e12\" read as 112");
    QTest::newRow("gas price in words")
        << QStringLiteral("txtGasCost") << int(tab::UtilityRateData) << QStringLiteral("abc")
        << QStringLiteral("\"abc\" read as 0");
    QTest::newRow("occupants with two points")
        << QStringLiteral("txtNoOccupants") << int(tab::MiscInputInformation)
        << QStringLiteral("1.2.3") << QStringLiteral("\"1.2.3\" read as 1.2");
}

void WindowCommandsTest::boxesNotReadAsTypedAreMarked() {
    QFETCH(QString, name);
    QFETCH(int, tabIndex);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    m_window->mnuFSampleData_Click();
    QVERIFY(m_window->inputMarks().marked().empty());
    typeAndLeave(name, tabIndex, typed);
    QCOMPARE(m_window->inputMarks().marked(), std::vector<QWidget*>{box(name)});
    QVERIFY2(box(name)->toolTip().startsWith(message + QStringLiteral("\n\n")),
             qPrintable(box(name)->toolTip()));
    QVERIFY(!box(name)->styleSheet().isEmpty());
    const QString shots = qEnvironmentVariable("PLENARA_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        QApplication::processEvents();
        QVERIFY(
            m_window->grab().save(QDir(shots).filePath(QStringLiteral("marked-%1.png").arg(name))));
    }

    // The mark stays while the box shows the rewritten text, and goes with the next typing.
    typeAndLeave(QStringLiteral("txtEnergyCharge"), tab::UtilityRateData, QStringLiteral("0.05"));
    QCOMPARE(m_window->inputMarks().marked().size(), std::size_t(1));
    typeAndLeave(name, tabIndex, QStringLiteral("7"));
    QVERIFY(m_window->inputMarks().marked().empty());
    QVERIFY(box(name)->styleSheet().isEmpty());
    QVERIFY(!box(name)->toolTip().contains(QStringLiteral("read as")));
}

void WindowCommandsTest::everyInputBoxExplainsItself() {
    for (const InputBox* input : m_window->findChildren<InputBox*>()) {
        QVERIFY2(input->toolTip().contains(QStringLiteral("\nExample: ")),
                 qPrintable(input->objectName()));
    }
    for (const InputComboBox* input : m_window->findChildren<InputComboBox*>()) {
        QVERIFY2(input->toolTip().contains(QStringLiteral("\nExample: ")),
                 qPrintable(input->objectName()));
    }
    // The one box of a dialog: the capacity of the payback graph.
    const frmSpecifyCapacity capacity(QStringLiteral("150"));
    QVERIFY(test::findNamed<QLineEdit>(capacity, QStringLiteral("txtSpecifiedCapacity"))
                ->toolTip()
                .contains(QStringLiteral("\nExample: ")));
    QCOMPARE(box(monthBox("txtkW", 6))->toolTip(),
             QStringLiteral("Peak electric demand in July, in kW (kilowatts), from the electric "
                            "bill.\nExample: 260"));
    // Every option and switch of the tabs says what choosing it means; a greyed prime mover
    // says when it is offered.
    for (const QAbstractButton* option : m_window->findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QRadioButton*>(option) || qobject_cast<const QCheckBox*>(option)) {
            QVERIFY2(!option->toolTip().isEmpty(), qPrintable(option->objectName()));
        }
    }
    QVERIFY(test::findNamed<QRadioButton>(*m_window, QStringLiteral("optGasTurbine"))
                ->toolTip()
                .contains(QStringLiteral("750 kW or more")));

    // A city that the climate data do not hold is marked too.
    m_window->mnuFSampleData_Click();
    auto* city = test::findNamed<InputComboBox>(*m_window, QStringLiteral("cmbCities"));
    m_window->tabs()->setCurrentIndex(tab::MiscInputInformation);
    city->setFocus();
    city->lineEdit()->selectAll();
    QTest::keyClicks(city->lineEdit(), QStringLiteral("Atlantis"));
    typeAndLeave(QStringLiteral("txtNoOccupants"), tab::MiscInputInformation,
                 QStringLiteral("200"));
    QCOMPARE(m_window->inputMarks().marked(), std::vector<QWidget*>{city});
    QVERIFY(city->toolTip().startsWith(QStringLiteral("\"Atlantis\" is not in the climate data")));

    // So is a state that the climate data do not hold.
    auto* state = test::findNamed<InputComboBox>(*m_window, QStringLiteral("cmbStates"));
    state->setFocus();
    state->lineEdit()->selectAll();
    QTest::keyClicks(state->lineEdit(), QStringLiteral("Narnia"));
    typeAndLeave(QStringLiteral("txtNoOccupants"), tab::MiscInputInformation,
                 QStringLiteral("200"));
    const std::vector<QWidget*> marked = m_window->inputMarks().marked();
    QVERIFY(std::find(marked.begin(), marked.end(), state) != marked.end());
    QCOMPARE(state->toolTip().section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("\"Narnia\" is not a state of the climate data"));
}

// Project files hold their texts in Windows-1252: the byte 0xE9 is shown as "é", and an "é"
// typed into a box is kept as that byte again.
void WindowCommandsTest::textsOfTheRecordAreWindows1252() {
    m_window->session().inputs().Fuel2Units = "m\xE9tres cubes";
    m_window->session().inputs().ACCriteria = "Caf\xE9 AC";
    typeAndLeave(QStringLiteral("txtGasCost"), tab::UtilityRateData, QStringLiteral("1"));
    QCOMPARE(
        test::findNamed<InputComboBox>(*m_window, QStringLiteral("cmbFuel2Units"))->currentText(),
        QStringLiteral("m\u00E9tres cubes"));
    QCOMPARE(test::findNamed<QComboBox>(*m_window, QStringLiteral("cmbACCriteria"))->currentText(),
             QStringLiteral("Caf\u00E9 AC"));

    auto* fuel = test::findNamed<InputComboBox>(*m_window, QStringLiteral("cmbFuel1"));
    m_window->tabs()->setCurrentIndex(tab::MonthlyUtilityData);
    fuel->setFocus();
    fuel->lineEdit()->selectAll();
    // As a keyboard layout or an input method puts the characters in.
    fuel->lineEdit()->insert(QStringLiteral("\u00E9\u20AC\u4E2D"));
    // The euro sign is 0x80 in Windows-1252; a character it cannot hold becomes "?".
    QCOMPARE(m_window->session().inputs().Fuel1Type, std::string("\xE9\x80?"));
}

void WindowCommandsTest::recentFilesSurviveARestart() {
    const QString settingsFile = m_folder.filePath(QStringLiteral("settings/plenara.ini"));
    QStringList projects;
    for (int i = 0; i < 10; ++i) {
        projects << m_folder.filePath(QStringLiteral("P%1.TAV").arg(i));
    }
    m_window->attachSettings(std::make_unique<QSettings>(settingsFile, QSettings::IniFormat));
    for (const QString& project : projects) {
        m_dialogs->saveNames = {project};
        QVERIFY(m_window->mnuFSaveAs_Click());
    }
    // The newest first, eight at most.
    QCOMPARE(m_window->recentFiles().files(),
             (QStringList{projects[9], projects[8], projects[7], projects[6], projects[5],
                          projects[4], projects[3], projects[2]}));
    m_window->close();
    m_window.reset();

    // A new run; meanwhile one of the files has gone.
    QVERIFY(QFile::remove(projects[8]));
    init();
    m_window->attachSettings(std::make_unique<QSettings>(settingsFile, QSettings::IniFormat));
    QCOMPARE(m_window->recentFiles().files(),
             (QStringList{projects[9], projects[7], projects[6], projects[5], projects[4],
                          projects[3], projects[2]}));
    auto* menu = m_window->findChild<QMenu*>(QStringLiteral("mnuRecentFiles"));
    emit menu->aboutToShow();
    QCOMPARE(menu->actions().size(), 7);
    QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("&2 P7.TAV"));

    // The entries show their full paths on hover.
    QVERIFY(menu->toolTipsVisible());
    QCOMPARE(menu->actions().at(1)->toolTip(), QDir::toNativeSeparators(projects[7]));

    // Choosing one opens it.
    menu->actions().at(1)->trigger();
    QCOMPARE(QFile::decodeName(QByteArray::fromStdString(m_window->session().currentProjectFile())),
             projects[7]);
}

void WindowCommandsTest::recentFilesOfOneNameShowTheirFolders() {
    // Two projects of one name, in folders of one name: the entries name as many folders as
    // tell them apart; a file of a name of its own shows the name alone.
    const QStringList projects = {
        m_folder.filePath(QStringLiteral("north/2023/HOUSE.TAV")),
        m_folder.filePath(QStringLiteral("south/2023/HOUSE.TAV")),
        m_folder.filePath(QStringLiteral("south/OTHER.TAV")),
    };
    for (const QString& project : projects) {
        QVERIFY(QDir().mkpath(QFileInfo(project).absolutePath()));
        m_dialogs->saveNames = {project};
        QVERIFY(m_window->mnuFSaveAs_Click());
    }
    auto* menu = m_window->findChild<QMenu*>(QStringLiteral("mnuRecentFiles"));
    emit menu->aboutToShow();
    QStringList texts;
    for (const QAction* entry : menu->actions()) {
        texts << entry->text();
    }
    QCOMPARE(texts, (QStringList{QStringLiteral("&1 OTHER.TAV"),
                                 QStringLiteral("&2 HOUSE.TAV (") +
                                     QDir::toNativeSeparators(QStringLiteral("south/2023)")),
                                 QStringLiteral("&3 HOUSE.TAV (") +
                                     QDir::toNativeSeparators(QStringLiteral("north/2023)"))}));
}

void WindowCommandsTest::savedNameWithoutExtensionGetsTav() {
    const QString typed = m_folder.filePath(QStringLiteral("proj1"));
    m_dialogs->saveNames = {typed};
    QVERIFY(m_window->mnuFSaveAs_Click());
    QVERIFY(QFile::exists(typed + QStringLiteral(".TAV")));
    QVERIFY(!QFile::exists(typed));
    QVERIFY(m_window->windowTitle().contains(QStringLiteral("proj1.TAV")));
    // A name with an extension of its own keeps it.
    const QString text = m_folder.filePath(QStringLiteral("proj2.txt"));
    m_dialogs->saveNames = {text};
    QVERIFY(m_window->mnuFSaveAs_Click());
    QVERIFY(QFile::exists(text));
}

void WindowCommandsTest::aboutNamesVersionSourcesAndLicence() {
    const QString about = aboutPlenaraText();
    QVERIFY(about.startsWith(QStringLiteral("Plenara Version 2.1")));
    QVERIFY(about.contains(QStringLiteral("U.S. Climate Normals 1981-2010")));
    QVERIFY(about.contains(QStringLiteral("EIA")));
    QVERIFY(about.contains(QStringLiteral("ASHRAE")));
    QVERIFY(about.contains(QStringLiteral("eGRID2022")));
    QVERIFY(about.contains(QStringLiteral("Table C-1")));
    QVERIFY(about.contains(QStringLiteral("Licence: ")));
    QVERIFY(action(QStringLiteral("mnuAbout")));
    QCOMPARE(action(QStringLiteral("mnuAbout"))->text(), QStringLiteral("&About Plenara"));
}

void WindowCommandsTest::chartsTellTheirValues() {
    m_window->mnuFSampleData_Click();
    m_window->tabs()->setCurrentIndex(tab::EnergyPlots);
    QApplication::processEvents();
    auto* power = test::findNamed<ChartBarView>(*m_window, QStringLiteral("chtPower"));
    auto* fuel = test::findNamed<ChartBarView>(*m_window, QStringLiteral("chtHeat"));
    QCOMPARE(power->barText(0, 6), QStringLiteral("July, Utility Power: 138,000 kWh"));
    // 5,532 gallons of #2 fuel oil at 136,998 Btu a gallon: 757.87 MMBtu.
    QCOMPARE(fuel->barText(0, 6), QStringLiteral("July, Water Heater: 757.9 MMBtu"));
    QCOMPARE(power->barText(1, 6), QString());

    // The text stays while the mouse rests on the bar: the later tool-tip event keeps it.
    auto* bars = qobject_cast<QAbstractBarSeries*>(power->chart()->series().constFirst());
    QVERIFY(bars);
    emit bars->hovered(true, 6, bars->barSets().constFirst());
    QHelpEvent rest(QEvent::ToolTip, QPoint(10, 10),
                    power->viewport()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(power->viewport(), &rest);
    QTest::qWait(600); // longer than a tip takes to fade once it is hidden
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("July, Utility Power: 138,000 kWh"));
    emit bars->hovered(false, 6, bars->barSets().constFirst());
}

void WindowCommandsTest::everyChartCopiesAndSavesItself_data() {
    QTest::addColumn<int>("tabIndex"); // -1: the payback graph of Method 2
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("energy plot") << tab::EnergyPlots << QStringLiteral("chtPower")
                                 << QStringLiteral("Monthly Power Consumption");
    QTest::newRow("life cycle") << tab::LifeCycle << QStringLiteral("chtLifeCycle")
                                << QStringLiteral("Cumulative discounted cash flow");
    QTest::newRow("tornado") << tab::Sensitivity << QStringLiteral("chtTornado")
                             << QStringLiteral(
                                    "Method 2 simple payback, each input alone at -20 % and +20 %");
    QTest::newRow("histogram") << tab::Sensitivity << QStringLiteral("chtPaybackHistogram")
                               << QStringLiteral("Method 2 simple payback over 1,000 draws");
    QTest::newRow("payback graph")
        << -1 << QStringLiteral("chtSimplePayback") << QStringLiteral("Simple Payback");
}

void WindowCommandsTest::everyChartCopiesAndSavesItself() {
    QFETCH(int, tabIndex);
    QFETCH(QString, name);
    QFETCH(QString, title);
    m_window->show();
    m_window->mnuFSampleData_Click();
    if (tabIndex >= 0) {
        m_window->tabs()->setCurrentIndex(tabIndex);
        auto* page = qobject_cast<ProjectTab*>(m_window->tabs()->currentWidget());
        QVERIFY(page);
        QTRY_VERIFY_WITH_TIMEOUT(page->settled(), 20000);
    } else {
        m_window->cmdRun_Click();
    }
    QApplication::processEvents();
    auto* chart = test::findNamed<QWidget>(*m_window, name);
    QVERIFY(chart->isVisible());

    // Chooses an entry of the chart's right-click menu.
    const auto choose = [chart](const QString& entry) {
        auto* area = qobject_cast<QAbstractScrollArea*>(chart);
        QAction* chosen = test::contextMenuEntry(area ? area->viewport() : chart, entry);
        QVERIFY(chosen);
        chosen->trigger();
    };

    QGuiApplication::clipboard()->clear();
    choose(QStringLiteral("&Copy chart"));
    QCOMPARE(QGuiApplication::clipboard()->image().size(), chart->size());

    // A name without an extension becomes a PNG picture; ".svg" a drawing.
    const QString png = m_folder.filePath(name);
    const QString svg = m_folder.filePath(name + QStringLiteral(".svg"));
    m_dialogs->saveNames = {png, svg};
    choose(QStringLiteral("&Save chart as PNG/SVG..."));
    choose(QStringLiteral("&Save chart as PNG/SVG..."));
    const QString proposed = QStringLiteral("save:") + title + QStringLiteral(".png");
    QCOMPARE(m_dialogs->asked, (QStringList{proposed, proposed}));
    QCOMPARE(QImage(png + QStringLiteral(".png")).size(), chart->size());
    QFile drawing(svg);
    QVERIFY(drawing.open(QIODevice::ReadOnly));
    const QByteArray bytes = drawing.readAll();
    QVERIFY(bytes.contains("<svg"));
    QVERIFY(
        bytes.contains((QStringLiteral("<title>") + title + QStringLiteral("</title>")).toUtf8()));
    QVERIFY(m_dialogs->errors.isEmpty());
}

} // namespace plenara

QTEST_MAIN(plenara::WindowCommandsTest)
#include "test_windowcommands.moc"
