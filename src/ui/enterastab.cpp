#include "ui/enterastab.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace plenara {

EnterAsTab::EnterAsTab(QObject* parent)
    : QObject(parent) {}

void EnterAsTab::watch(QWidget* widget) {
    widget->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
        combo->lineEdit()->installEventFilter(this);
    }
}

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            QWidget* widget = qobject_cast<QWidget*>(watched);
            // The text box of a drop-down box moves on from the box itself.
            if (auto* combo = qobject_cast<QComboBox*>(widget ? widget->parentWidget() : nullptr)) {
                widget = combo;
            }
            if (widget) {
                QWidget* next = widget->nextInFocusChain();
                while (next && next != widget &&
                       (!(next->focusPolicy() & Qt::TabFocus) ||
                        !next->isVisibleTo(widget->window()) || !next->isEnabled() ||
                        next->focusProxy())) {
                    next = next->nextInFocusChain();
                }
                if (next && next != widget) {
                    next->setFocus(Qt::TabFocusReason);
                }
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace plenara
