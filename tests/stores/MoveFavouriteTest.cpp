#include <gtest/gtest.h>

#include "StoreModel.h"
#include "collections/COkiniiriStore.h"

namespace lumora {
namespace {

using test::crlf;

std::string folderRow(int id, int parent, int expanded = 0) {
    return std::to_string(id) + "," + std::to_string(parent) + ",d" + std::to_string(id) + ",1," +
           std::to_string(expanded) + ",1";
}
std::string zeroFav(int id, int parent, const std::string& name) {
    return std::to_string(id) + "," + std::to_string(parent) + "," + name + ",0,0,0";
}

class MoveFavouriteTest : public test::StoreFixture {
protected:
    void table(const std::vector<std::string>& lines) { write("csv_okiniiri0", crlf(lines)); }
    std::vector<std::string> lines() {
        const std::string bytes = read("csv_okiniiri0");
        std::vector<std::string> out;
        for (auto l : splitLines(bytes)) out.emplace_back(l);
        return out;
    }
};

TEST_F(MoveFavouriteTest, UpOntoAFolder) {
    // Line 7 onto the folder on line 3: 1, 2, 3, (7), 4, 5, 6, 8.
    table({test::topLine(1), folderRow(2, 1), folderRow(3, 1), folderRow(4, 3), zeroFav(5, 4, "a"), zeroFav(6, 2, "b"),
           zeroFav(7, 2, "moved"), zeroFav(8, 4, "c")});
    COkiniiriStore store(folder_);
    ASSERT_TRUE(store.MoveFavourite(7, 3).ok());
    EXPECT_EQ(lines(),
              (std::vector<std::string>{test::topLine(1), folderRow(2, 1), "3,1,d3,1,1,1", zeroFav(4, 3, "moved"),
                                        "5,3,d4,1,0,1", zeroFav(6, 5, "a"), zeroFav(7, 2, "b"), zeroFav(8, 5, "c")}));
}

TEST_F(MoveFavouriteTest, DownOntoAFolder) {
    // Line 2 onto the folder on line 5: 1, 3, 4, 5, (2), 6.
    table({test::topLine(0), zeroFav(2, 1, "moved"), folderRow(3, 1), zeroFav(4, 3, "a"), folderRow(5, 3),
           zeroFav(6, 5, "b")});
    COkiniiriStore store(folder_);
    ASSERT_TRUE(store.MoveFavourite(2, 5).ok());
    EXPECT_EQ(lines(), (std::vector<std::string>{test::topLine(0), "2,1,d3,1,0,1", zeroFav(3, 2, "a"), "4,2,d5,1,1,1",
                                                 zeroFav(5, 4, "moved"), zeroFav(6, 4, "b")}));
}

TEST_F(MoveFavouriteTest, OntoAFavouriteJoinsItsFolder) {
    table({test::topLine(1), folderRow(2, 1), zeroFav(3, 2, "t"), zeroFav(4, 1, "moved")});
    COkiniiriStore store(folder_);
    ASSERT_TRUE(store.MoveFavourite(4, 3).ok());
    EXPECT_EQ(lines(), (std::vector<std::string>{test::topLine(1), folderRow(2, 1), zeroFav(3, 2, "t"),
                                                 zeroFav(4, 2, "moved")}));
}

TEST_F(MoveFavouriteTest, RefusedMovesWriteNothing) {
    const std::vector<std::string> t{test::topLine(1), folderRow(2, 1), zeroFav(3, 2, "a"), zeroFav(4, 1, "b")};
    table(t);
    const std::string before = read("csv_okiniiri0");
    COkiniiriStore store(folder_);
    const std::pair<std::size_t, std::size_t> refused[] = {{2, 4}, {3, 1}, {3, 3}, {1, 3}, {0, 2}, {9, 2}, {3, 9}};
    for (auto [s, t2] : refused) {
        EXPECT_EQ(store.MoveFavourite(s, t2).status, StoreStatus::Refused) << s << "->" << t2;
        EXPECT_EQ(read("csv_okiniiri0"), before);
    }
}

TEST_F(MoveFavouriteTest, MatchesTheArrayModelOnValidAndDamagedTables) {
    std::mt19937 rng(4242);
    for (int round = 0; round < 600; ++round) {
        const bool damaged = round % 2 == 1;
        std::string table = test::randomTable(rng, 30, damaged);
        if (!damaged) {
            test::ModelFiles clean;
            clean.table = table;
            test::modelPass(clean);
            table = clean.table;
        }
        const std::size_t n = test::parseTable(table).size();
        const std::size_t S = std::uniform_int_distribution<std::size_t>(0, n + 1)(rng);
        const std::size_t T = std::uniform_int_distribution<std::size_t>(0, n + 1)(rng);
        write("csv_okiniiri0", table);
        test::ModelFiles m;
        m.table = table;
        const bool moved = test::modelMove(m, S, T);
        COkiniiriStore store(folder_);
        const StoreResult r = store.MoveFavourite(S, T);
        ASSERT_EQ(r.ok(), moved) << S << "->" << T << "\n" << table;
        ASSERT_EQ(read("csv_okiniiri0"), m.table) << S << "->" << T << "\n" << table;
    }
}

TEST_F(MoveFavouriteTest, WorksOnTablesPastFiveThousandLines) {
    std::vector<std::string> t{test::topLine(1), folderRow(2, 1)};
    for (int id = 3; id <= 6000; ++id) t.push_back(zeroFav(id, 2, "f" + std::to_string(id)));
    table(t);
    COkiniiriStore store(folder_);
    ASSERT_TRUE(store.MoveFavourite(5999, 2).ok());
    const auto after = lines();
    ASSERT_EQ(after.size(), 6000u);
    EXPECT_EQ(after[2], zeroFav(3, 2, "f5999"));
    EXPECT_EQ(after[5999], zeroFav(6000, 2, "f6000"));
    EXPECT_EQ(after[1], "2,1,d2,1,1,1");
}

}  // namespace
}  // namespace lumora
