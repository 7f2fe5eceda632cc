#pragma once

#include <functional>

#include <QObject>

class QMenu;
class QWidget;

namespace plenara {

class ProjectUndo;

// The Edit menu: Undo and Redo of the project's inputs, and Cut, Copy and Paste in the box
// that has the focus. A box's own undo takes Ctrl+Z while it holds typing of its own; then
// the key undoes the project's last step. Paste of a block of cells copied from a
// spreadsheet into the monthly grid goes to `pasteBlock`, by menu and by key alike.
class EditMenu : public QObject {
    Q_OBJECT

public:
    // Takes a block for the control that has the focus: false when the control is no box
    // of the grid, and the paste is the box's own.
    using PasteBlock = std::function<bool(QWidget* focus, const QString& text)>;
    using AcceptsBlock = std::function<bool(const QWidget* focus)>;

    // Fills `menu` with the commands.
    EditMenu(QWidget& window, QMenu& menu, ProjectUndo& undo, AcceptsBlock acceptsBlock,
             PasteBlock pasteBlock);
    ~EditMenu() override;

    QMenu* menu() const { return m_menu; }

    void cut();
    void copy();
    void paste();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(const QObject* object) const;

    QWidget& m_window;
    ProjectUndo& m_undo;
    AcceptsBlock m_acceptsBlock;
    PasteBlock m_pasteBlock;
    QMenu* m_menu;
};

} // namespace plenara
