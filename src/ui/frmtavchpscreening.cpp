#include "ui/frmtavchpscreening.h"

#include <QTabWidget>

namespace plenara {

frmTAVCHPScreening::frmTAVCHPScreening(QWidget* parent)
    : QMainWindow(parent)
    , m_ssTabForm(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Plenara Version 2.1"));
    const QStringList captions = {QStringLiteral("Monthly Utility Data"),
                                  QStringLiteral("Utility Rate Data"),
                                  QStringLiteral("Misc. Input Information"),
                                  QStringLiteral("Energy Plots"),
                                  QStringLiteral("Results"),
                                  QStringLiteral("Method 1"),
                                  QStringLiteral("Method 2"),
                                  QStringLiteral("Method 3"),
                                  QStringLiteral("Print Forms"),
                                  QStringLiteral("Comparison of Methods"),
                                  QStringLiteral("Screen Shot")};
    for (const QString& caption : captions) {
        m_ssTabForm->addTab(new QWidget(m_ssTabForm), caption);
    }
    for (int index = 5; index < captions.size(); ++index) {
        m_ssTabForm->setTabVisible(index, false);
    }
    setCentralWidget(m_ssTabForm);
    resize(1000, 707);
}

} // namespace plenara
