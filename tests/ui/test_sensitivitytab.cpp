#include "engine/number.h"
#include "output/tornadochart.h"
#include "project/projectfile.h"
#include "sensitivity/sensitivitytext.h"
#include "ui/frmtavchpscreening.h"
#include "ui/helpcontexts.h"
#include "ui/helptopics.h"
#include "ui/inputbox.h"
#include "ui/paybackhistogramview.h"
#include "ui/sensitivitytab.h"
#include "ui/tornadochartview.h"
#include "ui/uitestsupport.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QComboBox>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGroupBox>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace plenara {

// The "Sensitivity" tab: it shows the library's figures for the inputs as they stand, its
// inputs are the project's, and it follows every recalculation.
class SensitivityTabTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheFiguresOfTheProject();
    void itsInputsRecalculateAndAreKeptInTheProject();
    void everyInputHasATooltipAndTheHelpTopic();
    void boxesOutOfRangeAreMarked();
    void histogramYearsAreRoundAndEvenlySpaced();
    void wideMovesKeepTheTextsOffTheBars();
    void tablesOfALargeProjectShowWhole();

private:
    SensitivityTab* tab() const { return m_window->findChild<SensitivityTab*>(); }
    QString cell(const char* table, int row, int column) const {
        return test::findNamed<QTableWidget>(*m_window, QString::fromLatin1(table))
            ->item(row, column)
            ->text();
    }
    // Types into a box of the tab and leaves it, as the user does.
    void type(const char* box, const QString& text);

    std::unique_ptr<frmTAVCHPScreening> m_window;
    std::unique_ptr<test::ModalWatchdog> m_watchdog;
};

void SensitivityTabTest::init() {
    m_window = std::make_unique<frmTAVCHPScreening>(test::shippedClimate(),
                                                    std::make_unique<test::FakeFileDialogs>());
    m_window->show();
    m_watchdog = std::make_unique<test::ModalWatchdog>();
    m_window->mnuFSampleData_Click();
    m_window->tabs()->setCurrentIndex(tab::Sensitivity);
    QTRY_VERIFY_WITH_TIMEOUT(tab()->upToDate(), 20000);
}

void SensitivityTabTest::cleanup() {
    test::closeTestWindow(m_window, *m_watchdog);
}

void SensitivityTabTest::type(const char* box, const QString& text) {
    auto* input = test::findNamed<InputBox>(*m_window, QString::fromLatin1(box));
    input->setText(text);
    emit input->textEdited(text);
    emit input->left();
    QTRY_VERIFY_WITH_TIMEOUT(tab()->upToDate(), 20000);
}

void SensitivityTabTest::showsTheFiguresOfTheProject() {
    const SensitivityResults* r = tab()->results();
    QVERIFY(r);
    // Method 2 by default: the sample's seven inputs (no fuel 2), the widest swing (the
    // energy charge: 10.8 down to 3.8 years) on top, which Qt Charts draws as the last
    // category.
    QBarCategoryAxis* inputs = tab()->tornado()->inputAxis();
    QCOMPARE(inputs->count(), 7);
    QCOMPARE(inputs->categories().constLast(), QStringLiteral("Energy charge ($/kWh)"));
    QCOMPARE(tab()->tornado()->series()->barSets().size(), 2);
    const QStringList labels = tab()->tornado()->barLabels();
    QVERIFY(labels.contains(QStringLiteral("10.8 at $0.0941")));
    QVERIFY(labels.contains(QStringLiteral("3.8 at $0.1413")));
    QVERIFY(!tab()->tornado()->valueAxis()->titleText().isEmpty());
    // However narrow the chart, the texts at the bar ends stay within the plot: the axis
    // reaches further instead of a text running over the input names or out of the chart.
    // The chart lays itself out in steps (the axis widens for the texts, then the plot area
    // moves), so the texts are checked once it has settled.
    const auto labelsWithin = [&](QString& outside) {
        const QRectF plot = tab()->tornado()->chart()->plotArea();
        int checked = 0;
        for (QGraphicsItem* item : tab()->tornado()->scene()->items()) {
            auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
            if (text && text->isVisible() && labels.contains(text->text())) {
                const QRectF box = text->sceneBoundingRect();
                if (box.left() < plot.left() || box.right() > plot.right() + 1.0) {
                    outside = QStringLiteral("%1: %2..%3 outside the plot %4..%5 (%6 wide)")
                                  .arg(text->text())
                                  .arg(box.left())
                                  .arg(box.right())
                                  .arg(plot.left())
                                  .arg(plot.right())
                                  .arg(tab()->tornado()->width());
                    return false;
                }
                ++checked;
            }
        }
        outside = QStringLiteral("%1 of %2 texts shown").arg(checked).arg(labels.size());
        return checked == labels.size();
    };
    for (const QSize size : {QSize(420, 280), QSize(900, 400)}) {
        tab()->tornado()->resize(size);
        QString outside;
        QTRY_VERIFY2_WITH_TIMEOUT(labelsWithin(outside), qPrintable(outside), 5000);
    }

    // The tables show the library's figures in the boxes' patterns.
    for (int m = 0; m < 3; ++m) {
        const MethodBreakEven& b = r->breakEven[std::size_t(m)];
        QCOMPARE(cell("tblBreakEven", 0, m),
                 QString::fromStdString(
                     breakEvenText(b.gasPriceForTarget, BreakEvenPrice::GasPrice, "/CCF")));
        QCOMPARE(cell("tblBreakEven", 3, m), QStringLiteral("none in range"));
        QCOMPARE(cell("tblMonteCarlo", m, 1), QString::fromStdString(paybackYearsText(
                                                  r->monteCarlo->methods[std::size_t(m)].p50)));
        // The net present value beside the payback, from the life-cycle analysis.
        QCOMPARE(cell("tblMonteCarlo", m, 5),
                 QString::fromStdString(npvText(r->monteCarlo->npv[std::size_t(m)].p50)));
    }
    // The energy charges of the break-even rows are those of the box alone.
    for (int row : {2, 3}) {
        QVERIFY(test::findNamed<QTableWidget>(*m_window, QStringLiteral("tblBreakEven"))
                    ->verticalHeaderItem(row)
                    ->text()
                    .endsWith(QStringLiteral("\nthe box alone, fuel adjustment kept")));
    }
    // The net present value at each bar's end, the rows in the order of the bars.
    auto* npv = test::findNamed<QTableWidget>(*m_window, QStringLiteral("tblTornadoNpv"));
    const std::vector<TornadoRow>& rows = r->tornado[1];
    QCOMPARE(npv->rowCount(), 7);
    QCOMPARE(npv->horizontalHeaderItem(0)->text(), QStringLiteral("-20 %"));
    QCOMPARE(npv->horizontalHeaderItem(1)->text(), QStringLiteral("+20 %"));
    for (int i = 0; i < 7; ++i) {
        const TornadoRow& row = rows[std::size_t(i)];
        QCOMPARE(npv->verticalHeaderItem(i)->text(),
                 QString::fromStdString(uncertainInputCaption(row.input, "/CCF")));
        QCOMPARE(cell("tblTornadoNpv", i, 0), QString::fromStdString(npvText(row.lowNpv)));
        QCOMPARE(cell("tblTornadoNpv", i, 1), QString::fromStdString(npvText(row.highNpv)));
    }
    // A cheaper energy charge lowers the savings, and with them the net present value.
    QCOMPARE(npv->verticalHeaderItem(0)->text(), QStringLiteral("Energy charge ($/kWh)"));
    QVERIFY(rows[0].lowNpv < r->base.npv[1] && r->base.npv[1] < rows[0].highNpv);

    // The grid's centre is today's Method 2 payback, 5.7 years.
    QCOMPARE(cell("tblPaybackGrid", 2, 2), QStringLiteral("5.7"));
    // Its heads give the step and the price, its title the units: gas $1.3119/CCF x 0.6 =
    // $0.7871, energy and fuel adjustment ($0.0444 + $0.0733) x 0.6 = $0.0706, x 1.4 = $0.1648.
    auto* grid = test::findNamed<QTableWidget>(*m_window, QStringLiteral("tblPaybackGrid"));
    QCOMPARE(grid->verticalHeaderItem(0)->text(), QStringLiteral("-40 %  $0.7871"));
    QCOMPARE(grid->verticalHeaderItem(2)->text(), QStringLiteral("0 %  $1.3119"));
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("-40 %\n$0.0706"));
    QCOMPARE(grid->horizontalHeaderItem(4)->text(), QStringLiteral("+40 %\n$0.1648"));
    QCOMPARE(qobject_cast<QGroupBox*>(grid->parentWidget())->title(),
             QStringLiteral("Method 2 payback (years): gas price ($/CCF) down, energy charge "
                            "($/kWh) across"));
    QVERIFY(test::findNamed<QLabel>(*m_window, QStringLiteral("lblSparkSpread"))
                ->text()
                .startsWith(QStringLiteral("Spark spread: $21.67/MMBtu")));
    // 1,000 draws in the histogram, none without payback; a few far out in the tail.
    const PaybackHistogram& histogram = tab()->histogram()->histogram();
    int drawn = histogram.longer;
    for (const int count : histogram.counts) {
        drawn += count;
    }
    QCOMPARE(drawn, 1000);
    QCOMPARE(histogram.noPayback, 0);
}

void SensitivityTabTest::itsInputsRecalculateAndAreKeptInTheProject() {
    // With X = 0 nothing moves: every draw and every bar end is today's payback.
    type("txtSensitivityPercent", QStringLiteral("0"));
    QCOMPARE(m_window->session().inputs().Sensitivity.Percent, std::string("0"));
    for (int m = 0; m < 3; ++m) {
        QCOMPARE(cell("tblMonteCarlo", m, 0), cell("tblMonteCarlo", m, 2));
    }
    QCOMPARE(cell("tblMonteCarlo", 1, 1), QStringLiteral("5.7"));
    for (const QString& label : tab()->tornado()->barLabels()) {
        QVERIFY2(label.startsWith(QStringLiteral("5.7 at")), qPrintable(label));
    }
    QVERIFY(m_window->isWindowModified());
    // Nothing moves: no "-0 %" in the chart's title or the table's heads.
    QVERIFY(!tab()->tornado()->chart()->title().contains(QStringLiteral("-0 %")));
    QCOMPARE(test::findNamed<QTableWidget>(*m_window, QStringLiteral("tblTornadoNpv"))
                 ->horizontalHeaderItem(0)
                 ->text(),
             QStringLiteral("low (0 %)"));

    type("txtTargetPayback", QStringLiteral("7"));
    QVERIFY(test::findNamed<QTableWidget>(*m_window, QStringLiteral("tblBreakEven"))
                ->verticalHeaderItem(0)
                ->text()
                .startsWith(QStringLiteral("Gas price for 7 years")));
    type("txtMonteCarloDraws", QStringLiteral("250"));
    QCOMPARE(tab()->results()->monteCarlo->draws, 250);

    // Choosing Method 3 turns the chart and the histogram to it.
    auto* method = test::findNamed<QComboBox>(*m_window, QStringLiteral("cmbSensitivityMethod"));
    method->setCurrentIndex(2);
    emit method->activated(2);
    QTRY_VERIFY_WITH_TIMEOUT(tab()->upToDate(), 20000);
    QCOMPARE(m_window->session().inputs().Sensitivity.Method, 3);
    QCOMPARE(tab()->results()->monteCarlo->histogramMethod, 3);

    // New resets the tab's inputs with the project's.
    m_window->session().resetInputs();
    QCOMPARE(m_window->session().inputs().Sensitivity, SensitivityInputs{});
}

void SensitivityTabTest::everyInputHasATooltipAndTheHelpTopic() {
    for (const char* name : {"txtSensitivityPercent", "txtTargetPayback", "txtMonteCarloDraws",
                             "cmbSensitivityMethod"}) {
        QWidget* input = test::findNamed(*m_window, QString::fromLatin1(name));
        QVERIFY2(!input->toolTip().isEmpty(), name);
        // F1 on the tab's controls opens the tab's help page.
        QCOMPARE(helpContextOf(input), helpcontext::Sensitivity);
    }
}

// A value outside a box's range is used clamped: the box is marked with what is used, as every
// box of the window is, until the user types a value within the range.
void SensitivityTabTest::boxesOutOfRangeAreMarked() {
    struct Case {
        const char* box;
        QString typed;
        QString message; // empty: not marked
    };
    const Case cases[] = {
        {"txtSensitivityPercent", QStringLiteral("95"),
         QStringLiteral("\"95\" is above 90; 90 is used")},
        {"txtSensitivityPercent", QStringLiteral("20"), QString()},
        {"txtTargetPayback", QStringLiteral("0"),
         QStringLiteral("\"0\" is below 0.1; 0.1 is used")},
        {"txtTargetPayback", QStringLiteral("10"), QString()},
        {"txtMonteCarloDraws", QStringLiteral("50"),
         QStringLiteral("\"50\" is below 100; 100 is used")},
        {"txtMonteCarloDraws", QStringLiteral("1000"), QString()},
    };
    for (const Case& c : cases) {
        type(c.box, c.typed);
        QWidget* box = test::findNamed(*m_window, QString::fromLatin1(c.box));
        QCOMPARE(box->property("inputWarning").toBool(), !c.message.isEmpty());
        if (!c.message.isEmpty()) {
            QVERIFY2(box->toolTip().startsWith(c.message), qPrintable(box->toolTip()));
        }
        // The box keeps the text as typed.
        QCOMPARE(qobject_cast<InputBox*>(box)->text(), c.typed);
    }
}

// The years under the histogram's bars stand at round values, evenly spaced, each with the
// decimals its step needs, whatever the width of the bins.
void SensitivityTabTest::histogramYearsAreRoundAndEvenlySpaced() {
    struct Case {
        double low;
        double high;
        int most;
        std::vector<const char*> expected;
    };
    const Case cases[] = {
        // 21.6 years over 5 gaps is 4.32: steps of 5.
        {2.6, 24.2, 6, {"5", "10", "15", "20"}},
        // 17.8 over 9 is 1.98: steps of 2.
        {6.3, 24.1, 10, {"8", "10", "12", "14", "16", "18", "20", "22", "24"}},
        // 0.56 over 5 is 0.112: steps of 0.2.
        {3.41, 3.97, 6, {"3.6", "3.8"}},
        // 0.12 over 3 is 0.04: steps of 0.05, two decimals.
        {0.5, 0.62, 4, {"0.50", "0.55", "0.60"}},
        {4.0, 4.0, 6, {}},
    };
    for (const Case& c : cases) {
        QStringList texts;
        for (const PaybackHistogramView::YearLabel& label :
             PaybackHistogramView::yearLabels(c.low, c.high, c.most)) {
            texts << label.text;
            QCOMPARE(QString::number(label.years, 'f', 2).toDouble(), label.text.toDouble());
        }
        QStringList expected;
        for (const char* text : c.expected) {
            expected << QString::fromLatin1(text);
        }
        QCOMPARE(texts, expected);
    }
}

// At X = 90 the energy charge at -90 % loses the payback and several bars reach nearly to a
// payback of 0: a lost payback gets no bar of made-up length, and no text at a bar's end
// crosses the axis line, where it would lie over a bar.
void SensitivityTabTest::wideMovesKeepTheTextsOffTheBars() {
    type("txtSensitivityPercent", QStringLiteral("90"));
    const TornadoChartData data = tornadoChartData(*tab()->results());
    // $0.0444 x 0.1 = $0.0044 and $0.0733 x 0.1 = $0.0073 as the boxes show them: $0.0117.
    QCOMPARE(data.bars.front().lowLabel, std::string("none at $0.0117"));
    QCOMPARE(data.bars.front().lowYears, data.baseYears);

    const QStringList labels = tab()->tornado()->barLabels();
    QChart* chart = tab()->tornado()->chart();
    const qreal axisLine = chart->mapToPosition(QPointF(0.0, 0.0), tab()->tornado()->series()).x();
    int checked = 0;
    for (QGraphicsItem* item : tab()->tornado()->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
        if (text && text->isVisible() && labels.contains(text->text())) {
            const QRectF box = text->sceneBoundingRect();
            QVERIFY2(box.left() >= axisLine || box.right() <= axisLine, qPrintable(text->text()));
            QVERIFY2(box.left() >= chart->plotArea().left(), qPrintable(text->text()));
            ++checked;
        }
    }
    QCOMPARE(checked, labels.size());
}

// Sixty sample buildings in one: net present values of eight digits. Every table keeps its
// last column whole beside the charts; the page scrolls instead where the window is narrow.
void SensitivityTabTest::tablesOfALargeProjectShowWhole() {
    ProjectInputs large = m_window->session().inputs();
    for (MonthTexts* column : {&large.MonthlyKWh, &large.MonthlyKW, &large.MonthlyPowerBill,
                               &large.MonthlyFuel1, &large.MonthlyFuel1Cost}) {
        for (std::string& text : *column) {
            text = std::to_string(static_cast<long long>(Number(text) * 60.0));
        }
    }
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("LARGE.TAV"));
    QVERIFY(WriteProjectFile(path.toStdString(), large).ok());
    m_window->resize(1000, 700);
    QVERIFY(m_window->openProject(path));
    QTRY_VERIFY_WITH_TIMEOUT(tab()->upToDate(), 20000);
    QCOMPARE(cell("tblTornadoNpv", 0, 1).size(), 11); // "$30,416,348"
    for (const char* name : {"tblTornadoNpv", "tblBreakEven", "tblPaybackGrid", "tblMonteCarlo"}) {
        auto* table = test::findNamed<QTableWidget>(*m_window, QString::fromLatin1(name));
        const int contents = table->verticalHeader()->width() +
                             table->horizontalHeader()->length() + 2 * table->frameWidth();
        QTRY_VERIFY2(table->width() >= contents, name);
    }
}

} // namespace plenara

QTEST_MAIN(plenara::SensitivityTabTest)
#include "test_sensitivitytab.moc"
