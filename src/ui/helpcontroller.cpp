#include "ui/helpcontroller.h"

#include "ui/filedialogs.h"
#include "ui/helpwindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QWidget>

namespace plenara {

HelpController::HelpController(QWidget& owner, FileDialogs& dialogs, QString collectionFile)
    : QObject(&owner)
    , m_owner(owner)
    , m_dialogs(dialogs)
    , m_collectionFile(std::move(collectionFile)) {
    setObjectName(QStringLiteral("helpController"));
    // F1 must reach the help from every box of the window, also from those that handle keys
    // themselves, so the key is taken before any widget sees it.
    qApp->installEventFilter(this);
}

HelpController::~HelpController() {
    qApp->removeEventFilter(this);
}

HelpWindow* HelpController::window() const {
    return m_window;
}

void HelpController::showContents() {
    if (HelpWindow* window = ensureWindow()) {
        window->showContents();
    }
}

void HelpController::showTopic(int context) {
    emit topicRequested(context);
    if (HelpWindow* window = ensureWindow()) {
        window->showTopic(context);
    }
}

int HelpController::contextOf(const QWidget* widget) const {
    const int context = helpContextOf(widget);
    return context == 0 && m_fallback ? m_fallback() : context;
}

void HelpController::showTopicOfFocus() {
    showTopic(contextOf(QApplication::focusWidget()));
}

bool HelpController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !belongsToOwner(widget)) {
        return false;
    }
    showTopic(contextOf(widget));
    return true;
}

bool HelpController::belongsToOwner(const QWidget* widget) const {
    for (const QWidget* top = widget->window(); top;
         top = top->parentWidget() ? top->parentWidget()->window() : nullptr) {
        if (top == m_window) {
            // F1 in the help window itself asks for nothing new.
            return false;
        }
        if (top == &m_owner) {
            return true;
        }
    }
    return false;
}

HelpWindow* HelpController::ensureWindow() {
    if (m_window) {
        return m_window;
    }
    if (!QFileInfo::exists(m_collectionFile)) {
        m_dialogs.showError(&m_owner, QStringLiteral("The help file %1 is missing.")
                                          .arg(QDir::toNativeSeparators(m_collectionFile)));
        return nullptr;
    }
    auto* window = new HelpWindow(m_collectionFile, &m_owner);
    if (!window->problem().isEmpty()) {
        m_dialogs.showError(&m_owner, window->problem());
        delete window;
        return nullptr;
    }
    m_window = window;
    return m_window;
}

} // namespace plenara
