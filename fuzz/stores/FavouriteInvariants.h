#pragma once
// What every favourites table holds after an integrity pass.
#include <cstdint>
#include <string>

#include "collections/COkiniiriStore.h"
#include "fuzz/FuzzCheck.h"

namespace lumora::fuzz {

inline void checkTableInvariants(COkiniiriStore& store) {
    const OkiniiriRowsResult read = store.ReadRows();
    FUZZ_CHECK(read.ok());
    const COkiniiriRows& rows = read.rows;
    FUZZ_CHECK(rows.size() >= 1);
    // A valid top folder on line 1.
    FUZZ_CHECK(rows.fieldCount(0) == 6);
    FUZZ_CHECK(rows.number(0, 1) == 1 && rows.number(0, 2) == 0 && rows.number(0, 4) == 1 && rows.number(0, 6) == 1);
    FUZZ_CHECK(rows.number(0, 5) == 0 || rows.number(0, 5) == 1);
    const auto n = static_cast<std::int64_t>(rows.size());
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const std::size_t fields = rows.fieldCount(r);
        FUZZ_CHECK(fields == 6 || fields == 75);
        if (fields == 6) {
            FUZZ_CHECK(rows.number(r, 4) == rows.number(r, 6));
        } else {
            std::uint32_t sum = static_cast<std::uint32_t>(rows.number(r, 4));
            for (std::size_t k = 6; k <= 74; ++k) sum += static_cast<std::uint32_t>(rows.number(r, k));
            FUZZ_CHECK(static_cast<std::int32_t>(sum) == rows.number(r, 75));
        }
        // Ids are line numbers, and every parent names a line.
        FUZZ_CHECK(rows.id(r) == static_cast<std::int32_t>(r + 1));
        FUZZ_CHECK(rows.parent(r) >= 1 && rows.parent(r) <= n);
    }
    // Every row is shown somewhere in the tree.
    const OkiniiriTree tree = COkiniiriStore::DeriveTree(rows, TreeScope::AllRows);
    FUZZ_CHECK(tree.itemOfRow.size() == rows.size());
    for (int item : tree.itemOfRow) FUZZ_CHECK(item >= 0);
}

}  // namespace lumora::fuzz
