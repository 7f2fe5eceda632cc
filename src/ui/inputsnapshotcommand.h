#pragma once

#include "project/projectinputs.h"

#include <functional>

#include <QUndoCommand>

namespace plenara {

// One undoable step: the whole input record before and after a change. A typed box, Sample
// Data, Clear Form or an import of bills is each one step, however many fields it changed.
// Undo and redo hand the record to `apply`, which recalculates and shows it.
class InputSnapshotCommand : public QUndoCommand {
public:
    using Apply = std::function<void(const ProjectInputs&)>;

    InputSnapshotCommand(const QString& text, ProjectInputs before, ProjectInputs after,
                         Apply apply);

    void undo() override;
    void redo() override;

    const ProjectInputs& before() const { return m_before; }
    const ProjectInputs& after() const { return m_after; }

private:
    ProjectInputs m_before;
    ProjectInputs m_after;
    Apply m_apply;
    // The change is already made when the step is recorded: the first redo, which the undo
    // stack runs on push, has nothing to do.
    bool m_done = true;
};

} // namespace plenara
