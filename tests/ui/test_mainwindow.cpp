#include "ui/frmtavchpscreening.h"

#include <QTabWidget>
#include <QTest>

namespace plenara {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void titleAndTabs();
};

void MainWindowTest::titleAndTabs() {
    frmTAVCHPScreening window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Plenara Version 2.1"));
    auto* tabs = window.findChild<QTabWidget*>();
    QVERIFY(tabs != nullptr);
    QCOMPARE(tabs->count(), 11);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Monthly Utility Data"));
    QCOMPARE(tabs->tabText(9), QStringLiteral("Comparison of Methods"));
    for (int i = 0; i < 5; ++i) {
        QVERIFY(tabs->isTabVisible(i));
    }
    for (int i = 5; i < 11; ++i) {
        QVERIFY(!tabs->isTabVisible(i));
    }
    QCOMPARE(tabs->currentIndex(), 0);
}

} // namespace plenara

QTEST_MAIN(plenara::MainWindowTest)
#include "test_mainwindow.moc"
