#include "ui/projecttab.h"

namespace plenara {

ProjectTab::ProjectTab(ProjectSession& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session) {}

} // namespace plenara
