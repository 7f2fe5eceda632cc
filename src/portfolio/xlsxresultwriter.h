#pragma once

#include "fileio/safefilewriter.h"
#include "portfolio/resultwriter.h"

#include <string>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace plenara {

// The results as a spreadsheet (.xlsx, through libxlsxwriter), for those who open them in one
// anyway: a header row in bold, each number in its format (kW and dollars whole, paybacks to
// one decimal), the header and the id column frozen, a filter on the header. Rows are written
// out as they come (libxlsxwriter's constant memory mode), so a large portfolio takes little
// memory; a sheet that is full (1,048,576 rows) is followed by another.
class XlsxResultWriter : public ResultWriter {
public:
    explicit XlsxResultWriter(std::string path);
    ~XlsxResultWriter() override;

    // Begins the file; returns why it cannot be written (naming it), or an empty text.
    std::string open();

    void write(const ScreenRow& row) override;
    std::string finish() override;

private:
    void addSheet();
    void closeSheet();

    std::string m_path;
    SafeFileWriter m_file;
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    std::vector<lxw_format*> m_formats; // per column of results
    lxw_format* m_header = nullptr;
    unsigned m_row = 0;
    int m_sheets = 0;
    std::string m_error;
};

} // namespace plenara
