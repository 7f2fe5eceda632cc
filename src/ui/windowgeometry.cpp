#include "ui/windowgeometry.h"

#include "ui/windowtab.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace plenara {

namespace {

const QString kPosition = QStringLiteral("MainWindow/position");
const QString kSize = QStringLiteral("MainWindow/size");
const QString kUserSized = QStringLiteral("MainWindow/userSized");
const QString kMaximized = QStringLiteral("MainWindow/maximized");
const QString kLastTab = QStringLiteral("MainWindow/lastTab");

// Window sizes are designed in twips: 15 twips to a pixel at 96 dots per inch.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

// Before the window is shown its frame is unknown; a title bar of this height is assumed so
// that the first size already leaves room for it.
const QSize kAssumedFrame(8, 32);

// What the window needs around its tab bar: the margins of the window and the frame of the
// tab widget.
constexpr int kTabBarSurround = 24;

} // namespace

WindowGeometry::WindowGeometry(QWidget& window, QTabWidget& tabs)
    : QObject(&window)
    , m_window(window)
    , m_tabs(tabs) {}

QSize WindowGeometry::designedSize(int index) {
    const WindowTab* row = windowTab(index);
    if (!row) {
        row = &windowTabs().front();
    }
    return {twipsToPixels(row->widthTwips), twipsToPixels(row->heightTwips)};
}

QRect WindowGeometry::availableArea() const {
    const QScreen* screen = m_window.screen();
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 720);
}

QSize WindowGeometry::frameExtra() const {
    if (m_window.isVisible()) {
        const QSize extra = m_window.frameGeometry().size() - m_window.size();
        if (extra.width() > 0 || extra.height() > 0) {
            return extra;
        }
    }
    return kAssumedFrame;
}

void WindowGeometry::showTab(int index) {
    if (m_window.isMaximized() || m_window.isFullScreen()) {
        return;
    }
    const WindowTab* row = windowTab(index);
    if (row && row->workingSurface) {
        // The working surfaces are only made current while a page is composed.
        return;
    }
    if (m_applied.isValid() && m_window.size() != m_applied) {
        m_userSized = true;
    }
    if (m_userSized) {
        keepOnScreen();
        return;
    }
    resizeWithin(sizeForTab(index));
}

QSize WindowGeometry::sizeForTab(int index) const {
    // The designed sizes date from fewer tabs: where the screen has room, the window is wide
    // enough to show every tab's title rather than scroll the tab bar.
    QSize wanted = designedSize(index);
    wanted.setWidth(
        std::max(wanted.width(), m_tabs.tabBar()->sizeHint().width() + kTabBarSurround));
    return wanted;
}

void WindowGeometry::resizeWithin(const QSize& wanted) {
    const QSize room = availableArea().size() - frameExtra();
    m_window.resize(wanted.boundedTo(room));
    // The size the window really took: its minimum may be larger than what was asked.
    m_applied = m_window.size();
    keepOnScreen();
}

void WindowGeometry::keepOnScreen() {
    const QRect area = availableArea();
    const QRect frame = m_window.isVisible()
                            ? m_window.frameGeometry()
                            : QRect(m_window.pos(), m_window.size() + frameExtra());
    QPoint place = frame.topLeft();
    place.setX(std::max(area.left(), std::min(place.x(), area.right() + 1 - frame.width())));
    place.setY(std::max(area.top(), std::min(place.y(), area.bottom() + 1 - frame.height())));
    if (place != frame.topLeft()) {
        m_window.move(place);
    }
}

void WindowGeometry::restore(const QSettings& settings) {
    const QPoint position = settings.value(kPosition).toPoint();
    if (settings.contains(kPosition)) {
        // A place on a screen that is no longer attached is brought back onto this one.
        m_window.move(position);
    }
    m_userSized = settings.value(kUserSized, false).toBool();
    const QSize size = settings.value(kSize).toSize();
    if (m_userSized && size.isValid()) {
        m_window.resize(size.boundedTo(availableArea().size() - frameExtra()));
        m_applied = m_window.size();
    }
    const QString lastTab = settings.value(kLastTab).toString();
    for (int i = 0; i < m_tabs.count(); ++i) {
        if (m_tabs.widget(i)->objectName() == lastTab && m_tabs.isTabVisible(i)) {
            m_tabs.setCurrentIndex(i);
        }
    }
    showTab(m_tabs.currentIndex());
    if (settings.value(kMaximized, false).toBool()) {
        m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
    }
}

void WindowGeometry::save(QSettings& settings) const {
    const bool maximized = m_window.isMaximized() || m_window.isFullScreen();
    const QRect normal = maximized ? m_window.normalGeometry() : m_window.geometry();
    const QPoint frameTopLeft = maximized ? normal.topLeft() : m_window.frameGeometry().topLeft();
    settings.setValue(kPosition, frameTopLeft);
    settings.setValue(kSize, normal.size());
    settings.setValue(kUserSized, m_userSized || (m_applied.isValid() && !maximized &&
                                                  m_window.size() != m_applied));
    settings.setValue(kMaximized, maximized);
    if (QWidget* page = m_tabs.currentWidget()) {
        settings.setValue(kLastTab, page->objectName());
    }
}

} // namespace plenara
