#include "climate/climatedata.h"
#include "project/datapaths.h"
#include "ui/frmtavchpscreening.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plenara"));

    plenara::ClimateReadResult climate =
        plenara::readClimateData(plenara::dataDirectory().string());
    plenara::frmTAVCHPScreening window(std::move(climate.table));
    window.show();
    if (!climate.ok()) {
        const QString message = QString::fromStdString(climate.error);
        QTimer::singleShot(0, &window,
                           [&window, message] { window.reportClimateProblem(message); });
    }
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        const QString project = args.at(1);
        QTimer::singleShot(0, &window, [&window, project] { window.openProject(project); });
    }
    return QApplication::exec();
}
