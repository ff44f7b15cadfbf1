#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "collections/WorkFiles.h"

namespace lumora {
namespace {

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

TEST_F(WorkFilesTest, AppendCompletesAMissingLineEnd) {
    struct Case {
        std::string before, expected;
    } cases[] = {
        {"", "x\r\n"}, {"a\r\n", "a\r\nx\r\n"}, {"a", "a\r\nx\r\n"}, {"a\n", "a\nx\r\n"}, {"a\r", "a\r\r\nx\r\n"},
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

// What a killed rewrite leaves goes at the next start; the stores' own
// files, staging files included, stay.
TEST_F(WorkFilesTest, LeftoverTemporariesAreSweptAndNothingElse) {
    for (const char* name : {".csv_okiniiri0.tmp.a1B2c3", ".csv_history0.tmp.Zz9", ".lumora.tmp.000001"})
        write(name, "half a tab");
    const char* kept[] = {"csv_okiniiri0", "csv_history0", "csv_okiniiri_check", "lumora", ".tmp.", "x.tmp.y"};
    for (const char* name : kept) write(name, "kept");
    std::filesystem::create_directories(path(".dir.tmp.1"));
    EXPECT_EQ(removeLeftoverTemporaries(folder_), 3);
    for (const char* name : kept) EXPECT_TRUE(exists(name)) << name;
    EXPECT_TRUE(exists(".dir.tmp.1"));
    EXPECT_EQ(removeLeftoverTemporaries(folder_ / "missing"), 0);
}

TEST_F(WorkFilesTest, ReadReportsMissingAndDirectories) {
    std::filesystem::create_directories(folder_);
    EXPECT_EQ(readFileBytes(path("none")).status, FileStatus::Missing);
    std::filesystem::create_directories(path("dir"));
    EXPECT_EQ(readFileBytes(path("dir")).status, FileStatus::CannotRead);
    EXPECT_EQ(ensureFileExists(path("made")), FileStatus::Ok);
    EXPECT_TRUE(exists("made"));
}

}  // namespace
}  // namespace lumora
