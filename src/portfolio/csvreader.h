#pragma once

#include "fileio/regularfilestream.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

struct csv_parser;

namespace plenara {

// One record of a CSV file: its fields, in UTF-8, and where it begins, for messages and for
// coming back to it.
struct CsvRecord {
    std::vector<std::string> fields;
    long long line = 0;            // the line of the file on which the record begins, from 1
    unsigned long long offset = 0; // the byte offset of that line
};

// Reads a CSV file (RFC 4180, parsed by libcsv) record by record, so that a file of any size
// takes little memory. The first record is the header. The delimiter is a comma or, when the
// header holds more fields with it, a semicolon, as spreadsheets write it where the comma is
// the decimal mark. A field that is valid UTF-8 is taken as it is; any other is taken as
// Windows-1252 and converted, so files of either kind read alike. The fields stay UTF-8 (an
// id such as "Дом 1" would lose its letters in Windows-1252 and meet "Сад 1" as "??? 1");
// the cells that go into a project are converted there. A UTF-8 byte-order mark
// is skipped; blanks around an unquoted field are dropped; empty lines, and lines of
// delimiters alone, are no records.
class CsvReader {
public:
    CsvReader();
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // Opens the file and reads its header. Returns the reason of a failure (a sentence without
    // the file name), or an empty text.
    std::string open(const std::string& path);

    const std::string& path() const { return m_path; }
    const std::vector<std::string>& header() const { return m_header; }
    char delimiter() const { return m_delimiter; }
    // The place of the column named `name` in the header, compared ignoring case; -1 if none.
    int column(std::string_view name) const;

    // Reads the next record into `record`, whose fields' room is reused. Returns false at the
    // end of the file, or when the file cannot be read further; error() then says why.
    bool next(CsvRecord& record);
    const std::string& error() const { return m_error; }

    // Goes back or forth to the start of a record read before.
    void seek(unsigned long long offset, long long line);

    // How much of the file has been read, 0 to 1.
    double progress() const;

private:
    void resetParser();
    bool feed();
    static void fieldRead(void* bytes, std::size_t length, void* reader);
    static void recordRead(int terminator, void* reader);

    std::string m_path;
    RegularFileStream m_file;
    std::unique_ptr<csv_parser> m_parser;
    std::vector<std::string> m_header;
    char m_delimiter = ',';
    std::string m_error;

    std::vector<char> m_buffer;
    std::size_t m_bufferStart = 0; // next byte of m_buffer to parse
    std::size_t m_bufferEnd = 0;
    std::size_t m_readBytes = 0; // of the next read: small after a seek, growing from there
    unsigned long long m_bufferOffset = 0; // file offset of m_buffer[0]
    bool m_endOfFile = false;
    bool m_finished = false; // the parser has been given the end of the file
    bool m_tooManyFields = false;

    long long m_line = 1;       // the line that the next byte belongs to
    bool m_atLineStart = true;  // the next byte begins a line
    bool m_inRecord = false;    // a record has begun and not ended
    long long m_recordLine = 1; // where the record being read began
    long long m_quoteLine = 0;  // where the quoted field left open began; 0 when none is
    std::size_t m_fieldsRead = 0;
    std::size_t m_recordsEnded = 0; // skipped ones too
    unsigned long long m_recordOffset = 0;
    std::vector<std::string> m_fields;
    std::deque<CsvRecord> m_ready;
    // Field lists handed back by the caller, reused so that a record costs no allocation.
    std::vector<std::vector<std::string>> m_spare;
};

} // namespace plenara
