#include "ui/inputsnapshotcommand.h"

namespace plenara {

InputSnapshotCommand::InputSnapshotCommand(const QString& text, Snapshot before, Snapshot after,
                                           Apply apply)
    : QUndoCommand(text)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_apply(std::move(apply)) {}

void InputSnapshotCommand::undo() {
    m_apply(m_before);
}

void InputSnapshotCommand::redo() {
    if (m_done) {
        m_done = false;
        return;
    }
    m_apply(m_after);
}

} // namespace plenara
