#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class QSettings;

namespace plenara {

// The "Recent Files" submenu of the File menu: the last projects opened or saved, newest
// first, at most eight. A file that no longer exists is dropped when the list is shown.
// With settings attached the list is kept between runs.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaximum = 8;

    explicit RecentFiles(QMenu* menu, QObject* parent = nullptr);

    // Reads the list from `settings`, and writes every change of it there from now on.
    void attach(QSettings* settings);

    // Puts a file at the top of the list.
    void add(const QString& path);
    // The files of the list that still exist, newest first.
    QStringList files();

signals:
    // A file of the submenu was chosen.
    void openRequested(const QString& path);

private:
    void fillMenu();
    void store();

    QMenu* m_menu;
    QSettings* m_settings = nullptr;
    QStringList m_files;
};

} // namespace plenara
