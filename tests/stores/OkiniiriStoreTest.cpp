#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "collections/COkiniiriStore.h"

namespace lumora {
namespace {

using test::crlf;
using test::kTop;

std::string top(int e = 1) { return "1,0," + kTop + ",1," + std::to_string(e) + ",1"; }
std::string folder(int id, int parent, const std::string& name, int expanded = 1) {
    return std::to_string(id) + "," + std::to_string(parent) + "," + name + ",1," + std::to_string(expanded) + ",1";
}
// A favourite row with a valid row sum over the given record.
std::string favourite(int id, int parent, const std::string& name, const FigureRecord& r = test::sampleRecord()) {
    std::vector<long long> v;
    long long sum = 0;
    for (int i = 0; i < FigureRecord::kSize; ++i) {
        v.push_back(r[i]);
        sum += r[i];
    }
    v.push_back(static_cast<std::int32_t>(sum));
    return std::to_string(id) + "," + std::to_string(parent) + "," + name + ",0,0," + test::joinInts(v);
}

class OkiniiriStoreTest : public test::StoreFixture {
protected:
    COkiniiriStore store() { return COkiniiriStore(folder_); }
    void table(const std::vector<std::string>& lines) { write("csv_okiniiri0", crlf(lines)); }
    std::string tableNow() { return read("csv_okiniiri0"); }
};

TEST_F(OkiniiriStoreTest, FirstStartLeavesOnlyTheTopFolder) {
    auto s = store();
    const IntegrityReport r = s.RunIntegrityPass();
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(tableNow(), crlf({top(1)}));
    EXPECT_EQ(read("csv_okiniiri_check"), crlf({top(1)}));
    EXPECT_FALSE(exists("csv_okiniiri_oyako_check"));  // no orphan run on a table that started empty
    EXPECT_FALSE(exists("csv_okiniiri_junjo"));
}

TEST_F(OkiniiriStoreTest, AValidTopFolderWithAnotherNameIsLeftAlone) {
    table({"1,0,Mine,1,0,1", folder(2, 1, "A")});
    ASSERT_TRUE(store().RunIntegrityPass().ok());
    EXPECT_EQ(tableNow(), crlf({"1,0,Mine,1,0,1", folder(2, 1, "A")}));
    EXPECT_EQ(read("csv_okiniiri_check"), crlf({top(0), folder(2, 1, "A")}));
    EXPECT_EQ(read("csv_okiniiri_oyako_check"), crlf({top(0), folder(2, 1, "A")}));
}

TEST_F(OkiniiriStoreTest, CheckDropsRowsThatFailTheirCheck) {
    std::string offByOne = favourite(4, 1, "off");
    offByOne.back() = offByOne.back() == '9' ? '0' : static_cast<char>(offByOne.back() + 1);
    table({top(0), folder(2, 1, "A"), "3,1,bad,1,1,0", offByOne, favourite(5, 2, "ok"), favourite(6, 2, "x") + ",1",
           "7,2,short,1,1", "", "8,2,zero,0,0,0"});
    auto s = store();
    const IntegrityReport r = s.RunIntegrityPass();
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.checkChanged);
    EXPECT_TRUE(r.renumbered);
    // Kept: top, A, the valid favourite and the 6-field 0/0 row; then renumbered.
    EXPECT_EQ(tableNow(), crlf({top(0), folder(2, 1, "A"), favourite(3, 2, "ok"), "4,2,zero,0,0,0"}));
    EXPECT_EQ(read("csv_okiniiri_check"), crlf({top(0), folder(2, 1, "A"), favourite(5, 2, "ok"), "8,2,zero,0,0,0"}));
}

TEST_F(OkiniiriStoreTest, AnInvalidTopLineIsReplaced) {
    const std::string cases[] = {
        "1,0,x,1,2,1", "2,0,x,1,1,1", "1,1,x,1,1,1", "1,0,x,0,1,1", "1,0,x,1,1,0", "1,0,x,1,1,1,1", ""};
    for (const auto& bad : cases) {
        table({bad, folder(2, 1, "A")});
        ASSERT_TRUE(store().RunIntegrityPass().ok());
        EXPECT_EQ(tableNow(), crlf({top(1), folder(2, 1, "A")})) << bad;
    }
}

TEST_F(OkiniiriStoreTest, OrphansGoWithTheirWholeSubtree) {
    table({top(), folder(2, 1, "A"), folder(3, 9, "lost"), folder(4, 3, "under lost"), favourite(5, 4, "deep"),
           favourite(6, 2, "kept"), folder(7, 7, "self")});
    const IntegrityReport r = store().RunIntegrityPass();
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.orphansRemoved, 3);
    EXPECT_EQ(tableNow(), crlf({top(), folder(2, 1, "A"), favourite(3, 2, "kept"), folder(4, 4, "self")}));
    EXPECT_EQ(read("csv_okiniiri_oyako_check"),
              crlf({top(), folder(2, 1, "A"), favourite(6, 2, "kept"), folder(7, 7, "self")}));
}

TEST_F(OkiniiriStoreTest, RenumberingFollowsOldIdsAndTheLastLineWins) {
    // Written directly, without the check: the renumbering on its own.
    table({"1,0,T,1,1,1", "5,1,A,1,1,1", "9,5,B,1,1,1", "9,1,C,1,1,1", "4,9,D,1,1,1", "6,1,E,1,1,1", "7,42,F,1,1,1"});
    auto s = store();
    ASSERT_TRUE(s.RenumberRows().changed);
    EXPECT_EQ(tableNow(), crlf({"1,0,T,1,1,1", "2,1,A,1,1,1", "3,2,B,1,1,1", "4,1,C,1,1,1", "5,4,D,1,1,1",
                                "6,1,E,1,1,1", "7,,F,1,1,1"}));
    EXPECT_EQ(read("csv_okiniiri_junjo"), tableNow());
    // In order already: nothing written.
    std::filesystem::remove(path("csv_okiniiri_junjo"));
    EXPECT_FALSE(s.RenumberRows().changed);
    EXPECT_FALSE(exists("csv_okiniiri_junjo"));
}

TEST_F(OkiniiriStoreTest, AppendUsesTheLargestIdPlusOne) {
    table({top(), folder(2, 1, "A"), folder(7, 1, "B")});
    auto s = store();
    ASSERT_TRUE(s.AppendFolder(0, "新しい, フォルダ").ok());
    ASSERT_TRUE(s.AppendFavourite(2, "fav\r\nname", test::sampleRecord()).ok());
    const auto conv = std::string("\x90\x56\x82\xB5\x82\xA2") + ". " + "\x83\x74\x83\x48\x83\x8B\x83\x5F";
    EXPECT_EQ(tableNow(),
              crlf({top(), folder(2, 1, "A"), folder(7, 1, "B"), folder(8, 1, conv), favourite(9, 2, "fav  name")}));
}

TEST_F(OkiniiriStoreTest, AppendCompletesAMissingLineEnd) {
    write("csv_okiniiri0", top() + "\r\n" + folder(2, 1, "A"));
    ASSERT_TRUE(store().AppendFolder(2, "B").ok());
    EXPECT_EQ(tableNow(), crlf({top(), folder(2, 1, "A"), folder(3, 2, "B")}));
}

TEST_F(OkiniiriStoreTest, RemovingAFolderTakesItsSubtreeAndRenumbers) {
    table({top(), folder(2, 1, "A"), folder(3, 1, "B"), favourite(4, 3, "in B"), folder(5, 3, "B2"),
           favourite(6, 5, "in B2"), favourite(7, 2, "in A")});
    auto s = store();
    ASSERT_TRUE(s.RemoveRow(3).ok());
    EXPECT_EQ(tableNow(), crlf({top(), folder(2, 1, "A"), favourite(3, 2, "in A")}));
    EXPECT_EQ(s.RemoveRow(1).status, StoreStatus::Refused);
    EXPECT_EQ(s.RemoveRow(4).status, StoreStatus::Refused);
}

TEST_F(OkiniiriStoreTest, RemovingLineThreeOfFiveShiftsTheParents) {
    table({top(), folder(2, 1, "A"), favourite(3, 2, "x"), folder(4, 2, "C"), favourite(5, 4, "y")});
    ASSERT_TRUE(store().RemoveRow(3).ok());
    EXPECT_EQ(tableNow(), crlf({top(), folder(2, 1, "A"), folder(3, 2, "C"), favourite(4, 3, "y")}));
}

TEST_F(OkiniiriStoreTest, RenameWritesTheNameAndTheStandardTopLine) {
    table({"1,0,Other,1,0,1", folder(2, 1, "A"), favourite(3, 2, "x")});
    auto s = store();
    ASSERT_TRUE(s.RenameRow(3, "a,b\nc").ok());
    EXPECT_EQ(tableNow(), crlf({top(0), folder(2, 1, "A"), favourite(3, 2, "a.b c")}));
    EXPECT_EQ(s.RenameRow(1, "top").status, StoreStatus::Refused);
    EXPECT_EQ(s.RenameRow(9, "none").status, StoreStatus::Refused);
}

TEST_F(OkiniiriStoreTest, RenameLongerThan511BytesIsRefused) {
    table({top(), folder(2, 1, "A")});
    auto s = store();
    const std::string before = tableNow();
    std::string kana;
    for (int i = 0; i < 256; ++i) kana += "あ";  // 512 bytes in code page 932
    EXPECT_EQ(s.RenameRow(2, kana).status, StoreStatus::NameTooLong);
    EXPECT_EQ(tableNow(), before);
    kana.resize(kana.size() - 3);  // 255 characters: 510 bytes
    kana += "a";                   // 511
    ASSERT_TRUE(s.RenameRow(2, kana).ok());
    EXPECT_EQ(s.ReadRows().rows.field(1, 3).size(), 511u);
    EXPECT_EQ(s.RenameRow(2, "\xFF").status, StoreStatus::NameNotConvertible);
}

TEST_F(OkiniiriStoreTest, ExpansionFlagsAreRewrittenOnlyWhereTheyDiffer) {
    table({top(1), folder(2, 1, "A", 0), favourite(3, 2, "x"), "4,1,B,1,7,1"});
    auto s = store();
    // Same as shown: nothing written at all.
    ASSERT_FALSE(s.SyncExpansionFlags({true, false, std::nullopt, false}).changed);
    EXPECT_FALSE(exists("csv_okiniiri_tenkai"));
    // A flag of 7 is "not expanded" but shown expanded it becomes 1.
    ASSERT_TRUE(s.SyncExpansionFlags({false, true, true, true}).changed);
    const std::string expected = crlf({top(0), folder(2, 1, "A", 1), favourite(3, 2, "x"), "4,1,B,1,1,1"});
    EXPECT_EQ(tableNow(), expected);
    EXPECT_EQ(read("csv_okiniiri_tenkai"), expected);
}

TEST_F(OkiniiriStoreTest, ResetExportImport) {
    table({top(), folder(2, 1, "A"), favourite(3, 2, "x")});
    auto s = store();
    const std::string saved = tableNow();
    ASSERT_TRUE(s.ExportTable(path("out.lmfav")).ok());
    EXPECT_EQ(read("out.lmfav"), saved);
    ASSERT_TRUE(s.ResetTable().ok());
    EXPECT_EQ(tableNow(), crlf({top()}));
    const IntegrityReport r = s.ImportTable(path("out.lmfav"));
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.changed());
    EXPECT_EQ(tableNow(), saved);
    EXPECT_EQ(s.ImportTable(path("nothing.lmfav")).status, StoreStatus::CannotReadSource);
    EXPECT_EQ(tableNow(), saved);
}

TEST_F(OkiniiriStoreTest, ImportOfAnyContentEndsValid) {
    write("in.lmfav", std::string("garbage\x00\xFF,,,\n\n\r\r,", 17));
    ASSERT_TRUE(store().ImportTable(path("in.lmfav")).ok());
    EXPECT_EQ(tableNow(), crlf({top()}));
}

TEST_F(OkiniiriStoreTest, ImportWithoutFinalLineEndIsCompleted) {
    write("in.lmfav", top() + "\r\n" + folder(2, 1, "A"));
    auto s = store();
    ASSERT_TRUE(s.ImportTable(path("in.lmfav")).ok());
    ASSERT_TRUE(s.AppendFolder(2, "B").ok());
    EXPECT_EQ(tableNow(), crlf({top(), folder(2, 1, "A"), folder(3, 2, "B")}));
}

TEST_F(OkiniiriStoreTest, AWorkFileThatCannotBeOpenedIsReported) {
    std::filesystem::create_directories(path("csv_okiniiri0"));
    auto s = store();
    EXPECT_EQ(s.ReadRows().status, StoreStatus::CannotOpenWorkFile);
    EXPECT_EQ(s.RunIntegrityPass().status, StoreStatus::CannotOpenWorkFile);
    EXPECT_EQ(s.AppendFolder(1, "A").status, StoreStatus::CannotOpenWorkFile);
}

TEST_F(OkiniiriStoreTest, AStagingFileThatCannotBeWrittenNeverReplacesTheTable) {
    table({top(), "2,1,broken"});
    const std::string before = tableNow();
    std::filesystem::create_directories(path("csv_okiniiri_check") / "blocked");
    EXPECT_EQ(store().RunIntegrityPass().status, StoreStatus::CannotWriteStagingFile);
    EXPECT_EQ(tableNow(), before);
}

TEST_F(OkiniiriStoreTest, FavouriteRecordTakesColoursAsTheirLowBits) {
    FigureRecord r = test::sampleRecord();
    r[FigureRecord::FgColour] = -1;
    table({top(), favourite(2, 1, "x", r), "3,1,zero,0,0,0"});
    auto rows = store().ReadRows().rows;
    const auto got = COkiniiriStore::favouriteRecord(rows, 1);
    ASSERT_TRUE(got);
    EXPECT_EQ((*got)[FigureRecord::FgColour], 0xFFFFFF);
    EXPECT_EQ((*got)[FigureRecord::Param1], r[FigureRecord::Param1]);
    EXPECT_FALSE(COkiniiriStore::favouriteRecord(rows, 0));
    EXPECT_FALSE(COkiniiriStore::favouriteRecord(rows, 2));  // a row without a record
}

// --- the derived tree -------------------------------------------------------

std::vector<std::string> texts(const OkiniiriTree& t, const std::vector<int>& items) {
    std::vector<std::string> out;
    for (int i : items) out.push_back(t.items[static_cast<std::size_t>(i)].text);
    return out;
}

TEST(OkiniiriTree, FoldersComeBeforeFavouritesInFileOrder) {
    COkiniiriRows rows(crlf({top(1), favourite(2, 1, "f1"), folder(3, 1, "B", 0), favourite(4, 3, "f2"),
                             folder(5, 1, "C"), favourite(6, 1, "f3"), folder(7, 3, "B1")}));
    const OkiniiriTree t = COkiniiriStore::DeriveTree(rows, TreeScope::AllRows);
    ASSERT_EQ(t.topLevel.size(), 1u);
    const auto& topItem = t.items[static_cast<std::size_t>(t.topLevel[0])];
    EXPECT_EQ(topItem.text, "お気に入り");
    EXPECT_EQ(topItem.picture, 0);
    EXPECT_TRUE(topItem.expanded);
    EXPECT_EQ(texts(t, topItem.children), (std::vector<std::string>{"B", "C", "f1", "f3"}));
    const auto& b = t.items[static_cast<std::size_t>(t.itemOfRow[2])];
    EXPECT_FALSE(b.expanded);
    EXPECT_EQ(texts(t, b.children), (std::vector<std::string>{"B1", "f2"}));
    EXPECT_EQ(t.items[static_cast<std::size_t>(t.itemOfRow[1])].picture, 2);

    const OkiniiriTree folders = COkiniiriStore::DeriveTree(rows, TreeScope::FoldersOnly);
    EXPECT_EQ(folders.items.size(), 4u);
    EXPECT_TRUE(folders.items[static_cast<std::size_t>(folders.itemOfRow[2])].expanded);   // has B1
    EXPECT_FALSE(folders.items[static_cast<std::size_t>(folders.itemOfRow[4])].expanded);  // C is empty
    EXPECT_EQ(folders.itemOfRow[1], -1);
}

TEST(OkiniiriTree, ARowWhoseParentIsTheLastLineShows) {
    // A parent after its child: every id up to the row count has its place.
    COkiniiriRows rows(crlf({top(), favourite(2, 3, "child"), folder(3, 1, "last")}));
    const OkiniiriTree t = COkiniiriStore::DeriveTree(rows, TreeScope::AllRows);
    ASSERT_NE(t.itemOfRow[1], -1);
    EXPECT_EQ(t.items[static_cast<std::size_t>(t.itemOfRow[1])].parentItem, t.itemOfRow[2]);
}

TEST(OkiniiriTree, AFolderWhoseParentHasNoItemYetLandsAtTheTop) {
    COkiniiriRows rows(
        crlf({top(), folder(2, 3, "early"), folder(3, 4, "mid"), folder(4, 1, "late"), "5,99,far,1,1,1"}));
    const OkiniiriTree t = COkiniiriStore::DeriveTree(rows, TreeScope::AllRows);
    EXPECT_EQ(texts(t, t.topLevel), (std::vector<std::string>{"お気に入り", "early"}));
    EXPECT_EQ(t.itemOfRow[4], -1);
}

TEST(OkiniiriTree, ADamagedNameStillShows) {
    COkiniiriRows rows(crlf({top(), "2,1,a\x82,1,1,1"}));
    const OkiniiriTree t = COkiniiriStore::DeriveTree(rows, TreeScope::AllRows);
    EXPECT_EQ(t.items[static_cast<std::size_t>(t.itemOfRow[1])].text, "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace lumora
