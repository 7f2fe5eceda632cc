#include "ui/projectundo.h"

#include "project/inputwarnings.h"
#include "project/projectsession.h"

#include <QAction>
#include <QKeySequence>
#include <QUndoStack>

namespace plenara {

namespace {

template <auto Field>
bool differs(const ProjectInputs& a, const ProjectInputs& b) {
    return a.*Field != b.*Field;
}

// The inputs chosen from lists or options, each with the name of its undo step. A choice may
// change the inputs that follow it (a fuel its unit, a state its city): it is named by the
// first.
struct Choice {
    const char* label;
    bool (*changed)(const ProjectInputs&, const ProjectInputs&);
};
const Choice kChoices[] = {
    {"Fuel #1", &differs<&ProjectInputs::Fuel1Type>},
    {"Fuel #1 Units", &differs<&ProjectInputs::Fuel1Units>},
    {"Fuel #2", &differs<&ProjectInputs::Fuel2Type>},
    {"Fuel #2 Units", &differs<&ProjectInputs::Fuel2Units>},
    {"Gas Price Unit", &differs<&ProjectInputs::GasCostUnit>},
    {"State", &differs<&ProjectInputs::State>},
    {"City", &differs<&ProjectInputs::City>},
    {"Hot Water Usage", &differs<&ProjectInputs::HotWaterUsage>},
    {"Prime Mover", &differs<&ProjectInputs::PrimeMover>},
    {"Installation", &differs<&ProjectInputs::InstallationDifficulty>},
    {"Gen-Set Run Time Fraction", &differs<&ProjectInputs::RunTimeFractionText>},
    {"Annual Average Boiler Efficiency", &differs<&ProjectInputs::BoilerEfficiencyText>},
    {"A/C Criteria", &differs<&ProjectInputs::ACCriteria>},
    {"Heat Allocation", &differs<&ProjectInputs::HeatAllocation>},
    {"Water Heater Fuel", &differs<&ProjectInputs::WaterHeaterFuel>},
    {"Grid CO2 Rate", &differs<&ProjectInputs::GridCO2>},
    {"Sensitivity", &differs<&ProjectInputs::Sensitivity>},
};

} // namespace

QString editName(const ProjectInputs& before, const ProjectInputs& after) {
    const NumericInput* changed = nullptr;
    for (const NumericInput& input : numericInputs()) {
        if (input.text(before, input.month) != input.text(after, input.month)) {
            if (changed) {
                return QStringLiteral("Edit");
            }
            changed = &input;
        }
    }
    if (changed) {
        return QString::fromStdString(changed->label);
    }
    for (const Choice& choice : kChoices) {
        if (choice.changed(before, after)) {
            return QString::fromLatin1(choice.label);
        }
    }
    return QStringLiteral("Edit");
}

ProjectUndo::ProjectUndo(ProjectSession& session, Apply apply, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_apply(std::move(apply))
    , m_stack(new QUndoStack(this))
    , m_undoAction(new QAction(QStringLiteral("&Undo"), this))
    , m_redoAction(new QAction(QStringLiteral("&Redo"), this))
    , m_settled(session.inputs()) {
    noteSaved();
    m_undoAction->setObjectName(QStringLiteral("mnuEditUndo"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_redoAction->setObjectName(QStringLiteral("mnuEditRedo"));
    m_redoAction->setShortcut(QKeySequence::Redo);
    connect(m_undoAction, &QAction::triggered, this, &ProjectUndo::undo);
    connect(m_redoAction, &QAction::triggered, this, &ProjectUndo::redo);
    connect(m_stack, &QUndoStack::indexChanged, this, &ProjectUndo::updateActions);
    updateActions();
}

void ProjectUndo::commitEdits() {
    if (m_applying || m_session.inputs() == m_settled) {
        return;
    }
    const ProjectInputs before = m_settled;
    m_settled = m_session.inputs();
    push(editName(before, m_settled), before, m_session.fileState());
}

void ProjectUndo::settle() {
    if (!m_applying) {
        m_settled = m_session.inputs();
    }
    updateActions();
}

void ProjectUndo::perform(const QString& text, const std::function<void()>& change) {
    commitEdits();
    const ProjectInputs before = m_session.inputs();
    const ProjectSession::FileState beforeFile = m_session.fileState();
    change();
    m_settled = m_session.inputs();
    if (m_settled != before) {
        push(text, before, beforeFile);
    }
}

void ProjectUndo::clear() {
    m_stack->clear();
    m_settled = m_session.inputs();
    m_savedTexts.clear();
    noteSaved();
    updateActions();
}

void ProjectUndo::noteSaved() {
    ProjectSession::FileState file = m_session.fileState();
    if (!file.path.empty()) {
        m_savedTexts[file.path] = std::move(file.unmodifiedText);
    }
}

bool ProjectUndo::hasPendingEdits() const {
    return !m_applying && m_session.inputs() != m_settled;
}

void ProjectUndo::noticeEdit() {
    updateActions();
}

void ProjectUndo::push(const QString& text, const ProjectInputs& before,
                       const ProjectSession::FileState& beforeFile) {
    // The snapshot holds the record as the user left it; undo and redo recalculate, which
    // rewrites the texts again as they were shown. The file goes with it only when the step
    // changed it: undoing a typed box after Save As keeps the new name.
    InputSnapshotCommand::Snapshot from{before, std::nullopt};
    InputSnapshotCommand::Snapshot to{m_settled, std::nullopt};
    if (ProjectSession::FileState afterFile = m_session.fileState(); afterFile != beforeFile) {
        from.file = beforeFile;
        to.file = std::move(afterFile);
    }
    m_stack->push(new InputSnapshotCommand(
        text, std::move(from), std::move(to),
        [this](const InputSnapshotCommand::Snapshot& snapshot) { applySnapshot(snapshot); }));
}

void ProjectUndo::applySnapshot(const InputSnapshotCommand::Snapshot& snapshot) {
    if (snapshot.file) {
        ProjectSession::FileState file = *snapshot.file;
        if (const auto saved = m_savedTexts.find(file.path); saved != m_savedTexts.end()) {
            file.unmodifiedText = saved->second;
        }
        m_session.restoreFileState(std::move(file));
    }
    m_applying = true;
    m_apply(snapshot.inputs);
    m_applying = false;
    m_settled = m_session.inputs();
}

void ProjectUndo::undo() {
    commitEdits();
    m_stack->undo();
    updateActions();
}

void ProjectUndo::redo() {
    if (m_session.inputs() != m_settled) {
        // New typing ends the redo history, as it does in any editor.
        commitEdits();
        return;
    }
    m_stack->redo();
    updateActions();
}

void ProjectUndo::updateActions() {
    const bool pending = !m_applying && m_session.inputs() != m_settled;
    m_undoAction->setEnabled(m_stack->canUndo() || pending);
    m_redoAction->setEnabled(m_stack->canRedo() && !pending);
    const QString undoText = pending ? QStringLiteral("Typing") : m_stack->undoText();
    m_undoAction->setText(undoText.isEmpty() ? QStringLiteral("&Undo")
                                             : QStringLiteral("&Undo ") + undoText);
    const QString redoText = m_stack->redoText();
    m_redoAction->setText(redoText.isEmpty() || pending ? QStringLiteral("&Redo")
                                                        : QStringLiteral("&Redo ") + redoText);
}

} // namespace plenara
