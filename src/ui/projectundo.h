#pragma once

#include "project/projectinputs.h"
#include "ui/inputsnapshotcommand.h"

#include <functional>
#include <map>
#include <string>

#include <QObject>

class QAction;
class QUndoStack;

namespace plenara {

class ProjectSession;

// Undo and redo of the project's inputs. Each step is a snapshot of the input record before
// and after a change (InputSnapshotCommand): the typing in one box, ended by leaving the box;
// a command such as Sample Data or Clear Form; a later import of bills. Undoing back to the
// state that was last saved leaves nothing to save, since the change mark compares the inputs
// with the saved file. A step such as Clear Form also gives back the file the project
// belonged to, so that Save writes there again.
class ProjectUndo : public QObject {
    Q_OBJECT

public:
    // `apply` puts an input record into the session, recalculates and shows it.
    using Apply = std::function<void(const ProjectInputs&)>;
    ProjectUndo(ProjectSession& session, Apply apply, QObject* parent = nullptr);

    QUndoStack& stack() { return *m_stack; }
    QAction* undoAction() const { return m_undoAction; }
    QAction* redoAction() const { return m_redoAction; }

    // Records what was typed since the last step as one step. The window calls it before
    // every recalculation and whenever the focus moves on.
    void commitEdits();
    // Takes the inputs as they now stand as the start of the next step: a recalculation has
    // rewritten the numeric texts, which is no change of the user's.
    void settle();
    // Runs a command that changes the inputs (and recalculates) as one step named `text`.
    void perform(const QString& text, const std::function<void()>& change);
    // Forgets every step: another project was opened.
    void clear();
    // The project was saved: a step undone back to its file finds it as saved now.
    void noteSaved();

    // Whether something was typed since the last step or recalculation.
    bool hasPendingEdits() const;

    // Refreshes the enabled state of Undo: typing not yet recorded can be undone too.
    void noticeEdit();

    void undo();
    void redo();

private:
    void push(const QString& text, const ProjectInputs& before,
              const ProjectSession::FileState& beforeFile);
    void applySnapshot(const InputSnapshotCommand::Snapshot& snapshot);
    void updateActions();

    ProjectSession& m_session;
    Apply m_apply;
    QUndoStack* m_stack;
    QAction* m_undoAction;
    QAction* m_redoAction;
    ProjectInputs m_settled;
    // The text each file was last opened or saved with, by path: the file may have been saved
    // again since a step recorded it.
    std::map<std::string, std::string> m_savedTexts;
    bool m_applying = false;
};

// The name of an edit for the Undo and Redo commands: the label of the one numeric box that
// changed ("kWh, March"), else "Edit".
QString editName(const ProjectInputs& before, const ProjectInputs& after);

} // namespace plenara
