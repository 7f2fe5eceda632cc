#pragma once

#include "portfolio/buildinginput.h"

#include <functional>

#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;
class QWidget;

namespace plenara {

class FileDialogs;
class PortfolioWindow;
class ProjectSession;

// The portfolio commands of the File menu: "Import Bills..." fills the monthly grid of the
// open project from a CSV file of bills, and "Screen a Portfolio..." opens the window that
// screens many buildings and can load one of them into the main window.
class PortfolioCommands : public QObject {
    Q_OBJECT

public:
    // What the commands need of the main window: whether unsaved changes may go (asking the
    // user); how a change of the inputs is made as one step that Undo takes back, as Sample
    // Data is (it runs the change, recalculates and shows the project); how a project file
    // is opened.
    struct Window {
        QWidget* widget = nullptr;
        std::function<bool()> maySetAside;
        std::function<void(const QString& name, const std::function<void()>& change)> change;
        std::function<bool(const QString& path)> openProject;
    };
    // Which building of a bills file to import, from their ids; -1 to import none.
    using ChooseBuilding = std::function<int(QWidget*, const QStringList& ids)>;

    PortfolioCommands(ProjectSession& session, FileDialogs& dialogs, Window window,
                      QObject* parent = nullptr);

    QAction* importBillsAction() const { return m_importBills; }
    QAction* screenAction() const { return m_screen; }

    void setBuildingChooser(ChooseBuilding choose) { m_chooseBuilding = std::move(choose); }

    // Import Bills without its file dialog. Returns whether the grid was filled; a file that
    // cannot be used changes nothing and is told in a message.
    bool importBills(const QString& path);
    // The portfolio window, created on first use and kept.
    PortfolioWindow& portfolioWindow();
    // Loads a building of a screening into the main window.
    void openBuilding(const BuildingOrigin& origin);

private:
    void importBillsWithDialog();

    ProjectSession& m_session;
    FileDialogs& m_dialogs;
    Window m_window;
    ChooseBuilding m_chooseBuilding;
    QAction* m_importBills;
    QAction* m_screen;
    QPointer<PortfolioWindow> m_portfolioWindow;
};

} // namespace plenara
