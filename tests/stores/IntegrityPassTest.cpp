#include <gtest/gtest.h>

#include "StoreModel.h"
#include "collections/COkiniiriStore.h"

namespace lumora {
namespace {

class IntegrityPassTest : public test::StoreFixture {
protected:
    std::string readOr(const std::string& name) { return exists(name) ? read(name) : std::string("<none>"); }
};

TEST_F(IntegrityPassTest, DamagedTablesEndAsTheLineByLineModelLeavesThem) {
    std::mt19937 rng(20261210);
    for (int round = 0; round < 400; ++round) {
        for (const char* f : {"csv_okiniiri_check", "csv_okiniiri_oyako_check", "csv_okiniiri_junjo"})
            std::filesystem::remove(path(f));
        const std::string table = test::randomTable(rng, 25, true);
        write("csv_okiniiri0", table);
        test::ModelFiles m;
        m.table = table;
        test::modelPass(m);
        COkiniiriStore store(folder_);
        ASSERT_TRUE(store.RunIntegrityPass().ok());
        ASSERT_EQ(read("csv_okiniiri0"), m.table) << "round " << round << "\n" << table;
        EXPECT_EQ(read("csv_okiniiri_check"), m.check) << table;
        EXPECT_EQ(readOr("csv_okiniiri_oyako_check"), m.orphanWritten ? m.orphan : "<none>") << table;
        EXPECT_EQ(readOr("csv_okiniiri_junjo"), m.renumberWritten ? m.renumber : "<none>") << table;
    }
}

TEST_F(IntegrityPassTest, OrphanSweepLeavesWhatSingleRunsLeave) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        const std::string table = test::randomTable(rng, 30, true);
        write("csv_okiniiri0", table);
        COkiniiriStore store(folder_);
        const std::size_t n = test::parseTable(table).size();
        for (std::size_t run = 0; run < n && store.RemoveOneOrphan().removed; ++run) {
        }
        const std::string slow = read("csv_okiniiri0");
        const std::string slowStaging = exists("csv_okiniiri_oyako_check") ? read("csv_okiniiri_oyako_check") : "";
        write("csv_okiniiri0", table);
        store.RemoveOrphans();
        ASSERT_EQ(read("csv_okiniiri0"), slow) << table;
        if (n > 0) {
            EXPECT_EQ(read("csv_okiniiri_oyako_check"), slowStaging) << table;
        }
    }
}

TEST_F(IntegrityPassTest, ASecondPassChangesNothing) {
    std::mt19937 rng(99);
    for (int round = 0; round < 100; ++round) {
        write("csv_okiniiri0", test::randomTable(rng, 25, true));
        COkiniiriStore store(folder_);
        ASSERT_TRUE(store.RunIntegrityPass().ok());
        const std::string once = read("csv_okiniiri0");
        const IntegrityReport again = store.RunIntegrityPass();
        EXPECT_FALSE(again.checkChanged);
        EXPECT_EQ(again.orphansRemoved, 0);
        EXPECT_EQ(read("csv_okiniiri0"), once);
    }
}

TEST_F(IntegrityPassTest, EveryKeptRowShowsInTheTree) {
    std::mt19937 rng(5);
    for (int round = 0; round < 100; ++round) {
        write("csv_okiniiri0", test::randomTable(rng, 25, true));
        COkiniiriStore store(folder_);
        ASSERT_TRUE(store.RunIntegrityPass().ok());
        const auto rows = store.ReadRows().rows;
        const OkiniiriTree t = COkiniiriStore::DeriveTree(rows, TreeScope::AllRows);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            // An empty parent field (left by the renumbering) names no line.
            if (rows.field(i, 2).empty()) continue;
            EXPECT_NE(t.itemOfRow[i], -1) << "row " << i + 1 << "\n" << read("csv_okiniiri0");
        }
    }
}

}  // namespace
}  // namespace lumora
