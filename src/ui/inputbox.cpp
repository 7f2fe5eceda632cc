#include "ui/inputbox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace plenara {

InputBox::InputBox(QWidget* parent)
    : QLineEdit(parent) {}

void InputBox::showText(const QString& text) {
    if (this->text() != text) {
        const bool selectAll = hasFocus() && selectedText() == this->text();
        setText(text);
        if (selectAll) {
            QLineEdit::selectAll();
        }
    }
}

void InputBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (m_selectAllOnFocus) {
        // After a mouse click the press itself places the cursor, so select once it is done.
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    }
}

void InputBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A menu, a dialog or another application taking the focus is no leaving of the box.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        emit left();
    }
}

void InputBox::keyPressEvent(QKeyEvent* event) {
    if (m_enterAsTab && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        focusNextChild();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace plenara
