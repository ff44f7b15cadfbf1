#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "StoreFixture.h"
#include "collections/COkiniiriStore.h"
#include "collections/WorkFiles.h"

namespace lumora {
namespace {

using test::crlf;

class WorkFilesTest : public test::StoreFixture {};

TEST_F(WorkFilesTest, ReplaceWritesWholeContentAndLeavesNoTemporary) {
    write("f", "old");
    ASSERT_EQ(replaceFileContents(path("f"), "new content"), FileStatus::Ok);
    EXPECT_EQ(read("f"), "new content");
    EXPECT_EQ(filesIn(), std::vector<std::string>{"f"});
}

TEST_F(WorkFilesTest, ReplaceIsARenameSoAnOpenReaderKeepsTheOldFile) {
    // A reader that opened the file before the replace still sees the old
    // bytes in full: the new content arrived under a new inode, never by
    // truncating the old one.
    write("f", "old content");
    std::ifstream before(path("f"), std::ios::binary);
    ASSERT_EQ(replaceFileContents(path("f"), "new"), FileStatus::Ok);
    std::string seen((std::istreambuf_iterator<char>(before)), {});
    EXPECT_EQ(seen, "old content");
    EXPECT_EQ(read("f"), "new");
}

TEST_F(WorkFilesTest, ReplaceInAFolderThatCannotBeWrittenFailsAndKeepsTheFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    write("f", "old");
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(replaceFileContents(path("f"), "new"), FileStatus::CannotWrite);
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
    EXPECT_EQ(read("f"), "old");
    EXPECT_EQ(filesIn(), std::vector<std::string>{"f"});
}

TEST_F(WorkFilesTest, AppendCompletesAMissingLineEnd) {
    struct Case {
        std::string before, expected;
    } cases[] = {
        {"", "x\r\n"},
        {"a\r\n", "a\r\nx\r\n"},
        {"a", "a\r\nx\r\n"},
        {"a\n", "a\nx\r\n"},
        {"a\r", "a\r\r\nx\r\n"},
    };
    for (const auto& c : cases) {
        write("f", c.before);
        ASSERT_EQ(appendCompletingLine(path("f"), "x\r\n"), FileStatus::Ok);
        EXPECT_EQ(read("f"), c.expected) << c.before;
    }
    std::filesystem::remove(path("f"));
    ASSERT_EQ(appendCompletingLine(path("f"), "y\r\n"), FileStatus::Ok);
    EXPECT_EQ(read("f"), "y\r\n");
}

TEST_F(WorkFilesTest, ReadReportsMissingAndDirectories) {
    std::filesystem::create_directories(folder_);
    EXPECT_EQ(readFileBytes(path("none")).status, FileStatus::Missing);
    std::filesystem::create_directories(path("dir"));
    EXPECT_EQ(readFileBytes(path("dir")).status, FileStatus::CannotRead);
    EXPECT_EQ(ensureFileExists(path("made")), FileStatus::Ok);
    EXPECT_TRUE(exists("made"));
}

// Kills a child that keeps rewriting the favourites between two valid tables
// at random moments; the table must always be one of the two, whole.
TEST_F(WorkFilesTest, KillDuringRewritesNeverLeavesAPartialTable) {
    const std::string a = crlf({"1,0," + test::kTop + ",1,1,1", "2,1,A,1,1,1", "3,2,B,1,0,1"});
    const std::string b = crlf({"1,0," + test::kTop + ",1,0,1", "2,1,C,1,1,1"});
    std::string big = a;
    for (int i = 4; i < 3000; ++i) big += std::to_string(i) + ",2,name" + std::to_string(i) + ",1,1,1\r\n";
    write("a.lmfav", big);
    write("b.lmfav", b);
    write("csv_okiniiri0", b);
    for (int round = 0; round < 12; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            COkiniiriStore store(folder_);
            for (;;) {
                store.ImportTable(path("a.lmfav"));
                store.ImportTable(path("b.lmfav"));
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + 1700 * round));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        const std::string now = read("csv_okiniiri0");
        EXPECT_TRUE(now == big || now == b) << "round " << round << ": " << now.size() << " bytes";
    }
}

}  // namespace
}  // namespace lumora
