#pragma once

class QMenu;

namespace plenara {

class frmTAVCHPScreening;

// The menus of the main window that the window's commands need to reach again.
struct MainMenus {
    QMenu* file = nullptr;
    QMenu* recentFiles = nullptr;
    QMenu* edit = nullptr; // filled by EditMenu
    QMenu* data = nullptr;
    QMenu* help = nullptr;
};

// Builds the menus of the window in their order on the menu bar, with their shortcuts, wired
// to the window's commands: File, Edit (its commands come from EditMenu), Data and Help.
MainMenus createMainMenus(frmTAVCHPScreening& window);

} // namespace plenara
