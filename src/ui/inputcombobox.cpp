#include "ui/inputcombobox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace plenara {

InputComboBox::InputComboBox(QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    // A typed text is never added to the list, and never completed from it: the box shows
    // exactly what was typed, as the record stores it.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // Long city names must not widen the tab; the popup still shows them whole.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);

    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!m_finishingEdit && index >= 0) {
            emit chosen(itemText(index));
        }
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        m_typedSinceLeft = true;
        emit typed(text);
    });
}

QStringList InputComboBox::items() const {
    QStringList list;
    list.reserve(count());
    for (int i = 0; i < count(); ++i) {
        list << itemText(i);
    }
    return list;
}

void InputComboBox::showList(const QStringList& list, const QString& text) {
    const QSignalBlocker blocker(this);
    if (items() != list) {
        clear();
        addItems(list);
    }
    // Keep the current item in step with the text, so that finishing an edit that left the
    // text alone never looks like a new choice.
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (currentIndex() != index) {
        setCurrentIndex(index);
    }
    if (currentText() != text) {
        setEditText(text);
    }
}

void InputComboBox::focusOutEvent(QFocusEvent* event) {
    m_finishingEdit = true;
    QComboBox::focusOutEvent(event);
    m_finishingEdit = false;
    // The box's own list, a menu, a dialog or another application taking the focus is no
    // leaving of the box.
    if (m_typedSinceLeft && event->reason() != Qt::PopupFocusReason &&
        event->reason() != Qt::ActiveWindowFocusReason) {
        m_typedSinceLeft = false;
        emit left();
    }
}

void InputComboBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    m_finishingEdit = enter;
    QComboBox::keyPressEvent(event);
    m_finishingEdit = false;
}

} // namespace plenara
