#include "ui/sensitivitytab.h"

#include "output/tornadochart.h"
#include "project/projectsession.h"
#include "sensitivity/sensitivitytext.h"
#include "ui/chartexport.h"
#include "ui/helpcontexts.h"
#include "ui/inputbox.h"
#include "ui/inputfields.h"
#include "ui/paybackhistogramview.h"
#include "ui/resultwidgets.h"
#include "ui/tornadochartview.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QTableWidget>
#include <QVBoxLayout>

namespace plenara {

namespace {

// How long an edit waits for its figures before the window goes on without them; a change to
// the tab, which shows figures that may be many edits old, waits longer.
constexpr std::chrono::milliseconds kSameFrame{10};
constexpr std::chrono::milliseconds kTabShown{250};

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidget* table(const char* name, const QStringList& rows, const QStringList& columns,
                    QWidget* parent) {
    auto* t =
        new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setVerticalHeaderLabels(rows);
    t->setHorizontalHeaderLabels(columns);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    // Sized to the contents once per update (fitTable), not at each of its cells.
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    for (int r = 0; r < t->rowCount(); ++r) {
        for (int c = 0; c < t->columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(r, c, item);
        }
    }
    return t;
}

// Measuring every cell lays out all of its text: a table is fitted anew only when a text of
// it changed its length (digits are all alike wide).
constexpr const char* kNeedsFit = "needsFit";

void changeText(QTableWidget* t, QTableWidgetItem* item, const QString& text) {
    if (item->text() == text) {
        return;
    }
    if (item->text().size() != text.size()) {
        t->setProperty(kNeedsFit, true);
    }
    item->setText(text);
}

void fitTable(QTableWidget* t) {
    if (t->property(kNeedsFit).toBool()) {
        t->resizeColumnsToContents();
        t->resizeRowsToContents();
        // A table beside a chart keeps its width whole: a narrow window shrinks the chart (or
        // scrolls the tab) rather than cutting off the last column of a large project's figures.
        // The row heads' own hint: their widget takes its width only at the next layout. The
        // width only grows: a table that narrowed and widened again with each price typed would
        // lay the charts beside it out anew every time.
        const int width = t->verticalHeader()->sizeHint().width() +
                          t->horizontalHeader()->length() + 2 * t->frameWidth();
        if (width > t->minimumWidth()) {
            t->setMinimumWidth(width);
        }
        t->setProperty(kNeedsFit, false);
    }
}

void setHeaderLabels(QTableWidget* t, Qt::Orientation orientation, const QStringList& labels) {
    for (int i = 0; i < labels.size(); ++i) {
        QTableWidgetItem* item =
            orientation == Qt::Horizontal ? t->horizontalHeaderItem(i) : t->verticalHeaderItem(i);
        if (item) {
            changeText(t, item, labels[i]);
        }
    }
}

void setBackground(QTableWidget* t, int row, int column, const QColor& colour) {
    QTableWidgetItem* item = t->item(row, column);
    if (item->background().color() != colour) {
        item->setBackground(colour);
    }
}

void setCell(QTableWidget* t, int row, int column, const std::string& text) {
    changeText(t, t->item(row, column), fromStd(text));
}

// What the break-even energy charges are: a price for the energy-charge box, unlike the
// tornado's and the grid's, which move the fuel adjustment along. On a second line of the row
// head, so that the table stays as narrow as the others in its column.
QString boxAlone() {
    return QStringLiteral("the box alone, fuel adjustment kept");
}

// Green for a payback at or below the target, through yellow, to red at three times the target
// and for no payback at all.
QColor paybackColour(double years, double target) {
    if (!hasPayback(years)) {
        return QColor(230, 110, 100);
    }
    const double share = std::clamp((years - target / 2.0) / (2.5 * target), 0.0, 1.0);
    const int hue = static_cast<int>(std::lround(120.0 * (1.0 - share)));
    return QColor::fromHsv(hue, 110, 240);
}

} // namespace

SensitivityTab::SensitivityTab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent) {
    setObjectName(QStringLiteral("tabSensitivity"));
    setProperty("helpContext", helpcontext::Sensitivity);
    QWidget* contents = scrolledContents(this);

    m_tornado = new TornadoChartView(contents);
    m_tornado->setToolTip(QStringLiteral(
        "The simple payback with each input alone moved by -X % and +X %; the widest bar "
        "matters most"));
    m_histogram = new PaybackHistogramView(contents);
    m_histogram->setToolTip(
        QStringLiteral("How the paybacks of the Monte Carlo draws spread for the chosen method"));
    addChartMenu(m_tornado, [this] { emit chartSaveRequested(m_tornado); });
    addChartMenu(m_histogram, [this] { emit chartSaveRequested(m_histogram); });

    // The net present values at the bar ends sit under the tornado chart, beside the
    // histogram, where the tables on the right leave room.
    auto* below = new QHBoxLayout;
    below->addWidget(m_histogram, 1);
    below->addWidget(createTornadoNpvFrame(contents), 0, Qt::AlignTop);
    auto* charts = new QVBoxLayout;
    charts->addWidget(m_tornado, 3);
    charts->addLayout(below, 2);
    auto* body = new QHBoxLayout;
    body->addLayout(charts, 1);
    body->addWidget(createTablesFrame(), 0, Qt::AlignTop);
    auto* page = new QVBoxLayout(contents);
    page->addWidget(createInputsFrame());
    page->addLayout(body, 1);

    setTabChain({m_txtSensitivityPercent, m_txtTargetPayback, m_txtDraws, m_cmbSensitivityMethod});

    // Results come on the worker's thread; they are shown on the window's.
    m_worker = std::make_unique<SensitivityWorker>(
        [this](std::uint64_t run, std::shared_ptr<const SensitivityResults> results) {
            QMetaObject::invokeMethod(
                this, [this, run, results] { showResults(run, results); }, Qt::QueuedConnection);
        });
    refresh();
}

SensitivityTab::~SensitivityTab() {
    // Stop the worker before the widgets it reports to are gone.
    m_worker.reset();
}

InputBox* SensitivityTab::tabBox(const char* name, std::string SensitivityInputs::*field,
                                 int digits) {
    // The window gives every input its tooltip (inputToolTip).
    InputBox* box = numberBox(QString::fromLatin1(name), this);
    setWidthInCharacters(box, digits);
    connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        m_session.inputs().Sensitivity.*field = text.toStdString();
        emit inputEdited();
    });
    connect(box, &InputBox::left, this, &ProjectTab::recalculationRequested);
    return box;
}

QWidget* SensitivityTab::createInputsFrame() {
    auto* frame = new QGroupBox(QStringLiteral("What-if settings"), this);
    frame->setObjectName(QStringLiteral("fraSensitivitySettings"));
    m_txtSensitivityPercent = tabBox("txtSensitivityPercent", &SensitivityInputs::Percent, 5);
    m_txtTargetPayback = tabBox("txtTargetPayback", &SensitivityInputs::TargetPayback, 5);
    m_txtDraws = tabBox("txtMonteCarloDraws", &SensitivityInputs::Draws, 6);
    m_cmbSensitivityMethod = new QComboBox(frame);
    m_cmbSensitivityMethod->setObjectName(QStringLiteral("cmbSensitivityMethod"));
    m_cmbSensitivityMethod->addItems(
        {QStringLiteral("Method 1"), QStringLiteral("Method 2"), QStringLiteral("Method 3")});
    connect(m_cmbSensitivityMethod, &QComboBox::activated, this, [this](int index) {
        m_session.inputs().Sensitivity.Method = index + 1;
        emit recalculationRequested();
    });
    m_lblStatus = new QLabel(frame);
    m_lblStatus->setObjectName(QStringLiteral("lblSensitivityStatus"));

    auto* row = new QHBoxLayout(frame);
    const auto add = [&](const char16_t* caption, QWidget* box, const char16_t* unit) {
        row->addWidget(captionLabel(QString::fromUtf16(caption), frame));
        row->addWidget(box);
        if (unit) {
            row->addWidget(captionLabel(QString::fromUtf16(unit), frame));
        }
        row->addSpacing(12);
    };
    add(u"Vary each input by \u00b1", m_txtSensitivityPercent, u"%");
    add(u"Target payback", m_txtTargetPayback, u"years");
    add(u"Monte Carlo draws", m_txtDraws, nullptr);
    add(u"Tornado and histogram of", m_cmbSensitivityMethod, nullptr);
    row->addWidget(m_lblStatus, 1);
    return frame;
}

QWidget* SensitivityTab::createTornadoNpvFrame(QWidget* parent) {
    // The rows follow the tornado's bars, whose number depends on the project's fuels.
    m_fraTornadoNpv = new QGroupBox(QStringLiteral("NPV at the bar ends"), parent);
    m_fraTornadoNpv->setObjectName(QStringLiteral("fraTornadoNpv"));
    m_tblTornadoNpv = table("tblTornadoNpv", {}, {QString(), QString()}, m_fraTornadoNpv);
    m_tblTornadoNpv->setToolTip(QStringLiteral(
        "The net present value over the life-cycle inputs with each input of the tornado chart "
        "alone at -X % and +X %; \"n/a\" where the method has none"));
    (new QVBoxLayout(m_fraTornadoNpv))->addWidget(m_tblTornadoNpv);
    return m_fraTornadoNpv;
}

QWidget* SensitivityTab::createTablesFrame() {
    auto* frame = new QWidget(this);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);
    const QStringList methods = {QStringLiteral("Method 1"), QStringLiteral("Method 2"),
                                 QStringLiteral("Method 3")};

    auto* breakEven = new QGroupBox(QStringLiteral("Break-even prices"), frame);
    m_tblBreakEven =
        table("tblBreakEven",
              {QStringLiteral("Gas price for the target"), QStringLiteral("Gas price, no savings"),
               QStringLiteral("Energy charge for the target:\n") + boxAlone(),
               QStringLiteral("Energy charge, no savings:\n") + boxAlone()},
              methods, breakEven);
    m_tblBreakEven->setToolTip(QStringLiteral(
        "The price at which the payback equals the target, and at which the method stops "
        "saving; \"none in range\" when no price from 0 to 10 times today's gives it. The "
        "energy charge is that of its box alone: the fuel adjustment charge stays as it is"));
    (new QVBoxLayout(breakEven))->addWidget(m_tblBreakEven);
    column->addWidget(breakEven);

    auto* spark = new QGroupBox(QStringLiteral("Spark spread"), frame);
    m_lblSparkSpread = new QLabel(spark);
    m_lblSparkSpread->setObjectName(QStringLiteral("lblSparkSpread"));
    m_lblSparkSpread->setToolTip(QStringLiteral(
        "Average cost of purchased power in $/MMBtu less the gas price: what a unit of gas is "
        "worth more as bought power"));
    m_lblGenerationMargin = new QLabel(spark);
    m_lblGenerationMargin->setObjectName(QStringLiteral("lblGenerationMargin"));
    m_lblGenerationMargin->setToolTip(QStringLiteral(
        "Power cost per MWh less the gas and O&M of Method 2's gen-set per MWh: what a MWh made "
        "on site saves before any recovered heat"));
    auto* sparkRows = new QVBoxLayout(spark);
    sparkRows->addWidget(m_lblSparkSpread);
    sparkRows->addWidget(m_lblGenerationMargin);
    column->addWidget(spark);

    auto* grid = new QGroupBox(
        QStringLiteral("Method 2 payback (years): gas price down, energy charge across"), frame);
    m_fraGrid = grid;
    QStringList steps;
    for (int p = -40; p <= 40; p += 20) {
        steps << QStringLiteral("%1%2 %").arg(p > 0 ? QStringLiteral("+") : QString()).arg(p);
    }
    m_tblGrid = table("tblPaybackGrid", steps, steps, grid);
    m_tblGrid->setToolTip(QStringLiteral(
        "Rows: gas price; columns: energy charge with the fuel adjustment. Green is a payback "
        "at or below the target, shading through yellow to red at three times the target or "
        "no payback"));
    (new QVBoxLayout(grid))->addWidget(m_tblGrid);
    column->addWidget(grid);

    auto* monteCarlo = new QGroupBox(QStringLiteral("Monte Carlo"), frame);
    m_tblMonteCarlo = table("tblMonteCarlo", methods,
                            {QStringLiteral("P10"), QStringLiteral("P50"), QStringLiteral("P90"),
                             QStringLiteral("no payback"), QStringLiteral("NPV P10"),
                             QStringLiteral("NPV P50"), QStringLiteral("NPV P90")},
                            monteCarlo);
    m_tblMonteCarlo->setToolTip(QStringLiteral(
        "Simple payback in years that 10 %, 50 % and 90 % of the draws do not exceed, all "
        "inputs moving together; the share of draws with no payback; and the same percentiles "
        "of the net present value over the life-cycle inputs"));
    (new QVBoxLayout(monteCarlo))->addWidget(m_tblMonteCarlo);
    column->addWidget(monteCarlo);
    column->addStretch(1);
    return frame;
}

void SensitivityTab::refresh() {
    const SensitivityInputs& in = m_session.inputs().Sensitivity;
    m_txtSensitivityPercent->showText(fromStd(in.Percent));
    m_txtTargetPayback->showText(fromStd(in.TargetPayback));
    m_txtDraws->showText(fromStd(in.Draws));
    m_cmbSensitivityMethod->setCurrentIndex(std::clamp(in.Method, 1, 3) - 1);
    // The figures follow every recalculation; while the tab is hidden they wait until it shows.
    m_stale = true;
    if (isVisible()) {
        startRun();
        m_awaiting = true;
    }
}

void SensitivityTab::showStartedRun() {
    if (m_awaiting) {
        m_awaiting = false;
        awaitRun(kSameFrame);
    }
}

void SensitivityTab::showEvent(QShowEvent* event) {
    ProjectTab::showEvent(event);
    if (m_stale) {
        startRun();
        awaitRun(kTabShown);
    }
}

void SensitivityTab::startRun() {
    m_stale = false;
    SensitivityOptions options = sensitivityOptions(m_session.inputs().Sensitivity);
    // One core is left to the window, which paints while the figures and draws are made.
    options.threads = std::max(1, static_cast<int>(std::thread::hardware_concurrency()) - 1);
    m_startedRun =
        m_worker->start(m_session.inputs(), m_session.climate(), m_session.state(), options);
}

void SensitivityTab::awaitRun(std::chrono::milliseconds wait) {
    // All but the draws takes a millisecond or two: shown within the frame of the edit, the
    // figures never flash their old values. The Monte Carlo follows when its draws are made.
    if (auto results = m_worker->waitFor(m_startedRun, wait)) {
        showResults(m_startedRun, std::move(results));
        return;
    }
    m_lblStatus->setText(QStringLiteral("Updating..."));
}

void SensitivityTab::showResults(std::uint64_t run,
                                 std::shared_ptr<const SensitivityResults> results) {
    // A run that a newer one has overtaken describes inputs that are gone; a run shown
    // already is not shown twice.
    const bool complete = results->monteCarlo.has_value();
    if (run != m_startedRun || run == m_shownRun || (!complete && run == m_shownFiguresRun)) {
        return;
    }
    m_results = std::move(results);
    if (complete) {
        m_shownRun = run;
        if (run == m_shownFiguresRun) {
            // The other figures of this run are on the screen already.
            showMonteCarlo(*m_results);
            return;
        }
    }
    m_shownFiguresRun = run;
    const SensitivityResults& r = *m_results;
    const std::string& unit = r.gasPriceUnit;

    const TornadoChartData chart = tornadoChartData(r);
    m_tornado->showData(chart);
    showTornadoNpv(r, chart);

    for (int m = 0; m < 3; ++m) {
        const MethodBreakEven& b = r.breakEven[static_cast<std::size_t>(m)];
        setCell(m_tblBreakEven, 0, m,
                breakEvenText(b.gasPriceForTarget, BreakEvenPrice::GasPrice, unit));
        setCell(m_tblBreakEven, 1, m,
                breakEvenText(b.gasPriceNoSavings, BreakEvenPrice::GasPrice, unit));
        setCell(m_tblBreakEven, 2, m,
                breakEvenText(b.energyChargeForTarget, BreakEvenPrice::EnergyCharge, unit));
        setCell(m_tblBreakEven, 3, m,
                breakEvenText(b.energyChargeNoSavings, BreakEvenPrice::EnergyCharge, unit));
    }
    setHeaderLabels(m_tblBreakEven, Qt::Vertical,
                    {QStringLiteral("Gas price for %1 years ($%2)")
                         .arg(QString::number(r.options.targetPaybackYears, 'g', 4), fromStd(unit)),
                     QStringLiteral("Gas price, no savings ($%1)").arg(fromStd(unit)),
                     QStringLiteral("Energy charge for %1 years ($/kWh):\n%2")
                         .arg(QString::number(r.options.targetPaybackYears, 'g', 4), boxAlone()),
                     QStringLiteral("Energy charge, no savings ($/kWh):\n%1").arg(boxAlone())});

    const SparkSpreadTexts s = sparkSpreadTexts(r.sparkSpread);
    m_lblSparkSpread->setText(
        QStringLiteral("Spark spread: %1/MMBtu (power %2/kWh x 293.07 less gas %3/MMBtu)")
            .arg(fromStd(s.sparkSpread), fromStd(s.powerCost), fromStd(s.gasPrice)));
    m_lblGenerationMargin->setText(
        QStringLiteral("Generation margin: %1/MWh (%2heat rate %3 MMBtu/MWh, O&M %4/MWh)")
            .arg(fromStd(s.generationMargin),
                 r.sparkSpread.method2BuysNone
                     ? QStringLiteral("Method 2 buys none, as no size saves; at 1 kW: ")
                     : QString(),
                 fromStd(s.heatRate), fromStd(s.om)));

    QStringList gasHeads;
    QStringList energyHeads;
    for (std::size_t i = 0; i < kGridSize; ++i) {
        // Each head says both how far the price moved and what it then is; the units stand
        // in the title, so that the columns stay narrow enough for the tab.
        const double percent = r.grid.percents[i];
        const QString step = QStringLiteral("%1%2 %").arg(
            percent > 0 ? QStringLiteral("+") : QString(), QString::number(percent, 'g', 4));
        gasHeads << step + QStringLiteral("  ") +
                        fromStd(uncertainValueText(UncertainInput::GasPrice, r.grid.gasPrices[i],
                                                   unit));
        energyHeads << step + QLatin1Char('\n') +
                           fromStd(uncertainValueText(UncertainInput::EnergyCharge,
                                                      r.grid.energyCharges[i], unit));
        for (std::size_t e = 0; e < kGridSize; ++e) {
            const double years = r.grid.method2PaybackYears[i][e];
            setCell(m_tblGrid, int(i), int(e), paybackYearsText(years));
            setBackground(m_tblGrid, int(i), int(e),
                          paybackColour(years, r.options.targetPaybackYears));
        }
    }
    m_fraGrid->setTitle(QStringLiteral("Method 2 payback (years): gas price ($%1) down, energy "
                                       "charge ($/kWh) across")
                            .arg(fromStd(unit)));
    setHeaderLabels(m_tblGrid, Qt::Vertical, gasHeads);
    setHeaderLabels(m_tblGrid, Qt::Horizontal, energyHeads);

    for (QTableWidget* t : {m_tblTornadoNpv, m_tblBreakEven, m_tblGrid}) {
        fitTable(t);
    }
    if (complete) {
        showMonteCarlo(r);
    } else {
        m_lblStatus->setText(QStringLiteral("Monte Carlo: making the draws..."));
        emit resultsShown();
    }
}

void SensitivityTab::showTornadoNpv(const SensitivityResults& r, const TornadoChartData& chart) {
    const auto m = static_cast<std::size_t>(r.options.method - 1);
    const std::vector<TornadoRow>& rows = r.tornado[m];
    m_fraTornadoNpv->setTitle(QStringLiteral("Method %1 NPV at the bar ends (%2)")
                                  .arg(r.options.method)
                                  .arg(fromStd("today " + tornadoNpvText(r.base.npv[m]))));
    const int count = static_cast<int>(rows.size());
    if (m_tblTornadoNpv->rowCount() != count) {
        const int before = m_tblTornadoNpv->rowCount();
        m_tblTornadoNpv->setRowCount(count);
        for (int i = before; i < count; ++i) {
            m_tblTornadoNpv->setVerticalHeaderItem(i, new QTableWidgetItem);
            for (int c = 0; c < 2; ++c) {
                auto* item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_tblTornadoNpv->setItem(i, c, item);
            }
        }
        m_tblTornadoNpv->setProperty(kNeedsFit, true);
    }
    // "input -20 %" without its first word, which the row heads say.
    const auto head = [](const std::string& legend) {
        return fromStd(legend.substr(legend.find(' ') + 1));
    };
    setHeaderLabels(m_tblTornadoNpv, Qt::Horizontal,
                    {head(chart.lowLegend), head(chart.highLegend)});
    QStringList inputs;
    for (int i = 0; i < count; ++i) {
        const TornadoRow& row = rows[static_cast<std::size_t>(i)];
        inputs << fromStd(uncertainInputCaption(row.input, r.gasPriceUnit));
        setCell(m_tblTornadoNpv, i, 0, tornadoNpvText(row.lowNpv));
        setCell(m_tblTornadoNpv, i, 1, tornadoNpvText(row.highNpv));
    }
    setHeaderLabels(m_tblTornadoNpv, Qt::Vertical, inputs);
}

void SensitivityTab::showMonteCarlo(const SensitivityResults& r) {
    m_lblStatus->setText(QStringLiteral("%1 recalculations").arg(r.recalculations));
    if (r.monteCarlo) {
        const MonteCarloResults& mc = *r.monteCarlo;
        for (int m = 0; m < 3; ++m) {
            const PaybackSpread& p = mc.methods[static_cast<std::size_t>(m)];
            setCell(m_tblMonteCarlo, m, 0, paybackYearsText(p.p10));
            setCell(m_tblMonteCarlo, m, 1, paybackYearsText(p.p50));
            setCell(m_tblMonteCarlo, m, 2, paybackYearsText(p.p90));
            setCell(m_tblMonteCarlo, m, 3, shareText(p.noPaybackShare));
            const NpvSpread& npv = mc.npv[static_cast<std::size_t>(m)];
            setCell(m_tblMonteCarlo, m, 4, npvText(npv.p10));
            setCell(m_tblMonteCarlo, m, 5, npvText(npv.p50));
            setCell(m_tblMonteCarlo, m, 6, npvText(npv.p90));
        }
        m_histogram->showHistogram(mc.histogramMethod, mc.histogram, mc.draws);
    }
    fitTable(m_tblMonteCarlo);
    emit resultsShown();
}

} // namespace plenara
