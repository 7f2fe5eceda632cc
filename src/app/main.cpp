#include "climate/climatedata.h"
#include "lifecycle/emissiondata.h"
#include "project/datapaths.h"
#include "ui/frmtavchpscreening.h"
#include "ui/tabsnapshots.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTimer>

namespace {

// Answered before any window system is touched, so that they work over ssh and in scripts.
bool answerWithoutWindow(int argc, char* argv[]) {
    if (argc != 2) {
        return false;
    }
    const char* option = argv[1];
    if (std::strcmp(option, "--version") == 0 || std::strcmp(option, "-v") == 0) {
        std::printf("plenara %s\n", PLENARA_VERSION);
        return true;
    }
    if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
        std::printf("Usage: plenara [PROJECT.TAV]\n"
                    "       plenara --snapshots FOLDER\n"
                    "\n"
                    "Opens the CHP screening window, with PROJECT.TAV loaded when it is named.\n"
                    "--snapshots FOLDER  saves a picture of every tab of the sample building and "
                    "quits.\n"
                    "--help, --version   print this text or the version and quit.\n"
                    "\n"
                    "plenara-cli gives the same results without a window (plenara-cli --help).\n");
        return true;
    }
    return false;
}

} // namespace

// plenara [PROJECT.TAV]: the window, with a project file opened when one is named.
// plenara --snapshots FOLDER: pictures of every tab of the sample building, then quit.
int main(int argc, char* argv[]) {
    if (answerWithoutWindow(argc, argv)) {
        return 0;
    }
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
