#include "ui/portfoliocommands.h"

#include "engine/textfields.h"
#include "portfolio/billsimport.h"
#include "portfolio/portfolioreader.h"
#include "project/projectsession.h"
#include "ui/filedialogs.h"
#include "ui/portfoliowindow.h"

#include <QAction>
#include <QInputDialog>

namespace plenara {

namespace {

const QString kBillsFilters = QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");

} // namespace

PortfolioCommands::PortfolioCommands(ProjectSession& session, FileDialogs& dialogs, Window window,
                                     QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_dialogs(dialogs)
    , m_window(std::move(window))
    , m_chooseBuilding([](QWidget* owner, const QStringList& ids) {
        bool chosen = false;
        const QString id = QInputDialog::getItem(
            owner, QStringLiteral("Import Bills"),
            QStringLiteral("The file holds the bills of %1 buildings. Import those of:")
                .arg(ids.size()),
            ids, 0, false, &chosen);
        return chosen ? static_cast<int>(ids.indexOf(id)) : -1;
    })
    , m_importBills(new QAction(QStringLiteral("&Import Bills..."), this))
    , m_screen(new QAction(QStringLiteral("Screen a Port&folio..."), this)) {
    m_importBills->setObjectName(QStringLiteral("mnuImportBills"));
    m_screen->setObjectName(QStringLiteral("mnuScreenPortfolio"));
    connect(m_importBills, &QAction::triggered, this, &PortfolioCommands::importBillsWithDialog);
    connect(m_screen, &QAction::triggered, this, [this] {
        PortfolioWindow& window = portfolioWindow();
        window.show();
        window.raise();
        window.activateWindow();
    });
}

void PortfolioCommands::importBillsWithDialog() {
    const QString path = m_dialogs.openFileName(m_window.widget, {}, {}, kBillsFilters);
    if (!path.isEmpty()) {
        importBills(path);
    }
}

bool PortfolioCommands::importBills(const QString& path) {
    BillsFile file;
    if (const std::string problem = file.open(path.toStdString()); !problem.empty()) {
        m_dialogs.showError(m_window.widget, QString::fromStdString(problem));
        return false;
    }
    int chosen = 0;
    if (file.ids().size() > 1) {
        QStringList ids;
        for (const std::string& id : file.ids()) {
            ids << QString::fromStdString(id);
        }
        chosen = m_chooseBuilding(m_window.widget, ids);
        if (chosen < 0) {
            return false;
        }
    }
    ProjectInputs imported = m_session.inputs();
    if (const std::string problem = file.importInto(static_cast<std::size_t>(chosen), imported);
        !problem.empty()) {
        m_dialogs.showError(m_window.widget, QString::fromStdString(problem));
        return false;
    }
    m_window.change(QStringLiteral("Import Bills"), [&] { m_session.inputs() = imported; });
    return true;
}

PortfolioWindow& PortfolioCommands::portfolioWindow() {
    if (!m_portfolioWindow) {
        // A window of its own beside the main window, which owns it: it closes with the
        // program, and the program ends when the main window closes.
        m_portfolioWindow = new PortfolioWindow(
            m_session.climate(), m_session.emissions(), m_dialogs,
            [this](const BuildingOrigin& origin) { openBuilding(origin); }, m_window.widget);
    }
    return *m_portfolioWindow;
}

void PortfolioCommands::openBuilding(const BuildingOrigin& origin) {
    if (!m_window.maySetAside()) {
        return;
    }
    if (!origin.projectFile.empty()) {
        m_window.openProject(QString::fromStdString(origin.projectFile));
        return;
    }
    const BuildingInput building = PortfolioReader::readBuilding(origin, m_session.climate());
    if (!building.error.empty()) {
        m_dialogs.showError(m_window.widget, QString::fromStdString(building.error));
        return;
    }
    m_window.change(QStringLiteral("Open Building"),
                    [&] { m_session.loadBuilding(building.inputs); });
}

} // namespace plenara
