#pragma once

#include "project/projectinputs.h"
#include "project/projectsession.h"

#include <functional>
#include <optional>

#include <QUndoCommand>

namespace plenara {

// One undoable step: the whole input record before and after a change. A typed box, Sample
// Data, Clear Form or an import of bills is each one step, however many fields it changed.
// Undo and redo hand the record to `apply`, which recalculates and shows it. A step that
// changed which file the project belongs to, or what counts as unchanged, carries that too.
class InputSnapshotCommand : public QUndoCommand {
public:
    struct Snapshot {
        ProjectInputs inputs;
        std::optional<ProjectSession::FileState> file; // none: the step left the file alone
    };
    using Apply = std::function<void(const Snapshot&)>;

    InputSnapshotCommand(const QString& text, Snapshot before, Snapshot after, Apply apply);

    void undo() override;
    void redo() override;

    const Snapshot& before() const { return m_before; }
    const Snapshot& after() const { return m_after; }

private:
    Snapshot m_before;
    Snapshot m_after;
    Apply m_apply;
    // The change is already made when the step is recorded: the first redo, which the undo
    // stack runs on push, has nothing to do.
    bool m_done = true;
};

} // namespace plenara
