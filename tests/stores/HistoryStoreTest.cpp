#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "collections/CHistoryStore.h"
#include "engine/TextFields.h"

namespace lumora {
namespace {

using test::crlf;

// A valid history line: 68 values and their sum.
std::string entry(int seed) {
    std::vector<long long> v;
    long long sum = 0;
    for (int i = 0; i < 68; ++i) {
        const long long x = (seed * 31 + i * 7) % 1000 - (i == 5 ? 500 : 0);
        v.push_back(x);
        sum += x;
    }
    v.push_back(static_cast<std::int32_t>(sum));
    return test::joinInts(v);
}

std::array<bool, 20> allActive() {
    std::array<bool, 20> a;
    a.fill(true);
    return a;
}

class HistoryStoreTest : public test::StoreFixture {
protected:
    CHistoryStore store() { return CHistoryStore(folder_); }
};

TEST_F(HistoryStoreTest, AppendWritesTheLineByteForByte) {
    FigureRecord r = test::sampleRecord(1);
    r[FigureRecord::Param1 + 2] = -7;
    r[FigureRecord::FgColour] = -1;  // only the 24 colour bits are written
    r[FigureRecord::Colour1 + 3] = 0x01ABCDEF;
    std::array<bool, 20> active = allActive();
    active[19] = false;  // row 20 inactive: written as 0
    ASSERT_TRUE(store().AppendEntry(r, active).ok());

    std::vector<long long> v;
    for (int i = 0; i < 68; ++i) v.push_back(r[i]);
    v[FigureRecord::Param1 + 19] = 0;
    v[FigureRecord::FgColour] = 0xFFFFFF;
    v[FigureRecord::Colour1 + 3] = 0xABCDEF;
    long long sum = 0;
    for (auto x : v) sum += x;
    v.push_back(static_cast<std::int32_t>(sum));
    EXPECT_EQ(read("csv_history0"), test::joinInts(v) + "\r\n");
    EXPECT_EQ(store().CountEntries().count, 1);
}

TEST_F(HistoryStoreTest, EntriesAreNumberedFromTheNewest) {
    write("csv_history0", crlf({entry(1), entry(2), entry(3)}) + "tail without end");
    auto s = store();
    EXPECT_EQ(s.CountEntries().count, 3);
    EXPECT_EQ(s.ReadEntry(0).fields->at(0), splitFields(entry(3))[0]);
    EXPECT_EQ(s.ReadEntry(2).fields->size(), 69u);
    EXPECT_EQ(s.ReadEntry(2).fields->at(68), std::string(splitFields(entry(1))[68]));
    EXPECT_FALSE(s.ReadEntry(3).fields);
    EXPECT_FALSE(s.ReadEntry(-1).fields);
}

TEST_F(HistoryStoreTest, AMissingFileIsCreatedEmpty) {
    auto s = store();
    EXPECT_EQ(s.CountEntries().count, 0);
    EXPECT_TRUE(exists("csv_history0"));
    EXPECT_FALSE(s.ReadEntry(0).fields);
}

TEST_F(HistoryStoreTest, TrimKeepsExactlyTheNewestThousand) {
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) lines.push_back(entry(i));
    write("csv_history0", crlf(lines));
    auto s = store();
    ASSERT_TRUE(s.AppendEntry(test::sampleRecord(5), allActive()).ok());
    const std::string expected = crlf(std::vector<std::string>(lines.begin() + 1, lines.end())) +
                                 CHistoryStore::entryLine(test::sampleRecord(5), allActive());
    EXPECT_EQ(read("csv_history0"), expected);
    EXPECT_EQ(read("csv_history1"), expected);
    EXPECT_EQ(s.CountEntries().count, 1000);
}

TEST_F(HistoryStoreTest, ALoadedLongHistoryStaysUntilTheNextAppend) {
    std::vector<std::string> lines;
    for (int i = 0; i < 1500; ++i) lines.push_back(entry(i));
    write("in.lmhis", crlf(lines));
    auto s = store();
    ASSERT_TRUE(s.ImportHistory(path("in.lmhis")).ok());
    EXPECT_EQ(s.CountEntries().count, 1500);
    ASSERT_TRUE(s.AppendEntry(test::sampleRecord(9), allActive()).ok());
    EXPECT_EQ(s.CountEntries().count, 1000);
    EXPECT_EQ(s.ReadEntry(1).fields->at(0), std::string(splitFields(lines.back())[0]));
}

TEST_F(HistoryStoreTest, CheckDropsInvalidLinesAndKeepsTheRestExactly) {
    std::string badSum = entry(2);
    badSum.back() = badSum.back() == '9' ? '8' : static_cast<char>(badSum.back() + 1);
    const std::string sixtyEight = entry(3).substr(0, entry(3).rfind(','));
    const std::string seventy = entry(4) + ",0";
    const std::string spaced = " " + entry(5);  // atoi skips the space: still valid, kept as written
    write("csv_history0", crlf({entry(1), badSum, sixtyEight, "", seventy, spaced}) + entry(6) + "\n" + entry(7));
    auto s = store();
    const HistoryCheck check = s.CheckEntries();
    ASSERT_TRUE(check.ok());
    EXPECT_EQ(check.removed, 4);
    const std::string expected = crlf({entry(1), spaced, entry(6), entry(7)});
    EXPECT_EQ(read("csv_history0"), expected);
    EXPECT_EQ(read("csv_history2"), expected);
}

TEST_F(HistoryStoreTest, CheckLeavesAValidFileUntouched) {
    const std::string bytes = entry(1) + "\n" + entry(2) + "\r\n";
    write("csv_history0", bytes);
    ASSERT_TRUE(store().CheckEntries().ok());
    EXPECT_EQ(read("csv_history0"), bytes);
    EXPECT_EQ(read("csv_history2"), crlf({entry(1), entry(2)}));
}

TEST_F(HistoryStoreTest, AStagingFileThatCannotBeWrittenNeverReplacesTheHistory) {
    const std::string bytes = crlf({entry(1), "broken"});
    write("csv_history0", bytes);
    std::filesystem::create_directories(path("csv_history2") / "blocked");  // a folder where the file should go
    const HistoryCheck check = store().CheckEntries();
    EXPECT_EQ(check.status, StoreStatus::CannotWriteStagingFile);
    EXPECT_EQ(read("csv_history0"), bytes);
}

TEST_F(HistoryStoreTest, AWorkFileThatCannotBeOpenedIsReported) {
    std::filesystem::create_directories(path("csv_history0"));
    auto s = store();
    EXPECT_EQ(s.CheckEntries().status, StoreStatus::CannotOpenWorkFile);
    EXPECT_EQ(s.CountEntries().status, StoreStatus::CannotOpenWorkFile);
    EXPECT_EQ(s.CountEntries().count, 0);
    EXPECT_EQ(s.ReadEntry(0).status, StoreStatus::CannotOpenWorkFile);
    EXPECT_EQ(s.AppendEntry(test::sampleRecord(), allActive()).status, StoreStatus::CannotWriteWorkFile);
}

TEST_F(HistoryStoreTest, SaveThenLoadGivesBackTheSameFile) {
    auto s = store();
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(s.AppendEntry(test::sampleRecord(i), allActive()).ok());
    const std::string saved = read("csv_history0");
    ASSERT_TRUE(s.ExportHistory(path("out.lmhis")).ok());
    EXPECT_EQ(read("out.lmhis"), saved);
    ASSERT_TRUE(s.ClearEntries().ok());
    EXPECT_EQ(read("csv_history0"), "");
    ASSERT_TRUE(s.ImportHistory(path("out.lmhis")).ok());
    EXPECT_EQ(read("csv_history0"), saved);
}

TEST_F(HistoryStoreTest, AnImportWithoutFinalLineEndGetsOneAndTheNextAppendStaysApart) {
    write("in.lmhis", entry(1) + "\r\n" + entry(2));
    auto s = store();
    ASSERT_TRUE(s.ImportHistory(path("in.lmhis")).ok());
    EXPECT_EQ(read("csv_history0"), crlf({entry(1), entry(2)}));
    EXPECT_EQ(s.CountEntries().count, 2);
    // A hand edit can still leave the end off; an append completes it first.
    write("csv_history0", entry(1));
    ASSERT_TRUE(s.AppendEntry(test::sampleRecord(), allActive()).ok());
    EXPECT_EQ(s.CountEntries().count, 2);
    ASSERT_TRUE(s.CheckEntries().ok());
    EXPECT_EQ(s.CountEntries().count, 2);
}

TEST_F(HistoryStoreTest, AnUnreadableImportLeavesTheHistoryAndSaysSo) {
    const std::string bytes = crlf({entry(1)});
    write("csv_history0", bytes);
    const HistoryCheck check = store().ImportHistory(path("missing.lmhis"));
    EXPECT_EQ(check.status, StoreStatus::CannotReadSource);
    EXPECT_EQ(read("csv_history0"), bytes);
}

TEST_F(HistoryStoreTest, EntryRecordTakesColoursAsTheirLowBits) {
    const std::string line = entry(1);
    const auto fields = splitFields(line);
    std::vector<std::string> f(fields.begin(), fields.end());
    f[FigureRecord::BgColour] = "-1";
    f[FigureRecord::Colour1] = "99999999999";  // clamps, then 24 bits
    const auto r = CHistoryStore::entryRecord(f);
    ASSERT_TRUE(r);
    EXPECT_EQ((*r)[FigureRecord::BgColour], 0xFFFFFF);
    EXPECT_EQ((*r)[FigureRecord::Colour1], 0x7FFFFFFF & 0xFFFFFF);
    EXPECT_EQ((*r)[FigureRecord::RecordSum], recordSum(*r));
    f.pop_back();
    EXPECT_FALSE(CHistoryStore::entryRecord(f));
}

TEST_F(HistoryStoreTest, ARecalledNegativeColourRecordsAValidLine) {
    // A hand-edited negative colour that passes its sum is read as 24 bits,
    // so drawing it again writes a line the next check keeps.
    const std::string line = entry(1);
    const auto fields = splitFields(line);
    std::vector<std::string> f(fields.begin(), fields.end());
    const auto r = CHistoryStore::entryRecord(f);
    FigureRecord neg = *r;
    neg[FigureRecord::FgColour] = -5;
    auto s = store();
    ASSERT_TRUE(s.AppendEntry(neg, allActive()).ok());
    EXPECT_EQ(s.CheckEntries().removed, 0);
}

}  // namespace
}  // namespace lumora
