#include "ui/energyplotstab.h"

#include "output/chartseries.h"
#include "project/projectsession.h"
#include "ui/chartbarview.h"
#include "ui/chartexport.h"
#include "ui/resultwidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plenara {

namespace {

QLabel* heading(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

EnergyPlotsTab::EnergyPlotsTab(ProjectSession& session, QWidget* parent)
    : ProjectTab(session, parent)
    , m_lblCharts1(heading(QStringLiteral("lblCharts1"),
                           QStringLiteral("Power and Fuel Consumption Input Data from Tab #1: "
                                          "\" Energy & Utility Data\""),
                           this))
    , m_lblCharts2(heading(QStringLiteral("lblCharts2"),
                           QStringLiteral("Monthly CHP Data from Tab: \"Method 2\" (Methods 1 & 3 "
                                          "do not perform monthly calculations)"),
                           this)) {
    const std::array<QString, 6> names = {
        QStringLiteral("chtPower"),     QStringLiteral("chtDemand"),
        QStringLiteral("chtHeat"),      QStringLiteral("chtCHPPower"),
        QStringLiteral("chtCHPDemand"), QStringLiteral("chtCHPFuel")};
    // The page scrolls on a screen too small for the six charts at a readable size.
    QWidget* contents = scrolledContents(this);
    auto* upper = new QHBoxLayout;
    auto* lower = new QHBoxLayout;
    for (std::size_t i = 0; i < m_charts.size(); ++i) {
        m_charts[i] = new ChartBarView(names[i], contents);
        (i < 3 ? upper : lower)->addWidget(m_charts[i], 1);
        addChartMenu(m_charts[i], [this, chart = m_charts[i]] { emit chartSaveRequested(chart); });
    }

    auto* done = new QPushButton(QStringLiteral("Done"), contents);
    done->setObjectName(QStringLiteral("cmdDone"));
    connect(done, &QPushButton::clicked, this, &EnergyPlotsTab::doneClicked);

    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(m_lblCharts1);
    layout->addLayout(upper, 1);
    // A gap keeps the heading of the lower row apart from the month labels above it.
    layout->addSpacing(m_lblCharts2->sizeHint().height() / 2);
    layout->addWidget(m_lblCharts2);
    layout->addLayout(lower, 1);
    layout->addWidget(done, 0, Qt::AlignRight);

    refresh();
}

void EnergyPlotsTab::refresh() {
    const std::array<ChartData, 6> data = energyChartData(m_session.inputs(), m_session.results());
    for (std::size_t i = 0; i < m_charts.size(); ++i) {
        m_charts[i]->showData(data[i]);
    }
}

} // namespace plenara
