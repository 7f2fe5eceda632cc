#include "ui/energyplotstab.h"

#include "project/projectsession.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plenara {

EnergyPlotsTab::EnergyPlotsTab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent)
    , m_lblCharts1(new QLabel(this))
    , m_lblCharts2(new QLabel(this)) {
    m_lblCharts1->setObjectName(QStringLiteral("lblCharts1"));
    m_lblCharts1->setText(QStringLiteral(
        "Power and Fuel Consumption Input Data from Tab #1: \" Energy & Utility Data\""));
    m_lblCharts2->setObjectName(QStringLiteral("lblCharts2"));
    m_lblCharts2->setText(QStringLiteral(
        "Monthly CHP Data from Tab: \"Method 2\" (Methods 1 & 3 do not perform monthly "
        "calculations)"));
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("cmdDone"));
    connect(done, &QPushButton::clicked, this, &EnergyPlotsTab::doneClicked);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblCharts1);
    layout->addStretch(1);
    layout->addWidget(m_lblCharts2);
    layout->addStretch(1);
    layout->addWidget(done, 0, Qt::AlignRight);
}

void EnergyPlotsTab::refresh() {}

} // namespace plenara
