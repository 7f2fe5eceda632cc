// The entry point of the XLSX module that plenara-cli and the window load when results are
// written as a spreadsheet; its name and type are those that portfolio/xlsxmodule.h declares.

#include "portfolio/xlsxmodule.h"

#include "portfolio/xlsxresultwriter.h"

#include <memory>

extern "C" __attribute__((visibility("default"))) plenara::ResultWriter*
plenara_open_xlsx_writer(const char* path, std::string* error) {
    auto writer = std::make_unique<plenara::XlsxResultWriter>(path);
    *error = writer->open();
    return error->empty() ? writer.release() : nullptr;
}
