#include "ui/tabsnapshots.h"

#include "ui/frmtavchpscreening.h"
#include "ui/screenshots.h"

#include <QCheckBox>
#include <QDir>

namespace plenara {

int saveTabSnapshots(frmTAVCHPScreening& window, const QString& folder) {
    if (!QDir().mkpath(folder)) {
        return -1;
    }
    window.mnuFSampleData_Click();
    for (int k = 0; k < 5; ++k) {
        auto* box = window.findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(k));
        if (box && !box->isChecked()) {
            box->click();
        }
    }
    int written = 0;
    for (const ScreenShots::TabPicture& shot : window.screenShots().captureShownTabs()) {
        const QString name =
            QStringLiteral("%1-%2.png").arg(shot.tab, 2, 10, QLatin1Char('0')).arg(shot.caption);
        if (!shot.picture.save(QDir(folder).filePath(name))) {
            return -1;
        }
        ++written;
    }
    return written;
}

} // namespace plenara
