#pragma once

#include <QComboBox>
#include <QStringList>

namespace plenara {

// A drop-down box of the input tabs: it takes a typed text as well as a choice from its list.
// A choice from the list (by mouse, arrow keys or wheel) is an event that the tabs act on; a
// typed text is stored as typed and counts once the box is left (`left`), even when it
// happens to spell an item of the list: it never refills a dependent list. Plain QComboBox would
// treat such a text as a choice when the editing ends, which would refill the unit or city list
// behind the user's back.
class InputComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit InputComboBox(QWidget* parent = nullptr);

    // Shows a list and a text from the input record without raising chosen or typed. The
    // text need not be an item of the list (a project file may hold any text).
    void showList(const QStringList& items, const QString& text);

    // The items of the list, in order.
    QStringList items() const;

signals:
    // An item was chosen from the list; `text` is the item's text.
    void chosen(const QString& text);
    // The user typed into the edit part; `text` is the whole shown text.
    void typed(const QString& text);
    // The box lost the focus to another box after a text was typed into it.
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // True while the edit part finishes its editing (Enter or loss of focus); an activation
    // raised then comes from the typed text, not from the list.
    bool m_finishingEdit = false;
    bool m_typedSinceLeft = false;
};

} // namespace plenara
