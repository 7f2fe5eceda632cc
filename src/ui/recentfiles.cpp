#include "ui/recentfiles.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace plenara {

namespace {

const QString kKey = QStringLiteral("RecentFiles");

// A menu text shows a single "&" as the mark of its access key.
QString menuText(int number, const QString& label) {
    QString text = label;
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(text);
}

// The file name of each entry; entries that share one are told apart by the fewest of their
// last folders that differ, as "PROJECT.TAV (north/2023)".
QStringList entryLabels(const QStringList& paths) {
    QStringList labels;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        const QString name = file.fileName();
        QStringList twins;
        for (const QString& other : paths) {
            if (other != path && QFileInfo(other).fileName() == name) {
                twins << QFileInfo(other).absolutePath();
            }
        }
        if (twins.isEmpty()) {
            labels << name;
            continue;
        }
        const QStringList folders = file.absolutePath().split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QString tail;
        for (qsizetype k = 1; k <= folders.size(); ++k) {
            tail = folders.mid(folders.size() - k).join(QLatin1Char('/'));
            const bool unique = std::none_of(twins.cbegin(), twins.cend(), [&](const QString& t) {
                return t == tail || t.endsWith(QLatin1Char('/') + tail);
            });
            if (unique) {
                break;
            }
        }
        labels << QStringLiteral("%1 (%2)").arg(name, QDir::toNativeSeparators(tail));
    }
    return labels;
}

} // namespace

RecentFiles::RecentFiles(QMenu* menu, QObject* parent)
    : QObject(parent)
    , m_menu(menu) {
    // The entries name their files only; the full path shows on hover.
    m_menu->setToolTipsVisible(true);
    connect(m_menu, &QMenu::aboutToShow, this, &RecentFiles::fillMenu);
    fillMenu();
}

void RecentFiles::attach(QSettings* settings) {
    m_settings = settings;
    if (m_settings) {
        m_files = m_settings->value(kKey).toStringList().mid(0, kMaximum);
    }
    fillMenu();
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kMaximum) {
        m_files.removeLast();
    }
    store();
    fillMenu();
}

QStringList RecentFiles::files() {
    QStringList existing;
    for (const QString& file : std::as_const(m_files)) {
        if (QFileInfo(file).isFile()) {
            existing << file;
        }
    }
    if (existing != m_files) {
        m_files = existing;
        store();
    }
    return m_files;
}

void RecentFiles::store() {
    if (m_settings) {
        m_settings->setValue(kKey, m_files);
    }
}

void RecentFiles::fillMenu() {
    m_menu->clear();
    const QStringList list = files();
    const QStringList labels = entryLabels(list);
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list.at(i);
        QAction* action = m_menu->addAction(menuText(i + 1, labels.at(i)));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit openRequested(path); });
    }
    if (list.isEmpty()) {
        m_menu->addAction(QStringLiteral("(none)"))->setEnabled(false);
    }
    m_menu->setEnabled(true);
}

} // namespace plenara
