#include "climate/climatedata.h"
#include "lifecycle/emissiondata.h"
#include "project/datapaths.h"
#include "ui/frmtavchpscreening.h"
#include "ui/tabsnapshots.h"

#include <cstdio>
#include <memory>

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTimer>

// plenara [PROJECT.TAV]: the window, with a project file opened when one is named.
// plenara --snapshots FOLDER: pictures of every tab of the sample building, then quit.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plenara"));
    QApplication::setOrganizationName(QStringLiteral("Plenara"));
    QGuiApplication::setDesktopFileName(QStringLiteral("plenara"));

    plenara::ClimateReadResult climate =
        plenara::readClimateData(plenara::dataDirectory().string());
    plenara::frmTAVCHPScreening window(std::move(climate.table));
    window.setEmissions(plenara::readEmissionData(plenara::dataDirectory().string()));
    const QStringList args = QApplication::arguments();
    const bool snapshots = args.size() > 2 && args.at(1) == QStringLiteral("--snapshots");
    // The window opens as the last run left it; the snapshots show it as it opens the first
    // time, whatever a user left.
    if (!snapshots) {
        window.attachSettings(std::make_unique<QSettings>());
    }
    window.show();

    if (snapshots) {
        const QString folder = args.at(2);
        int written = -1;
        QTimer::singleShot(0, &window, [&window, &written, folder] {
            written = plenara::saveTabSnapshots(window, folder);
            QApplication::quit();
        });
        QApplication::exec();
        std::printf("%d pictures in %s\n", written, qPrintable(folder));
        return written > 0 ? 0 : 1;
    }
    if (!climate.ok()) {
        const QString message = QString::fromStdString(climate.error);
        QTimer::singleShot(0, &window,
                           [&window, message] { window.reportClimateProblem(message); });
    }
    if (args.size() > 1) {
        // A path relative to where the program was started stays valid for a later Save.
        const QString project = QFileInfo(args.at(1)).absoluteFilePath();
        QTimer::singleShot(0, &window, [&window, project] { window.openProject(project); });
    }
    return QApplication::exec();
}
