#include "engine/captiontext.h"
#include "ui/captionlines.h"
#include "ui/frmtavchpscreening.h"
#include "ui/inputbox.h"
#include "ui/method2tab.h"
#include "ui/method3tab.h"
#include "ui/uitestsupport.h"

#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace plenara {

namespace {

const QColor kRed(255, 0, 0);

QString shown(const std::string& stored) {
    return QString::fromStdString(shownText(stored));
}

// The main window with the sample building loaded.
struct SampleWindow {
    test::ModalWatchdog watchdog;
    frmTAVCHPScreening window{test::shippedClimate(), std::make_unique<test::FakeFileDialogs>()};

    SampleWindow() {
        window.show();
        window.mnuFSampleData_Click();
    }

    QTabWidget* tabs() const { return window.tabs(); }
    const ProjectResults& results() { return window.session().results(); }

    template <typename T = QWidget>
    T* find(const QString& name) const {
        return test::findNamed<T>(window, name);
    }
    CaptionLines* lines(const QString& name) const { return find<CaptionLines>(name); }

    // Ticks or clears a "Show Details for:" switch as the user does, on the "Results" tab.
    void clickDetails(int index) {
        tabs()->setCurrentIndex(tab::Results);
        QTest::mouseClick(find<QCheckBox>(QStringLiteral("Check1(%1)").arg(index)), Qt::LeftButton);
    }

    // Shows a detail tab and makes it the current one.
    void open(int detailIndex, int tabIndex) {
        clickDetails(detailIndex);
        tabs()->setCurrentIndex(tabIndex);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

bool isRed(const QLabel* label) {
    return label->palette().color(QPalette::WindowText) == kRed;
}

QStringList textLines(const QPlainTextEdit* box) {
    QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
    // Every line ends with a line break, so the text ends with an empty piece.
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

} // namespace

class ResultTabsTest : public QObject {
    Q_OBJECT

private slots:
    void showDetailsSwitchesShowTabsAndSummary();
    void resultsTabShowsSummaryLines();
    void method1LinesInShownForm();
    void hoveringLineExplainsIt_data();
    void hoveringLineExplainsIt();
    void movingOffLinesHidesPanel();
    void generationScrollBarShowsLaterSteps();
    void allocationOptionsSwapMonthlyHeadings();
    void capacityBoxTypingStartsNoRecalculation();
    void acCriteriaChoiceRecalculates();
    void fixedTexts();
    void everyTabFitsItsWindow();
};

void ResultTabsTest::showDetailsSwitchesShowTabsAndSummary() {
    SampleWindow w;
    const QStringList captions = {QStringLiteral("Summary"), QStringLiteral("Method 1"),
                                  QStringLiteral("Method 2"), QStringLiteral("Method 3"),
                                  QStringLiteral("Comparions of Methods")};
    for (int i = 0; i < 5; ++i) {
        auto* box = w.find<QCheckBox>(QStringLiteral("Check1(%1)").arg(i));
        QVERIFY(box);
        QCOMPARE(box->text(), captions[i]);
        QVERIFY(!box->isChecked());
    }
    QVERIFY(!w.tabs()->isTabVisible(tab::Method2));

    w.clickDetails(2);
    QVERIFY(w.window.session().view().Check1[2]);
    QVERIFY(w.tabs()->isTabVisible(tab::Method2));
    QVERIFY(!w.tabs()->isTabVisible(tab::Method1));
    w.clickDetails(2);
    QVERIFY(!w.tabs()->isTabVisible(tab::Method2));
    QVERIFY(!w.find<QCheckBox>(QStringLiteral("Check1(2)"))->isChecked());

    auto* frame17 = w.find<QFrame>(QStringLiteral("Frame17"));
    QVERIFY(!frame17->isVisible());
    for (int i = 0; i < 5; ++i) {
        w.clickDetails(i);
    }
    QVERIFY(frame17->isVisible());
    for (const int shownTab :
         {tab::Method1, tab::Method2, tab::Method3, tab::ComparisonOfMethods}) {
        QVERIFY2(w.tabs()->isTabVisible(shownTab), qPrintable(w.tabs()->tabText(shownTab)));
    }
    QVERIFY(!w.tabs()->isTabVisible(tab::PrintForms));
    QVERIFY(!w.tabs()->isTabVisible(tab::ScreenShot));

    // The switches are no part of the project: a new sample keeps them.
    w.window.mnuFSampleData_Click();
    QVERIFY(w.find<QCheckBox>(QStringLiteral("Check1(4)"))->isChecked());
    QVERIFY(frame17->isVisible());
    w.clickDetails(0);
    QVERIFY(!frame17->isVisible());
}

void ResultTabsTest::resultsTabShowsSummaryLines() {
    SampleWindow w;
    const ProjectResults& r = w.results();
    auto* heading = w.find<QLabel>(QStringLiteral("lblSummary(0)"));
    QCOMPARE(heading->text(), QStringLiteral("Summary of Results:"));
    QVERIFY(heading->font().bold());
    QCOMPARE(heading->font().pointSizeF(), 12.0);
    auto* range = w.find<QLabel>(QStringLiteral("lblPaybackRange"));
    QVERIFY(range->wordWrap());
    QVERIFY(
        range->text().startsWith(QStringLiteral("Simple payback ranges from 4.7 to 8.0 years")));
    QCOMPARE(range->text(), QString::fromStdString(r.lblPaybackRange));

    CaptionLines* summary = w.lines(QStringLiteral("lblSummary"));
    QCOMPARE(summary->count(), 26);
    for (int n = 1; n <= 26; ++n) {
        const QLabel* line = summary->label(n - 1);
        QCOMPARE(line->text(), shown(r.lblSummary[static_cast<std::size_t>(n)].text));
        QCOMPARE(line->font().pointSizeF(), 12.0);
        const bool bold = n == 1 || n == 7 || n == 8 || n == 16 || n == 17 || n == 18;
        QVERIFY2(line->font().bold() == bold, qPrintable(QString::number(n)));
    }
    QCOMPARE(summary->label(1)->text(), QStringLiteral("   a. simple payback of 4.7 years"));
}

void ResultTabsTest::method1LinesInShownForm() {
    SampleWindow w;
    CaptionLines* lines = w.lines(QStringLiteral("lblMethod1"));
    QCOMPARE(lines->count(), 42);
    for (int i = 0; i < 42; ++i) {
        QCOMPARE(lines->label(i)->text(),
                 shown(w.results().lblMethod1[static_cast<std::size_t>(i)].text));
        QCOMPARE(lines->label(i)->font().pointSizeF(), 10.0);
        QVERIFY(lines->label(i)->font().fixedPitch());
    }
    QVERIFY(lines->label(12)->text().contains(QStringLiteral("energy & fuel adj chg")));
    QVERIFY(lines->label(33)->text().contains(QStringLiteral("gen-set O&M")));
    QVERIFY(lines->label(0)->font().bold());
    QCOMPARE(lines->label(41)->text(),
             QStringLiteral(
                 "   c. simple payback                                              4.7 yrs"));
    auto* frame = w.find<QGroupBox>(QStringLiteral("fraMethod1"));
    QCOMPARE(frame->title(), QStringLiteral("Method #1: Domestic Hot Water Only"));
    QVERIFY(!w.find<QFrame>(QStringLiteral("Frame21"))->isVisibleTo(&w.window));
}

void ResultTabsTest::hoveringLineExplainsIt_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<QString>("firstPanelLine");
    QTest::addColumn<QList<int>>("redPanelLines");

    QTest::newRow("hot water load")
        << 17 << QList<int>{17} << true << QStringLiteral("Summer (May-Sept) Fuel Consumption")
        << QList<int>{};
    QTest::newRow("net water heater output")
        << 21 << QList<int>{21} << true << QStringLiteral("Net Water Heater Output")
        << QList<int>{7};
    QTest::newRow("gas cost") << 28 << QList<int>{28, 27} << true
                              << QStringLiteral("Baseline Cost of Natural Gas")
                              << QList<int>{1, 4, 7, 10};
    QTest::newRow("gen-set O&M") << 33 << QList<int>{33} << true
                                 << QStringLiteral("Gen-Set O&M Costs") << QList<int>{4};
    QTest::newRow("purchased electricity")
        << 31 << QList<int>{31, 11} << false << QString() << QList<int>{};
    QTest::newRow("payback") << 41 << QList<int>{41} << true << QStringLiteral("Simple Payback:")
                             << QList<int>{};
    QTest::newRow("unexplained line") << 3 << QList<int>{} << false << QString() << QList<int>{};
}

void ResultTabsTest::hoveringLineExplainsIt() {
    QFETCH(int, line);
    QFETCH(QList<int>, marked);
    QFETCH(bool, panelShown);
    QFETCH(QString, firstPanelLine);
    QFETCH(QList<int>, redPanelLines);

    SampleWindow w;
    w.open(1, tab::Method1);
    CaptionLines* lines = w.lines(QStringLiteral("lblMethod1"));
    auto* frame21 = w.find<QFrame>(QStringLiteral("Frame21"));
    CaptionLines* panel = w.lines(QStringLiteral("lblThermalLoadDerivation"));
    QCOMPARE(panel->count(), 11);

    // From another marked line first, so that the hover has to restore it.
    QTest::mouseMove(lines->label(18));
    QVERIFY(isRed(lines->label(18)));
    QTest::mouseMove(lines->label(line));

    for (int i = 0; i < lines->count(); ++i) {
        QVERIFY2(isRed(lines->label(i)) == marked.contains(i), qPrintable(QString::number(i)));
    }
    QCOMPARE(frame21->isVisible(), panelShown);
    if (panelShown) {
        QCOMPARE(panel->label(0)->text(), firstPanelLine);
        QVERIFY(panel->label(0)->font().bold());
        for (int i = 0; i < panel->count(); ++i) {
            QVERIFY2(isRed(panel->label(i)) == redPanelLines.contains(i),
                     qPrintable(QString::number(i)));
        }
    }
}

void ResultTabsTest::movingOffLinesHidesPanel() {
    SampleWindow w;
    w.open(1, tab::Method1);
    CaptionLines* lines = w.lines(QStringLiteral("lblMethod1"));
    auto* frame8 = w.find<QFrame>(QStringLiteral("Frame8"));
    auto* frame21 = w.find<QFrame>(QStringLiteral("Frame21"));
    CaptionLines* panel = w.lines(QStringLiteral("lblThermalLoadDerivation"));

    QTest::mouseMove(lines->label(17));
    QVERIFY(frame21->isVisible());
    QVERIFY(isRed(lines->label(17)));
    QVERIFY(panel->label(8)->text().startsWith(QStringLiteral("hot water load:     7,607")));

    // Line 24 marks two lines and leaves the panel as it is, cleared.
    QTest::mouseMove(lines->label(24));
    QVERIFY(frame21->isVisible());
    QVERIFY(isRed(lines->label(24)) && isRed(lines->label(21)) && !isRed(lines->label(17)));
    QCOMPARE(panel->label(0)->text(), QString());

    // The frame's margin above the first line is off every line.
    QTest::mouseMove(frame8, QPoint(frame8->width() / 2, 4));
    QVERIFY(!frame21->isVisible());
    for (int i = 0; i < lines->count(); ++i) {
        QVERIFY(!isRed(lines->label(i)));
        QCOMPARE(lines->label(i)->palette().color(QPalette::WindowText),
                 lines->palette().color(QPalette::ButtonText));
    }
}

void ResultTabsTest::generationScrollBarShowsLaterSteps() {
    SampleWindow w;
    w.open(2, tab::Method2);
    const Method2Results& m2 = w.results().method2;
    QCOMPARE(m2.selectedStep, 9);
    CaptionLines* monthly = w.lines(QStringLiteral("lblMonthlyData"));
    CaptionLines* annual = w.lines(QStringLiteral("lblAnnualResults"));
    auto* generation = w.find<QScrollBar>(QStringLiteral("scrlGeneration"));
    auto* months = w.find<QScrollBar>(QStringLiteral("scrlMonths"));
    QCOMPARE(monthly->count(), 14);
    QCOMPARE(annual->count(), 12);
    QCOMPARE(generation->maximum(), 11);
    QCOMPARE(months->maximum(), 11);
    QCOMPARE(months->value(), 7);
    QCOMPARE(w.find<QLabel>(QStringLiteral("lblBasisOfResults"))->text(),
             QStringLiteral("Results for August (136,800 kWh)"));

    const auto capacityOf = [&](int step) {
        return QString::fromStdString(
            R(8, w.results().method2.annualResults[static_cast<std::size_t>(step)].CapacityKW,
              "#,##0.0"));
    };
    const auto checkRows = [&](int first) {
        for (int k = 0; k < 10; ++k) {
            const int step = first + k;
            const QLabel* row = monthly->label(4 + k);
            QVERIFY2(row->text().startsWith(capacityOf(step)), qPrintable(row->text()));
            QCOMPARE(row->font().bold(), step == w.results().method2.selectedStep);
            const QLabel* annualRow = annual->label(2 + k);
            QVERIFY2(annualRow->text().startsWith(capacityOf(step)), qPrintable(annualRow->text()));
            QCOMPARE(annualRow->font().bold(), step == w.results().method2.selectedStep);
        }
    };
    checkRows(0);
    QVERIFY(monthly->label(13)->font().bold());
    QVERIFY(!monthly->label(0)->font().bold());

    QSignalSpy recalculations(w.window.findChild<Method2Tab*>(),
                              &ProjectTab::recalculationRequested);
    generation->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(recalculations.count(), 1);
    QCOMPARE(w.window.session().view().scrlGeneration, 11);
    QCOMPARE(generation->value(), 11);
    checkRows(11);
    QVERIFY(monthly->label(13)->text().startsWith(capacityOf(20)));

    months->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(recalculations.count(), 2);
    QCOMPARE(w.window.session().view().scrlMonths, 6);
    QVERIFY(w.find<QLabel>(QStringLiteral("lblBasisOfResults"))
                ->text()
                .startsWith(QStringLiteral("Results for July (")));
}

void ResultTabsTest::allocationOptionsSwapMonthlyHeadings() {
    SampleWindow w;
    w.open(2, tab::Method2);
    CaptionLines* monthly = w.lines(QStringLiteral("lblMonthlyData"));
    auto* heatingOnly = w.find<QRadioButton>(QStringLiteral("optHeatingOnly"));
    auto* cooling = w.find<QRadioButton>(QStringLiteral("optPriorityCooling"));
    QVERIFY(heatingOnly->isChecked());
    QVERIFY(!cooling->isChecked());
    QCOMPARE(w.find<QRadioButton>(QStringLiteral("OptHeatingPriority"))->text(),
             QStringLiteral("Heating && Cooling With Priority to Heating")); // shows one "&"
    QVERIFY(monthly->label(0)->text().startsWith(
        QStringLiteral("            Power            Recvd     Water  Recvd   Absorp")));
    QVERIFY(monthly->label(2)->text().contains(QStringLiteral("O&M")));

    QTest::mouseClick(cooling, Qt::LeftButton);
    QCOMPARE(w.window.session().inputs().HeatAllocation, HeatAllocation::CoolingPriority);
    QVERIFY(w.results().method2.coolingPriorityRun);
    QVERIFY(cooling->isChecked());
    QVERIFY(!heatingOnly->isChecked());
    QCOMPARE(monthly->label(0)->text(),
             QStringLiteral("             Power     Total  Recvd    Recvd    Water    Water   "
                            "Recvd    Absorpt  Electr              Non-                        "
                            "Water                                "));
    QVERIFY(monthly->label(3)->text().endsWith(QStringLiteral("Fuel    Cost      Cost ")));

    auto* fuel1 = w.find<QRadioButton>(QStringLiteral("optOilWaterHeater"));
    QCOMPARE(fuel1->text(), QStringLiteral("Fuel #1"));
    QTest::mouseClick(fuel1, Qt::LeftButton);
    QCOMPARE(w.window.session().inputs().WaterHeaterFuel, WaterHeaterFuel::Fuel1);
    QVERIFY(!w.find<QRadioButton>(QStringLiteral("optGasWaterHeater"))->isChecked());

    // A project file can leave a group with no option set.
    w.window.session().inputs().HeatAllocation.reset();
    w.window.findChild<Method2Tab*>()->refresh();
    QVERIFY(!cooling->isChecked() && !heatingOnly->isChecked());
    QVERIFY(!w.find<QRadioButton>(QStringLiteral("OptHeatingPriority"))->isChecked());
}

void ResultTabsTest::capacityBoxTypingStartsNoRecalculation() {
    SampleWindow w;
    w.open(2, tab::Method2);
    auto* tab = w.window.findChild<Method2Tab*>();
    auto* box = w.find<InputBox>(QStringLiteral("txtCapacityIteration"));
    QCOMPARE(box->text(), QStringLiteral("110"));
    QCOMPARE(box->text().toDouble(), w.results().method2.capacityKW);

    QSignalSpy recalculations(tab, &ProjectTab::recalculationRequested);
    QSignalSpy edits(tab, &ProjectTab::inputEdited);
    const std::string before = w.results().lblSimplePayback[5];
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("250"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QStringLiteral("250"));
    QCOMPARE(w.window.session().inputs().CapacityIteration, std::string("250"));
    QCOMPARE(recalculations.count(), 0);
    QCOMPARE(edits.count(), 3);
    QCOMPARE(w.results().lblSimplePayback[5], before);

    // The next recalculation writes the Method 2 capacity back.
    QTest::mouseClick(w.find<QRadioButton>(QStringLiteral("optHeatingOnly")), Qt::LeftButton);
    QCOMPARE(recalculations.count(), 1);
    QCOMPARE(box->text(), QStringLiteral("110"));

    QSignalSpy graph(tab, &Method2Tab::paybackGraphRequested);
    auto* run = w.find<QPushButton>(QStringLiteral("cmdRun"));
    QCOMPARE(run->text(), QStringLiteral("View Payback Graph"));
    QTest::mouseClick(run, Qt::LeftButton);
    QCOMPARE(graph.count(), 1);
}

void ResultTabsTest::acCriteriaChoiceRecalculates() {
    SampleWindow w;
    w.open(3, tab::Method3);
    auto* tab = w.window.findChild<Method3Tab*>();
    auto* combo = w.find<QComboBox>(QStringLiteral("cmbACCriteria"));
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(2), QStringLiteral("Room AC"));
    QCOMPARE(combo->currentText(), QStringLiteral("Central AC"));
    CaptionLines* climate = w.lines(QStringLiteral("lblClimateData"));
    QCOMPARE(climate->count(), 39);
    QCOMPARE(climate->label(0)->text(),
             QStringLiteral("For Philadelphia, Pennsylvania there are:"));
    QCOMPARE(climate->label(19)->text(),
             shown(w.results().lblClimateData[19])); // "generator O&&M cost"
    QVERIFY(climate->label(19)->text().contains(QStringLiteral("O&M cost")));
    const QString centralAC = climate->label(5)->text();

    const QStringList headings = {QStringLiteral("Hot Water Summary"),
                                  QStringLiteral("Space Heating Summary"),
                                  QStringLiteral("Space Cooling Summary")};
    const QStringList boxes = {QStringLiteral("RecoveredHeatSummary(0..4)"),
                               QStringLiteral("RecoveredHeatSummary(5..9)"),
                               QStringLiteral("RecoveredHeatSummary(10..16)")};
    for (int b = 0; b < 3; ++b) {
        CaptionLines* box = w.lines(boxes[b]);
        QVERIFY(box);
        QCOMPARE(box->label(0)->text(), headings[b]);
    }
    QCOMPARE(w.lines(boxes[2])->label(6)->text(),
             QString::fromStdString(w.results().RecoveredHeatSummary[16]));

    QSignalSpy recalculations(tab, &ProjectTab::recalculationRequested);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(recalculations.count(), 1);
    QCOMPARE(w.window.session().inputs().ACCriteria, std::string("Room AC"));
    QCOMPARE(combo->currentText(), QStringLiteral("Room AC"));
    QVERIFY(climate->label(5)->text() != centralAC);
    QCOMPARE(climate->label(5)->text(), shown(w.results().lblClimateData[5]));

    // Typing is kept in the record and waits for the next recalculation.
    QSignalSpy edits(tab, &ProjectTab::inputEdited);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("Window AC"));
    QCOMPARE(w.window.session().inputs().ACCriteria, std::string("Window AC"));
    QCOMPARE(recalculations.count(), 1);
    QVERIFY(edits.count() > 0);
    QCOMPARE(climate->label(5)->text(), shown(w.results().lblClimateData[5]));
}

void ResultTabsTest::fixedTexts() {
    SampleWindow w;
    const QStringList method1 =
        textLines(w.find<QPlainTextEdit>(QStringLiteral("txtMethod1_Methodology")));
    QCOMPARE(method1.size(), 34);
    QCOMPARE(method1[0], QStringLiteral("    ASSUMPTIONS & METHODOLOGY"));
    QCOMPARE(method1[13], QString());
    QCOMPARE(method1[29], QStringLiteral("4. Assumes 7,440 hours of generator "));
    QCOMPARE(method1[33], QStringLiteral("   with electric water heaters."));

    auto* text1 = w.find<QPlainTextEdit>(QStringLiteral("Text1"));
    QVERIFY(text1->isReadOnly());
    QVERIFY(text1->font().fixedPitch());
    QVERIFY(text1->toPlainText().endsWith(QStringLiteral("curve fits\n")));
    const QStringList method2 = textLines(text1);
    QCOMPARE(method2.size(), 60);
    QCOMPARE(method2[5], QStringLiteral("      input data on \"Energy & "));
    QCOMPARE(method2[15], QStringLiteral("      winter months on \"Enegy & "));
    QCOMPARE(method2[59], QStringLiteral("      taken from curve fits"));

    const QStringList method3 =
        textLines(w.find<QPlainTextEdit>(QStringLiteral("txtMethod3Assumptions")));
    QCOMPARE(method3.size(), 33);
    QCOMPARE(method3[1], QStringLiteral("   ----------------------------------------"));
    QCOMPARE(method3[32], QStringLiteral("   (the cooling power listed above)."));

    QCOMPARE(w.find<QGroupBox>(QStringLiteral("fraMethod2"))->title(),
             QStringLiteral("Method 2: Hot Water && Space Heating and Cooling"));
    auto* comparisons = w.find<QGroupBox>(QStringLiteral("fraComparisons"));
    QCOMPARE(comparisons->title(),
             QStringLiteral("Comparison of Loads and CHP System Information for Alternative "
                            "Calculational Procedures"));
    CaptionLines* rows = w.lines(QStringLiteral("lblComparisons"));
    QCOMPARE(rows->count(), 12);
    QCOMPARE(rows->label(2)->text(), shown(w.results().lblComparisons[2]));
    QVERIFY(
        rows->label(2)->text().startsWith(QStringLiteral(" 2. Space Heating & Hot Water Load")));
    QCOMPARE(rows->label(0)->font().pointSizeF(), 10.0);
}

// Each result tab shows whole in the window size of its tab: its scroll area needs no
// scrolling. PLENARA_SCREENSHOT_DIR names a folder for pictures of the tabs to look at.
void ResultTabsTest::everyTabFitsItsWindow() {
    SampleWindow w;
    for (int i = 0; i < 5; ++i) {
        w.clickDetails(i);
    }
    const QString folder = qEnvironmentVariable("PLENARA_SCREENSHOT_DIR");
    const struct {
        int index;
        const char* file;
    } pages[] = {{tab::Results, "results"}, {tab::Method1, "method1"},
                 {tab::Method2, "method2"}, {tab::Method2, "method2-cooling"},
                 {tab::Method3, "method3"}, {tab::ComparisonOfMethods, "comparison"}};
    for (const auto& page : pages) {
        w.tabs()->setCurrentIndex(page.index);
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QApplication::processEvents();
        if (page.index == tab::Method1) {
            QTest::mouseMove(w.lines(QStringLiteral("lblMethod1"))->label(28));
        }
        if (QLatin1String(page.file) == QLatin1String("method2-cooling")) {
            // The other table variant, scrolled to its last steps.
            QTest::mouseClick(w.find<QRadioButton>(QStringLiteral("optPriorityCooling")),
                              Qt::LeftButton);
            w.find<QScrollBar>(QStringLiteral("scrlGeneration"))
                ->triggerAction(QAbstractSlider::SliderToMaximum);
        }
        auto* area = w.tabs()->widget(page.index)->findChild<QScrollArea*>();
        QVERIFY(area);
        QVERIFY2(area->horizontalScrollBar()->maximum() == 0, page.file);
        QVERIFY2(area->verticalScrollBar()->maximum() == 0, page.file);
        if (!folder.isEmpty()) {
            QVERIFY(w.window.grab().save(
                QDir(folder).filePath(QLatin1String(page.file) + QStringLiteral(".png"))));
        }
    }
}

} // namespace plenara

QTEST_MAIN(plenara::ResultTabsTest)
#include "test_resulttabs.moc"
