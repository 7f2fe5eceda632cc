#include "ui/method3tab.h"

#include "project/projectsession.h"
#include "ui/captionlines.h"
#include "ui/enterastab.h"
#include "ui/helpcontexts.h"
#include "ui/inputfields.h"
#include "ui/resultassumptions.h"
#include "ui/resultwidgets.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace plenara {

namespace {

constexpr qreal kLinePointSize = 10.0;

// The lines of RecoveredHeatSummary in each box: hot water, space heating, space cooling;
// the first line of a box is its heading.
struct BoxLines {
    int first;
    int count;
};
constexpr std::array<BoxLines, 3> kBoxes = {{{0, 5}, {5, 5}, {10, 7}}};

} // namespace

Method3Tab::Method3Tab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent)
    , m_enterAsTab(new EnterAsTab(this)) {
    QWidget* contents = scrolledContents(this);

    auto* results = new QFrame(contents);
    results->setObjectName(QStringLiteral("fraClimateData"));
    results->setFrameShape(QFrame::Box);
    m_lblClimateData = new CaptionLines(39, kLinePointSize, results);
    m_lblClimateData->setObjectName(QStringLiteral("lblClimateData"));
    auto* resultsLayout = new QVBoxLayout(results);
    resultsLayout->setContentsMargins(16, 12, 16, 12);
    resultsLayout->addWidget(m_lblClimateData);

    auto* side = new QVBoxLayout;
    for (std::size_t b = 0; b < kBoxes.size(); ++b) {
        const BoxLines lines = kBoxes[b];
        auto* box = new QFrame(contents);
        box->setFrameShape(QFrame::Box);
        auto* summary = new CaptionLines(lines.count, kLinePointSize, box);
        summary->setObjectName(QStringLiteral("RecoveredHeatSummary(%1..%2)")
                                   .arg(lines.first)
                                   .arg(lines.first + lines.count - 1));
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(12, 8, 12, 8);
        boxLayout->addWidget(summary);
        side->addWidget(box);
        m_RecoveredHeatSummary[b] = summary;
    }

    auto* criteria = new QGroupBox(QStringLiteral("Air Conditioning Criteria"), contents);
    criteria->setObjectName(QStringLiteral("fraACCriteria"));
    criteria->setProperty("helpContext", helpcontext::AirConditioningCriteria);
    m_cmbACCriteria = new QComboBox(criteria);
    m_cmbACCriteria->setObjectName(QStringLiteral("cmbACCriteria"));
    m_cmbACCriteria->setEditable(true);
    m_cmbACCriteria->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : acCriteriaItems()) {
        m_cmbACCriteria->addItem(fromRecord(item));
    }
    m_enterAsTab->watch(m_cmbACCriteria);
    // A choice from the list recalculates; typed text waits for the next recalculation.
    connect(m_cmbACCriteria, &QComboBox::activated, this, &Method3Tab::cmbACCriteria_Click);
    connect(m_cmbACCriteria->lineEdit(), &QLineEdit::textEdited, this,
            &Method3Tab::cmbACCriteria_Change);
    auto* criteriaLayout = new QHBoxLayout(criteria);
    criteriaLayout->addWidget(m_cmbACCriteria);
    criteriaLayout->addStretch(1);
    side->addWidget(criteria);

    m_txtMethod3Assumptions = assumptionsBox(QStringLiteral("txtMethod3Assumptions"),
                                             method3AssumptionsText(), 9.0, contents);
    m_txtMethod3Assumptions->setMinimumHeight(160);
    side->addWidget(m_txtMethod3Assumptions, 1);

    auto* layout = new QHBoxLayout(contents);
    layout->addWidget(results, 0, Qt::AlignTop);
    layout->addLayout(side, 1);
}

void Method3Tab::cmbACCriteria_Click(int index) {
    m_session.inputs().ACCriteria = toRecord(m_cmbACCriteria->itemText(index));
    emit recalculationRequested();
}

void Method3Tab::cmbACCriteria_Change(const QString& text) {
    m_session.inputs().ACCriteria = toRecord(text);
    emit inputEdited();
}

void Method3Tab::refresh() {
    const ProjectResults& r = m_session.results();
    for (int i = 0; i < m_lblClimateData->count(); ++i) {
        m_lblClimateData->setCaption(i, r.lblClimateData[static_cast<std::size_t>(i)]);
    }
    for (std::size_t b = 0; b < kBoxes.size(); ++b) {
        for (int i = 0; i < kBoxes[b].count; ++i) {
            const auto line = static_cast<std::size_t>(kBoxes[b].first + i);
            m_RecoveredHeatSummary[b]->setCaption(i, r.RecoveredHeatSummary[line], i == 0);
        }
    }

    // An editable box keeps its current item apart from the shown text; the arrow keys
    // step on from the current item, so it follows the text wherever the list holds it.
    const QString criteria = fromRecord(m_session.inputs().ACCriteria);
    const QSignalBlocker blocker(m_cmbACCriteria);
    const int item = m_cmbACCriteria->findText(criteria);
    if (item >= 0 && m_cmbACCriteria->currentIndex() != item) {
        m_cmbACCriteria->setCurrentIndex(item);
    }
    if (m_cmbACCriteria->currentText() != criteria) {
        m_cmbACCriteria->setEditText(criteria);
    }
}

} // namespace plenara
