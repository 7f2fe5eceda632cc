#include "ui/method1tab.h"

#include "engine/method1.h"
#include "project/projectsession.h"
#include "ui/captionlines.h"
#include "ui/resultassumptions.h"
#include "ui/resultwidgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace plenara {

namespace {

constexpr qreal kLinePointSize = 10.0;
constexpr int kResultLineWidth = 9000 / 15; // the result lines are 9,000 twips wide
// Marks the lines that a derivation explains; the lines are otherwise in the button-text
// colour.
const QColor kMarked(255, 0, 0);

void setTextColour(QLabel* label, const QColor& colour) {
    if (label->palette().color(QPalette::WindowText) != colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

} // namespace

Method1Tab::Method1Tab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent) {
    QWidget* contents = scrolledContents(this);

    auto* method1 = new QGroupBox(QStringLiteral("Method #1: Domestic Hot Water Only"), contents);
    method1->setObjectName(QStringLiteral("fraMethod1"));

    m_Frame8 = new QFrame(method1);
    m_Frame8->setObjectName(QStringLiteral("Frame8"));
    m_lblMethod1 = new CaptionLines(42, kLinePointSize, m_Frame8);
    m_lblMethod1->setObjectName(QStringLiteral("lblMethod1"));
    m_lblMethod1->setMinimumWidth(kResultLineWidth);
    auto* frame8Layout = new QVBoxLayout(m_Frame8);
    frame8Layout->setContentsMargins(16, 16, 16, 16);
    frame8Layout->addWidget(m_lblMethod1);
    m_lineRed.assign(static_cast<std::size_t>(m_lblMethod1->count()), false);

    // The handlers follow the mouse over the lines and over the frame between them.
    m_Frame8->setMouseTracking(true);
    m_Frame8->installEventFilter(this);
    m_lblMethod1->setMouseTracking(true);
    m_lblMethod1->installEventFilter(this);
    for (int i = 0; i < m_lblMethod1->count(); ++i) {
        QLabel* line = m_lblMethod1->label(i);
        setTextColour(line, palette().color(QPalette::ButtonText));
        line->setMouseTracking(true);
        line->installEventFilter(this);
    }

    auto* additional = new QGroupBox(QStringLiteral("Additional Information"), method1);
    additional->setObjectName(QStringLiteral("fraAdditionalInformation"));
    m_Frame21 = new QFrame(additional);
    m_Frame21->setObjectName(QStringLiteral("Frame21"));
    m_lblThermalLoadDerivation = new CaptionLines(11, kLinePointSize, m_Frame21);
    m_lblThermalLoadDerivation->setObjectName(QStringLiteral("lblThermalLoadDerivation"));
    auto* frame21Layout = new QVBoxLayout(m_Frame21);
    frame21Layout->setContentsMargins(8, 8, 8, 8);
    frame21Layout->addWidget(m_lblThermalLoadDerivation);
    // The frame keeps its place while the panel is hidden, so nothing moves under the mouse.
    QSizePolicy keep = m_Frame21->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_Frame21->setSizePolicy(keep);
    m_Frame21->hide();
    auto* additionalLayout = new QVBoxLayout(additional);
    additionalLayout->addWidget(m_Frame21);

    m_txtMethod1_Methodology = assumptionsBox(QStringLiteral("txtMethod1_Methodology"),
                                              method1MethodologyText(), kLinePointSize, method1);

    auto* side = new QVBoxLayout;
    side->addWidget(additional);
    side->addWidget(m_txtMethod1_Methodology, 1);
    auto* method1Layout = new QHBoxLayout(method1);
    method1Layout->addWidget(m_Frame8);
    method1Layout->addLayout(side, 1);

    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(method1);
}

void Method1Tab::refresh() {
    m_lblMethod1->setCaptions(m_session.results().lblMethod1);
    // A panel that is open explains the new figures.
    if (m_hoveredLine >= 0 && m_Frame21->isVisible()) {
        lblMethod1_MouseMove(m_hoveredLine);
    }
}

bool Method1Tab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        // Both carry the mouse position; an enter event sent without one is ignored.
        const auto* pointer = dynamic_cast<const QSinglePointEvent*>(event);
        const int line = pointer ? lineAt(pointer->globalPosition().toPoint()) : -1;
        if (line >= 0) {
            lblMethod1_MouseMove(line);
        } else if (pointer && event->type() == QEvent::MouseMove) {
            Frame8_MouseMove();
        }
        // A move is handled once, not again by each widget it would bubble up to.
        if (event->type() == QEvent::MouseMove) {
            return true;
        }
    }
    return ProjectTab::eventFilter(watched, event);
}

int Method1Tab::lineAt(const QPoint& globalPos) const {
    for (int i = 0; i < m_lblMethod1->count(); ++i) {
        const QLabel* line = m_lblMethod1->label(i);
        if (line->rect().contains(line->mapFromGlobal(globalPos))) {
            return i;
        }
    }
    return -1;
}

void Method1Tab::lblMethod1_MouseMove(int index) {
    m_hoveredLine = index;
    showPanel(plenara::lblMethod1_MouseMove(index, m_session.results().method1));
}

void Method1Tab::Frame8_MouseMove() {
    m_hoveredLine = -1;
    restoreLineColours();
    m_Frame21->hide();
}

void Method1Tab::showPanel(const DerivationPanel& panel) {
    restoreLineColours();
    for (const int line : panel.markedLines) {
        if (line >= 0 && line < m_lblMethod1->count()) {
            setLineRed(line, true);
        }
    }
    const QColor normal = palette().color(QPalette::ButtonText);
    for (int i = 0; i < m_lblThermalLoadDerivation->count(); ++i) {
        const DerivationLine& line = panel.lines[static_cast<std::size_t>(i)];
        m_lblThermalLoadDerivation->setCaption(i, line.text, line.bold);
        setTextColour(m_lblThermalLoadDerivation->label(i), line.red ? kMarked : normal);
    }
    switch (panel.visibility) {
    case DerivationPanel::Visibility::Shown:
        m_Frame21->show();
        break;
    case DerivationPanel::Visibility::Hidden:
        m_Frame21->hide();
        break;
    case DerivationPanel::Visibility::Unchanged:
        break;
    }
}

void Method1Tab::restoreLineColours() {
    for (int i = 0; i < m_lblMethod1->count(); ++i) {
        setLineRed(i, false);
    }
}

void Method1Tab::setLineRed(int index, bool red) {
    auto marked = m_lineRed.begin() + index;
    if (*marked == red) {
        return;
    }
    *marked = red;
    setTextColour(m_lblMethod1->label(index),
                  red ? kMarked : palette().color(QPalette::ButtonText));
}

} // namespace plenara
