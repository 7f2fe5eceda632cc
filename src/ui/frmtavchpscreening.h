#pragma once

#include "climate/climatedata.h"
#include "project/projectsession.h"
#include "ui/filedialogs.h"

#include <array>
#include <memory>

#include <QMainWindow>

class QSettings;
class QTabWidget;

namespace plenara {

class EditMenu;
class EnergyPlotsTab;
class SensitivityTab;
class HelpController;
class InputMarks;
class Method2Tab;
class MonthlyDataTab;
class PortfolioCommands;
class ProjectTab;
class ProjectUndo;
class RecentFiles;
class ScreenShots;
class WindowGeometry;
class frmSpecifyCapacity;
class fmrPrintOptions;

// The main window "Plenara Version 2.1": the tabs of inputs, charts and results, the menus
// and the file commands. It binds the tabs to one project session and shows its results; it
// computes nothing itself.
class frmTAVCHPScreening : public QMainWindow {
    Q_OBJECT

public:
    explicit frmTAVCHPScreening(
        ClimateTable climate,
        std::unique_ptr<FileDialogs> dialogs = std::make_unique<PlatformFileDialogs>(),
        QWidget* parent = nullptr);
    ~frmTAVCHPScreening() override;

    ProjectSession& session() { return m_session; }
    QTabWidget* tabs() const { return m_ssTabForm; }
    // The help window and F1; the screen-shot command and the folder it writes to.
    HelpController& help() const { return *m_help; }
    ScreenShots& screenShots() const { return *m_screenShots; }
    // "Import Bills..." and "Screen a Portfolio...".
    PortfolioCommands& portfolio() const { return *m_portfolio; }
    // Undo and redo of the inputs: a command that changes the inputs runs through it as one
    // step (ProjectUndo::perform).
    ProjectUndo& undoSteps() const { return *m_undo; }
    RecentFiles& recentFiles() const { return *m_recentFiles; }
    WindowGeometry& windowGeometry() const { return *m_geometry; }
    // The boxes marked because their text is not used as typed.
    const InputMarks& inputMarks() const { return *m_inputMarks; }

    // Keeps the window's size and place, its last tab and the recent files in `settings`
    // between runs; restores them now. Without it nothing is kept.
    void attachSettings(std::unique_ptr<QSettings> settings);

    // Reads a project file as Open does, without its dialog (a file named on the command
    // line). Reports a failure in a message.
    bool openProject(const QString& path);
    // Tells the user that the climate data could not be read.
    void reportClimateProblem(const QString& message);
    // The emission data of the CO2 figures, read after the window opened; recalculates. When
    // they could not be read the "Life Cycle" tab says why and the paybacks are unaffected.
    void setEmissions(EmissionData emissions);

public slots:
    void mnuFNew_Click();
    void mnuFClear_Click();
    void mnuFSampleData_Click();
    void mnuFOpen_Click();
    bool mnuFSave_Click();
    bool mnuFSaveAs_Click();
    void mnuFExit_Click();
    void mnuPrint_Click();
    // "Export PDF...": the report pages chosen in the print options, into a PDF file.
    void mnuExportPdf_Click();
    void mnuScreenShots_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    // "View Payback Graph": the specified-capacity dialog on the sweep of the last recalculation.
    void cmdRun_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createTabs();
    // Recalculates the whole analysis and shows it.
    void recalculate();
    // Shows the inputs and results of the session in every tab.
    void refreshAll();
    // Undo and redo: the inputs of a step, recalculated and shown.
    void applyInputs(const ProjectInputs& inputs);
    void updateTitle();
    // Lays the window out for the current tab.
    void ssTabForm_event16(int index);
    // Asks whether to save unsaved changes; false when the user cancelled.
    bool maybeSave();
    bool saveWithDialog(const QString& filters);
    bool saveTo(const QString& path);
    QString dialogFolder() const;
    // The print options dialog, created on first use and then kept.
    fmrPrintOptions& printOptions();
    void printOrExport(bool pdfOnly);
    void showPrintPreview();
    // The help page of the current tab: F1 where the focused control has none of its own.
    int currentTabHelpContext() const;

    ProjectSession m_session;
    std::unique_ptr<FileDialogs> m_dialogs;
    std::unique_ptr<QSettings> m_settings;
    QTabWidget* m_ssTabForm = nullptr;
    std::array<ProjectTab*, tab::Count> m_tabs{};
    MonthlyDataTab* m_monthlyDataTab = nullptr;
    EnergyPlotsTab* m_energyPlotsTab = nullptr;
    SensitivityTab* m_sensitivityTab = nullptr;
    Method2Tab* m_method2Tab = nullptr;
    frmSpecifyCapacity* m_frmSpecifyCapacity = nullptr; // created on first use, then kept
    fmrPrintOptions* m_fmrPrintOptions = nullptr;       // created on first use, then kept
    HelpController* m_help = nullptr;
    std::unique_ptr<ScreenShots> m_screenShots;
    PortfolioCommands* m_portfolio = nullptr;
    bool m_closing = false;
    ProjectUndo* m_undo = nullptr;
    EditMenu* m_editMenu = nullptr;
    RecentFiles* m_recentFiles = nullptr;
    WindowGeometry* m_geometry = nullptr;
    std::unique_ptr<InputMarks> m_inputMarks;
    QMetaObject::Connection m_focusChanges; // ended before the session goes
};

} // namespace plenara
