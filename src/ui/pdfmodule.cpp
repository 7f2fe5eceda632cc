// The entry point of the PDF module that plenara-cli loads for --pdf; its name and type are
// those that cli/pdfmodule.h declares as kPdfModuleEntry and PdfModuleEntry.

#include "output/reportpage.h"
#include "ui/reportpdfwriter.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QString>

namespace {

// A command-line run has no desktop session; Qt's notice that it therefore uses a folder of
// its own for runtime files means nothing to the user of the tool and is not shown.
QtMessageHandler previousHandler = nullptr;

void dropSessionNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, text);
    }
}

} // namespace

extern "C" __attribute__((visibility("default"))) int
plenara_write_report_pdf(const std::vector<plenara::ReportPage>* pages, const char* path,
                         std::string* error) {
    // Qt draws text only in a running application; the command-line tool has none, and needs
    // no display: the offscreen platform serves unless the caller chose another.
    if (QGuiApplication::instance() == nullptr) {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        static int argc = 1;
        static char name[] = "plenara-cli";
        static char* argv[] = {name, nullptr};
        previousHandler = qInstallMessageHandler(dropSessionNotices);
        // Kept until the process ends: the tool writes its PDF and exits.
        new QGuiApplication(argc, argv);
    }
    *error = plenara::writeReportPdfFile(*pages, path);
    return error->empty() ? 0 : 1;
}
