#include "fileio/safefilewriter.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace plenara {
namespace {

namespace fs = std::filesystem;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SafeFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("plenara-safewriter-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        fs::permissions(m_folder, fs::perms::owner_all);
        fs::remove_all(m_folder);
    }

    std::string path(const std::string& name) const { return (m_folder / name).string(); }
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_folder), {}));
    }

    fs::path m_folder;
};

TEST_F(SafeFileWriterTest, WritesAndReplacesKeepingPermissionsAndLeavingNothingBehind) {
    EXPECT_EQ(writeFileSafely(path("new.TAV"), "first"), "");
    EXPECT_EQ(fileText(path("new.TAV")), "first");

    const std::string old = write("old.TAV", "old");
    fs::permissions(old, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(writeFileSafely(old, "replaced"), "");
    EXPECT_EQ(fileText(old), "replaced");
    EXPECT_EQ(fs::status(old).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A name that is no UTF-8 is used byte for byte.
    const std::string latin = path("caf\xE9.TAV");
    EXPECT_EQ(writeFileSafely(latin, "x"), "");
    EXPECT_TRUE(fs::is_regular_file(latin));
    EXPECT_EQ(entries(), 3u) << "no temporary file is left behind";
}

TEST_F(SafeFileWriterTest, ALinkIsFollowedAndKept) {
    const std::string target = write("target.pdf", "old");
    fs::create_symlink("target.pdf", path("link.pdf"));
    fs::create_directory(path("sub"));
    fs::create_symlink("../link.pdf", path("sub/chain.pdf"));
    EXPECT_EQ(writeFileSafely(path("sub/chain.pdf"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(path("link.pdf")));
    EXPECT_TRUE(fs::is_symlink(path("sub/chain.pdf")));
    EXPECT_EQ(fileText(target), "new");
}

TEST_F(SafeFileWriterTest, WhatMustNotBeReplacedIsRefusedAndKept) {
    fs::create_symlink(path("nowhere.pdf"), path("dangling.pdf"));
    fs::create_symlink(path("loop.pdf"), path("loop.pdf"));
    fs::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    const std::string locked = write("locked.pdf", "locked");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);

    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {path("dangling.pdf"),
         "the name is a link to \"" + path("nowhere.pdf") + "\", which does not exist."},
        {path("loop.pdf"), "the name is a link that leads round in a loop."},
        {path("folder"), "that name belongs to a folder, not a file."},
        {path("pipe"), "the name belongs to something that is not a plain file (a named pipe, a "
                       "device or a socket), which is never replaced."},
        {"/dev/null", "the name belongs to something that is not a plain file (a named pipe, a "
                      "device or a socket), which is never replaced."},
        // Read-only by its permissions, which holds for every user, the superuser included.
        {locked, "the file is read-only."},
        {path("none/x.pdf"), "the folder \"" + path("none") + "\" does not exist."},
        {locked + "/x.pdf", "\"" + locked + "\" is a file, not a folder."},
        {"", "no file name was given."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(writeFileSafely(c.path, "new"), c.reason) << c.path;
    }
    EXPECT_TRUE(fs::is_symlink(path("dangling.pdf")));
    EXPECT_TRUE(fs::is_fifo(path("pipe")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(fileText(locked), "locked");
    EXPECT_EQ(entries(), 5u);
}

// In a folder that anyone may write, the rename could take over a file that another user owns
// and this one may not write: it is refused, as writing it in place would be.
TEST_F(SafeFileWriterTest, AFileOfAnotherUserIsNotTakenOver) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs a second user to own the file";
    }
    fs::permissions(m_folder, fs::perms::all);
    const std::string theirs = write("theirs.tav", "theirs");
    fs::permissions(theirs, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Any user but the owner: "nobody" on Debian.
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(2);
        }
        const std::string reason = writeFileSafely(theirs, "mine");
        ::_exit(reason == "you have no permission to write the file." ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(fileText(theirs), "theirs");
    EXPECT_EQ(entries(), 1u);
}

// A write that fails half-way (here the process may write no more than 64 bytes to any file,
// as on a full disk) leaves the previous file whole and no temporary file.
TEST_F(SafeFileWriterTest, AFailedWriteKeepsThePreviousFile) {
    const std::string old = write("report.pdf", "the previous report");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string reason = writeFileSafely(old, std::string(4096, 'x'));
        ::_exit(reason.rfind("the file cannot be written (", 0) == 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(fileText(old), "the previous report");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SafeFileWriterTest, ALibraryCanWriteTheTemporaryFileByName) {
    SafeFileWriter writer;
    ASSERT_EQ(writer.open(path("book.xlsx")), "");
    std::ofstream(writer.temporaryPath(), std::ios::binary) << "by name";
    EXPECT_FALSE(fs::exists(path("book.xlsx")));
    EXPECT_EQ(writer.commit(), "");
    EXPECT_EQ(fileText(path("book.xlsx")), "by name");

    // Given up before the commit, nothing is written.
    SafeFileWriter abandoned;
    ASSERT_EQ(abandoned.open(path("book.xlsx")), "");
    abandoned.write("half");
    abandoned.discard();
    EXPECT_EQ(fileText(path("book.xlsx")), "by name");
    EXPECT_EQ(entries(), 1u);
}

} // namespace
} // namespace plenara
