#pragma once

#include <QLineEdit>

namespace plenara {

// A text box of the window: selects its whole text when it receives the focus (so typing
// replaces it), signals when the focus leaves it (whether or not the text changed), and,
// when Enter-as-Tab is on, moves the focus on to the next control when Enter is pressed
// instead of taking the key.
class InputBox : public QLineEdit {
    Q_OBJECT

public:
    explicit InputBox(QWidget* parent = nullptr);

    void setEnterAsTab(bool on) { m_enterAsTab = on; }
    void setSelectAllOnFocus(bool on) { m_selectAllOnFocus = on; }

    // Shows a text from the input record without raising textEdited.
    void showText(const QString& text);

signals:
    // The focus left the box for another control of the window.
    void left();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_enterAsTab = true;
    bool m_selectAllOnFocus = true;
};

} // namespace plenara
