#include "ui/editmenu.h"

#include "ui/clipboardblock.h"
#include "ui/projectundo.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace plenara {

namespace {

// The text control behind the focus: an editable drop-down box edits in its line edit.
QObject* textControl(QWidget* focus) {
    if (auto* combo = qobject_cast<QComboBox*>(focus); combo && combo->lineEdit()) {
        return combo->lineEdit();
    }
    if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus) ||
        qobject_cast<QTextEdit*>(focus)) {
        return focus;
    }
    return nullptr;
}

} // namespace

EditMenu::EditMenu(QWidget& window, QMenu& menu, ProjectUndo& undo, PasteBlock pasteBlock)
    : QObject(&window)
    , m_window(window)
    , m_undo(undo)
    , m_pasteBlock(std::move(pasteBlock))
    , m_menu(&menu) {
    m_menu->addAction(m_undo.undoAction());
    m_menu->addAction(m_undo.redoAction());
    m_menu->addSeparator();
    const auto add = [this](const QString& text, const QString& name, QKeySequence::StandardKey key,
                            void (EditMenu::*slot)()) {
        QAction* action = m_menu->addAction(text);
        action->setObjectName(name);
        // Every key of the desktop's own for the command: paste is Shift+Insert as well.
        action->setShortcuts(key);
        connect(action, &QAction::triggered, this, slot);
    };
    add(QStringLiteral("Cu&t"), QStringLiteral("mnuEditCut"), QKeySequence::Cut, &EditMenu::cut);
    add(QStringLiteral("&Copy"), QStringLiteral("mnuEditCopy"), QKeySequence::Copy,
        &EditMenu::copy);
    add(QStringLiteral("&Paste"), QStringLiteral("mnuEditPaste"), QKeySequence::Paste,
        &EditMenu::paste);
    qApp->installEventFilter(this);
}

EditMenu::~EditMenu() {
    qApp->removeEventFilter(this);
}

void EditMenu::cut() {
    if (QObject* control = textControl(QApplication::focusWidget())) {
        QMetaObject::invokeMethod(control, "cut");
    }
}

void EditMenu::copy() {
    if (QObject* control = textControl(QApplication::focusWidget())) {
        QMetaObject::invokeMethod(control, "copy");
    }
}

void EditMenu::paste() {
    pasteInto(QApplication::focusWidget());
}

void EditMenu::pasteInto(QWidget* target) {
    const QString text = QGuiApplication::clipboard()->text();
    QObject* control = textControl(target);
    if (!isClipboardBlock(text)) {
        if (control) {
            QMetaObject::invokeMethod(control, "paste");
        }
        return;
    }
    if (m_pasteBlock(target, text)) {
        return;
    }
    // A box of one value takes the first cell: the whole block run together would read as
    // one long number.
    if (auto* line = qobject_cast<QLineEdit*>(control); line && !line->isReadOnly()) {
        line->insert(clipboardRows(text).front().front());
    } else if (control) {
        QMetaObject::invokeMethod(control, "paste");
    }
}

bool EditMenu::showContextMenu(QLineEdit& line, const QPoint& globalPos) {
    // The box's own menu, with its Paste going the way of the Edit menu's.
    QMenu* menu = line.createStandardContextMenu();
    QAction* pasteAction = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().startsWith(QLatin1String("&Paste"))) {
            pasteAction = action;
        }
    }
    if (!pasteAction) {
        delete menu;
        return false;
    }
    disconnect(pasteAction, &QAction::triggered, nullptr, nullptr);
    QWidget* target = &line;
    if (auto* combo = qobject_cast<QComboBox*>(line.parentWidget());
        combo && combo->lineEdit() == &line) {
        target = combo;
    }
    connect(pasteAction, &QAction::triggered, this, [this, target] { pasteInto(target); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
    return true;
}

bool EditMenu::belongsToWindow(const QObject* object) const {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->window() == &m_window;
}

bool EditMenu::eventFilter(QObject* watched, QEvent* event) {
    if (!belongsToWindow(watched)) {
        return false;
    }
    if (event->type() == QEvent::ContextMenu) {
        auto* line = qobject_cast<QLineEdit*>(watched);
        return line && showContextMenu(*line, static_cast<QContextMenuEvent*>(event)->globalPos());
    }
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    // A line edit claims Ctrl+Z, Ctrl+Y and Ctrl+V for itself. It keeps them while it has
    // something of its own to undo or redo, and for a paste of one cell; otherwise the keys go
    // on to the Edit menu, which pastes a block into the grid or its first cell elsewhere. Leaving
    // the event unaccepted lets the menu's shortcut run.
    auto* key = static_cast<QKeyEvent*>(event);
    QObject* control = textControl(qobject_cast<QWidget*>(watched));
    auto* line = qobject_cast<QLineEdit*>(control);
    if (!line) {
        return false;
    }
    if (key->matches(QKeySequence::Undo) && !line->isUndoAvailable()) {
        return true;
    }
    if (key->matches(QKeySequence::Redo) && !line->isRedoAvailable()) {
        return true;
    }
    if (key->matches(QKeySequence::Paste) && !line->isReadOnly() &&
        isClipboardBlock(QGuiApplication::clipboard()->text())) {
        return true;
    }
    return false;
}

} // namespace plenara
