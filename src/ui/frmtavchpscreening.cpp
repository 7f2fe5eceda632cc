#include "ui/frmtavchpscreening.h"

#include "engine/formatpattern.h"
#include "output/reportcomposer.h"
#include "project/datapaths.h"
#include "ui/comparisontab.h"
#include "ui/energyplotstab.h"
#include "ui/fmrprintoptions.h"
#include "ui/frmspecifycapacity.h"
#include "ui/helpcontroller.h"
#include "ui/method1tab.h"
#include "ui/method2tab.h"
#include "ui/method3tab.h"
#include "ui/miscinputtab.h"
#include "ui/monthlydatatab.h"
#include "ui/ratedatatab.h"
#include "ui/reportprinting.h"
#include "ui/resultstab.h"
#include "ui/screenshots.h"
#include "ui/sensitivitytab.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>

namespace plenara {

namespace {

const QString kWindowTitle = QStringLiteral("Plenara Version 2.1");
const QString kOpenFilters = QStringLiteral("Access Data Files (*.TAV)|*.TAV|All Files (*.*)|*.*");
const QString kSaveFilters = QStringLiteral("Access Datafiles (*.TAV)|*.TAV|All Files (*.*)|*.*");
const QString kSaveAsFilters = kOpenFilters;

// Window sizes are designed in twips: 15 twips to a pixel at 96 dots per inch.
constexpr int twips(int value) {
    return value / 15;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

frmTAVCHPScreening::frmTAVCHPScreening(ClimateTable climate, std::unique_ptr<FileDialogs> dialogs,
                                       QWidget* parent)
    : QMainWindow(parent)
    , m_session(std::move(climate))
    , m_dialogs(std::move(dialogs))
    , m_ssTabForm(new QTabWidget(this)) {
    setObjectName(QStringLiteral("frmTAVCHPScreening"));
    m_ssTabForm->setObjectName(QStringLiteral("ssTabForm"));
    // With every detail tab shown the eleven captions must still fit the 1000-pixel window.
    m_ssTabForm->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 6px; }"));
    createMenus();
    createTabs();
    setCentralWidget(m_ssTabForm);
    connect(m_ssTabForm, &QTabWidget::currentChanged, this, &frmTAVCHPScreening::ssTabForm_event16);
    m_help = new HelpController(*this, *m_dialogs);
    m_screenShots = std::make_unique<ScreenShots>(*this, *m_ssTabForm, m_session.view(),
                                                  [this] { recalculate(); });

    m_ssTabForm->setCurrentIndex(tab::MonthlyUtilityData);
    resize(twips(15000), twips(10600));
    refreshAll();
    ssTabForm_event16(m_ssTabForm->currentIndex());
}

frmTAVCHPScreening::~frmTAVCHPScreening() = default;

void frmTAVCHPScreening::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto add = [this](QMenu* menu, const QString& text, const QString& name,
                            const QKeySequence& key, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(file, QStringLiteral("&New"), QStringLiteral("mnuFNew"), QKeySequence(Qt::CTRL | Qt::Key_N),
        &frmTAVCHPScreening::mnuFNew_Click);
    add(file, QStringLiteral("&Print"), QStringLiteral("mnuPrint"),
        QKeySequence(Qt::CTRL | Qt::Key_P), &frmTAVCHPScreening::mnuPrint_Click);
    add(file, QStringLiteral("&Open"), QStringLiteral("mnuFOpen"),
        QKeySequence(Qt::CTRL | Qt::Key_O), &frmTAVCHPScreening::mnuFOpen_Click);
    add(file, QStringLiteral("&Save Current  Data"), QStringLiteral("mnuFSave"),
        QKeySequence(Qt::CTRL | Qt::Key_S), &frmTAVCHPScreening::mnuFSave_Click);
    add(file, QStringLiteral("Save Current Data  &As"), QStringLiteral("mnuFSaveAs"),
        QKeySequence(Qt::CTRL | Qt::Key_A), &frmTAVCHPScreening::mnuFSaveAs_Click);
    file->addSeparator();
    add(file, QStringLiteral("E&xit"), QStringLiteral("mnuFExit"),
        QKeySequence(Qt::CTRL | Qt::Key_X), &frmTAVCHPScreening::mnuFExit_Click);
    file->addSeparator();
    add(file, QStringLiteral("&Capture Screen Shots"), QStringLiteral("mnuScreenShots"),
        QKeySequence(Qt::CTRL | Qt::Key_H), &frmTAVCHPScreening::mnuScreenShots_Click);

    QMenu* data = menuBar()->addMenu(QStringLiteral("&Data"));
    data->setObjectName(QStringLiteral("mnuData"));
    add(data, QStringLiteral("&Clear Form"), QStringLiteral("mnuFClear"), QKeySequence(),
        &frmTAVCHPScreening::mnuFClear_Click);
    add(data, QStringLiteral("Sample &Data"), QStringLiteral("mnuFSampleData"), QKeySequence(),
        &frmTAVCHPScreening::mnuFSampleData_Click);

    // "Help" is a command of its own on the menu bar, without items.
    QAction* help = menuBar()->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(help, &QAction::triggered, this, &frmTAVCHPScreening::mnuHelp_Click);
}

void frmTAVCHPScreening::createTabs() {
    m_tabs[tab::MonthlyUtilityData] = new MonthlyDataTab(m_session, m_ssTabForm);
    m_tabs[tab::UtilityRateData] = new RateDataTab(m_session, m_ssTabForm);
    m_tabs[tab::MiscInputInformation] = new MiscInputTab(m_session, m_ssTabForm);
    m_tabs[tab::Sensitivity] = new SensitivityTab(m_session, m_ssTabForm);
    m_energyPlotsTab = new EnergyPlotsTab(m_session, m_ssTabForm);
    m_tabs[tab::EnergyPlots] = m_energyPlotsTab;
    m_tabs[tab::Results] = new ResultsTab(m_session, m_ssTabForm);
    m_tabs[tab::Method1] = new Method1Tab(m_session, m_ssTabForm);
    m_method2Tab = new Method2Tab(m_session, m_ssTabForm);
    m_tabs[tab::Method2] = m_method2Tab;
    m_tabs[tab::Method3] = new Method3Tab(m_session, m_ssTabForm);
    m_tabs[tab::ComparisonOfMethods] = new ComparisonTab(m_session, m_ssTabForm);

    const std::array<QString, tab::Count> captions = {QStringLiteral("Monthly Utility Data"),
                                                      QStringLiteral("Utility Rate Data"),
                                                      QStringLiteral("Misc. Input Information"),
                                                      QStringLiteral("Sensitivity"),
                                                      QStringLiteral("Energy Plots"),
                                                      QStringLiteral("Results"),
                                                      QStringLiteral("Method 1"),
                                                      QStringLiteral("Method 2"),
                                                      QStringLiteral("Method 3"),
                                                      QStringLiteral("Print Forms"),
                                                      QStringLiteral("Comparison of Methods"),
                                                      QStringLiteral("Screen Shot")};
    for (int i = 0; i < tab::Count; ++i) {
        QWidget* page = m_tabs[static_cast<std::size_t>(i)];
        if (!page) {
            // "Print Forms" and "Screen Shot" are working surfaces that never show.
            page = new QWidget(m_ssTabForm);
        }
        m_ssTabForm->addTab(page, captions[static_cast<std::size_t>(i)]);
    }
    for (ProjectTab* t : m_tabs) {
        if (!t) {
            continue;
        }
        connect(t, &ProjectTab::recalculationRequested, this, &frmTAVCHPScreening::recalculate);
        connect(t, &ProjectTab::inputEdited, this, &frmTAVCHPScreening::updateTitle);
    }
    connect(m_energyPlotsTab, &EnergyPlotsTab::doneClicked, this, &QWidget::close);
    connect(m_method2Tab, &Method2Tab::paybackGraphRequested, this,
            &frmTAVCHPScreening::cmdRun_Click);
}

void frmTAVCHPScreening::recalculate() {
    m_session.recalculate();
    refreshAll();
}

void frmTAVCHPScreening::refreshAll() {
    for (ProjectTab* t : m_tabs) {
        if (t) {
            t->refresh();
        }
    }
    const ProjectResults& r = m_session.results();
    for (int i = 0; i < tab::Count; ++i) {
        const bool visible = r.tabVisible[static_cast<std::size_t>(i)];
        if (m_ssTabForm->isTabVisible(i) != visible) {
            m_ssTabForm->setTabVisible(i, visible);
        }
    }
    if (m_frmSpecifyCapacity) {
        // Every recalculation writes the Method 2 capacity into the dialog's box as well.
        m_frmSpecifyCapacity->setSpecifiedCapacity(fromStd(m_session.inputs().CapacityIteration));
    }
    updateTitle();
}

void frmTAVCHPScreening::updateTitle() {
    const std::string& file = m_session.currentProjectFile();
    QString title = kWindowTitle;
    if (!file.empty()) {
        title += QStringLiteral(" - ") + QFileInfo(fromStd(file)).fileName();
    }
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(m_session.isModified());
}

void frmTAVCHPScreening::ssTabForm_event16(int index) {
    // Window and tab-holder sizes by tab, in twips.
    struct Size {
        int width;
        int height;
    };
    Size window{15000, 10600};
    switch (index) {
    case tab::Sensitivity:
        window = {19500, 11100};
        break;
    case tab::EnergyPlots:
        window = {15000, 12200};
        break;
    case tab::Results:
        window = {15000, 12600};
        break;
    case tab::Method1:
        window = {17500, 13600};
        break;
    case tab::Method2:
        window = {21595, 11100};
        break;
    case tab::Method3:
        window = {15000, 13050};
        break;
    case tab::PrintForms:
    case tab::ScreenShot:
        window = {width() * 15, 13320};
        break;
    default:
        break;
    }
    if (isMaximized() || isFullScreen()) {
        return;
    }
    resize(twips(window.width), twips(window.height));
}

QString frmTAVCHPScreening::dialogFolder() const {
    // The file dialogs start in the program's folder; an installed program cannot write
    // there, so then in the user's documents folder.
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable()) {
        return programFolder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

bool frmTAVCHPScreening::maybeSave() {
    if (!m_session.isModified()) {
        return true;
    }
    switch (m_dialogs->askSaveChanges(this)) {
    case FileDialogs::SaveChanges::Save:
        return mnuFSave_Click();
    case FileDialogs::SaveChanges::Discard:
        return true;
    case FileDialogs::SaveChanges::Cancel:
        break;
    }
    return false;
}

void frmTAVCHPScreening::mnuFNew_Click() {
    if (!maybeSave()) {
        return;
    }
    m_session.resetInputs();
    refreshAll();
}

void frmTAVCHPScreening::mnuFClear_Click() {
    mnuFNew_Click();
}

void frmTAVCHPScreening::mnuFSampleData_Click() {
    if (!maybeSave()) {
        return;
    }
    m_session.loadSampleData();
    refreshAll();
}

void frmTAVCHPScreening::mnuFOpen_Click() {
    if (!maybeSave()) {
        return;
    }
    const QString path = m_dialogs->openFileName(
        this, dialogFolder(), fromStd(m_session.currentProjectFile()), kOpenFilters);
    if (path.isEmpty()) {
        return;
    }
    openProject(path);
}

bool frmTAVCHPScreening::openProject(const QString& path) {
    const FileResult result = m_session.open(path.toStdString());
    if (!result.ok()) {
        m_dialogs->showError(this, fromStd(result.error));
        return false;
    }
    refreshAll();
    return true;
}

bool frmTAVCHPScreening::mnuFSave_Click() {
    const std::string& current = m_session.currentProjectFile();
    if (current.empty()) {
        // An untitled project is named as Save As does, asking before replacing a file.
        return saveWithDialog(kSaveFilters);
    }
    const FileResult result = m_session.saveAs(current);
    if (!result.ok()) {
        m_dialogs->showError(this, fromStd(result.error));
        return false;
    }
    updateTitle();
    return true;
}

bool frmTAVCHPScreening::mnuFSaveAs_Click() {
    return saveWithDialog(kSaveAsFilters);
}

bool frmTAVCHPScreening::saveWithDialog(const QString& filters) {
    QString proposed = fromStd(m_session.currentProjectFile());
    while (true) {
        const QString path = m_dialogs->saveFileName(this, dialogFolder(), proposed, filters);
        if (path.isEmpty()) {
            return false;
        }
        if (QFileInfo::exists(path)) {
            const QString question =
                QStringLiteral("File ") + path +
                QStringLiteral(" already exists.\n\nDo you want to over-write ") + path +
                QStringLiteral("?");
            const FileDialogs::Answer answer = m_dialogs->askYesNoCancel(this, question);
            if (answer == FileDialogs::Answer::No) {
                proposed.clear();
                continue;
            }
            if (answer == FileDialogs::Answer::Cancel) {
                return false;
            }
        }
        const FileResult result = m_session.saveAs(path.toStdString());
        if (!result.ok()) {
            m_dialogs->showError(this, fromStd(result.error));
            return false;
        }
        updateTitle();
        return true;
    }
}

void frmTAVCHPScreening::mnuFExit_Click() {
    if (m_fmrPrintOptions) {
        m_fmrPrintOptions->close();
    }
    if (m_frmSpecifyCapacity) {
        m_frmSpecifyCapacity->close();
    }
    close();
}

void frmTAVCHPScreening::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

void frmTAVCHPScreening::mnuPrint_Click() {
    if (!m_fmrPrintOptions) {
        m_fmrPrintOptions = new fmrPrintOptions(this);
    }
    if (!m_fmrPrintOptions->ReturnPrintRequest()) {
        return;
    }
    // The pages that print a detail tab switch it on and recalculate; the session gives the
    // switches back, and the window then shows its results and tabs as before.
    const QDate today = QDate::currentDate();
    const std::vector<ReportPage> pages = composeReport(
        m_session, m_fmrPrintOptions->chosenPages(), m_fmrPrintOptions->runId().toStdString(),
        ShortDate(today.year(), today.month(), today.day()));
    refreshAll();
    const ReportPdfTarget target =
        reportPdfTarget(fromStd(m_session.currentProjectFile()), dialogFolder());
    if (m_fmrPrintOptions->pdfRequested()) {
        saveReportAsPdf(this, *m_dialogs, pages, target);
    } else {
        printReport(this, *m_dialogs, pages, target);
    }
}

void frmTAVCHPScreening::mnuScreenShots_Click() {
    const ScreenShots::Outcome outcome = m_screenShots->run();
    if (outcome.ok()) {
        m_dialogs->showInformation(this, outcome.message());
    } else {
        m_dialogs->showError(this, outcome.message());
    }
}

void frmTAVCHPScreening::mnuHelp_Click() {
    // F1 is handled by the help controller for the whole window.
    m_help->showContents();
}

void frmTAVCHPScreening::cmdRun_Click() {
    if (!m_frmSpecifyCapacity) {
        m_frmSpecifyCapacity =
            new frmSpecifyCapacity(fromStd(m_session.inputs().CapacityIteration), this);
        // "Return" hands the capacity back to the box of the Method 2 tab; it stays there
        // until the next recalculation writes the Method 2 capacity again.
        connect(m_frmSpecifyCapacity, &frmSpecifyCapacity::capacityReturned, this,
                [this](const QString& capacity) {
                    m_session.inputs().CapacityIteration = capacity.toStdString();
                    m_method2Tab->refresh();
                    updateTitle();
                });
    }
    const auto& annual = m_session.results().method2.annualResults;
    std::array<double, kSweepSteps> capacities{};
    std::array<double, kSweepSteps> paybacks{};
    for (std::size_t s = 0; s < annual.size(); ++s) {
        capacities[s] = annual[s].CapacityKW;
        paybacks[s] = annual[s].SimplePayback;
    }
    m_frmSpecifyCapacity->InterplolationForm(capacities, paybacks);
}

void frmTAVCHPScreening::reportClimateProblem(const QString& message) {
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_dialogs->showError(this, text);
}

} // namespace plenara
