#pragma once

#include <functional>

#include <QObject>

class QLineEdit;
class QMenu;
class QPoint;
class QWidget;

namespace plenara {

class ProjectUndo;

// The Edit menu: Undo and Redo of the project's inputs, and Cut, Copy and Paste in the box
// that has the focus. A box's own undo takes Ctrl+Z while it holds typing of its own; then
// the key undoes the project's last step. Paste of a block of cells copied from a
// spreadsheet goes through here by every path (the menu, each of the desktop's paste keys
// and a box's own right-click menu): into the monthly grid it goes to `pasteBlock`, into any
// other box only its first cell goes.
class EditMenu : public QObject {
    Q_OBJECT

public:
    // Takes a block for the control that has the focus: false when the control is no box
    // of the grid, and the paste is the box's own.
    using PasteBlock = std::function<bool(QWidget* focus, const QString& text)>;

    // Fills `menu` with the commands.
    EditMenu(QWidget& window, QMenu& menu, ProjectUndo& undo, PasteBlock pasteBlock);
    ~EditMenu() override;

    QMenu* menu() const { return m_menu; }

    void cut();
    void copy();
    void paste();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(const QObject* object) const;
    void pasteInto(QWidget* target);
    bool showContextMenu(QLineEdit& line, const QPoint& globalPos);

    QWidget& m_window;
    ProjectUndo& m_undo;
    PasteBlock m_pasteBlock;
    QMenu* m_menu;
};

} // namespace plenara
