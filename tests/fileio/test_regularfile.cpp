#include "fileio/regularfile.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace plenara {
namespace {

namespace fs = std::filesystem;

class RegularFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("plenara-regularfile-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string path(const char* name) const { return (m_folder / name).string(); }

    fs::path m_folder;
};

TEST_F(RegularFileTest, WhatIsNoPlainFileIsRefusedAtOnce) {
    std::ofstream(path("plain"), std::ios::binary) << "12345";
    std::ofstream(path("big"), std::ios::binary) << std::string(101, 'x');
    fs::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    fs::create_symlink(path("nothing"), path("dangling"));
    fs::create_symlink(path("loop"), path("loop"));

    struct Case {
        std::string path;
        ReadProblem problem;
        const char* reason;
    };
    const Case cases[] = {
        {path("plain"), ReadProblem::None, ""},
        {path("missing"), ReadProblem::Missing, "the file does not exist."},
        {path("dangling"), ReadProblem::Missing, "the file does not exist."},
        {path("loop"), ReadProblem::Unreadable, "the name is a link that leads round in a loop."},
        {path("folder"), ReadProblem::Folder, "that name belongs to a folder, not a file."},
        // A named pipe would wait for a writer that never comes; it is refused without waiting.
        {path("pipe"), ReadProblem::NotRegular, "it is a named pipe (FIFO), not a file."},
        {"/dev/zero", ReadProblem::NotRegular, "it is a device, not a file."},
        {path("big"), ReadProblem::TooLarge, "the file is too large."},
        {"", ReadProblem::Missing, "no file name was given."},
    };
    for (const Case& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const RegularFileContent r = readRegularFile(c.path, 100);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.path;
        EXPECT_EQ(r.problem, c.problem) << c.path;
        EXPECT_EQ(r.reason, c.reason) << c.path;
        EXPECT_EQ(r.content, c.problem == ReadProblem::None ? "12345" : "") << c.path;
    }
}

TEST_F(RegularFileTest, AFileWithoutReadPermissionSaysSo) {
    std::ofstream(path("locked"), std::ios::binary) << "x";
    fs::permissions(path("locked"), fs::perms::none);
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser reads a file whatever its permissions";
    }
    const RegularFileContent r = readRegularFile(path("locked"), 100);
    EXPECT_EQ(r.problem, ReadProblem::Unreadable);
    EXPECT_EQ(r.reason, "permission to read the file is denied.");
}

TEST_F(RegularFileTest, AShownPathIsAbsolute) {
    const fs::path before = fs::current_path();
    fs::current_path(m_folder);
    EXPECT_EQ(shownPath("."), m_folder.string());
    EXPECT_EQ(shownPath("a.TAV"), (m_folder / "a.TAV").string());
    fs::current_path(before);
    EXPECT_EQ(shownPath("/x/./y/../z"), "/x/z");
}

} // namespace
} // namespace plenara
