#include "portfolio/portfolioexport.h"
#include "portfolio/portfolioreader.h"
#include "portfolio/portfolioscreen.h"
#include "portfolio/resultcolumns.h"
#include "project/projectfile.h"
#include "ui/frmtavchpscreening.h"
#include "ui/portfoliocommands.h"
#include "ui/portfolioresultsmodel.h"
#include "ui/portfoliosortmodel.h"
#include "ui/portfoliowindow.h"
#include "ui/projectundo.h"
#include "ui/uitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace plenara {

// "Import Bills..." and "Screen a Portfolio..." of the File menu.
class PortfolioWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuEntries();
    void importBillsFillsTheGridAsOneChange();
    void importBillsOfOneBuildingOfSeveral();
    void aBadBillsFileChangesNothingAndSaysWhy();
    void screeningGivesTheRowsOfTheLibraryAndOpensThem();
    void sortingExportAndCancel();
    void emptyCellsComeLastEitherWayUp_data();
    void longNotesKeepTheButtonsInTheWindow();
    void emptyCellsComeLastEitherWayUp();

private:
    QString write(const QString& name, const QByteArray& bytes);
    // Screens the inputs in the portfolio window and waits for the end.
    PortfolioWindow& screen(const QStringList& inputs);

    std::unique_ptr<frmTAVCHPScreening> m_window;
    test::FakeFileDialogs* m_dialogs = nullptr;
    std::unique_ptr<test::ModalWatchdog> m_watchdog;
    QTemporaryDir m_folder;
};

namespace {

const QString kExamples = QStringLiteral(PLENARA_SHIPPED_DATA_DIR "/examples");

// Twelve months of bills: kWh 1000 times the month, kW the month, and $100 times the month.
QByteArray twelveMonths(const QByteArray& id = {}) {
    QByteArray rows;
    for (int m = 1; m <= 12; ++m) {
        rows += (id.isEmpty() ? QByteArray() : id + ",") + QByteArray::number(m) + "," +
                QByteArray::number(1000 * m) + "," + QByteArray::number(m) + "," +
                QByteArray::number(100 * m) + "\n";
    }
    return rows;
}

std::string csvOf(const std::vector<ScreenRow>& rows) {
    std::string text;
    for (const ScreenRow& row : rows) {
        text += resultsCsvLine(row);
    }
    return text;
}

} // namespace

void PortfolioWindowTest::init() {
    test::openTestWindow(m_window, m_dialogs, m_watchdog);
}

void PortfolioWindowTest::cleanup() {
    test::closeTestWindow(m_window, *m_watchdog);
}

QString PortfolioWindowTest::write(const QString& name, const QByteArray& bytes) {
    const QString path = m_folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

PortfolioWindow& PortfolioWindowTest::screen(const QStringList& inputs) {
    PortfolioWindow& window = m_window->portfolio().portfolioWindow();
    window.setInputs(inputs);
    QSignalSpy finished(&window, &PortfolioWindow::finished);
    window.findChild<QPushButton*>(QStringLiteral("btnScreen"))->click();
    [&] {
        QVERIFY(finished.wait(20000));
    }();
    return window;
}

void PortfolioWindowTest::menuEntries() {
    QMenu* file = m_window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QStringList texts;
    for (QAction* action : file->actions()) {
        texts << action->text();
    }
    QVERIFY(texts.contains(QStringLiteral("&Import Bills...")));
    QVERIFY(texts.contains(QStringLiteral("Screen a Port&folio...")));
    m_window->portfolio().screenAction()->trigger();
    QVERIFY(m_window->portfolio().portfolioWindow().isVisible());
    QCOMPARE(m_window->portfolio().portfolioWindow().windowTitle(),
             QStringLiteral("Screen a Portfolio"));
    // Before the first run it says what to add.
    QVERIFY(m_window->portfolio()
                .portfolioWindow()
                .findChild<QLabel*>(QStringLiteral("lblStatus"))
                ->text()
                .startsWith(QStringLiteral("Add project files (*.TAV)")));
    // Esc closes it, as it closes a dialog.
    QApplication::setActiveWindow(&m_window->portfolio().portfolioWindow());
    QTest::keyClick(&m_window->portfolio().portfolioWindow(), Qt::Key_Escape);
    QVERIFY(!m_window->portfolio().portfolioWindow().isVisible());
}

void PortfolioWindowTest::importBillsFillsTheGridAsOneChange() {
    m_window->mnuFSampleData_Click();
    QVERIFY(!m_window->isWindowModified());
    const double before = m_window->session().results().method1.payback;
    m_dialogs->openNames.push_back(
        write(QStringLiteral("twelve.csv"), "month,kWh,kW,electricCost\n" + twelveMonths()));
    m_window->portfolio().importBillsAction()->trigger();
    const ProjectInputs& inputs = m_window->session().inputs();
    // Rewritten in their patterns by the recalculation that followed.
    QCOMPARE(inputs.MonthlyKWh[11], std::string("12,000"));
    QCOMPARE(inputs.MonthlyKW[2], std::string("3"));
    QCOMPARE(inputs.MonthlyPowerBill[0], std::string("$100"));
    QCOMPARE(inputs.MonthlyFuel1[0], std::string("0"));
    // 1,000 + 2,000 + ... + 12,000 kWh = 78,000 kWh a year.
    QCOMPARE(m_window->session().results().totals.lblAnnualPower, std::string("78,000"));
    QVERIFY(m_window->session().results().method1.payback != before);
    QVERIFY(m_window->isWindowModified());
    QVERIFY(m_dialogs->errors.isEmpty());

    // One step, which Undo takes back whole.
    QCOMPARE(m_window->undoSteps().stack().undoText(), QStringLiteral("Import Bills"));
    m_window->undoSteps().undo();
    QCOMPARE(m_window->session().inputs().MonthlyKWh[11], std::string("69,000"));
    QCOMPARE(m_window->session().results().method1.payback, before);
    QVERIFY(!m_window->isWindowModified());
    m_window->undoSteps().redo();
    QCOMPARE(m_window->session().inputs().MonthlyKWh[11], std::string("12,000"));
}

void PortfolioWindowTest::importBillsOfOneBuildingOfSeveral() {
    m_window->mnuFSampleData_Click();
    QStringList offered;
    m_window->portfolio().setBuildingChooser([&](QWidget*, const QStringList& ids) {
        offered = ids;
        return 1;
    });
    const QString path =
        write(QStringLiteral("bills.csv"), "id,month,kWh,kW,electricCost\n" + twelveMonths("A") +
                                               twelveMonths("Caf\xC3\xA9").replace("000,", "00,"));
    QVERIFY(m_window->portfolio().importBills(path));
    QCOMPARE(offered, (QStringList{QStringLiteral("A"), QStringLiteral("Café")}));
    QCOMPARE(m_window->session().inputs().MonthlyKWh[0], std::string("100"));
}

void PortfolioWindowTest::aBadBillsFileChangesNothingAndSaysWhy() {
    m_window->mnuFSampleData_Click();
    const ProjectInputs before = m_window->session().inputs();
    const QString path = write(QStringLiteral("eleven.csv"),
                               "month,kWh,kW,electricCost\n" +
                                   twelveMonths().left(twelveMonths().indexOf("\n12,") + 1));
    QVERIFY(!m_window->portfolio().importBills(path));
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY2(m_dialogs->errors.front().endsWith(QStringLiteral(
                 "eleven.csv gives 11 months of bills (lines 2 to 12); December is missing.")),
             qPrintable(m_dialogs->errors.front()));
    QVERIFY(m_window->session().inputs() == before);
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(m_window->undoSteps().stack().undoText(), QStringLiteral("Sample Data"));
}

// The window's rows are the library's, from project files and from the CSV pair alike, and
// "Open" loads a building with the figures of its row.
void PortfolioWindowTest::screeningGivesTheRowsOfTheLibraryAndOpensThem() {
    PortfolioReader reader({(kExamples + QStringLiteral("/projects")).toStdString()},
                           m_window->session().climate());
    std::vector<ScreenRow> expected;
    screenPortfolio(reader, m_window->session().climate(), m_window->session().emissions(), {},
                    [&](const ScreenRow& row) { expected.push_back(row); });

    // The two files of a pair are chosen in one dialog.
    PortfolioWindow& chosen = m_window->portfolio().portfolioWindow();
    chosen.setInputs({});
    const QStringList pair = {kExamples + QStringLiteral("/csv/buildings.csv"),
                              kExamples + QStringLiteral("/csv/bills.csv")};
    m_dialogs->openNameLists.push_back(pair);
    chosen.findChild<QPushButton*>(QStringLiteral("btnAddFiles"))->click();
    QCOMPARE(chosen.inputs(), pair);
    // With the folder that holds them as well, each building would fail as a copy of itself:
    // the window says so and screens nothing.
    chosen.setInputs(pair + QStringList{kExamples + QStringLiteral("/csv")});
    chosen.findChild<QPushButton*>(QStringLiteral("btnScreen"))->click();
    QVERIFY(!chosen.isRunning());
    QCOMPARE(chosen.model().rowCount(), 0);
    QVERIFY(chosen.findChild<QLabel*>(QStringLiteral("lblStatus"))
                ->text()
                .endsWith(QStringLiteral(
                    "screen the same files: one is a folder that holds the other. Remove one "
                    "of them.")));

    PortfolioWindow& window = screen({kExamples + QStringLiteral("/csv")});
    QCOMPARE(window.model().rowCount(), 5);
    QCOMPARE(csvOf(window.model().rows()), csvOf(expected));
    QVERIFY(window.summary().failed == 0 && !window.summary().cancelled);

    // The fourth row is ElmStreetTowers, read from the CSV pair.
    QCOMPARE(window.model().row(3).id, std::string("ElmStreetTowers"));
    window.openRow(3);
    const ProjectResults& results = m_window->session().results();
    for (std::size_t m = 0; m < 3; ++m) {
        QCOMPARE(results.paybackByMethod[m + 1], expected[3].methods[m].paybackYears);
        QCOMPARE(results.genCapacityByMethod[m + 1], expected[3].methods[m].capacityKW);
    }
    QCOMPARE(m_window->session().inputs().City, std::string("Philadelphia"));
    QVERIFY(m_window->session().currentProjectFile().empty());
    QVERIFY(m_window->isWindowModified());

    // A row read from a project file opens that file, unchanged.
    m_dialogs->saveChangesAnswers.push_back(FileDialogs::SaveChanges::Discard);
    screen({kExamples + QStringLiteral("/projects/LakeshoreApartments.TAV")});
    window.openRow(0);
    QVERIFY(QString::fromStdString(m_window->session().currentProjectFile())
                .endsWith(QStringLiteral("LakeshoreApartments.TAV")));
    QVERIFY(!m_window->isWindowModified());
}

void PortfolioWindowTest::sortingExportAndCancel() {
    PortfolioWindow& window = screen({kExamples + QStringLiteral("/projects")});
    QTableView& table = window.table();
    // Sorted by the best payback: BackBayLofts (3.9 years) first, and empty cells last.
    const int best = static_cast<int>(resultColumns().size()) - 2;
    table.sortByColumn(best, Qt::AscendingOrder);
    QCOMPARE(table.model()->index(0, 0).data().toString(), QStringLiteral("BackBayLofts"));
    QCOMPARE(table.model()->index(0, best).data().toString(), QStringLiteral("3.9"));
    // Method 2 found no payback for two buildings: they come last either way up.
    const int payback2 = 13;
    QCOMPARE(table.model()->headerData(payback2, Qt::Horizontal).toString(),
             QStringLiteral("Method 2\nPayback (years)"));
    QCOMPARE(table.model()->headerData(payback2, Qt::Horizontal, Qt::ToolTipRole).toString(),
             QStringLiteral("method2PaybackYears"));
    table.sortByColumn(payback2, Qt::AscendingOrder);
    QCOMPARE(table.model()->index(4, payback2).data().toString(), QString());
    QCOMPARE(table.model()->index(0, payback2).data().toString(), QStringLiteral("3.9"));
    table.sortByColumn(payback2, Qt::DescendingOrder);
    QVERIFY(!table.model()->index(2, payback2).data().toString().isEmpty());
    QCOMPARE(table.model()->index(3, payback2).data().toString(), QString());
    QCOMPARE(table.model()->index(4, payback2).data().toString(), QString());

    // The export holds the rows in the order shown.
    table.sortByColumn(best, Qt::AscendingOrder);
    const QString csv = m_folder.filePath(QStringLiteral("results.csv"));
    m_dialogs->saveNames.push_back(csv);
    window.findChild<QPushButton*>(QStringLiteral("btnExportCsv"))->click();
    QFile exported(csv);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = exported.readAll().split('\n');
    QCOMPARE(lines.size(), 7);
    QVERIFY(lines[1].startsWith("BackBayLofts,"));
    QVERIFY(lines[2].startsWith("ElmStreetTowers,"));
    QCOMPARE(
        window.exportTo(m_folder.filePath(QStringLiteral("results.xlsx")), ResultFileFormat::Xlsx),
        QString());

    // Cancel: a portfolio large enough to be stopped half-way.
    PortfolioExport exporter;
    const std::string big = m_folder.filePath(QStringLiteral("big")).toStdString();
    QCOMPARE(exporter.open(big), std::string());
    for (int i = 0; i < 20000; ++i) {
        exporter.add("B" + std::to_string(i), m_window->session().inputs());
    }
    QCOMPARE(exporter.commit(), std::string());
    window.setInputs({QString::fromStdString(big)});
    QSignalSpy finished(&window, &PortfolioWindow::finished);
    window.start();
    QVERIFY(window.isRunning());
    window.cancel();
    QVERIFY(finished.wait(20000));
    QVERIFY(window.summary().cancelled);
    QVERIFY(window.model().rowCount() < 20000);
    QVERIFY(!window.isRunning());
}

// Notes that name a long column and many unused ids wrap beside the buttons rather than
// widening the window past a 1366-pixel screen.
void PortfolioWindowTest::longNotesKeepTheButtonsInTheWindow() {
    QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("notes")));
    QByteArray bills = "id,month,kWh,kW,electricCost\n" + twelveMonths("A");
    for (int i = 0; i < 12; ++i) {
        bills += twelveMonths("an id that no building has (" + QByteArray::number(i) + ")");
    }
    write(QStringLiteral("notes/bills.csv"), bills);
    write(QStringLiteral("notes/buildings.csv"),
          "id,state,city," + QByteArray(300, 'x') + "\nA,New York,Albany,1\n");
    PortfolioWindow& window = screen({m_folder.filePath(QStringLiteral("notes"))});
    QCOMPARE(window.model().rowCount(), 1);
    window.show();
    window.layout()->activate();
    QCoreApplication::processEvents();
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblStatus"))
                ->text()
                .contains(QStringLiteral("bills that were not used")));
    QVERIFY2(window.width() <= 1366, qPrintable(QString::number(window.width())));
    auto* exportXlsx = window.findChild<QPushButton*>(QStringLiteral("btnExportXlsx"));
    QVERIFY(exportXlsx->mapTo(&window, QPoint(exportXlsx->width(), 0)).x() <= window.width());
}

// Buildings without a figure come after the others whichever way a column is sorted; among
// themselves they keep the input order. A: payback 5 years, NPV $100; B failed; C: 3 years,
// $300; D: no payback, NPV -$50.
void PortfolioWindowTest::emptyCellsComeLastEitherWayUp_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("ids");
    // The ids in the order shown.
    const auto ids = [](const char* order) {
        return QString::fromLatin1(order).split(u' ');
    };
    QTest::newRow("payback up") << QStringLiteral("method1PaybackYears") << Qt::AscendingOrder
                                << ids("C A B D");
    QTest::newRow("payback down") << QStringLiteral("method1PaybackYears") << Qt::DescendingOrder
                                  << ids("A C B D");
    QTest::newRow("npv up") << QStringLiteral("method1Npv") << Qt::AscendingOrder << ids("D A C B");
    QTest::newRow("npv down") << QStringLiteral("method1Npv") << Qt::DescendingOrder
                              << ids("C A D B");
}

void PortfolioWindowTest::emptyCellsComeLastEitherWayUp() {
    QFETCH(QString, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, ids);
    const auto building = [](const char* id, double payback, double npv, bool failed) {
        ScreenRow row;
        row.id = id;
        row.methods[0].paybackYears = payback;
        row.methods[0].npv = npv;
        row.error = failed ? "bad" : "";
        return row;
    };
    PortfolioResultsModel model;
    model.append({building("A", 5, 100, false), building("B", 4, 200, true),
                  building("C", 3, 300, false), building("D", 0, -50, false)});
    PortfolioSortModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(PortfolioResultsModel::SortRole);
    int section = -1;
    for (int c = 0; c < model.columnCount(); ++c) {
        if (model.headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString() == column) {
            section = c;
        }
    }
    QVERIFY(section >= 0);
    sorted.sort(section, order);
    QStringList shown;
    for (int r = 0; r < sorted.rowCount(); ++r) {
        shown << sorted.index(r, 0).data().toString();
    }
    QCOMPARE(shown, ids);
}

} // namespace plenara

QTEST_MAIN(plenara::PortfolioWindowTest)
#include "test_portfoliowindow.moc"
