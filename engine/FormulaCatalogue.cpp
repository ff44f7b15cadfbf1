#include "engine/FormulaCatalogue.h"

#include <array>

namespace lumora {
namespace {

struct FormulaEntry {
    std::string_view name;
    int rows;
    std::array<int, 20> defaults;
    // Rows (besides 1, 2, 7, 8 which follow fixed rules) whose range is not -999..999.
    bool row8Signed;        // row 8: -999..999 instead of 1..999
    bool row11Positive;     // row 11: 1..999
    bool row13Positive;     // row 13: 1..999
    bool row14Positive;     // row 14: 1..999
    bool row15NonNegative;  // row 15: 0..999
};

struct CategoryEntry {
    std::string_view name;
    std::array<FormulaEntry, 2> formulas;
};

// clang-format off
constexpr std::array<CategoryEntry, 10> kCatalogue{{
    {"宝石", {{
        {"ダイヤモンド", 20, {200, 16, 58, 400, 177, 285, 468, 87, 113, 31, -11, 39, -11, 628, 40, 172, -12, -6, 76, 441}, false, false, false, false, false},
        {"サファイア", 20, {200, 15, 56, 400, 184, 290, 458, 94, 125, 15, -14, 46, -10, 623, 37, 175, -13, -15, 82, 448}, false, false, false, false, false},
    }}},
    {"銀河", {{
        {"太陽", 11, {200, 18, 70, 400, 300, 500, 392, 71, 95, 50, 50}, false, true, false, false, false},
        {"地球", 16, {300, 18, 56, 401, 538, 294, 465, 516, 461, 16, 96, 94, -24, 23, -151, 57}, false, true, false, true, false},
    }}},
    {"花詞", {{
        {"桜", 15, {300, 34, 29, 400, 523, 300, 473, 509, 365, 27, -1, 88, 549, 27, 160}, false, false, false, true, true},
        {"梅", 14, {300, 34, 12, 400, 528, 301, 488, 510, 40, 39, -6, 90, 532, 11}, false, false, false, true, false},
    }}},
    {"占星", {{
        {"愚者", 16, {200, 10, 61, 400, 512, 315, 481, 483, 78, 9, 51, 140, 331, 314, 44, -4}, false, true, false, false, false},
        {"魔術師", 16, {200, 12, 70, 400, 501, 312, 496, 479, 63, 18, 54, 124, 331, 323, 49, -11}, false, true, false, false, false},
    }}},
    {"遊戯", {{
        {"チェス", 19, {200, 15, -18, 400, 479, 303, 487, 189, 40, 10, 40, 104, 467, 39, 22, 964, 39, -109, -29}, false, true, false, false, false},
        {"オセロ", 18, {200, 18, -15, 400, 502, 260, 480, 233, 136, 15, 153, 72, 34, 75, 22, 15, -27, 664}, false, true, true, true, false},
    }}},
    {"金銀", {{
        {"ゴールド", 14, {300, 38, 12, 400, 527, 301, 473, 522, 49, 20, -2, 92, 534, 20}, false, false, false, true, false},
        {"シルバー", 18, {200, 20, 44, 400, 502, 327, 493, 499, 21, 25, 213, 92, 15, 143, 8, 10, 4, 71}, false, false, false, false, false},
    }}},
    {"音楽", {{
        {"バッハ", 14, {300, 19, 35, 400, 535, 318, 405, 509, 363, 15, 506, 97, 15, 476}, false, false, false, true, false},
        {"ショパン", 17, {300, 23, 39, 400, 536, 332, 402, 510, 368, 12, 503, 100, 14, 474, 5, 5, 23}, false, false, false, true, false},
    }}},
    {"車輪", {{
        {"レクサス", 20, {200, 18, 47, 400, 166, 277, 472, 84, 90, 42, 10, 17, -1, 705, 28, 177, -12, -8, 199, 30}, false, false, false, false, false},
        {"ロードスター", 15, {200, 14, 48, 400, 135, 294, 493, 55, 87, 54, 10, 20, 0, 686, 39}, false, false, false, true, false},
    }}},
    {"都市", {{
        {"東京", 16, {200, 18, 16, 400, 498, 314, 469, 133, 464, 63, 195, 24, 9, 58, 431, 99}, true, true, false, false, false},
        {"京都", 16, {200, 20, 15, 400, 494, 306, 478, 130, 464, 82, 197, 14, 19, 55, 467, 100}, true, true, false, false, false},
    }}},
    {"仁徳", {{
        {"仁", 16, {300, 31, 31, 400, 536, 293, 471, 513, 361, 18, 9, 93, 537, 31, 276, 10}, false, false, false, true, false},
        {"義", 15, {200, 19, 52, 400, 503, 325, 474, 492, 210, 38, 215, 90, 11, 500, 11}, false, false, false, false, false},
    }}},
}};

constexpr std::array<std::string_view, 20> kLabels{
    "回数", "分割数", "初期角", "拡大", "初期Ｘ", "初期Ｙ", "定数Ａ", "定数Ｂ", "定数Ｃ", "定数Ｄ",
    "定数Ｅ", "定数Ｆ", "定数Ｇ", "定数Ｈ", "要素１", "要素２", "要素３", "要素４", "要素５", "要素６",
};
// clang-format on

const FormulaEntry& entry(int category, int formula) {
    return kCatalogue[static_cast<std::size_t>(category)].formulas[static_cast<std::size_t>(formula)];
}

}  // namespace

std::string_view FormulaCatalogue::categoryName(int category) {
    return kCatalogue[static_cast<std::size_t>(category)].name;
}

std::string_view FormulaCatalogue::formulaName(int category, int formula) { return entry(category, formula).name; }

int FormulaCatalogue::rowCount(int category, int formula) { return entry(category, formula).rows; }

std::string_view FormulaCatalogue::sharedLabel(int row) { return kLabels[static_cast<std::size_t>(row - 1)]; }

std::string_view FormulaCatalogue::rowLabel(int category, int formula, int row) {
    return row <= rowCount(category, formula) ? sharedLabel(row) : std::string_view{};
}

RowSpec FormulaCatalogue::row(int category, int formula, int row) {
    const FormulaEntry& e = entry(category, formula);
    if (row > e.rows) return {0, 100, 0};
    int lo = -999;
    int hi = 999;
    switch (row) {
        case 1:
            lo = 1;
            break;
        case 2:
            lo = 1;
            hi = 180;
            break;
        case 7:
            lo = 0;
            hi = 500;
            break;
        case 8:
            lo = e.row8Signed ? -999 : 1;
            break;
        case 11:
            if (e.row11Positive) lo = 1;
            break;
        case 13:
            if (e.row13Positive) lo = 1;
            break;
        case 14:
            if (e.row14Positive) lo = 1;
            break;
        case 15:
            if (e.row15NonNegative) lo = 0;
            break;
        default:
            break;
    }
    return {lo, hi, e.defaults[static_cast<std::size_t>(row - 1)]};
}

}  // namespace lumora
