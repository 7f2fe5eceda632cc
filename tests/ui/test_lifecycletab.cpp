#include "lifecycle/emissiondata.h"
#include "ui/frmtavchpscreening.h"
#include "ui/helpcontexts.h"
#include "ui/helptopics.h"
#include "ui/inputbox.h"
#include "ui/lifecyclechartview.h"
#include "ui/uitestsupport.h"

#include <memory>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>

namespace plenara {

class LifeCycleTabTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theTabFollowsTheSiteInputs();
    void resultsChartAndTable();
    void boxesAreTypedIntoAndRewritten();
    void customGridRateByKeyboard();
    void anEditIsUndone();
    void withoutEmissionDataThePaybacksStillShow();

private:
    template <typename T = QWidget>
    T* find(const QString& name) const {
        return test::findNamed<T>(*m_window, name);
    }
    InputBox* box(const QString& name) const { return find<InputBox>(name); }
    // Types into a box as a user does and leaves it with Tab.
    void type(const QString& name, const QString& text) {
        InputBox* b = box(name);
        b->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(b, text);
        QTest::keyClick(b, Qt::Key_Tab);
    }

    test::ModalWatchdog* m_watchdog = nullptr;
    std::unique_ptr<frmTAVCHPScreening> m_window;
};

void LifeCycleTabTest::init() {
    m_watchdog = new test::ModalWatchdog(this);
    m_window = std::make_unique<frmTAVCHPScreening>(test::shippedClimate(),
                                                    std::make_unique<test::FakeFileDialogs>());
    m_window->setEmissions(readEmissionData(PLENARA_SHIPPED_DATA_DIR));
    m_window->mnuFSampleData_Click();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    m_window->tabs()->setCurrentIndex(tab::LifeCycle);
    QApplication::processEvents();
}

void LifeCycleTabTest::cleanup() {
    QVERIFY2(m_watchdog->seen().isEmpty(),
             qPrintable(m_watchdog->seen().join(QStringLiteral("; "))));
    m_window.reset();
    delete m_watchdog;
}

void LifeCycleTabTest::theTabFollowsTheSiteInputs() {
    QCOMPARE(m_window->tabs()->tabText(tab::LifeCycle), QStringLiteral("Life Cycle"));
    QCOMPARE(m_window->tabs()->tabText(tab::LifeCycle - 1),
             QStringLiteral("Misc. Input Information"));
    QVERIFY(m_window->tabs()->isTabVisible(tab::LifeCycle));
    // Tab goes through the boxes in order; the custom rate is skipped until "Custom" is chosen.
    const QStringList order = {QStringLiteral("txtAnalysisYears"),
                               QStringLiteral("txtDiscountRate"),
                               QStringLiteral("txtElectricEscalation"),
                               QStringLiteral("txtFuelEscalation"),
                               QStringLiteral("txtOMEscalation"),
                               QStringLiteral("txtCostAdjustment"),
                               QStringLiteral("txtTaxCredit"),
                               QStringLiteral("txtRebatePerKW"),
                               QStringLiteral("txtGrant"),
                               QStringLiteral("cmbGridCO2"),
                               QStringLiteral("txtGridLoss")};
    box(order.front())->setFocus(Qt::TabFocusReason);
    for (const QString& name : order) {
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QVERIFY2(!QApplication::focusWidget()->toolTip().isEmpty(), qPrintable(name));
        // F1 in any of them opens the tab's help page.
        QCOMPARE(helpContextOf(QApplication::focusWidget()), helpcontext::LifeCycle);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void LifeCycleTabTest::resultsChartAndTable() {
    const QString results = find<QLabel>(QStringLiteral("lblLifeCycleResults"))->text();
    QVERIFY2(results.contains(QStringLiteral("Net present value (20 years, 6.0%)")),
             qPrintable(results));
    QVERIFY(find<QLabel>(QStringLiteral("lblCO2Basis"))
                ->text()
                .contains(QStringLiteral("Pennsylvania non-baseload, eGRID2022")));

    auto* chart = find<LifeCycleChartView>(QStringLiteral("chtLifeCycle"));
    for (int m = 0; m < 3; ++m) {
        QLineSeries* s = chart->series(m);
        QVERIFY(s->isVisible());
        QCOMPARE(s->count(), 21); // years 0 to 20
        QCOMPARE(s->name(), QStringLiteral("Method %1").arg(m + 1));
        // Year 0 is the outlay, below the break-even; year 20 above it for the sample.
        QVERIFY(s->at(0).y() < 0.0);
        QVERIFY(s->at(20).y() > 0.0);
    }
    QVERIFY(!chart->yearAxis()->titleText().isEmpty());
    QVERIFY(!chart->valueAxis()->titleText().isEmpty());
    QVERIFY(chart->valueAxis()->min() < 0.0 && chart->valueAxis()->max() > 0.0);
    QCOMPARE(chart->breakEven()->at(0).y(), 0.0);
    QVERIFY(!chart->chart()->legend()->markers(chart->breakEven()).constFirst()->isVisible());

    auto* table = find<QTableWidget>(QStringLiteral("tblCashFlows"));
    QCOMPARE(table->rowCount(), 21);
    QCOMPARE(table->columnCount(), 10);
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("-$227,004"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("$48,018"));
}

void LifeCycleTabTest::boxesAreTypedIntoAndRewritten() {
    auto* table = find<QTableWidget>(QStringLiteral("tblCashFlows"));
    type(QStringLiteral("txtAnalysisYears"), QStringLiteral("99"));
    // Leaving the box recalculates: the value shown clamped, used clamped and marked.
    QCOMPARE(box(QStringLiteral("txtAnalysisYears"))->text(), QStringLiteral("40"));
    QCOMPARE(m_window->session().inputs().AnalysisYears, "40");
    QCOMPARE(table->rowCount(), 41);
    // Every year shows, the last row whole: the page scrolls, not the table.
    QApplication::processEvents();
    QVERIFY(table->visualItemRect(table->item(40, 0)).bottom() < table->viewport()->height());
    QVERIFY(box(QStringLiteral("txtAnalysisYears"))
                ->toolTip()
                .startsWith(QStringLiteral("\"99\" is above 40; 40 is used")));
    QVERIFY(box(QStringLiteral("txtAnalysisYears"))->property("inputWarning").toBool());
    QVERIFY(!box(QStringLiteral("txtDiscountRate"))->property("inputWarning").toBool());
    QVERIFY(m_window->isWindowModified());

    // A grant larger than the gen-set: nothing to pay back.
    type(QStringLiteral("txtGrant"), QStringLiteral("1000000"));
    QCOMPARE(box(QStringLiteral("txtGrant"))->text(), QStringLiteral("$1,000,000"));
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("$0"));
    const QString none = QStringLiteral("none").rightJustified(17);
    QVERIFY(find<QLabel>(QStringLiteral("lblLifeCycleResults"))
                ->text()
                .contains(QStringLiteral("Internal rate of return").leftJustified(35) + none +
                          none + none));
}

void LifeCycleTabTest::customGridRateByKeyboard() {
    auto* combo = find<QComboBox>(QStringLiteral("cmbGridCO2"));
    QVERIFY(!box(QStringLiteral("txtGridCO2Custom"))->isEnabled());
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(m_window->session().inputs().GridCO2, GridCO2Basis::Custom);
    QVERIFY(box(QStringLiteral("txtGridCO2Custom"))->isEnabled());
    type(QStringLiteral("txtGridCO2Custom"), QStringLiteral("0"));
    QVERIFY(find<QLabel>(QStringLiteral("lblCO2Basis"))
                ->text()
                .startsWith(QStringLiteral("Grid power: 0.0 lb CO2/MWh (custom)")));
}

// A typed box is one step of Edit, Undo, as every other box.
void LifeCycleTabTest::anEditIsUndone() {
    type(QStringLiteral("txtDiscountRate"), QStringLiteral("8"));
    QCOMPARE(box(QStringLiteral("txtDiscountRate"))->text(), QStringLiteral("8.0"));
    auto* undo = find<QAction>(QStringLiteral("mnuEditUndo"));
    QCOMPARE(undo->text(), QStringLiteral("&Undo Discount rate"));
    undo->trigger();
    QCOMPARE(m_window->session().inputs().DiscountRate, "6.0");
    QCOMPARE(box(QStringLiteral("txtDiscountRate"))->text(), QStringLiteral("6.0"));
    QVERIFY(find<QLabel>(QStringLiteral("lblLifeCycleResults"))
                ->text()
                .contains(QStringLiteral("Net present value (20 years, 6.0%)")));
}

void LifeCycleTabTest::withoutEmissionDataThePaybacksStillShow() {
    m_window->setEmissions(EmissionData());
    const QString basis = find<QLabel>(QStringLiteral("lblCO2Basis"))->text();
    QCOMPARE(basis, QStringLiteral("No CO2 figures: The emission data were not read."));
    QVERIFY(find<QLabel>(QStringLiteral("lblLifeCycleResults"))
                ->text()
                .contains(QStringLiteral("$417,")));
    QCOMPARE(m_window->session().results().lblComparisons[11].substr(0, 20),
             "11. Simple Payback  ");
}

} // namespace plenara

QTEST_MAIN(plenara::LifeCycleTabTest)
#include "test_lifecycletab.moc"
