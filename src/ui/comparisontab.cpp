#include "ui/comparisontab.h"

#include "project/projectsession.h"
#include "ui/captionlines.h"
#include "ui/resultwidgets.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace plenara {

ComparisonTab::ComparisonTab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent) {
    QWidget* contents = scrolledContents(this);
    auto* frame = new QGroupBox(QStringLiteral("Comparison of Loads and CHP System Information "
                                               "for Alternative Calculational Procedures"),
                                contents);
    frame->setObjectName(QStringLiteral("fraComparisons"));
    m_lblComparisons = new CaptionLines(12, 10.0, frame);
    m_lblComparisons->setObjectName(QStringLiteral("lblComparisons"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(16, 16, 16, 16);
    frameLayout->addWidget(m_lblComparisons);

    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(frame);
    layout->addStretch(1);
}

void ComparisonTab::refresh() {
    const ProjectResults& r = m_session.results();
    for (int i = 0; i < m_lblComparisons->count(); ++i) {
        m_lblComparisons->setCaption(i, r.lblComparisons[static_cast<std::size_t>(i)]);
    }
}

} // namespace plenara
