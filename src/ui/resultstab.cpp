#include "ui/resultstab.h"

#include "project/projectsession.h"
#include "ui/captionlines.h"
#include "ui/fixedfont.h"
#include "ui/inputfields.h"
#include "ui/resultwidgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace plenara {

namespace {

constexpr qreal kSummaryPointSize = 12.0;

} // namespace

ResultsTab::ResultsTab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent) {
    QWidget* contents = scrolledContents(this);

    auto* details = new QGroupBox(QStringLiteral("Show Details for:"), contents);
    details->setObjectName(QStringLiteral("fraShowDetails"));
    auto* detailsLayout = new QHBoxLayout(details);
    // "Comparions" is how the switch has always been labelled.
    const std::array<QString, 5> captions = {QStringLiteral("Summary"), QStringLiteral("Method 1"),
                                             QStringLiteral("Method 2"), QStringLiteral("Method 3"),
                                             QStringLiteral("Comparions of Methods")};
    for (int i = 0; i < 5; ++i) {
        auto* box = new QCheckBox(captions[static_cast<std::size_t>(i)], details);
        box->setObjectName(QStringLiteral("Check1(%1)").arg(i));
        connect(box, &QCheckBox::clicked, this,
                [this, i](bool checked) { Check1_Click(i, checked); });
        detailsLayout->addWidget(box);
        m_Check1[static_cast<std::size_t>(i)] = box;
    }
    detailsLayout->addStretch(1);

    m_lblSummaryHeading = new QLabel(contents);
    m_lblSummaryHeading->setObjectName(QStringLiteral("lblSummary(0)"));
    m_lblSummaryHeading->setTextFormat(Qt::PlainText);
    QFont headingFont = fixedFont(kSummaryPointSize);
    headingFont.setBold(true);
    m_lblSummaryHeading->setFont(headingFont);

    m_lblPaybackRange = new QLabel(contents);
    m_lblPaybackRange->setObjectName(QStringLiteral("lblPaybackRange"));
    m_lblPaybackRange->setTextFormat(Qt::PlainText);
    m_lblPaybackRange->setWordWrap(true);
    QFont rangeFont = m_lblPaybackRange->font();
    rangeFont.setPointSizeF(kSummaryPointSize);
    m_lblPaybackRange->setFont(rangeFont);

    m_Frame17 = new QFrame(contents);
    m_Frame17->setObjectName(QStringLiteral("Frame17"));
    m_Frame17->setFrameShape(QFrame::Box);
    m_lblSummary = new CaptionLines(26, kSummaryPointSize, m_Frame17);
    m_lblSummary->setObjectName(QStringLiteral("lblSummary"));
    auto* frameLayout = new QVBoxLayout(m_Frame17);
    frameLayout->setContentsMargins(24, 12, 12, 12);
    frameLayout->addWidget(m_lblSummary);
    m_Frame17->hide();

    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(details);
    layout->addSpacing(8);
    layout->addWidget(m_lblSummaryHeading);
    layout->addWidget(m_lblPaybackRange);
    layout->addSpacing(8);
    layout->addWidget(m_Frame17);
    layout->addStretch(1);
}

void ResultsTab::Check1_Click(int index, bool checked) {
    m_session.view().Check1[static_cast<std::size_t>(index)] = checked;
    emit recalculationRequested();
}

void ResultsTab::refresh() {
    const ProjectResults& r = m_session.results();
    const QString heading = fromRecord(shownText(r.lblSummary[0].text));
    if (m_lblSummaryHeading->text() != heading) {
        m_lblSummaryHeading->setText(heading);
    }
    const QString range = fromRecord(r.lblPaybackRange);
    if (m_lblPaybackRange->text() != range) {
        m_lblPaybackRange->setText(range);
    }
    for (int i = 1; i < static_cast<int>(r.lblSummary.size()); ++i) {
        m_lblSummary->setCaption(i - 1, r.lblSummary[static_cast<std::size_t>(i)]);
    }
    m_Frame17->setVisible(r.summaryFrameVisible);

    const ViewSettings& view = m_session.view();
    for (std::size_t i = 0; i < m_Check1.size(); ++i) {
        const QSignalBlocker blocker(m_Check1[i]);
        m_Check1[i]->setChecked(view.Check1[i]);
    }
}

} // namespace plenara
