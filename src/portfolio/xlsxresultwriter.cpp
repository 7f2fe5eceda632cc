#include "portfolio/xlsxresultwriter.h"

#include "fileio/regularfile.h"
#include "portfolio/csvcells.h"
#include "portfolio/resultcolumns.h"

#include <xlsxwriter.h>

namespace plenara {

namespace {

// The rows of one sheet of a spreadsheet, the header included.
constexpr unsigned kRowsPerSheet = 1'048'576;
// The most characters of a cell of a spreadsheet; libxlsxwriter refuses a longer text, and
// with it the whole file.
constexpr std::size_t kMostCellCharacters = 32'767;

// libxlsxwriter's messages end with a period, most of them.
std::string sentence(std::string text) {
    if (!text.empty() && text.back() != '.') {
        text += '.';
    }
    return text;
}

const char* numberFormat(ResultFormat format) {
    switch (format) {
    case ResultFormat::KW:
        return "#,##0";
    case ResultFormat::Years:
        return "0.0";
    case ResultFormat::Dollars:
        return "$#,##0;[Red]-$#,##0";
    case ResultFormat::Method:
        return "0";
    case ResultFormat::Fraction:
        return "0.0%";
    case ResultFormat::Tonnes:
        return "#,##0.0";
    case ResultFormat::Text:
        break;
    }
    return nullptr;
}

double columnWidth(const ResultColumn& column) {
    if (column.name == "error") {
        return 80;
    }
    if (column.format == ResultFormat::Text) {
        return 18;
    }
    return std::max(12.0, static_cast<double>(column.name.size()) + 2.0);
}

} // namespace

XlsxResultWriter::XlsxResultWriter(std::string path)
    : m_path(std::move(path)) {}

XlsxResultWriter::~XlsxResultWriter() {
    if (m_workbook != nullptr) {
        workbook_close(m_workbook);
        m_file.discard();
    }
}

std::string XlsxResultWriter::open() {
    const std::string failure = "Cannot write " + inQuotes(shownPath(m_path)) + ": ";
    if (std::string problem = m_file.open(m_path); !problem.empty()) {
        return failure + problem;
    }
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    m_workbook = workbook_new_opt(m_file.temporaryPath().c_str(), &options);
    if (m_workbook == nullptr) {
        m_file.discard();
        return failure + "the spreadsheet could not be begun.";
    }
    m_header = workbook_add_format(m_workbook);
    format_set_bold(m_header);
    format_set_bottom(m_header, LXW_BORDER_THIN);
    for (const ResultColumn& column : resultColumns()) {
        lxw_format* format = nullptr;
        if (const char* pattern = numberFormat(column.format)) {
            format = workbook_add_format(m_workbook);
            format_set_num_format(format, pattern);
        }
        m_formats.push_back(format);
    }
    addSheet();
    return {};
}

void XlsxResultWriter::addSheet() {
    ++m_sheets;
    const std::string name = m_sheets == 1 ? "Results" : "Results " + std::to_string(m_sheets);
    m_sheet = workbook_add_worksheet(m_workbook, name.c_str());
    const std::vector<ResultColumn>& columns = resultColumns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const auto col = static_cast<lxw_col_t>(c);
        worksheet_set_column(m_sheet, col, col, columnWidth(columns[c]), m_formats[c]);
        worksheet_write_string(m_sheet, 0, col, columns[c].name.c_str(), m_header);
    }
    // The header stays in view when scrolling down, the id when scrolling across.
    worksheet_freeze_panes(m_sheet, 1, 1);
    m_row = 1;
}

void XlsxResultWriter::closeSheet() {
    if (m_row > 1) {
        worksheet_autofilter(m_sheet, 0, 0, m_row - 1,
                             static_cast<lxw_col_t>(resultColumns().size() - 1));
    }
}

void XlsxResultWriter::write(const ScreenRow& row) {
    if (m_workbook == nullptr || !m_error.empty()) {
        return;
    }
    if (m_row == kRowsPerSheet) {
        closeSheet();
        addSheet();
    }
    const std::vector<ResultColumn>& columns = resultColumns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ResultColumn& column = columns[c];
        const auto col = static_cast<lxw_col_t>(c);
        lxw_error written = LXW_NO_ERROR;
        if (column.format == ResultFormat::Text) {
            std::string text = column.text(row);
            if (text.size() > kMostCellCharacters) {
                text = shortenedText(text, kMostCellCharacters - 1);
            }
            if (!text.empty()) {
                written = worksheet_write_string(m_sheet, m_row, col, text.c_str(), nullptr);
            }
        } else if (const std::optional<double> value = column.number(row, column.method)) {
            written = worksheet_write_number(m_sheet, m_row, col, *value, m_formats[c]);
        }
        if (written != LXW_NO_ERROR) {
            m_error = lxw_strerror(written);
            return;
        }
    }
    ++m_row;
}

std::string XlsxResultWriter::finish() {
    const std::string failure = "Cannot write " + inQuotes(shownPath(m_path)) + ": ";
    if (m_workbook == nullptr) {
        return failure + "the spreadsheet was not begun.";
    }
    closeSheet();
    const lxw_error closed = workbook_close(m_workbook);
    m_workbook = nullptr;
    if (!m_error.empty() || closed != LXW_NO_ERROR) {
        m_file.discard();
        return failure + sentence(m_error.empty() ? lxw_strerror(closed) : m_error);
    }
    if (std::string problem = m_file.commit(); !problem.empty()) {
        return failure + problem;
    }
    return {};
}

} // namespace plenara
