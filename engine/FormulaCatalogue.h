#pragma once
// The fixed description of every figure formula: ten categories of two
// formulas, the shared row labels, and per formula and row the range and the
// default. Constant data; nothing here is read from or written to a file.

#include <string_view>

namespace lumora {

struct RowSpec {
    int minimum;
    int maximum;
    int defaultValue;
};

class FormulaCatalogue {
public:
    static constexpr int kCategories = 10;
    static constexpr int kFormulas = 2;
    static constexpr int kRows = 20;

    // True when (category, formula) names an entry; every other lookup
    // expects a valid pair and row 1..20.
    static bool exists(int category, int formula) {
        return category >= 0 && category < kCategories && formula >= 0 && formula < kFormulas;
    }
    static std::string_view categoryName(int category);
    static std::string_view formulaName(int category, int formula);
    static int rowCount(int category, int formula);
    // The shared label of row r (1..20), regardless of the formula.
    static std::string_view sharedLabel(int row);
    // The label a formula shows on row r: the shared label for r <= n, else "".
    static std::string_view rowLabel(int category, int formula, int row);
    // Range and default of row r. Rows beyond n get 0..100 with default 0,
    // which is also what the variables pane shows on an inactive row.
    static RowSpec row(int category, int formula, int row);
};

}  // namespace lumora
