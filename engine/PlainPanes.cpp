#include "engine/PlainPanes.h"

#include <algorithm>

#include "engine/FormulaCatalogue.h"

namespace lumora {

const std::array<Colour, 7> PlainPen::kDefaultColours{0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00,
                                                      0xE10000, 0xE100FF, 0x0000FF};

PlainVariables::PlainVariables() { loadFormula(); }

void PlainVariables::selectCategory(int category) {
    category_ = category;
    formula_ = 0;
    loadFormula();
}

void PlainVariables::selectFormula(int formula) {
    formula_ = formula;
    loadFormula();
}

void PlainVariables::loadFormula() {
    if (!FormulaCatalogue::exists(category_, formula_)) return;
    const int n = FormulaCatalogue::rowCount(category_, formula_);
    for (int r = 1; r <= 20; ++r) {
        Row& row = rows_[idx(r)];
        if (r <= n) {
            const RowSpec wanted = FormulaCatalogue::row(category_, formula_, r);
            row.range = {wanted.minimum, wanted.maximum};
            row.value = wanted.defaultValue;
            row.active = true;
        } else {
            row.range = {0, 100};
            row.value = 0;
            row.active = false;
        }
    }
}

void PlainVariables::setValue(int row, int value) {
    Row& r = rows_[idx(row)];
    r.value = std::clamp(value, r.range.minimum, r.range.maximum);
}

PlainPen::PlainPen() : colours_(kDefaultColours) {}

void PlainPen::setPenWidth(int width) { penWidth_ = std::clamp(width, 1, 100); }

void PlainPen::setRepeatCount(int r) { repeat_ = std::clamp(r, 1, 30); }

void PlainTurn::setValue(Row row, int value) {
    const RowRange range = rangeOf(row);
    values_[static_cast<std::size_t>(row)] = std::clamp(value, range.minimum, range.maximum);
}

}  // namespace lumora
