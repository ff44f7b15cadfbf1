// The catalogue's invariants over every row of every formula.
#include <gtest/gtest.h>

#include <set>

#include "engine/FormulaCatalogue.h"

namespace lumora {
namespace {

TEST(Catalogue, RangesAndDefaultsHoldForEveryRow) {
    for (int c = 0; c < 10; ++c) {
        for (int f = 0; f < 2; ++f) {
            const int n = FormulaCatalogue::rowCount(c, f);
            EXPECT_GE(n, 11);
            EXPECT_LE(n, 20);
            for (int r = 1; r <= 20; ++r) {
                const RowSpec s = FormulaCatalogue::row(c, f, r);
                EXPECT_LT(s.minimum, s.maximum) << c << "," << f << " row " << r;
                EXPECT_LE(s.minimum, s.defaultValue) << c << "," << f << " row " << r;
                EXPECT_LE(s.defaultValue, s.maximum) << c << "," << f << " row " << r;
                EXPECT_EQ(FormulaCatalogue::rowLabel(c, f, r).empty(), r > n);
            }
            // Rows with the same meaning everywhere.
            EXPECT_EQ(FormulaCatalogue::row(c, f, 1).minimum, 1);
            EXPECT_EQ(FormulaCatalogue::row(c, f, 1).maximum, 999);
            EXPECT_EQ(FormulaCatalogue::row(c, f, 2).maximum, 180);
            EXPECT_EQ(FormulaCatalogue::row(c, f, 7).minimum, 0);
            EXPECT_EQ(FormulaCatalogue::row(c, f, 7).maximum, 500);
        }
    }
}

TEST(Catalogue, NamesAreDistinctAndJapanese) {
    std::set<std::string_view> names;
    for (int c = 0; c < 10; ++c)
        for (int f = 0; f < 2; ++f) names.insert(FormulaCatalogue::formulaName(c, f));
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(FormulaCatalogue::categoryName(8), "都市");
    EXPECT_EQ(FormulaCatalogue::formulaName(8, 0), "東京");
    EXPECT_EQ(FormulaCatalogue::sharedLabel(15), "要素１");
}

struct RowCase {
    int category, formula, row, minimum, maximum, defaultValue;
};

TEST(Catalogue, RowsThatDifferFromTheCommonRange) {
    const RowCase cases[] = {
        {7, 1, 13, -999, 999, 0},                           // ロードスター row 13 defaults to 0
        {1, 1, 4, -999, 999, 401},                          // 地球 is the one formula whose row 4 is not 400
        {8, 0, 8, -999, 999, 133},                          // row 8 is signed only in the two cities
        {0, 0, 8, 1, 999, 87},     {4, 1, 13, 1, 999, 34},  // オセロ
        {2, 0, 15, 0, 999, 160},                            // 桜
        {1, 0, 11, 1, 999, 50},                             // 太陽's last row
        {1, 0, 12, 0, 100, 0},                              // beyond 太陽's 11 rows
    };
    for (const auto& c : cases) {
        const RowSpec s = FormulaCatalogue::row(c.category, c.formula, c.row);
        EXPECT_EQ(s.minimum, c.minimum) << c.category << "," << c.formula << " row " << c.row;
        EXPECT_EQ(s.maximum, c.maximum) << c.category << "," << c.formula << " row " << c.row;
        EXPECT_EQ(s.defaultValue, c.defaultValue) << c.category << "," << c.formula << " row " << c.row;
    }
    EXPECT_EQ(FormulaCatalogue::rowCount(1, 0), 11);
    EXPECT_EQ(FormulaCatalogue::rowCount(7, 0), 20);
}

}  // namespace
}  // namespace lumora
