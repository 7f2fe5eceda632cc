#include "ui/frmtavchpscreening.h"

#include "engine/formatpattern.h"
#include "engine/textfields.h"
#include "output/reportcomposer.h"
#include "ui/aboutplenara.h"
#include "ui/chartbarview.h"
#include "ui/chartexport.h"
#include "ui/comparisontab.h"
#include "ui/editmenu.h"
#include "ui/energyplotstab.h"
#include "ui/fmrprintoptions.h"
#include "ui/frmspecifycapacity.h"
#include "ui/helpcontexts.h"
#include "ui/helpcontroller.h"
#include "ui/inputmarks.h"
#include "ui/inputtips.h"
#include "ui/lifecycletab.h"
#include "ui/mainmenus.h"
#include "ui/method1tab.h"
#include "ui/method2tab.h"
#include "ui/method3tab.h"
#include "ui/miscinputtab.h"
#include "ui/monthlydatatab.h"
#include "ui/portfoliocommands.h"
#include "ui/projectundo.h"
#include "ui/ratedatatab.h"
#include "ui/recentfiles.h"
#include "ui/reportprinting.h"
#include "ui/resultstab.h"
#include "ui/screenshots.h"
#include "ui/sensitivitytab.h"
#include "ui/tabnavigation.h"
#include "ui/windowgeometry.h"
#include "ui/windowtab.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>

namespace plenara {

namespace {

const QString kWindowTitle = QStringLiteral("Plenara Version 2.1");
const QString kOpenFilters = QStringLiteral("Access Data Files (*.TAV)|*.TAV|All Files (*.*)|*.*");
const QString kSaveFilters = QStringLiteral("Access Datafiles (*.TAV)|*.TAV|All Files (*.*)|*.*");
const QString kSaveAsFilters = kOpenFilters;

// File names go between Qt and the layers below byte for byte, so that a name that is not
// valid UTF-8 still names its file.
std::string toFileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString fromFileName(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Messages of the layers below name files byte for byte and may quote a file's texts.
QString fromMessage(const std::string& text) {
    return isValidUtf8(text) ? QString::fromStdString(text)
                             : QString::fromStdString(windows1252ToUtf8(text));
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
    m_undo = new ProjectUndo(
        m_session, [this](const ProjectInputs& inputs) { applyInputs(inputs); }, this);
    m_portfolio =
        new PortfolioCommands(m_session, *m_dialogs,
                              {this, [this] { return maybeSave(); },
                               [this](const QString& name, const std::function<void()>& change) {
                                   m_undo->perform(name, [&] {
                                       change();
                                       m_session.recalculate();
                                   });
                                   refreshAll();
                               },
                               [this](const QString& path) {
                                   return openProject(path);
                               }},
                              this);
    const MainMenus menus = createMainMenus(*this);
    m_recentFiles = new RecentFiles(menus.recentFiles, this);
    connect(m_recentFiles, &RecentFiles::openRequested, this, [this](const QString& path) {
        if (maybeSave()) {
            openProject(path);
        }
    });
    createTabs();
    m_editMenu =
        new EditMenu(*this, *menus.edit, *m_undo, [this](QWidget* focus, const QString& text) {
            if (!m_monthlyDataTab->isGridBox(focus)) {
                return false;
            }
            // What was typed before is a step of its own; the block is the next one.
            m_undo->perform(QStringLiteral("Paste"), [&] {
                m_monthlyDataTab->pasteBlock(focus, text);
                m_session.recalculate();
            });
            refreshAll();
            return true;
        });
    setCentralWidget(m_ssTabForm);
    m_geometry = new WindowGeometry(*this, *m_ssTabForm);
    new TabNavigation(*this, *m_ssTabForm);
    connect(m_ssTabForm, &QTabWidget::currentChanged, this, &frmTAVCHPScreening::ssTabForm_event16);
    m_help = new HelpController(*this, *m_dialogs);
    m_help->setFallbackContext([this] { return currentTabHelpContext(); });
    m_screenShots = std::make_unique<ScreenShots>(*this, *m_ssTabForm, m_session.view(),
                                                  [this] { recalculate(); });
    m_inputMarks = std::make_unique<InputMarks>(*this);
    // Typing that starts no recalculation (a drop-down box, the capacity box) is one step of
    // its own once the focus moves on.
    m_focusChanges =
        connect(qApp, &QApplication::focusChanged, this, [this] { m_undo->commitEdits(); });

    m_ssTabForm->setCurrentIndex(tab::MonthlyUtilityData);
    refreshAll();
    ssTabForm_event16(m_ssTabForm->currentIndex());
}

frmTAVCHPScreening::~frmTAVCHPScreening() {
    // Closing the window moves the focus, after the members are gone.
    disconnect(m_focusChanges);
}

void frmTAVCHPScreening::createTabs() {
    m_monthlyDataTab = new MonthlyDataTab(m_session, m_ssTabForm);
    m_tabs[tab::MonthlyUtilityData] = m_monthlyDataTab;
    m_tabs[tab::UtilityRateData] = new RateDataTab(m_session, m_ssTabForm);
    m_tabs[tab::MiscInputInformation] = new MiscInputTab(m_session, m_ssTabForm);
    m_tabs[tab::LifeCycle] = new LifeCycleTab(m_session, m_ssTabForm);
    m_sensitivityTab = new SensitivityTab(m_session, m_ssTabForm);
    m_tabs[tab::Sensitivity] = m_sensitivityTab;
    m_energyPlotsTab = new EnergyPlotsTab(m_session, m_ssTabForm);
    m_tabs[tab::EnergyPlots] = m_energyPlotsTab;
    m_tabs[tab::Results] = new ResultsTab(m_session, m_ssTabForm);
    m_tabs[tab::Method1] = new Method1Tab(m_session, m_ssTabForm);
    m_method2Tab = new Method2Tab(m_session, m_ssTabForm);
    m_tabs[tab::Method2] = m_method2Tab;
    m_tabs[tab::Method3] = new Method3Tab(m_session, m_ssTabForm);
    m_tabs[tab::ComparisonOfMethods] = new ComparisonTab(m_session, m_ssTabForm);

    for (const WindowTab& row : windowTabs()) {
        QWidget* page = m_tabs[static_cast<std::size_t>(row.index)];
        if (!page) {
            // "Print Forms" and "Screen Shot" are working surfaces that never show.
            page = new QWidget(m_ssTabForm);
        }
        page->setObjectName(QLatin1String(row.objectName));
        page->setProperty("helpContext", row.helpContext);
        m_ssTabForm->insertTab(row.index, page, QString::fromUtf16(row.caption));
    }
    for (ProjectTab* t : m_tabs) {
        if (!t) {
            continue;
        }
        connect(t, &ProjectTab::recalculationRequested, this, &frmTAVCHPScreening::recalculate);
        connect(t, &ProjectTab::inputEdited, this, [this] {
            m_undo->noticeEdit();
            updateTitle();
        });
        connect(t, &ProjectTab::chartSaveRequested, this,
                [this](QWidget* chart) { saveChartWithDialog(this, *m_dialogs, *chart); });
    }
    connect(m_energyPlotsTab, &EnergyPlotsTab::doneClicked, this, &QWidget::close);
    connect(m_method2Tab, &Method2Tab::paybackGraphRequested, this,
            &frmTAVCHPScreening::cmdRun_Click);
}

void frmTAVCHPScreening::attachSettings(std::unique_ptr<QSettings> settings) {
    m_settings = std::move(settings);
    m_recentFiles->attach(m_settings.get());
    if (m_settings) {
        m_geometry->restore(*m_settings);
    }
}

void frmTAVCHPScreening::recalculate() {
    m_undo->commitEdits();
    m_session.recalculate();
    m_undo->settle();
    refreshAll();
}

void frmTAVCHPScreening::applyInputs(const ProjectInputs& inputs) {
    m_session.inputs() = inputs;
    m_session.recalculate();
    refreshAll();
}

void frmTAVCHPScreening::refreshAll() {
    // The sensitivity figures are made on other threads: started first, they are made while
    // the other tabs refresh, and shown last.
    m_sensitivityTab->refresh();
    for (ProjectTab* t : m_tabs) {
        if (t && t != m_sensitivityTab) {
            t->refresh();
        }
    }
    const ProjectResults& r = m_session.results();
    bool tabsChanged = false;
    for (int i = 0; i < tab::Count; ++i) {
        const bool visible = r.tabVisible[static_cast<std::size_t>(i)];
        if (m_ssTabForm->isTabVisible(i) != visible) {
            m_ssTabForm->setTabVisible(i, visible);
            tabsChanged = true;
        }
    }
    if (tabsChanged && isVisible()) {
        // More tabs may need a wider window to show all their titles.
        m_geometry->showTab(m_ssTabForm->currentIndex());
    }
    if (m_inputMarks) {
        m_inputMarks->show(r.warnings);
    }
    if (m_frmSpecifyCapacity) {
        // Every recalculation writes the Method 2 capacity into the dialog's box as well.
        m_frmSpecifyCapacity->setSpecifiedCapacity(
            QString::fromStdString(windows1252ToUtf8(m_session.inputs().CapacityIteration)));
    }
    m_sensitivityTab->showStartedRun();
    updateTitle();
}

void frmTAVCHPScreening::updateTitle() {
    const std::string& file = m_session.currentProjectFile();
    QString title = kWindowTitle;
    if (!file.empty()) {
        title += QStringLiteral(" - ") + QFileInfo(fromFileName(file)).fileName();
    }
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(m_session.isModified());
}

void frmTAVCHPScreening::ssTabForm_event16(int index) {
    m_geometry->showTab(index);
}

int frmTAVCHPScreening::currentTabHelpContext() const {
    const QWidget* page = m_ssTabForm->currentWidget();
    const QVariant context = page ? page->property("helpContext") : QVariant();
    return context.isValid() ? context.toInt() : helpcontext::Overview;
}

QString frmTAVCHPScreening::dialogFolder() const {
    // The file dialogs start in the program's folder; an installed program cannot write
    // there, so then in the user's documents folder.
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable()) {
        return programFolder;
    }
    return documentsFolder();
}

bool frmTAVCHPScreening::maybeSave() {
    m_undo->commitEdits();
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
    m_undo->perform(QStringLiteral("Clear Form"), [this] { m_session.resetInputs(); });
    refreshAll();
}

void frmTAVCHPScreening::mnuFClear_Click() {
    mnuFNew_Click();
}

void frmTAVCHPScreening::mnuFSampleData_Click() {
    if (!maybeSave()) {
        return;
    }
    m_undo->perform(QStringLiteral("Sample Data"), [this] { m_session.loadSampleData(); });
    refreshAll();
}

void frmTAVCHPScreening::mnuFOpen_Click() {
    if (!maybeSave()) {
        return;
    }
    const QString path = m_dialogs->openFileName(
        this, dialogFolder(), fromFileName(m_session.currentProjectFile()), kOpenFilters);
    if (path.isEmpty()) {
        return;
    }
    openProject(path);
}

bool frmTAVCHPScreening::openProject(const QString& path) {
    const FileResult result = m_session.open(toFileName(path));
    if (!result.ok()) {
        m_dialogs->showError(this, fromMessage(result.error));
        return false;
    }
    // Another project: the steps of the one before do not apply to it.
    m_undo->clear();
    m_recentFiles->add(path);
    refreshAll();
    return true;
}

bool frmTAVCHPScreening::mnuFSave_Click() {
    const std::string& current = m_session.currentProjectFile();
    if (current.empty()) {
        // An untitled project is named as Save As does, asking before replacing a file.
        return saveWithDialog(kSaveFilters);
    }
    return saveTo(fromFileName(current));
}

bool frmTAVCHPScreening::mnuFSaveAs_Click() {
    return saveWithDialog(kSaveAsFilters);
}

bool frmTAVCHPScreening::saveTo(const QString& path) {
    if (m_undo->hasPendingEdits()) {
        // Typing in a box not yet left is saved as leaving the box shows it, recalculated;
        // otherwise leaving it after the save would change the project again.
        recalculate();
    }
    const FileResult result = m_session.saveAs(toFileName(path));
    if (!result.ok()) {
        m_dialogs->showError(this, fromMessage(result.error));
        return false;
    }
    m_undo->noteSaved();
    m_recentFiles->add(path);
    updateTitle();
    return true;
}

bool frmTAVCHPScreening::saveWithDialog(const QString& filters) {
    QString proposed = fromFileName(m_session.currentProjectFile());
    while (true) {
        QString path = m_dialogs->saveFileName(this, dialogFolder(), proposed, filters);
        if (path.isEmpty()) {
            return false;
        }
        // Project files are known by their extension; a name typed without one gets it.
        if (QFileInfo(path).suffix().isEmpty()) {
            if (!path.endsWith(QLatin1Char('.'))) {
                path += QLatin1Char('.');
            }
            path += QStringLiteral("TAV");
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
        return saveTo(path);
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
    if (m_settings) {
        m_geometry->save(*m_settings);
        m_settings->sync();
    }
    event->accept();
}

fmrPrintOptions& frmTAVCHPScreening::printOptions() {
    if (!m_fmrPrintOptions) {
        m_fmrPrintOptions = new fmrPrintOptions(this);
        m_fmrPrintOptions->setProperty("helpContext", helpcontext::Printing);
        if (auto* runId = m_fmrPrintOptions->findChild<QWidget*>(QStringLiteral("txtRunID"))) {
            runId->setToolTip(inputToolTip(runId->objectName()));
        }
        connect(m_fmrPrintOptions, &fmrPrintOptions::previewRequested, this,
                &frmTAVCHPScreening::showPrintPreview);
    }
    return *m_fmrPrintOptions;
}

void frmTAVCHPScreening::mnuPrint_Click() {
    printOrExport(false);
}

void frmTAVCHPScreening::mnuExportPdf_Click() {
    printOrExport(true);
}

void frmTAVCHPScreening::printOrExport(bool pdfOnly) {
    fmrPrintOptions& options = printOptions();
    if (!options.ReturnPrintRequest(pdfOnly)) {
        return;
    }
    // The pages that print a detail tab switch it on and recalculate; the session gives the
    // switches back, and the window then shows its results and tabs as before.
    const QDate today = QDate::currentDate();
    const std::vector<ReportPage> pages = composeReport(
        m_session, options.chosenPages(), utf8ToWindows1252(options.runId().toStdString()),
        ShortDate(today.year(), today.month(), today.day()));
    refreshAll();
    const ReportPdfTarget target = reportPdfTarget(fromFileName(m_session.currentProjectFile()));
    if (options.pdfRequested()) {
        saveReportAsPdf(this, *m_dialogs, pages, target);
    } else {
        printReport(this, *m_dialogs, pages, target);
    }
}

void frmTAVCHPScreening::showPrintPreview() {
    const QDate today = QDate::currentDate();
    const std::vector<ReportPage> pages =
        composeReport(m_session, m_fmrPrintOptions->chosenPages(),
                      utf8ToWindows1252(m_fmrPrintOptions->runId().toStdString()),
                      ShortDate(today.year(), today.month(), today.day()));
    refreshAll();
    previewReport(m_fmrPrintOptions, pages);
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

void frmTAVCHPScreening::mnuAbout_Click() {
    showAboutPlenara(this);
}

void frmTAVCHPScreening::cmdRun_Click() {
    if (!m_frmSpecifyCapacity) {
        m_frmSpecifyCapacity = new frmSpecifyCapacity(
            QString::fromStdString(windows1252ToUtf8(m_session.inputs().CapacityIteration)), this);
        m_frmSpecifyCapacity->setProperty("helpContext", helpcontext::PaybackGraph);
        // "Return" hands the capacity back to the box of the Method 2 tab; it stays there
        // until the next recalculation writes the Method 2 capacity again.
        connect(m_frmSpecifyCapacity, &frmSpecifyCapacity::capacityReturned, this,
                [this](const QString& capacity) {
                    m_session.inputs().CapacityIteration =
                        utf8ToWindows1252(capacity.toStdString());
                    m_method2Tab->refresh();
                    m_undo->commitEdits();
                    updateTitle();
                });
        connect(m_frmSpecifyCapacity, &frmSpecifyCapacity::chartSaveRequested, this,
                [this](QWidget* chart) {
                    saveChartWithDialog(m_frmSpecifyCapacity, *m_dialogs, *chart);
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

void frmTAVCHPScreening::setEmissions(EmissionData emissions) {
    m_session.setEmissions(std::move(emissions));
    refreshAll();
}

void frmTAVCHPScreening::reportClimateProblem(const QString& message) {
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_dialogs->showError(this, text);
}

} // namespace plenara
