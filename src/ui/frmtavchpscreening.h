#pragma once

#include "climate/climatedata.h"
#include "project/projectsession.h"
#include "ui/filedialogs.h"

#include <array>
#include <memory>

#include <QMainWindow>

class QAction;
class QTabWidget;

namespace plenara {

class EnergyPlotsTab;
class HelpController;
class ScreenShots;
class Method2Tab;
class ProjectTab;
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

    // Reads a project file as Open does, without its dialog (a file named on the command
    // line). Reports a failure in a message.
    bool openProject(const QString& path);
    // Tells the user that the climate data could not be read.
    void reportClimateProblem(const QString& message);

public slots:
    void mnuFNew_Click();
    void mnuFClear_Click();
    void mnuFSampleData_Click();
    void mnuFOpen_Click();
    bool mnuFSave_Click();
    bool mnuFSaveAs_Click();
    void mnuFExit_Click();
    void mnuPrint_Click();
    void mnuScreenShots_Click();
    void mnuHelp_Click();
    // "View Payback Graph": the specified-capacity dialog on the sweep of the last recalculation.
    void cmdRun_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createTabs();
    // Recalculates the whole analysis and shows it.
    void recalculate();
    // Shows the inputs and results of the session in every tab.
    void refreshAll();
    void updateTitle();
    // Lays the window out for the current tab.
    void ssTabForm_event16(int index);
    // Asks whether to save unsaved changes; false when the user cancelled.
    bool maybeSave();
    bool saveWithDialog(const QString& filters);
    QString dialogFolder() const;

    ProjectSession m_session;
    std::unique_ptr<FileDialogs> m_dialogs;
    QTabWidget* m_ssTabForm = nullptr;
    std::array<ProjectTab*, tab::Count> m_tabs{};
    EnergyPlotsTab* m_energyPlotsTab = nullptr;
    Method2Tab* m_method2Tab = nullptr;
    frmSpecifyCapacity* m_frmSpecifyCapacity = nullptr; // created on first use, then kept
    fmrPrintOptions* m_fmrPrintOptions = nullptr;       // created on first use, then kept
    HelpController* m_help = nullptr;
    std::unique_ptr<ScreenShots> m_screenShots;
    bool m_closing = false;
};

} // namespace plenara
