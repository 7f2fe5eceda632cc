#include "output/chartseries.h"
#include "ui/chartbarview.h"
#include "ui/frmspecifycapacity.h"
#include "ui/frmtavchpscreening.h"
#include "ui/inputbox.h"
#include "ui/uitestsupport.h"

#include <memory>

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QDir>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>

namespace plenara {

namespace {

const QStringList kChartNames = {QStringLiteral("chtPower"),     QStringLiteral("chtDemand"),
                                 QStringLiteral("chtHeat"),      QStringLiteral("chtCHPPower"),
                                 QStringLiteral("chtCHPDemand"), QStringLiteral("chtCHPFuel")};

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// The main window with the sample building loaded.
struct SampleWindow {
    test::ModalWatchdog watchdog;
    test::FakeFileDialogs* dialogs = new test::FakeFileDialogs;
    frmTAVCHPScreening window{test::shippedClimate(),
                              std::unique_ptr<test::FakeFileDialogs>(dialogs)};

    SampleWindow() {
        window.show();
        window.mnuFSampleData_Click();
    }

    template <typename T = QWidget>
    T* find(const QString& name) const {
        return test::findNamed<T>(window, name);
    }
    ChartBarView* chart(const QString& name) const { return find<ChartBarView>(name); }
    frmSpecifyCapacity* dialog() const { return window.findChild<frmSpecifyCapacity*>(); }
    const ProjectResults& results() { return window.session().results(); }

    // Types into a box and leaves it, as the user does.
    void enter(const QString& box, const QString& text) {
        auto* input = find<InputBox>(box);
        input->setText(text);
        emit input->textEdited(text);
        emit input->left();
    }

    // "View Payback Graph" on the Method 2 tab.
    void viewPaybackGraph() {
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdRun")), Qt::LeftButton);
    }
};

QList<qreal> values(const QBarSet* set) {
    QList<qreal> list;
    for (int i = 0; i < set->count(); ++i) {
        list << set->at(i);
    }
    return list;
}

QList<qreal> values(const ChartSeries& series) {
    return QList<qreal>(series.values.begin(), series.values.end());
}

// The chart shows the series of `data`, value for value, on an axis that holds every bar.
void compareChart(ChartBarView* view, const ChartData& data) {
    const QList<QBarSet*> sets = view->series()->barSets();
    QCOMPARE(sets.size(), static_cast<qsizetype>(data.series.size()));
    for (qsizetype i = 0; i < sets.size(); ++i) {
        QCOMPARE(values(sets[i]), values(data.series[static_cast<std::size_t>(i)]));
    }
    const AxisRange range = valueAxisRange(data);
    QVERIFY(view->valueAxis()->min() <= range.minimum);
    QVERIFY(view->valueAxis()->max() >= range.maximum);
    QVERIFY(view->valueAxis()->max() > view->valueAxis()->min());
}

void saveScreenshot(QWidget* widget, const QString& file) {
    const QString dir = qEnvironmentVariable("PLENARA_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        return;
    }
    QDir().mkpath(dir);
    QVERIFY(widget->grab().save(QDir(dir).filePath(file)));
}

} // namespace

class TestCharts : public QObject {
    Q_OBJECT

private slots:
    void chartsHaveTheirTitlesSeriesAndLegends_data();
    void chartsHaveTheirTitlesSeriesAndLegends();
    void chartsShowTheSampleBuilding();
    void recalculationReplacesValuesInPlace();
    void coolingPriorityShowsTheCoolingRun();
    void yearWithoutBillsGivesEmptyCharts();
    void energyPlotsTabLooksRight();
    void dialogOpensModallyOnTheSweep();
    void dialogSentence_data();
    void dialogSentence();
    void dialogMarksTheSpecifiedPoint();
    void returnCopiesTheCapacityUntilTheNextRecalculation();
    void exitClosesTheDialog();
};

void TestCharts::chartsHaveTheirTitlesSeriesAndLegends_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("axisTitle");
    QTest::addColumn<QStringList>("series");
    QTest::addColumn<QList<QColor>>("colours");
    QTest::addColumn<bool>("stacked");

    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    const QColor green(0, 255, 0);
    QTest::newRow("chtPower") << QStringLiteral("chtPower")
                              << QStringLiteral("Monthly Power Consumption")
                              << QStringLiteral("kiloWatt-hours")
                              << QStringList{QStringLiteral("Utility Power")} << QList{red}
                              << false;
    QTest::newRow("chtDemand") << QStringLiteral("chtDemand")
                               << QStringLiteral("Monthly Electrical Demand")
                               << QStringLiteral("kiloWats")
                               << QStringList{QStringLiteral("Utility Demand")} << QList{red}
                               << false;
    QTest::newRow("chtHeat") << QStringLiteral("chtHeat")
                             << QStringLiteral("Monthly Fuel Consumption")
                             << QStringLiteral("Million Btu")
                             << QStringList{QStringLiteral("Water Heater")} << QList{red} << false;
    QTest::newRow("chtCHPPower") << QStringLiteral("chtCHPPower")
                                 << QStringLiteral("Monthly Power Consumption")
                                 << QStringLiteral("kiloWatt-hours")
                                 << QStringList{QStringLiteral("Utility Power"),
                                                QStringLiteral("On Site Generation")}
                                 << QList{red, blue} << true;
    QTest::newRow("chtCHPDemand") << QStringLiteral("chtCHPDemand")
                                  << QStringLiteral("Monthly Electrical Demand")
                                  << QStringLiteral("kW")
                                  << QStringList{QStringLiteral("Utility Demand"),
                                                 QStringLiteral("On Site Generator"),
                                                 QStringLiteral("Avoided A/C")}
                                  << QList{red, blue, green} << true;
    QTest::newRow("chtCHPFuel") << QStringLiteral("chtCHPFuel")
                                << QStringLiteral("Monthly Fuel Consumption")
                                << QStringLiteral("Million Btu")
                                << QStringList{QStringLiteral("Water Heater"),
                                               QStringLiteral("On Site Generator")}
                                << QList{red, blue} << true;
}

void TestCharts::chartsHaveTheirTitlesSeriesAndLegends() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, axisTitle);
    QFETCH(QStringList, series);
    QFETCH(QList<QColor>, colours);
    QFETCH(bool, stacked);

    SampleWindow w;
    ChartBarView* view = w.chart(name);
    QVERIFY(view);
    QVERIFY(w.window.tabs()->widget(tab::EnergyPlots)->isAncestorOf(view));
    QChart* chart = view->chart();
    QCOMPARE(chart->title(), title);
    QCOMPARE(view->valueAxis()->titleText(), axisTitle);
    QCOMPARE(view->series()->type(),
             stacked ? QAbstractSeries::SeriesTypeStackedBar : QAbstractSeries::SeriesTypeBar);
    QStringList labels;
    QList<QColor> fills;
    for (QBarSet* set : view->series()->barSets()) {
        labels << set->label();
        fills << set->color();
    }
    QCOMPARE(labels, series);
    QCOMPARE(fills, colours);

    QVERIFY(chart->legend()->isVisible());
    QCOMPARE(chart->legend()->alignment(), Qt::AlignTop);
    QVERIFY(!view->categoryAxis()->isGridLineVisible());
    QVERIFY(view->valueAxis()->isGridLineVisible());
    QStringList months;
    for (const std::string& m : monthLabels()) {
        months << qs(m);
    }
    QCOMPARE(view->categoryAxis()->categories(), months);
    QCOMPARE(view->categoryAxis()->categories().first(), QStringLiteral("Jan"));
}

void TestCharts::chartsShowTheSampleBuilding() {
    SampleWindow w;
    const auto data = energyChartData(w.window.session().inputs(), w.results());
    for (int i = 0; i < 6; ++i) {
        compareChart(w.chart(kChartNames[i]), data[static_cast<std::size_t>(i)]);
    }
    // The typed January kWh, and step 9 of the heating run: 62,100 kWh on site, the rest
    // from the utility.
    const QList<QBarSet*> power = w.chart(QStringLiteral("chtPower"))->series()->barSets();
    QCOMPARE(power[0]->at(0), 68400.0);
    const QList<QBarSet*> chp = w.chart(QStringLiteral("chtCHPPower"))->series()->barSets();
    QCOMPARE(w.results().method2.selectedStep, 9);
    QCOMPARE(chp[0]->at(0), 6300.0);
    QCOMPARE(chp[1]->at(0), 62100.0);
    QCOMPARE(chp[1]->at(3), 56400.0); // April's bill is below the step
    // The tallest stacked bar, July's 138,000 kWh, fits on the axis.
    QVERIFY(w.chart(QStringLiteral("chtCHPPower"))->valueAxis()->max() >= 138000.0);
}

void TestCharts::recalculationReplacesValuesInPlace() {
    SampleWindow w;
    ChartBarView* demand = w.chart(QStringLiteral("chtDemand"));
    ChartBarView* chpDemand = w.chart(QStringLiteral("chtCHPDemand"));
    const QList<QBarSet*> demandSets = demand->series()->barSets();
    const QList<QBarSet*> chpSets = chpDemand->series()->barSets();
    QChart* chart = demand->chart();
    QAbstractBarSeries* series = demand->series();

    // A January peak of 900 kW instead of 138 kW.
    w.enter(QStringLiteral("txtkW_0"), QStringLiteral("900"));

    QCOMPARE(demand->chart(), chart);
    QCOMPARE(demand->series(), series);
    QCOMPARE(demand->series()->barSets(), demandSets);
    QCOMPARE(chpDemand->series()->barSets(), chpSets);
    QCOMPARE(demandSets[0]->at(0), 900.0);
    QVERIFY(demand->valueAxis()->max() >= 900.0);
    const auto data = energyChartData(w.window.session().inputs(), w.results());
    for (int i = 0; i < 6; ++i) {
        compareChart(w.chart(kChartNames[i]), data[static_cast<std::size_t>(i)]);
    }
}

void TestCharts::coolingPriorityShowsTheCoolingRun() {
    SampleWindow w;
    QBarSet* onSite = w.chart(QStringLiteral("chtCHPPower"))->series()->barSets()[1];
    QTest::mouseClick(w.find<QRadioButton>(QStringLiteral("optPriorityCooling")), Qt::LeftButton);
    QVERIFY(w.results().method2.coolingPriorityRun);
    QCOMPARE(w.chart(QStringLiteral("chtCHPPower"))->series()->barSets()[1], onSite);
    // The cooling run generates the same kWh every month: step x 6,900 kWh.
    const double generated = w.results().method2.selectedStep * 6900.0;
    for (int m = 0; m < 12; ++m) {
        QCOMPARE(onSite->at(m), generated);
    }
    const auto data = energyChartData(w.window.session().inputs(), w.results());
    for (int i = 3; i < 6; ++i) {
        compareChart(w.chart(kChartNames[i]), data[static_cast<std::size_t>(i)]);
    }
}

void TestCharts::yearWithoutBillsGivesEmptyCharts() {
    SampleWindow w;
    w.dialogs->saveChangesAnswers.push_back(FileDialogs::SaveChanges::Discard);
    w.window.mnuFClear_Click();
    QCOMPARE(w.results().method2.selectedStep, 0);
    for (const QString& name : kChartNames) {
        ChartBarView* view = w.chart(name);
        for (const QBarSet* set : view->series()->barSets()) {
            for (int m = 0; m < 12; ++m) {
                QCOMPARE(set->at(m), 0.0);
            }
        }
        QCOMPARE(view->valueAxis()->min(), 0.0);
        QVERIFY(view->valueAxis()->max() >= 1.0);
    }
    w.window.tabs()->setCurrentIndex(tab::EnergyPlots);
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QVERIFY(!w.window.grab().isNull());
    saveScreenshot(&w.window, QStringLiteral("energy-plots-empty.png"));

    // The dialog on a sweep whose steps are all 0 kW: the capacity shown, 1 kW, lies outside;
    // 0 kW gives the payback of step 0. Neither opens a message box.
    w.viewPaybackGraph();
    frmSpecifyCapacity* dialog = w.dialog();
    QCOMPARE(dialog->specifiedCapacity(), QStringLiteral("1"));
    QCOMPARE(dialog->simplePaybackCaption(),
             QStringLiteral("The specified generator capacity is outside the limits for "
                            "interpolation"));
    dialog->setSpecifiedCapacity(QStringLiteral("0"));
    dialog->btnRunCapacity_Click();
    QCOMPARE(dialog->simplePaybackCaption(),
             QStringLiteral("Simple payback for a 0 kW CHP system is 999.00 years"));
    dialog->btnExit_Click();
    QVERIFY(w.dialogs->errors.isEmpty());
    QVERIFY(w.watchdog.seen().isEmpty());
}

void TestCharts::energyPlotsTabLooksRight() {
    SampleWindow w;
    w.window.tabs()->setCurrentIndex(tab::EnergyPlots);
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QCOMPARE(w.find<QLabel>(QStringLiteral("lblCharts1"))->text(),
             QStringLiteral(
                 "Power and Fuel Consumption Input Data from Tab #1: \" Energy & Utility Data\""));
    QCOMPARE(w.find<QLabel>(QStringLiteral("lblCharts2"))->text(),
             QStringLiteral("Monthly CHP Data from Tab: \"Method 2\" (Methods 1 & 3 do not "
                            "perform monthly calculations)"));
    QCOMPARE(w.find<QPushButton>(QStringLiteral("cmdDone"))->text(), QStringLiteral("Done"));

    // Two rows of three, the lower row below the heading of Method 2.
    const int lowerHeading = w.find<QLabel>(QStringLiteral("lblCharts2"))->geometry().top();
    for (int i = 0; i < 6; ++i) {
        const QRect g = w.chart(kChartNames[i])->geometry();
        QVERIFY(g.width() >= 280);
        QVERIFY(g.height() >= 250);
        QCOMPARE(g.top() > lowerHeading, i >= 3);
    }
    saveScreenshot(&w.window, QStringLiteral("energy-plots.png"));
}

void TestCharts::dialogOpensModallyOnTheSweep() {
    SampleWindow w;
    QVERIFY(!w.dialog()); // created on first use
    w.viewPaybackGraph();
    frmSpecifyCapacity* dialog = w.dialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->windowTitle(),
             QStringLiteral("Plenara:  Interpolated Results for Specified GenSet Capacities"));
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblDesiredCapacity"))->text(),
             QStringLiteral("Desired Capacity"));
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblDesiredCapacitykW"))->text(),
             QStringLiteral("kW"));
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("btnRunCapacity"))->text(),
             QStringLiteral("Run"));
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("btnExit"))->text(),
             QStringLiteral("Return"));
    // The Method 2 capacity, 110 kW, lies between steps 9 (111.29 kW) and 8 (98.92 kW).
    QCOMPARE(dialog->specifiedCapacity(), QStringLiteral("110"));
    const auto& annual = w.results().method2.annualResults;
    const double t = (110.0 - annual[8].CapacityKW) / (annual[9].CapacityKW - annual[8].CapacityKW);
    const double payback = (1 - t) * annual[8].SimplePayback + t * annual[9].SimplePayback;
    QCOMPARE(dialog->simplePaybackCaption(),
             QStringLiteral("Simple payback for a 110 kW CHP system is %1 years")
                 .arg(payback, 0, 'f', 2));
    saveScreenshot(dialog, QStringLiteral("specify-capacity.png"));

    dialog->btnExit_Click();
    QVERIFY(!dialog->isVisible());
    // The dialog is kept and opened again, not created twice.
    w.viewPaybackGraph();
    QCOMPARE(w.window.findChildren<frmSpecifyCapacity*>().size(), 1);
    QCOMPARE(w.dialog(), dialog);
    dialog->btnExit_Click();
    QVERIFY(w.watchdog.seen().isEmpty());
}

void TestCharts::dialogSentence_data() {
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("sentence");
    // The sample sweep: step s is s x 12.3656 kW (6,900 kWh a month at 75 % of 744 hours);
    // steps without savings have 999 years. Paybacks are read from the sweep below.
    QTest::newRow("on step 9") << QStringLiteral("step 9") << QString();
    QTest::newRow("half-way 9 to 10") << QStringLiteral("mid 9 10") << QString();
    QTest::newRow("zero") << QStringLiteral("0")
                          << QStringLiteral("Simple payback for a 0 kW CHP system is 999.00 years");
    QTest::newRow("no number counts as 0")
        << QStringLiteral("abc")
        << QStringLiteral("Simple payback for a 0 kW CHP system is 999.00 years");
    QTest::newRow("above the sweep")
        << QStringLiteral("5000")
        << QStringLiteral("The specified generator capacity is outside the limits for "
                          "interpolation");
}

void TestCharts::dialogSentence() {
    QFETCH(QString, capacity);
    QFETCH(QString, sentence);

    SampleWindow w;
    w.viewPaybackGraph();
    frmSpecifyCapacity* dialog = w.dialog();
    dialog->btnExit_Click(); // the rest works on the hidden dialog, as the user's Run would
    const auto& annual = w.results().method2.annualResults;
    if (capacity == QStringLiteral("step 9")) {
        capacity = QString::number(annual[9].CapacityKW, 'g', 17);
        sentence = QStringLiteral("Simple payback for a 111 kW CHP system is %1 years")
                       .arg(annual[9].SimplePayback, 0, 'f', 2);
    } else if (capacity == QStringLiteral("mid 9 10")) {
        const double mid = (annual[9].CapacityKW + annual[10].CapacityKW) / 2;
        capacity = QString::number(mid, 'f', 9);
        // 117.47 kW, written without decimals.
        sentence = QStringLiteral("Simple payback for a 117 kW CHP system is %1 years")
                       .arg((annual[9].SimplePayback + annual[10].SimplePayback) / 2, 0, 'f', 2);
    }
    QLineEdit* box = dialog->findChild<QLineEdit*>(QStringLiteral("txtSpecifiedCapacity"));
    box->setText(capacity);
    dialog->btnRunCapacity_Click();
    QCOMPARE(dialog->simplePaybackCaption(), sentence);
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblSimplePayback"))->text(), sentence);
    QVERIFY(w.watchdog.seen().isEmpty());
}

void TestCharts::dialogMarksTheSpecifiedPoint() {
    SampleWindow w;
    w.viewPaybackGraph();
    frmSpecifyCapacity* dialog = w.dialog();
    QChart* chart = dialog->chart();
    QCOMPARE(chart->title(), QStringLiteral("Simple Payback"));
    QCOMPARE(chart->titleFont().pointSizeF(), 10.0);
    const auto& annual = w.results().method2.annualResults;

    QLineSeries* curve = nullptr;
    QScatterSeries* point = nullptr;
    for (QAbstractSeries* s : chart->series()) {
        if (auto* scatter = qobject_cast<QScatterSeries*>(s)) {
            point = scatter;
        } else if (auto* line = qobject_cast<QLineSeries*>(s)) {
            curve = line;
        }
    }
    QVERIFY(curve && point);
    QVERIFY(!curve->pointsVisible());
    QCOMPARE(point->color(), QColor(255, 0, 0));
    // The curve holds the steps under 100 years, in step order.
    QList<QPointF> expected;
    for (const Method2Annual& a : annual) {
        if (a.SimplePayback < 100) {
            expected << QPointF(a.CapacityKW, a.SimplePayback);
        }
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(curve->points(), expected);
    const QList<QAbstractAxis*> horizontal = chart->axes(Qt::Horizontal);
    const QList<QAbstractAxis*> vertical = chart->axes(Qt::Vertical);
    QCOMPARE(horizontal.size(), 1);
    QCOMPARE(vertical.size(), 1);
    QCOMPARE(horizontal[0]->titleText(), QStringLiteral("Capacity (kW)"));
    QCOMPARE(vertical[0]->titleText(), QStringLiteral("Years"));
    auto* x = qobject_cast<QValueAxis*>(horizontal[0]);
    auto* y = qobject_cast<QValueAxis*>(vertical[0]);

    // Outside the sweep: the point (capacity, 0), inside the rescaled axes.
    dialog->findChild<QLineEdit*>(QStringLiteral("txtSpecifiedCapacity"))
        ->setText(QStringLiteral("5000"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnRunCapacity")),
                      Qt::LeftButton);
    QCOMPARE(point->points(), QList<QPointF>{QPointF(5000, 0)});
    QVERIFY(x->max() >= 5000);
    QVERIFY(y->max() > y->min());
    QCOMPARE(curve->points(), expected);

    // On step 9 the point lies on the curve.
    const double capacity9 = annual[9].CapacityKW;
    dialog->findChild<QLineEdit*>(QStringLiteral("txtSpecifiedCapacity"))
        ->setText(QString::number(capacity9, 'f', 12));
    dialog->btnRunCapacity_Click();
    QCOMPARE(point->points().size(), 1);
    QCOMPARE(point->points()[0].y(), annual[9].SimplePayback);
    QVERIFY(x->max() >= annual[20].CapacityKW || annual[20].SimplePayback >= 100);
    dialog->btnExit_Click();
    QVERIFY(w.watchdog.seen().isEmpty());
}

void TestCharts::returnCopiesTheCapacityUntilTheNextRecalculation() {
    SampleWindow w;
    w.viewPaybackGraph();
    frmSpecifyCapacity* dialog = w.dialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("txtSpecifiedCapacity"))
        ->setText(QStringLiteral("250"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnExit")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    auto* capacityBox = w.find<QLineEdit>(QStringLiteral("txtCapacityIteration"));
    QCOMPARE(capacityBox->text(), QStringLiteral("250"));
    QCOMPARE(w.window.session().inputs().CapacityIteration, std::string("250"));

    // The next recalculation writes the Method 2 capacity into both boxes again.
    w.enter(QStringLiteral("txtEnergyCharge"), QStringLiteral("0.0444"));
    QCOMPARE(capacityBox->text(), QStringLiteral("110"));
    QCOMPARE(dialog->specifiedCapacity(), QStringLiteral("110"));
    QVERIFY(w.watchdog.seen().isEmpty());
}

void TestCharts::exitClosesTheDialog() {
    SampleWindow w;
    w.viewPaybackGraph();
    QVERIFY(w.dialog()->isVisible());
    w.dialogs->saveChangesAnswers.push_back(FileDialogs::SaveChanges::Discard);
    w.window.mnuFExit_Click();
    QVERIFY(!w.dialog()->isVisible());
    QVERIFY(!w.window.isVisible());
    QVERIFY(w.watchdog.seen().isEmpty());
}

} // namespace plenara

QTEST_MAIN(plenara::TestCharts)
#include "test_charts.moc"
