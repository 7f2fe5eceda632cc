#include "portfolio/resultwriter.h"

#include "fileio/regularfile.h"
#include "fileio/safefilewriter.h"
#include "portfolio/resultcolumns.h"
#include "portfolio/xlsxmodule.h"

#include <ostream>

namespace plenara {

namespace {

// Lines are gathered and handed on in blocks, so that a large portfolio costs few writes.
constexpr std::size_t kBlockBytes = 1 << 16;

class TextResultWriter : public ResultWriter {
public:
    TextResultWriter(ResultFileFormat format, std::ostream* out, std::string path)
        : m_format(format)
        , m_out(out)
        , m_path(std::move(path)) {
        if (m_format == ResultFileFormat::Csv) {
            m_block = resultsCsvHeader();
        }
    }

    std::string open() { return m_file.open(m_path); }

    void write(const ScreenRow& row) override {
        m_block += m_format == ResultFileFormat::Csv ? resultsCsvLine(row) : resultsJsonLine(row);
        if (m_block.size() >= kBlockBytes) {
            flush();
        }
    }

    std::string finish() override {
        flush();
        if (m_out != nullptr) {
            m_out->flush();
            return m_out->good() ? std::string() : "The results could not be written.";
        }
        if (std::string problem = m_file.commit(); !problem.empty()) {
            return "Cannot write " + inQuotes(shownPath(m_path)) + ": " + problem;
        }
        return {};
    }

private:
    void flush() {
        if (m_out != nullptr) {
            m_out->write(m_block.data(), static_cast<std::streamsize>(m_block.size()));
        } else {
            m_file.write(m_block);
        }
        m_block.clear();
    }

    ResultFileFormat m_format;
    std::ostream* m_out;
    std::string m_path;
    SafeFileWriter m_file;
    std::string m_block;
};

} // namespace

std::unique_ptr<ResultWriter> streamResultWriter(std::ostream& out, ResultFileFormat format) {
    return std::make_unique<TextResultWriter>(format, &out, std::string());
}

std::unique_ptr<ResultWriter> fileResultWriter(const std::string& path, ResultFileFormat format,
                                               std::string& error) {
    if (format == ResultFileFormat::Xlsx) {
        return xlsxModuleWriter(path, error);
    }
    auto writer = std::make_unique<TextResultWriter>(format, nullptr, path);
    if (std::string problem = writer->open(); !problem.empty()) {
        error = "Cannot write " + inQuotes(shownPath(path)) + ": " + problem;
        return nullptr;
    }
    return writer;
}

} // namespace plenara
