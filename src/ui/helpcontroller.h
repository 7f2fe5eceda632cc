#pragma once

#include "ui/helptopics.h"

#include <functional>

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace plenara {

class FileDialogs;
class HelpWindow;

// Help for the main window: the "Help" command shows the table of contents, and F1 anywhere
// in the window shows the topic of the control that has the focus, or, where that control has
// none of its own, the fallback topic (the current tab's). The help window is created on first
// use and kept for the rest of the run.
class HelpController : public QObject {
    Q_OBJECT

public:
    HelpController(QWidget& owner, FileDialogs& dialogs,
                   QString collectionFile = helpCollectionFile());
    ~HelpController() override;

    // The topic of F1 where the focused control has none (context 0).
    void setFallbackContext(std::function<int()> fallback) { m_fallback = std::move(fallback); }
    // The topic F1 shows for a control.
    int contextOf(const QWidget* widget) const;

    // Shows the window with the table of contents.
    void showContents();
    // Shows the topic of a help context number.
    void showTopic(int context);
    // Shows the topic of the control that has the focus (F1).
    void showTopicOfFocus();

    // The help window; null until help was first shown.
    HelpWindow* window() const;

signals:
    // The topic of a context number is asked for (F1 or showTopic), before it is shown.
    void topicRequested(int context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The help window, created when first needed; null, after a message naming the file,
    // when the help book cannot be read.
    HelpWindow* ensureWindow();
    // Whether a widget belongs to the owner window or one of its dialogs.
    bool belongsToOwner(const QWidget* widget) const;

    QWidget& m_owner;
    FileDialogs& m_dialogs;
    QString m_collectionFile;
    QPointer<HelpWindow> m_window;
    std::function<int()> m_fallback;
};

} // namespace plenara
