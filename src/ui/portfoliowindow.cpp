#include "ui/portfoliowindow.h"

#include "portfolio/portfolioreader.h"
#include "ui/filedialogs.h"
#include "ui/portfolioresultsmodel.h"
#include "ui/portfoliosortmodel.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace plenara {

namespace {

// How often the window takes the rows that the screening has made.
constexpr int kPollMilliseconds = 100;
constexpr int kProgressSteps = 1000;

const QString kInputFilters = QStringLiteral(
    "Project Files and CSV Files (*.TAV *.tav *.csv)|*.TAV *.tav *.csv|All Files (*.*)|*.*");

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

PortfolioWindow::PortfolioWindow(const ClimateTable& climate, const EmissionData& emissions,
                                 FileDialogs& dialogs, OpenBuilding openBuilding, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_climate(climate)
    , m_emissions(emissions)
    , m_dialogs(dialogs)
    , m_openBuilding(std::move(openBuilding))
    , m_chooseFolder([](QWidget* owner) {
        return QFileDialog::getExistingDirectory(owner, QStringLiteral("Add a Folder"));
    })
    , m_inputs(new QListWidget(this))
    , m_screen(button(QStringLiteral("&Screen"), QStringLiteral("btnScreen"), this))
    , m_cancel(button(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), this))
    , m_open(button(QStringLiteral("&Open"), QStringLiteral("btnOpen"), this))
    , m_exportCsv(button(QStringLiteral("Export &CSV..."), QStringLiteral("btnExportCsv"), this))
    , m_exportXlsx(button(QStringLiteral("Export &XLSX..."), QStringLiteral("btnExportXlsx"), this))
    , m_progress(new QProgressBar(this))
    , m_status(new QLabel(this))
    , m_model(new PortfolioResultsModel(this))
    , m_sorted(new PortfolioSortModel(this))
    , m_table(new QTableView(this)) {
    setObjectName(QStringLiteral("frmPortfolio"));
    setWindowTitle(QStringLiteral("Screen a Portfolio"));
    m_inputs->setObjectName(QStringLiteral("lstInputs"));
    m_progress->setObjectName(QStringLiteral("barProgress"));
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_table->setObjectName(QStringLiteral("tblResults"));

    auto* addFiles = button(QStringLiteral("Add &Files..."), QStringLiteral("btnAddFiles"), this);
    auto* addFolder =
        button(QStringLiteral("Add Fol&der..."), QStringLiteral("btnAddFolder"), this);
    auto* clear = button(QStringLiteral("C&lear"), QStringLiteral("btnClearInputs"), this);
    m_inputs->setMaximumHeight(90);
    m_inputs->setToolTip(QStringLiteral(
        "Project files (*.TAV), folders of them, folders that hold buildings.csv and bills.csv, "
        "or the two CSV files"));

    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(PortfolioResultsModel::SortRole);
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder); // input order until a header is clicked
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionsMovable(true);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_progress->setRange(0, kProgressSteps);
    m_progress->setValue(0);
    // The notes name files, columns and ids and can run long: they wrap, and a path without
    // blanks is cut at the edge (whole in the tooltip), rather than widening the window and
    // pushing the buttons beside them off the screen.
    m_status->setWordWrap(true);
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // What a first-time user needs before the first run.
    m_status->setText(QStringLiteral(
        "Add project files (*.TAV) or a folder of them, or buildings.csv with bills.csv (or the "
        "folder that holds them), then click Screen."));

    auto* inputButtons = new QVBoxLayout;
    inputButtons->addWidget(addFiles);
    inputButtons->addWidget(addFolder);
    inputButtons->addWidget(clear);
    inputButtons->addStretch();
    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(m_inputs, 1);
    inputRow->addLayout(inputButtons);

    auto* runRow = new QHBoxLayout;
    runRow->addWidget(m_screen);
    runRow->addWidget(m_cancel);
    runRow->addWidget(m_progress, 1);

    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(m_status, 1);
    resultRow->addWidget(m_open);
    resultRow->addWidget(m_exportCsv);
    resultRow->addWidget(m_exportXlsx);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputRow);
    layout->addLayout(runRow);
    layout->addWidget(m_table, 1);
    layout->addLayout(resultRow);

    connect(addFiles, &QPushButton::clicked, this, &PortfolioWindow::addFiles);
    connect(addFolder, &QPushButton::clicked, this, &PortfolioWindow::addFolder);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_inputs->clear();
        updateControls();
    });
    connect(m_screen, &QPushButton::clicked, this, &PortfolioWindow::start);
    connect(m_cancel, &QPushButton::clicked, this, &PortfolioWindow::cancel);
    // Esc as in a dialog: it stops a screening that runs, else it closes the window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (isRunning()) {
            cancel();
        } else {
            close();
        }
    });
    connect(m_open, &QPushButton::clicked, this, [this] {
        const QModelIndexList selected = m_table->selectionModel()->selectedRows();
        if (!selected.isEmpty()) {
            openRow(selected.front().row());
        }
    });
    connect(m_table, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openRow(index.row()); });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PortfolioWindow::updateControls);
    connect(m_exportCsv, &QPushButton::clicked, this,
            [this] { exportWithDialog(ResultFileFormat::Csv); });
    connect(m_exportXlsx, &QPushButton::clicked, this,
            [this] { exportWithDialog(ResultFileFormat::Xlsx); });
    connect(&m_poll, &QTimer::timeout, this, &PortfolioWindow::takeRows);

    resize(1100, 600);
    updateControls();
}

PortfolioWindow::~PortfolioWindow() {
    m_cancelRequested = true;
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

void PortfolioWindow::setInputs(const QStringList& inputs) {
    m_inputs->clear();
    m_inputs->addItems(inputs);
    updateControls();
}

QStringList PortfolioWindow::inputs() const {
    QStringList list;
    for (int i = 0; i < m_inputs->count(); ++i) {
        list << m_inputs->item(i)->text();
    }
    return list;
}

void PortfolioWindow::addFiles() {
    // buildings.csv and bills.csv are chosen together, as a pair.
    const QStringList paths = m_dialogs.openFileNames(this, {}, kInputFilters);
    if (!paths.isEmpty()) {
        m_inputs->addItems(paths);
        updateControls();
    }
}

void PortfolioWindow::addFolder() {
    const QString path = m_chooseFolder(this);
    if (!path.isEmpty()) {
        m_inputs->addItem(path);
        updateControls();
    }
}

void PortfolioWindow::start() {
    if (isRunning() || m_inputs->count() == 0) {
        return;
    }
    std::vector<std::string> paths;
    for (const QString& input : inputs()) {
        paths.push_back(input.toStdString());
    }
    // Each building of an input listed twice would fail as a duplicate of itself.
    if (const auto repeated = repeatedInput(paths)) {
        const QString input = inputs().at(static_cast<int>(repeated->input));
        const QString earlier = inputs().at(static_cast<int>(repeated->earlier));
        m_status->setText(
            repeated->inFolder
                ? QStringLiteral("\"%1\" and \"%2\" screen the same files: one "
                                 "is a folder that holds the other. Remove one of them.")
                      .arg(QDir::toNativeSeparators(earlier), QDir::toNativeSeparators(input))
                : QStringLiteral("\"%1\" is listed twice. Remove one of them.")
                      .arg(QDir::toNativeSeparators(input)));
        return;
    }
    m_model->clear();
    m_table->sortByColumn(-1, Qt::AscendingOrder);
    m_progress->setValue(0);
    m_status->setText(QStringLiteral("Screening..."));
    m_status->setToolTip({});
    m_cancelRequested = false;
    m_done = false;
    m_ready.clear();
    m_fraction = 0.0;
    m_summary = {};
    m_notes.clear();
    m_started = std::chrono::steady_clock::now();

    // One thread of the window's own, which leaves the others of the machine to the
    // screening: the window thread only takes rows and draws.
    m_worker = std::thread([this, paths = std::move(paths)] {
        PortfolioReader reader(paths, m_climate);
        ScreenSettings settings;
        settings.cancel = &m_cancelRequested;
        const ScreenSummary summary = screenPortfolio(
            reader, m_climate, m_emissions, settings,
            [this](const ScreenRow& row) {
                const std::lock_guard lock(m_mutex);
                m_ready.push_back(row);
            },
            [this](double fraction, const ScreenSummary& so) {
                const std::lock_guard lock(m_mutex);
                m_fraction = fraction;
                m_summary = so;
            });
        const std::lock_guard lock(m_mutex);
        m_summary = summary;
        m_notes = reader.takeNotes();
        m_done = true;
    });
    m_poll.start(kPollMilliseconds);
    updateControls();
}

void PortfolioWindow::cancel() {
    m_cancelRequested = true;
}

void PortfolioWindow::takeRows() {
    std::vector<ScreenRow> rows;
    double fraction = 0.0;
    ScreenSummary summary;
    bool done = false;
    std::vector<std::string> notes;
    {
        const std::lock_guard lock(m_mutex);
        rows.swap(m_ready);
        fraction = m_fraction;
        summary = m_summary;
        done = m_done;
        notes = m_notes;
    }
    m_model->append(std::move(rows));
    m_progress->setValue(static_cast<int>(fraction * kProgressSteps));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count();
    QString status = QStringLiteral("%1 screened, %2 failed in %3 s")
                         .arg(summary.screened)
                         .arg(summary.failed)
                         .arg(seconds, 0, 'f', 1);
    if (!done) {
        m_status->setText(status);
        return;
    }
    m_poll.stop();
    m_worker.join();
    m_finalSummary = summary;
    if (summary.cancelled) {
        status += QStringLiteral("; cancelled");
    } else {
        m_progress->setValue(kProgressSteps);
    }
    for (const std::string& note : notes) {
        status += QStringLiteral("\n") + QString::fromStdString(note);
    }
    m_status->setText(status);
    m_status->setToolTip(notes.empty() ? QString() : status);
    m_table->resizeColumnsToContents();
    updateControls();
    emit finished();
}

void PortfolioWindow::updateControls() {
    const bool running = isRunning();
    m_screen->setEnabled(!running && m_inputs->count() > 0);
    m_cancel->setEnabled(running);
    const bool haveRows = m_model->rowCount() > 0;
    m_exportCsv->setEnabled(!running && haveRows);
    m_exportXlsx->setEnabled(!running && haveRows);
    m_open->setEnabled(m_table->selectionModel()->hasSelection());
}

void PortfolioWindow::openRow(int row) {
    if (row < 0 || row >= m_sorted->rowCount()) {
        return;
    }
    const int source = m_sorted->mapToSource(m_sorted->index(row, 0)).row();
    m_openBuilding(m_model->row(source).origin);
}

QString PortfolioWindow::exportTo(const QString& path, ResultFileFormat format) const {
    std::string problem;
    std::unique_ptr<ResultWriter> writer = fileResultWriter(path.toStdString(), format, problem);
    if (!writer) {
        return QString::fromStdString(problem);
    }
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        writer->write(m_model->row(m_sorted->mapToSource(m_sorted->index(row, 0)).row()));
    }
    return QString::fromStdString(writer->finish());
}

void PortfolioWindow::exportWithDialog(ResultFileFormat format) {
    const bool csv = format == ResultFileFormat::Csv;
    const QString path = m_dialogs.saveFileName(
        this, {}, csv ? QStringLiteral("results.csv") : QStringLiteral("results.xlsx"),
        csv ? QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*")
            : QStringLiteral("Excel Workbooks (*.xlsx)|*.xlsx|All Files (*.*)|*.*"));
    if (path.isEmpty()) {
        return;
    }
    if (const QString problem = exportTo(path, format); !problem.isEmpty()) {
        m_dialogs.showError(this, problem);
    }
}

} // namespace plenara
