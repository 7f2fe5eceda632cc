#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QSettings;
class QTabWidget;
class QWidget;

namespace plenara {

// The size and place of the main window. Each tab has the window size it was designed for
// (windowTabs()); on a screen too small for it the window is shrunk to the screen's available
// area and the tab's page scrolls. The window stays where the user put it, moved only as far
// as needed to bring it back onto the screen. Once the user has given the window a size of
// their own, tab changes keep it. Size, place and the current tab are kept between runs.
class WindowGeometry : public QObject {
    Q_OBJECT

public:
    WindowGeometry(QWidget& window, QTabWidget& tabs);

    // Lays the window out for the tab that has just become current.
    void showTab(int index);

    // Whether the user has resized the window since its size was last set for a tab.
    bool userSized() const { return m_userSized; }

    // The window size a tab was designed for, in pixels.
    static QSize designedSize(int index);
    // The size the window takes for a tab where the screen has room: the designed size, made
    // wide enough for the titles of all the tabs shown.
    QSize sizeForTab(int index) const;

    // The area of the screen that a window may take: the screen the window is on, less the
    // panels of the desktop.
    QRect availableArea() const;

    // Puts the window where it was at the end of the last run, with its size when the user
    // had chosen one, and makes the last tab current again when it is shown.
    void restore(const QSettings& settings);
    void save(QSettings& settings) const;

private:
    // Sets the window's size, no larger than the available area, and keeps it on the screen.
    void resizeWithin(const QSize& wanted);
    void keepOnScreen();
    QSize frameExtra() const;

    QWidget& m_window;
    QTabWidget& m_tabs;
    QSize m_applied; // the size last set for a tab
    bool m_userSized = false;
};

} // namespace plenara
