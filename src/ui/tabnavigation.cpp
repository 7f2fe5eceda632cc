#include "ui/tabnavigation.h"

#include <QAction>
#include <QKeySequence>
#include <QTabWidget>
#include <QWidget>

namespace plenara {

TabNavigation::TabNavigation(QWidget& window, QTabWidget& tabs)
    : QObject(&window)
    , m_tabs(tabs) {
    const auto addKeys = [this, &window](const QString& name, const QList<QKeySequence>& keys,
                                         int step) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, step] { go(step); });
        window.addAction(action);
    };
    addKeys(QStringLiteral("nextTab"),
            {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    addKeys(QStringLiteral("previousTab"),
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
             QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
            -1);
}

int TabNavigation::nextShownTab(const QTabWidget& tabs, int from, int step) {
    const int count = tabs.count();
    if (count == 0) {
        return from;
    }
    int index = from;
    for (int tried = 1; tried < count; ++tried) {
        index = ((index + step) % count + count) % count;
        if (tabs.isTabVisible(index) && tabs.isTabEnabled(index)) {
            return index;
        }
    }
    return from;
}

void TabNavigation::go(int step) {
    const int from = m_tabs.currentIndex();
    const int to = nextShownTab(m_tabs, from, step);
    if (to != from) {
        m_tabs.setCurrentIndex(to);
    }
}

} // namespace plenara
