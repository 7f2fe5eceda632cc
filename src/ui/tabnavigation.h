#pragma once

#include <QObject>

class QTabWidget;
class QWidget;

namespace plenara {

// The keys that page through the tabs: Ctrl+Tab and Ctrl+PgDn to the next tab, Ctrl+Shift+Tab
// and Ctrl+PgUp to the previous one, wrapping round. Only the shown tabs count; the tab holder
// by itself would also stop at the hidden detail tabs and working surfaces.
class TabNavigation : public QObject {
    Q_OBJECT

public:
    TabNavigation(QWidget& window, QTabWidget& tabs);

    // The shown tab `step` tabs (1 or -1) from `from`; `from` itself when no other is shown.
    static int nextShownTab(const QTabWidget& tabs, int from, int step);

private:
    void go(int step);

    QTabWidget& m_tabs;
};

} // namespace plenara
