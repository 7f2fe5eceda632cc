#pragma once

#include "climate/climatedata.h"
#include "ui/filedialogs.h"
#include "ui/frmtavchpscreening.h"

#include <deque>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace plenara::test {

// Fails a GUI test on an unexpected modal dialog instead of letting it hang: every 200 ms it
// closes whatever modal widget is open and remembers its title.
class ModalWatchdog : public QObject {
    Q_OBJECT

public:
    explicit ModalWatchdog(QObject* parent = nullptr)
        : QObject(parent) {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                m_seen << modal->windowTitle() + QStringLiteral(": ") +
                              modal->property("text").toString();
                modal->close();
            }
        });
        m_timer.start(200);
    }

    // The modal dialogs that had to be closed, empty when none appeared.
    QStringList seen() const { return m_seen; }

private:
    QTimer m_timer;
    QStringList m_seen;
};

// File dialogs and questions answered from a script, recording what was asked.
class FakeFileDialogs : public FileDialogs {
public:
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::deque<Answer> answers;
    std::deque<SaveChanges> saveChangesAnswers;
    QStringList asked; // every dialog shown, in order: "open", "save", "question: ...", ...
    QStringList errors;
    QStringList informations;
    QStringList filters;
    QStringList folders; // the folder each file dialog started in

    QString openFileName(QWidget*, const QString& folder, const QString&,
                         const QString& f) override {
        asked << QStringLiteral("open");
        folders << folder;
        filters << f;
        return take(openNames);
    }
    // Files chosen together, where a test gives them; otherwise one from openNames.
    std::deque<QStringList> openNameLists;
    QStringList openFileNames(QWidget* parent, const QString& folder, const QString& f) override {
        if (openNameLists.empty()) {
            return FileDialogs::openFileNames(parent, folder, f);
        }
        asked << QStringLiteral("open");
        QStringList names = openNameLists.front();
        openNameLists.pop_front();
        return names;
    }
    QString saveFileName(QWidget*, const QString& folder, const QString& proposed,
                         const QString& f) override {
        asked << QStringLiteral("save:") + proposed;
        folders << folder;
        filters << f;
        return take(saveNames);
    }
    Answer askYesNoCancel(QWidget*, const QString& text) override {
        asked << QStringLiteral("question: ") + text;
        if (answers.empty()) {
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    SaveChanges askSaveChanges(QWidget*) override {
        asked << QStringLiteral("save changes?");
        if (saveChangesAnswers.empty()) {
            return SaveChanges::Cancel;
        }
        const SaveChanges a = saveChangesAnswers.front();
        saveChangesAnswers.pop_front();
        return a;
    }
    void showError(QWidget*, const QString& text) override { errors << text; }
    void showInformation(QWidget*, const QString& text) override { informations << text; }

private:
    static QString take(std::deque<QString>& names) {
        if (names.empty()) {
            return {};
        }
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

// The child of `parent` with that object name; a warning names a child that is missing, so
// that the failing check that follows is easy to place.
template <typename T = QWidget>
T* findNamed(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (!child) {
        qWarning("no child %s", qPrintable(name));
    }
    return child;
}

// Opens the right-click menu of `target` as a mouse does, closes it again and gives its entry
// whose text starts with `entry`; null (with a warning) when there is no menu or no such entry.
inline QAction* contextMenuEntry(QWidget* target, const QString& entry) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                            target->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* found = nullptr;
    for (QAction* a : menu ? menu->actions() : QList<QAction*>()) {
        if (!found && a->text().startsWith(entry)) {
            found = a;
        }
    }
    if (menu) {
        menu->close();
    }
    if (!found) {
        qWarning("no menu entry %s", qPrintable(entry));
    }
    return found;
}

// The climate data shipped with the program.
inline ClimateTable shippedClimate() {
    return readClimateData(PLENARA_SHIPPED_DATA_DIR).table;
}

// The main window of a test, as init() opens it: fake file dialogs (`dialogs` points at them),
// shown, and a watchdog against modal dialogs left open.
inline void openTestWindow(std::unique_ptr<frmTAVCHPScreening>& window, FakeFileDialogs*& dialogs,
                           std::unique_ptr<ModalWatchdog>& watchdog) {
    auto fake = std::make_unique<FakeFileDialogs>();
    dialogs = fake.get();
    window = std::make_unique<frmTAVCHPScreening>(shippedClimate(), std::move(fake));
    window->show();
    watchdog = std::make_unique<ModalWatchdog>();
}

// As cleanup() closes it: the test fails when a modal dialog had to be closed for it.
inline void closeTestWindow(std::unique_ptr<frmTAVCHPScreening>& window,
                            const ModalWatchdog& watchdog) {
    QVERIFY2(watchdog.seen().isEmpty(), qPrintable(watchdog.seen().join(QStringLiteral("; "))));
    window.reset();
}

} // namespace plenara::test
