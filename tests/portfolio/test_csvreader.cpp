#include "portfolio/csvreader.h"
#include "portfoliotestsupport.h"

#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

struct ReadCase {
    const char* name;
    std::string bytes;
    char delimiter;
    std::vector<std::string> header;
    // The records after the header, each with the line on which it begins.
    std::vector<std::pair<long long, std::vector<std::string>>> records;
};

class CsvReaderTest : public testing::TestWithParam<ReadCase> {};

TEST_P(CsvReaderTest, ReadsRecordsWithTheLinesTheyBeginOn) {
    const ReadCase& c = GetParam();
    ScratchFolder folder;
    CsvReader reader;
    ASSERT_EQ(reader.open(folder.write("file.csv", c.bytes)), "");
    EXPECT_EQ(reader.delimiter(), c.delimiter);
    EXPECT_EQ(reader.header(), c.header);
    std::vector<std::pair<long long, std::vector<std::string>>> read;
    CsvRecord record;
    while (reader.next(record)) {
        read.emplace_back(record.line, record.fields);
    }
    EXPECT_EQ(reader.error(), "");
    EXPECT_EQ(read, c.records);
    EXPECT_EQ(reader.progress(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CsvReaderTest,
    testing::Values(
        ReadCase{"CommaAndLineFeeds",
                 "id,kWh\nA,1\nB,2\n",
                 ',',
                 {"id", "kWh"},
                 {{2, {"A", "1"}}, {3, {"B", "2"}}}},
        // A spreadsheet with the decimal comma separates by semicolons.
        ReadCase{"SemicolonAndCarriageReturns",
                 "id;kWh;cost\r\nA;1;2,5\r\n",
                 ';',
                 {"id", "kWh", "cost"},
                 {{2, {"A", "1", "2,5"}}}},
        // Quoted fields hold the delimiter, quotes (doubled) and line breaks; the record after
        // a field of two lines begins two lines on.
        ReadCase{"QuotedFields",
                 "id,name,cost\nA,\"Smith, John\",\"$1,234\"\nB,\"say \"\"hi\"\"\",\"two\nlines\"\n"
                 "C,x,y\n",
                 ',',
                 {"id", "name", "cost"},
                 {{2, {"A", "Smith, John", "$1,234"}},
                  {3, {"B", "say \"hi\"", "two\nlines"}},
                  {5, {"C", "x", "y"}}}},
        // Blank lines are no records; blanks around unquoted fields go, quoted ones stay; the
        // last line may end without a line feed.
        ReadCase{"BlankLinesAndBlanks",
                 "id , kWh\n\n  \nA , \" 1 \"\n\nB,2",
                 ',',
                 {"id", "kWh"},
                 {{4, {"A", " 1 "}}, {6, {"B", "2"}}}},
        // UTF-8 with its byte-order mark stays as it is, letters beyond Windows-1252 too;
        // Windows-1252 reads into UTF-8.
        ReadCase{"Utf8WithByteOrderMark",
                 "\xEF\xBB\xBFid,city\nA,Caf\xC3\xA9\n\xD0\x94\xD0\xBE\xD0\xBC 1,\xE6\x9D\xB1\n",
                 ',',
                 {"id", "city"},
                 {{2, {"A", "Caf\xC3\xA9"}}, {3, {"\xD0\x94\xD0\xBE\xD0\xBC 1", "\xE6\x9D\xB1"}}}},
        ReadCase{"Windows1252",
                 "id;city\nA;Caf\xE9\n",
                 ';',
                 {"id", "city"},
                 {{2, {"A", "Caf\xC3\xA9"}}}},
        ReadCase{"HeaderOnly", "id,month\n", ',', {"id", "month"}, {}},
        // The delimiter is that of the header, below blank lines too: the empty first line
        // holds no more commas than semicolons.
        ReadCase{"SemicolonsBelowBlankLines",
                 "\r\n \nid;kWh;cost\r\nA;1;2,5\r\n",
                 ';',
                 {"id", "kWh", "cost"},
                 {{4, {"A", "1", "2,5"}}}},
        // Rows of delimiters alone, as spreadsheets write below their data, are no records.
        ReadCase{"RowsOfDelimitersAlone",
                 "id,kWh,cost\nA,1,2\n,,\n , ,\r\nB,2,3\n,,,,,,\n",
                 ',',
                 {"id", "kWh", "cost"},
                 {{2, {"A", "1", "2"}}, {5, {"B", "2", "3"}}}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(CsvReaderTest, GoesBackToARecordReadBefore) {
    ScratchFolder folder;
    CsvReader reader;
    ASSERT_EQ(reader.open(folder.write("file.csv", "id\r\nA\r\n\"B\nb\"\r\nC\r\n")), "");
    EXPECT_EQ(reader.column("ID"), 0);
    EXPECT_EQ(reader.column("month"), -1);
    CsvRecord a;
    CsvRecord b;
    CsvRecord c;
    ASSERT_TRUE(reader.next(a) && reader.next(b) && reader.next(c));
    EXPECT_EQ(b.line, 3);
    EXPECT_EQ(c.line, 5);
    reader.seek(b.offset, b.line);
    CsvRecord again;
    ASSERT_TRUE(reader.next(again));
    EXPECT_EQ(again.fields, std::vector<std::string>{"B\nb"});
    EXPECT_EQ(again.line, 3);
    ASSERT_TRUE(reader.next(again));
    EXPECT_EQ(again.fields, std::vector<std::string>{"C"});
}

TEST(CsvReaderTest, FilesThatAreNoCsvOfBuildingsSayWhy) {
    ScratchFolder folder;
    CsvReader reader;
    EXPECT_EQ(reader.open(folder.write("empty.csv", "")),
              "the file is empty; its first line should name the columns.");
    EXPECT_EQ(reader.open(folder.path().string()), "that name belongs to a folder, not a file.");
    EXPECT_EQ(reader.open((folder.path() / "missing.csv").string()), "the file does not exist.");

    // A quotation mark that is never closed would make the rest of the file one field.
    ASSERT_EQ(reader.open(folder.write("open.csv", "id,name\nA,\"" + std::string(1 << 21, 'x'))),
              "");
    CsvRecord record;
    EXPECT_FALSE(reader.next(record));
    EXPECT_EQ(reader.error(), "the record that begins on line 2 holds a field longer than 1 MB, "
                              "which no CSV file of buildings or bills holds (is a quotation mark "
                              "missing?).");

    // A quotation mark that is never closed is told with the line where it opened; the
    // records before it are read.
    const struct {
        std::string bytes;
        std::vector<std::string> readFirst; // the ids of the records read before it
        const char* error;
    } unclosed[] = {
        {"id,name\nA,x\nB,\"open\nC,z\n",
         {"A"},
         "a quotation mark opened on line 3 is never closed."},
        // The quote opens after a field of two lines closed.
        {"id,name,note\nA,\"two\nlines\",\"open\nC,z,y\n",
         {},
         "a quotation mark opened on line 3 "
         "is never closed."},
        // On the last line, which has no line end; a quotation mark inside the field after its
        // closing one continues it, as libcsv reads it.
        {"id,name\nA,x\nB,\"x\"y", {"A"}, "a quotation mark opened on line 3 is never closed."},
        {"id,name\nA,\"x", {}, "a quotation mark opened on line 2 is never closed."},
    };
    for (const auto& c : unclosed) {
        ASSERT_EQ(reader.open(folder.write("unclosed.csv", c.bytes)), "") << c.bytes;
        std::vector<std::string> read;
        while (reader.next(record)) {
            read.push_back(record.fields[0]);
        }
        EXPECT_EQ(read, c.readFirst) << c.bytes;
        EXPECT_EQ(reader.error(), c.error) << c.bytes;
    }

    std::string wide = "id";
    for (int i = 0; i < 1001; ++i) {
        wide += ",c";
    }
    ASSERT_EQ(reader.open(folder.write("wide.csv", "id\n" + wide + "\n")), "");
    EXPECT_FALSE(reader.next(record));
    EXPECT_EQ(reader.error(),
              "line 2 holds more than 1000 fields, which no CSV file of buildings or bills holds.");
}

} // namespace
} // namespace plenara
