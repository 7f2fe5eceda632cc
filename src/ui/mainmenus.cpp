#include "ui/mainmenus.h"

#include "ui/frmtavchpscreening.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace plenara {

namespace {

template <typename Slot>
QAction* addCommand(frmTAVCHPScreening& window, QMenu* menu, const QString& text,
                    const QString& name, const QKeySequence& key, Slot slot) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(key);
    QObject::connect(action, &QAction::triggered, &window, slot);
    return action;
}

// The desktop's own key of a standard command; the usual one where the platform names none
// (a bare X server or an offscreen platform lists no key for Quit).
QKeySequence standardKey(QKeySequence::StandardKey key, const QKeySequence& usual) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    return keys.isEmpty() ? usual : keys.constFirst();
}

} // namespace

MainMenus createMainMenus(frmTAVCHPScreening& window) {
    using W = frmTAVCHPScreening;
    MainMenus menus;
    QMenuBar* bar = window.menuBar();

    // The platform's standard keys: on this desktop Ctrl+Q quits and Ctrl+Shift+S saves under
    // a new name, so that Ctrl+X and Ctrl+A cut and select in every box.
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addCommand(window, file, QStringLiteral("&New"), QStringLiteral("mnuFNew"),
               standardKey(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)),
               &W::mnuFNew_Click);
    addCommand(window, file, QStringLiteral("&Print"), QStringLiteral("mnuPrint"),
               standardKey(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)),
               &W::mnuPrint_Click);
    addCommand(window, file, QStringLiteral("&Export PDF..."), QStringLiteral("mnuExportPdf"), {},
               &W::mnuExportPdf_Click);
    addCommand(window, file, QStringLiteral("&Open"), QStringLiteral("mnuFOpen"),
               standardKey(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)),
               &W::mnuFOpen_Click);
    menus.recentFiles = file->addMenu(QStringLiteral("&Recent Files"));
    menus.recentFiles->setObjectName(QStringLiteral("mnuRecentFiles"));
    addCommand(window, file, QStringLiteral("&Save Current  Data"), QStringLiteral("mnuFSave"),
               standardKey(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)),
               &W::mnuFSave_Click);
    addCommand(window, file, QStringLiteral("Save Current Data  &As"), QStringLiteral("mnuFSaveAs"),
               standardKey(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
               &W::mnuFSaveAs_Click);
    file->addSeparator();
    addCommand(window, file, QStringLiteral("E&xit"), QStringLiteral("mnuFExit"),
               standardKey(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)),
               &W::mnuFExit_Click);
    file->addSeparator();
    addCommand(window, file, QStringLiteral("&Capture Screen Shots"),
               QStringLiteral("mnuScreenShots"), QKeySequence(Qt::CTRL | Qt::Key_H),
               &W::mnuScreenShots_Click);
    menus.file = file;

    menus.edit = bar->addMenu(QStringLiteral("&Edit"));
    menus.edit->setObjectName(QStringLiteral("mnuEdit"));

    QMenu* data = bar->addMenu(QStringLiteral("&Data"));
    data->setObjectName(QStringLiteral("mnuData"));
    addCommand(window, data, QStringLiteral("&Clear Form"), QStringLiteral("mnuFClear"), {},
               &W::mnuFClear_Click);
    addCommand(window, data, QStringLiteral("Sample &Data"), QStringLiteral("mnuFSampleData"), {},
               &W::mnuFSampleData_Click);
    menus.data = data;

    // F1 is no shortcut of the menu: it shows the help of the focused control (HelpController).
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelpMenu"));
    addCommand(window, help, QStringLiteral("&Contents"), QStringLiteral("mnuHelp"), {},
               &W::mnuHelp_Click);
    help->addSeparator();
    addCommand(window, help, QStringLiteral("&About Plenara"), QStringLiteral("mnuAbout"), {},
               &W::mnuAbout_Click);
    menus.help = help;
    return menus;
}

} // namespace plenara
