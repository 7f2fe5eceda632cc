#include "portfolio/csvreader.h"

#include "engine/textfields.h"

#include <algorithm>
#include <cstring>
#include <csv.h>

namespace plenara {

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;
constexpr std::size_t kBytesAfterSeek = 1 << 12;
// A CSV file of buildings or bills has short fields and a few dozen columns; anything far
// beyond is another kind of file, whose reading must not take all memory.
constexpr std::size_t kMostFieldBytes = 1 << 20;
constexpr std::size_t kMostFields = 1000;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// libcsv's state within a field (FIELD_BEGUN of libcsv.c, which its header does not name):
// with `quoted` set, the field's quotation mark has not been closed.
constexpr int kInsideField = 2;

bool insideQuotes(const csv_parser& parser) {
    return parser.quoted != 0 && parser.pstate == kInsideField;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

// The number of fields of one line as libcsv splits it with `delimiter`.
std::size_t fieldCount(std::string_view line, char delimiter) {
    csv_parser parser{};
    csv_init(&parser, 0);
    csv_set_delim(&parser, static_cast<unsigned char>(delimiter));
    std::size_t count = 0;
    const auto onField = [](void*, std::size_t, void* data) {
        ++*static_cast<std::size_t*>(data);
    };
    csv_parse(&parser, line.data(), line.size(), onField, nullptr, &count);
    csv_fini(&parser, onField, nullptr, &count);
    csv_free(&parser);
    return count;
}

} // namespace

CsvReader::CsvReader()
    : m_parser(std::make_unique<csv_parser>()) {
    csv_init(m_parser.get(), 0);
}

CsvReader::~CsvReader() {
    csv_free(m_parser.get());
}

void CsvReader::resetParser() {
    csv_free(m_parser.get());
    *m_parser = csv_parser{};
    csv_init(m_parser.get(), 0);
    csv_set_delim(m_parser.get(), static_cast<unsigned char>(m_delimiter));
    m_fields.clear();
    m_ready.clear();
    m_finished = false;
    m_tooManyFields = false;
    m_quoteLine = 0;
}

std::string CsvReader::open(const std::string& path) {
    m_path = path;
    m_header.clear();
    m_error.clear();
    if (std::string refused = m_file.open(path); !refused.empty()) {
        return refused;
    }
    m_buffer.resize(kBufferBytes);
    std::string error;
    const std::size_t got = m_file.read(m_buffer.data(), m_buffer.size(), error);
    if (!error.empty()) {
        return error;
    }
    std::string_view start(m_buffer.data(), got);
    unsigned long long first = 0;
    if (start.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        first = kByteOrderMark.size();
        start.remove_prefix(kByteOrderMark.size());
    }
    // The header is the first line that holds anything: a blank line before it is no record.
    std::string_view headerLine = start;
    while (!headerLine.empty()) {
        const std::string_view line = headerLine.substr(0, headerLine.find('\n'));
        if (std::any_of(line.begin(), line.end(),
                        [](char c) { return c != ' ' && c != '\t' && c != '\r'; })) {
            headerLine = line;
            break;
        }
        headerLine.remove_prefix(std::min(headerLine.size(), line.size() + 1));
    }
    m_delimiter = fieldCount(headerLine, ';') > fieldCount(headerLine, ',') ? ';' : ',';

    seek(first, 1);
    CsvRecord header;
    if (!next(header)) {
        return m_error.empty() ? "the file is empty; its first line should name the columns."
                               : m_error;
    }
    m_header = std::move(header.fields);
    return {};
}

int CsvReader::column(std::string_view name) const {
    for (std::size_t i = 0; i < m_header.size(); ++i) {
        if (equalsIgnoringCase(m_header[i], name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CsvReader::seek(unsigned long long offset, long long line) {
    resetParser();
    m_error.clear();
    m_file.seek(offset);
    m_bufferOffset = offset;
    m_bufferStart = 0;
    m_bufferEnd = 0;
    m_endOfFile = false;
    // After a jump a few rows are wanted, most often: the bills of one building of a file
    // sorted by month stand a row here and a row there.
    m_readBytes = std::min(m_buffer.size(), kBytesAfterSeek);
    m_line = line;
    m_atLineStart = true;
    m_inRecord = false;
}

double CsvReader::progress() const {
    if (m_file.size() == 0) {
        return 1.0;
    }
    return std::min(1.0, static_cast<double>(m_bufferOffset + m_bufferStart) /
                             static_cast<double>(m_file.size()));
}

void CsvReader::fieldRead(void* bytes, std::size_t length, void* data) {
    auto& reader = *static_cast<CsvReader*>(data);
    ++reader.m_fieldsRead;
    if (reader.m_fields.size() == kMostFields) {
        reader.m_tooManyFields = true;
        return;
    }
    std::string field(length == 0 ? "" : static_cast<const char*>(bytes), length);
    const bool ascii = std::all_of(field.begin(), field.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii && !isValidUtf8(field)) {
        field = windows1252ToUtf8(field);
    }
    reader.m_fields.push_back(std::move(field));
}

void CsvReader::recordRead(int, void* data) {
    auto& reader = *static_cast<CsvReader*>(data);
    reader.m_inRecord = false;
    ++reader.m_recordsEnded;
    if (reader.m_tooManyFields) {
        reader.m_error = "line " + std::to_string(reader.m_recordLine) + " holds more than " +
                         std::to_string(kMostFields) +
                         " fields, which no CSV file of buildings or bills holds.";
        return;
    }
    // A row of delimiters alone, as spreadsheets write below their data, is no record, as an
    // empty line is none.
    if (std::all_of(reader.m_fields.begin(), reader.m_fields.end(),
                    [](const std::string& field) { return field.empty(); })) {
        reader.m_fields.clear();
        return;
    }
    CsvRecord record;
    record.fields.swap(reader.m_fields);
    if (!reader.m_spare.empty()) {
        reader.m_fields.swap(reader.m_spare.back());
        reader.m_spare.pop_back();
    }
    record.line = reader.m_recordLine;
    record.offset = reader.m_recordOffset;
    reader.m_ready.push_back(std::move(record));
}

// Gives the parser the bytes up to the next line end, so that every record is known by the
// line and the offset at which it begins.
bool CsvReader::feed() {
    if (m_bufferStart == m_bufferEnd) {
        if (m_endOfFile) {
            return false;
        }
        m_bufferOffset += m_bufferEnd;
        m_bufferStart = 0;
        m_bufferEnd = m_file.read(m_buffer.data(), m_readBytes, m_error);
        m_readBytes = std::min(m_buffer.size(), m_readBytes * 2);
        if (!m_error.empty()) {
            return false;
        }
        if (m_bufferEnd == 0) {
            m_endOfFile = true;
            return false;
        }
    }
    const char* begin = m_buffer.data() + m_bufferStart;
    const std::size_t available = m_bufferEnd - m_bufferStart;
    const char* newline = static_cast<const char*>(std::memchr(begin, '\n', available));
    const std::size_t length =
        newline != nullptr ? static_cast<std::size_t>(newline - begin) + 1 : available;

    if (m_atLineStart && !m_inRecord) {
        m_recordLine = m_line;
        m_recordOffset = m_bufferOffset + m_bufferStart;
    }
    const std::size_t endedBefore = m_recordsEnded;
    const std::size_t fieldsBefore = m_fieldsRead;
    if (csv_parse(m_parser.get(), begin, length, fieldRead, recordRead, this) != length) {
        m_error = "line " + std::to_string(m_line) + " cannot be read (" +
                  csv_strerror(csv_error(m_parser.get())) + ").";
        return false;
    }
    // A quoted field left open opened on this line when a field ended on it before (or none
    // was open), and earlier otherwise: the line a message points to if it is never closed.
    if (!insideQuotes(*m_parser)) {
        m_quoteLine = 0;
    } else if (m_quoteLine == 0 || m_fieldsRead != fieldsBefore) {
        m_quoteLine = m_line;
    }
    if (m_recordsEnded == endedBefore && !m_inRecord) {
        m_inRecord = std::any_of(begin, begin + length, [](char c) {
            return c != ' ' && c != '\t' && c != '\r' && c != '\n';
        });
    }
    m_bufferStart += length;
    m_atLineStart = newline != nullptr;
    if (m_atLineStart) {
        ++m_line;
    }
    if (csv_get_buffer_size(m_parser.get()) > kMostFieldBytes) {
        m_error = "the record that begins on line " + std::to_string(m_recordLine) +
                  " holds a field longer than 1 MB, which no CSV file of buildings or bills "
                  "holds (is a quotation mark missing?).";
        return false;
    }
    return true;
}

bool CsvReader::next(CsvRecord& record) {
    while (m_ready.empty() || !m_error.empty()) {
        if (!m_error.empty() || m_finished) {
            return false;
        }
        if (!feed()) {
            if (!m_error.empty()) {
                return false;
            }
            // A quotation mark that is never closed has taken the rest of the file into one
            // field; libcsv would end the record there as if nothing were wrong.
            if (insideQuotes(*m_parser)) {
                m_error = "a quotation mark opened on line " + std::to_string(m_quoteLine) +
                          " is never closed.";
                return false;
            }
            // The last record may end without a line end.
            csv_fini(m_parser.get(), fieldRead, recordRead, this);
            m_finished = true;
        }
    }
    CsvRecord& ready = m_ready.front();
    record.fields.swap(ready.fields);
    record.line = ready.line;
    record.offset = ready.offset;
    ready.fields.clear();
    m_spare.push_back(std::move(ready.fields));
    m_ready.pop_front();
    return true;
}

} // namespace plenara
