#include "cli/cliapp.h"

#include <iostream>
#include <memory>

#ifdef PLENARA_CLI_PDF
#include "ui/reportpdfwriter.h"

#include <cstdlib>

#include <QGuiApplication>
#endif

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef PLENARA_CLI_PDF
    // Qt is started only when a PDF is written, and then without a display unless the
    // caller chose a platform.
    std::unique_ptr<QGuiApplication> application;
    const plenara::ReportPdfWriter writePdf = [&](const std::vector<plenara::ReportPage>& pages,
                                                  const std::string& path) {
        if (!application) {
            if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
                setenv("QT_QPA_PLATFORM", "offscreen", 1);
            }
            application = std::make_unique<QGuiApplication>(argc, argv);
        }
        return plenara::writeReportPdfFile(pages, path);
    };
    return plenara::runCli(args, std::cout, std::cerr, writePdf);
#else
    return plenara::runCli(args, std::cout, std::cerr);
#endif
}
