#include "project/projectfile.h"
#include "ui/frmtavchpscreening.h"
#include "ui/uitestsupport.h"
#include "ui/windowgeometry.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace plenara {

// The main window: tabs, sizes, the file commands and the question about unsaved changes.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titleAndTabs();
    void showDetailsSwitchesTabsAndWidth();
    void saveAfterSampleDataAsksForAName();
    void saveAsAsksBeforeReplacingAFile();
    void unsavedChangesAreNeverLostSilently();
    void openingABrokenFileChangesNothing();
    void aFailedSaveIsReported();
    void windowFitsTheScreen();
    void aSizeTheUserChoseIsKept();
    void sizePlaceAndTabAreKeptBetweenRuns();

private:
    std::unique_ptr<frmTAVCHPScreening> m_window;
    test::FakeFileDialogs* m_dialogs = nullptr;
    std::unique_ptr<test::ModalWatchdog> m_watchdog;
    QTemporaryDir m_folder;
};

void MainWindowTest::init() {
    test::openTestWindow(m_window, m_dialogs, m_watchdog);
}

void MainWindowTest::cleanup() {
    test::closeTestWindow(m_window, *m_watchdog);
}

void MainWindowTest::titleAndTabs() {
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Plenara Version 2.1[*]"));
    QVERIFY(!m_window->isWindowModified());
    QTabWidget* tabs = m_window->tabs();
    QCOMPARE(tabs->count(), 13);
    const QStringList captions = {QStringLiteral("Monthly Utility Data"),
                                  QStringLiteral("Utility Rate Data"),
                                  QStringLiteral("Misc. Input Information"),
                                  QStringLiteral("Life Cycle"),
                                  QStringLiteral("Sensitivity"),
                                  QStringLiteral("Energy Plots"),
                                  QStringLiteral("Results"),
                                  QStringLiteral("Method 1"),
                                  QStringLiteral("Method 2"),
                                  QStringLiteral("Method 3"),
                                  QStringLiteral("Print Forms"),
                                  QStringLiteral("Comparison of Methods"),
                                  QStringLiteral("Screen Shot")};
    for (int i = 0; i < tabs->count(); ++i) {
        QCOMPARE(tabs->tabText(i), captions.at(i));
        QCOMPARE(tabs->isTabVisible(i), i < 7);
    }
    QCOMPARE(tabs->currentIndex(), 0);
    // 15000 twips at 15 twips to the pixel.
    QCOMPARE(m_window->width(), 1000);
}

void MainWindowTest::showDetailsSwitchesTabsAndWidth() {
    QTabWidget* tabs = m_window->tabs();
    // Ticking the boxes of the "Results" tab recalculates, which shows the detail tabs.
    for (int k = 0; k < 5; ++k) {
        auto* box = m_window->findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(k));
        QVERIFY(box);
        box->click();
    }
    for (const int shown : {tab::Method1, tab::Method2, tab::Method3, tab::ComparisonOfMethods}) {
        QVERIFY(tabs->isTabVisible(shown));
    }
    QVERIFY(!tabs->isTabVisible(tab::PrintForms));
    QVERIFY(!tabs->isTabVisible(tab::ScreenShot));

    tabs->setCurrentIndex(tab::Method2);
    QCOMPARE(m_window->width(), 21595 / 15);
    // 15000 twips, or wider where the screen has room for the titles of the shown tabs.
    tabs->setCurrentIndex(tab::Results);
    QCOMPARE(m_window->width(),
             std::max(15000 / 15, m_window->windowGeometry().sizeForTab(tab::Results).width()));
    QVERIFY(tabs->tabBar()->width() >= tabs->tabBar()->sizeHint().width());
}

void MainWindowTest::saveAfterSampleDataAsksForAName() {
    // The user's own project is open...
    const QString own = m_folder.filePath(QStringLiteral("OWN.TAV"));
    QVERIFY(m_window->session().saveAs(own.toStdString()).ok());
    const QByteArray ownBytes = [&] {
        QFile f(own);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    // ...then the sample is loaded: a plain Save asks for a name instead of replacing it.
    m_window->mnuFSampleData_Click();
    QVERIFY(m_window->session().currentProjectFile().empty());
    const QString sample = m_folder.filePath(QStringLiteral("SAMPLE.TAV"));
    m_dialogs->saveNames.push_back(sample);
    QVERIFY(m_window->mnuFSave_Click());
    QCOMPARE(m_dialogs->asked, QStringList{QStringLiteral("save:")});
    QCOMPARE(m_dialogs->filters.last(),
             QStringLiteral("Access Datafiles (*.TAV)|*.TAV|All Files (*.*)|*.*"));
    QVERIFY(QFile::exists(sample));
    QFile f(own);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), ownBytes);
    QVERIFY(m_window->windowTitle().contains(QStringLiteral("SAMPLE.TAV")));
    QVERIFY(!m_window->isWindowModified());

    // With a current file, Save writes it at once without a dialog.
    m_dialogs->asked.clear();
    m_window->session().inputs().EnergyCharge = "0.05";
    QVERIFY(m_window->mnuFSave_Click());
    QVERIFY(m_dialogs->asked.isEmpty());
}

void MainWindowTest::saveAsAsksBeforeReplacingAFile() {
    const QString existing = m_folder.filePath(QStringLiteral("THERE.TAV"));
    {
        QFile f(existing);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    const QString fresh = m_folder.filePath(QStringLiteral("FRESH.TAV"));
    // No to the existing file, then a new name.
    m_dialogs->saveNames = {existing, fresh};
    m_dialogs->answers = {FileDialogs::Answer::No};
    QVERIFY(m_window->mnuFSaveAs_Click());
    QCOMPARE(m_dialogs->asked.size(), 3);
    QCOMPARE(m_dialogs->asked.at(1), QStringLiteral("question: File ") + existing +
                                         QStringLiteral(" already exists.\n\nDo you want to "
                                                        "over-write ") +
                                         existing + QStringLiteral("?"));
    // After No the dialog comes again without a proposed name.
    QCOMPARE(m_dialogs->asked.at(2), QStringLiteral("save:"));
    QCOMPARE(m_dialogs->filters.first(),
             QStringLiteral("Access Data Files (*.TAV)|*.TAV|All Files (*.*)|*.*"));
    QVERIFY(QFile::exists(fresh));
    QCOMPARE(m_window->session().currentProjectFile(), fresh.toStdString());

    // Cancel writes nothing.
    m_dialogs->asked.clear();
    m_dialogs->saveNames = {existing};
    m_dialogs->answers = {FileDialogs::Answer::Cancel};
    QVERIFY(!m_window->mnuFSaveAs_Click());
    QFile f(existing);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("old"));
    QCOMPARE(m_window->session().currentProjectFile(), fresh.toStdString());
}

void MainWindowTest::unsavedChangesAreNeverLostSilently() {
    // Nothing changed: no question.
    m_window->mnuFNew_Click();
    QVERIFY(m_dialogs->asked.isEmpty());

    // A change, then Clear Form: Cancel keeps everything.
    m_window->session().inputs().MonthlyKWh[2] = "57,000";
    m_window->session().recalculate();
    m_dialogs->saveChangesAnswers = {FileDialogs::SaveChanges::Cancel};
    m_window->mnuFClear_Click();
    QCOMPARE(m_dialogs->asked, QStringList{QStringLiteral("save changes?")});
    QCOMPARE(m_window->session().inputs().MonthlyKWh[2], std::string("57,000"));

    // Exit asks too; Cancel keeps the window open, Discard closes it.
    m_dialogs->asked.clear();
    m_dialogs->saveChangesAnswers = {FileDialogs::SaveChanges::Cancel};
    m_window->mnuFExit_Click();
    QVERIFY(m_window->isVisible());
    m_dialogs->saveChangesAnswers = {FileDialogs::SaveChanges::Discard};
    m_window->mnuFExit_Click();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_dialogs->asked.size(), 2);
}

void MainWindowTest::openingABrokenFileChangesNothing() {
    m_window->mnuFSampleData_Click();
    const ProjectInputs before = m_window->session().inputs();
    const QString broken = m_folder.filePath(QStringLiteral("BROKEN.TAV"));
    {
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("natural gas^therms^Fuel #2^gallons\r\n1^2^3\r\n");
    }
    m_dialogs->openNames = {broken};
    m_window->mnuFOpen_Click();
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY(m_dialogs->errors.first().contains(broken));
    QVERIFY(m_window->session().inputs() == before);
    QVERIFY(m_window->session().currentProjectFile().empty());
    QCOMPARE(m_dialogs->filters.last(),
             QStringLiteral("Access Data Files (*.TAV)|*.TAV|All Files (*.*)|*.*"));
}

void MainWindowTest::aFailedSaveIsReported() {
    const QString nowhere = m_folder.filePath(QStringLiteral("no/such/folder/X.TAV"));
    m_dialogs->saveNames = {nowhere};
    QVERIFY(!m_window->mnuFSaveAs_Click());
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY(m_dialogs->errors.first().contains(nowhere));
    QVERIFY(m_window->session().currentProjectFile().empty());
}

// On every tab the window lies within the screen's available area, at its designed size where
// that fits, and every page can be scrolled to its last control instead of being cut off. The
// test runs on a 1920x1080 and on a 1366x768 virtual screen.
void MainWindowTest::windowFitsTheScreen() {
    const QRect area = m_window->screen()->availableGeometry();
    m_window->mnuFSampleData_Click();
    for (int k = 0; k < 5; ++k) {
        m_window->findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(k))->click();
    }
    QTabWidget* tabs = m_window->tabs();
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i)) {
            continue;
        }
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        const QString name = tabs->tabText(i);
        QVERIFY2(area.contains(m_window->frameGeometry()), qPrintable(name));
        const QSize designed = m_window->windowGeometry().sizeForTab(i);
        QVERIFY(designed.width() >= WindowGeometry::designedSize(i).width());
        const bool fits =
            designed.width() <= area.width() - 8 && designed.height() <= area.height() - 32;
        if (fits) {
            QCOMPARE(m_window->size(), designed);
            // Every tab's title shows; the tab bar does not scroll.
            QVERIFY2(tabs->tabBar()->width() >= tabs->tabBar()->sizeHint().width(),
                     qPrintable(name));
        } else {
            QVERIFY2(m_window->width() < designed.width() || m_window->height() < designed.height(),
                     qPrintable(name));
        }
        // Scrolled to its end, the page shows its last control.
        auto* area = tabs->currentWidget()->findChild<QScrollArea*>();
        QVERIFY2(area, qPrintable(name));
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        const QRect shown = area->viewport()->rect();
        const QRect contents(area->widget()->mapTo(area->viewport(), QPoint(0, 0)),
                             area->widget()->size());
        QVERIFY2(shown.bottom() >= contents.bottom() && shown.right() >= contents.right(),
                 qPrintable(name));
    }
}

void MainWindowTest::aSizeTheUserChoseIsKept() {
    QTabWidget* tabs = m_window->tabs();
    m_window->findChild<QCheckBox*>(QStringLiteral("Check1(2)"))->click();
    tabs->setCurrentIndex(tab::Method2);
    QCOMPARE(m_window->size(), m_window->windowGeometry().sizeForTab(tab::Method2));
    tabs->setCurrentIndex(tab::Results);
    QCOMPARE(m_window->size(), m_window->windowGeometry().sizeForTab(tab::Results));
    QVERIFY(!m_window->windowGeometry().userSized());

    // The user drags the window to a size of their own: every tab keeps it, and the place.
    m_window->resize(1100, 640);
    m_window->move(40, 30);
    const QPoint place = m_window->pos();
    for (const int index :
         {int(tab::Method2), int(tab::MonthlyUtilityData), int(tab::EnergyPlots)}) {
        tabs->setCurrentIndex(index);
        QCOMPARE(m_window->size(), QSize(1100, 640));
        QCOMPARE(m_window->pos(), place);
    }
    QVERIFY(m_window->windowGeometry().userSized());
}

void MainWindowTest::sizePlaceAndTabAreKeptBetweenRuns() {
    const QString file = m_folder.filePath(QStringLiteral("plenara.ini"));
    m_window->attachSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
    m_window->tabs()->setCurrentIndex(tab::Results);
    m_window->move(60, 50);
    const QPoint place = m_window->pos();
    m_window->close();
    QVERIFY(!m_window->isVisible());

    // The next run opens where the last one closed, on its tab, at the tab's size.
    init();
    m_window->attachSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
    QCOMPARE(m_window->tabs()->currentIndex(), int(tab::Results));
    QCOMPARE(m_window->pos(), place);
    QCOMPARE(m_window->size(), m_window->windowGeometry().sizeForTab(tab::Results));
    QVERIFY(!m_window->windowGeometry().userSized());

    // A size of the user's own is kept too.
    m_window->resize(1000, 600);
    m_window->tabs()->setCurrentIndex(tab::MonthlyUtilityData);
    m_window->close();
    init();
    m_window->attachSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
    QCOMPARE(m_window->tabs()->currentIndex(), int(tab::MonthlyUtilityData));
    QCOMPARE(m_window->size(), QSize(1000, 600));
    QVERIFY(m_window->windowGeometry().userSized());
}

} // namespace plenara

QTEST_MAIN(plenara::MainWindowTest)
#include "test_mainwindow.moc"
