#include "ui/tabsnapshots.h"

#include "fileio/safefilewriter.h"
#include "ui/frmtavchpscreening.h"
#include "ui/screenshots.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>

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
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!shot.picture.save(&png, "PNG")) {
            return -1;
        }
        const QByteArray& bytes = png.data();
        const std::string problem = writeFileSafely(
            QFile::encodeName(QDir(folder).filePath(name)).toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (!problem.empty()) {
            return -1;
        }
        ++written;
    }
    return written;
}

} // namespace plenara
