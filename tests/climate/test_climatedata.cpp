#include "climate/climatedata.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace plenara {
namespace {

namespace fs = std::filesystem;

class ClimateFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("plenara-climate-" +
                    std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    void write(const std::string& content) {
        std::ofstream out(m_folder / "ClimateData.Dat", std::ios::binary);
        out << content;
    }

    ClimateReadResult read() { return readClimateData(m_folder.string()); }

    fs::path m_folder;
};

TEST_F(ClimateFileTest, ReadsEveryFieldInFileOrder) {
    write("Alabama|Birmingham|2678|2058|63.3\r\nNew York|Albany|6736|575|48.2|extra\r\n"
          "New York|Buffalo|6624|548|48.3\r\n");
    const ClimateReadResult r = read();
    ASSERT_TRUE(r.ok()) << r.error;
    ASSERT_EQ(r.table.climateRowCount(), 3);
    EXPECT_EQ(r.table.rows[0], (ClimateRecord{"Alabama", "Birmingham", "2678", "2058", "63.3"}));
    EXPECT_EQ(r.table.rows[1], (ClimateRecord{"New York", "Albany", "6736", "575", "48.2"}));
    EXPECT_EQ(citiesOfState(r.table, "New York"), (std::vector<std::string>{"Albany", "Buffalo"}));
    EXPECT_TRUE(citiesOfState(r.table, "new york").empty());
    EXPECT_TRUE(citiesOfState(r.table, "Texas").empty());
}

TEST_F(ClimateFileTest, TheLastLineEndIsOptionalAndLineFeedsAlsoEndLines) {
    write("Ohio|Akron|5982|654|50.0\r\nOhio|Dayton|5600|900|52.1");
    const ClimateReadResult without = read();
    write("Ohio|Akron|5982|654|50.0\r\nOhio|Dayton|5600|900|52.1\r\n");
    const ClimateReadResult with = read();
    write("Ohio|Akron|5982|654|50.0\nOhio|Dayton|5600|900|52.1\n");
    const ClimateReadResult unixEnds = read();
    // An editor's UTF-8 byte-order mark is no part of the first state.
    write("\xEF\xBB\xBFOhio|Akron|5982|654|50.0\r\nOhio|Dayton|5600|900|52.1\r\n");
    const ClimateReadResult marked = read();
    ASSERT_TRUE(without.ok() && with.ok() && unixEnds.ok() && marked.ok());
    EXPECT_EQ(without.table.rows, with.table.rows);
    EXPECT_EQ(unixEnds.table.rows, with.table.rows);
    EXPECT_EQ(marked.table.rows, with.table.rows);
    EXPECT_EQ(with.table.rows[1].AvgTemp, "52.1");
}

TEST_F(ClimateFileTest, FieldsAreNotTrimmed) {
    write("Ohio| Akron |5982|654|50.0\r\n");
    const ClimateReadResult r = read();
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.table.rows[0].City, " Akron ");
    EXPECT_EQ(findCity(r.table, "Ohio", "Akron"), nullptr);
}

TEST_F(ClimateFileTest, ABlankLineStopsTheReadingAndNamesTheLine) {
    write("Ohio|Akron|5982|654|50.0\r\n\r\nOhio|Dayton|5600|900|52.1\r\n");
    const ClimateReadResult r = read();
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.table.climateRowCount(), 0);
    EXPECT_NE(r.error.find("line 2 is empty"), std::string::npos) << r.error;
    EXPECT_NE(r.error.find(m_folder.string()), std::string::npos);
    EXPECT_NE(r.error.find("\"ClimateData.Dat\""), std::string::npos);
    EXPECT_EQ(r.error.find("was not found"), std::string::npos);
}

TEST_F(ClimateFileTest, AnExtraLineEndAtTheEndIsABlankLine) {
    write("Ohio|Akron|5982|654|50.0\r\n\r\n");
    EXPECT_FALSE(read().ok());
}

TEST_F(ClimateFileTest, AShortLineStopsTheReading) {
    write("Ohio|Akron|5982|654|50.0\r\nOhio|Dayton|5600|900\r\n");
    const ClimateReadResult r = read();
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.table.climateRowCount(), 0);
    EXPECT_NE(r.error.find("line 2 has 4 fields"), std::string::npos) << r.error;
    EXPECT_EQ(r.error.find("was not found"), std::string::npos);
}

TEST_F(ClimateFileTest, ThreeHundredLinesAreTheMost) {
    std::string content;
    for (int i = 0; i < kMaxClimateRows; ++i) {
        content += "Ohio|City" + std::to_string(i) + "|5000|700|50.0\r\n";
    }
    write(content);
    const ClimateReadResult full = read();
    ASSERT_TRUE(full.ok()) << full.error;
    EXPECT_EQ(full.table.climateRowCount(), 300);

    write(content + "Ohio|One Too Many|5000|700|50.0\r\n");
    const ClimateReadResult over = read();
    EXPECT_FALSE(over.ok());
    EXPECT_EQ(over.table.climateRowCount(), 0);
    EXPECT_NE(over.error.find("more than 300 lines"), std::string::npos) << over.error;
    EXPECT_NE(over.error.find("line 301"), std::string::npos) << over.error;
}

TEST_F(ClimateFileTest, AMissingFileGivesTheNotFoundMessage) {
    const ClimateReadResult r = read();
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.table.climateRowCount(), 0);
    const std::string expected = "File \"ClimateData.Dat\" was not found in folder \r\n\r\n\"" +
                                 m_folder.string() +
                                 "\"\r\n\r\nThis file is provides Heating and Cooling Degree Day "
                                 "data\r\nrequired for Method 3 calculations.";
    EXPECT_EQ(r.error, expected);
}

// Each kind of file that cannot serve says what it is, and nothing ever waits on it.
TEST_F(ClimateFileTest, WhatIsNoPlainFileIsToldApart) {
    const std::string name = (m_folder / "ClimateData.Dat").string();
    const auto messageFor = [&](const std::string& path) {
        const ClimateReadResult r = readClimateFile(path);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.table.climateRowCount(), 0);
        EXPECT_EQ(r.error.find("\r\n", r.error.size() - 2), std::string::npos);
        return r.error;
    };
    fs::create_directory(name);
    EXPECT_NE(messageFor(name).find("cannot be used: that name belongs to a folder, not a file."),
              std::string::npos);
    fs::remove(name);

    ASSERT_EQ(::mkfifo(name.c_str(), 0600), 0);
    EXPECT_NE(messageFor(name).find("it is a named pipe (FIFO), not a file."), std::string::npos);
    fs::remove(name);

    EXPECT_NE(messageFor("/dev/null").find("it is a device, not a file."), std::string::npos);

    write("Ohio|Akron|5982|654|50.0\r\n");
    fs::permissions(name, fs::perms::none);
    // The superuser reads a file whatever its permissions; the message is then not reached.
    if (::geteuid() != 0) {
        EXPECT_NE(messageFor(name).find("permission to read the file is denied."),
                  std::string::npos);
    }
    fs::permissions(name, fs::perms::owner_all);

    // A file named without a folder names the folder it was looked for in.
    const fs::path before = fs::current_path();
    fs::current_path(m_folder);
    const std::string missing = messageFor("NoSuch.Dat");
    fs::current_path(before);
    EXPECT_NE(missing.find("File \"NoSuch.Dat\" was not found in folder \r\n\r\n\"" +
                           m_folder.string() + "\""),
              std::string::npos)
        << missing;
}

TEST_F(ClimateFileTest, AnEmptyFileIsReported) {
    write("");
    const ClimateReadResult r = read();
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find("empty"), std::string::npos);
}

TEST_F(ClimateFileTest, CitiesOfTheSameNameInTwoStates) {
    write("Oregon|Portland|4400|400|53.0\r\nMaine|Portland|7300|350|46.0\r\n");
    const ClimateReadResult r = read();
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(citiesOfState(r.table, "Oregon"), std::vector<std::string>{"Portland"});
    EXPECT_EQ(citiesOfState(r.table, "Maine"), std::vector<std::string>{"Portland"});
    // Each state's Portland has its own row; a state that has none takes the first one.
    const struct {
        const char* state;
        const char* city;
        const char* foundState; // nullptr: none found
    } cases[] = {{"Maine", "Portland", "Maine"},  {"Oregon", "Portland", "Oregon"},
                 {"Texas", "Portland", "Oregon"}, {"", "Portland", "Oregon"},
                 {"maine", "Portland", "Oregon"}, {"Maine", "portland", nullptr},
                 {"Maine", "Bangor", nullptr}};
    for (const auto& c : cases) {
        const ClimateRecord* found = findCity(r.table, c.state, c.city);
        if (c.foundState == nullptr) {
            EXPECT_EQ(found, nullptr) << c.state << "/" << c.city;
        } else {
            ASSERT_NE(found, nullptr) << c.state << "/" << c.city;
            EXPECT_EQ(found->State, c.foundState) << c.state << "/" << c.city;
        }
    }
    EXPECT_EQ(findCity(r.table, "Maine", "Portland")->HDD, "7300");
}

TEST(ShippedClimateDataTest, ReadsInFullWithEveryStateListed) {
    const ClimateReadResult r = readClimateData(PLENARA_SHIPPED_DATA_DIR);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.table.climateRowCount(), 251);
    for (const std::string_view state : stateNames()) {
        EXPECT_FALSE(citiesOfState(r.table, state).empty()) << state;
    }
    const std::vector<std::string> pennsylvania = citiesOfState(r.table, "Pennsylvania");
    ASSERT_GE(pennsylvania.size(), 5u);
    EXPECT_EQ(pennsylvania[4], "Philadelphia");
    EXPECT_GE(citiesOfState(r.table, "New York").size(), 3u);
}

TEST(StateNamesTest, FiftyOneInListOrder) {
    const auto& names = stateNames();
    EXPECT_EQ(names.size(), 51u);
    EXPECT_EQ(names[0], "Alabama");
    EXPECT_EQ(names[31], "New York");
    EXPECT_EQ(names[37], "Pennsylvania");
    EXPECT_EQ(names[47], "Washington DC");
    EXPECT_EQ(names[50], "Wyoming");
}

} // namespace
} // namespace plenara
