// A move on a repaired table, with any source and target line, keeps every
// invariant and never loses a favourite: the favourite rows after the move
// are those before it, as a multiset of their names and records.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/stores/FavouriteInvariants.h"
#include "fuzz/stores/FuzzFolder.h"

namespace {

std::vector<std::string> favouriteTails(lumora::COkiniiriStore& store) {
    std::vector<std::string> out;
    const auto read = store.ReadRows();
    for (std::size_t r = 1; r < read.rows.size(); ++r) {
        if (read.rows.fieldCount(r) != 75) continue;
        const std::string_view text = read.rows.text(r);
        // Everything from field 3 on: the name and the record, not the links.
        const std::size_t c1 = text.find(',');
        const std::size_t c2 = text.find(',', c1 + 1);
        out.emplace_back(text.substr(c2 + 1));
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumora;
    if (size < 4) return 0;
    const std::size_t source = data[0] | (data[1] << 8);
    const std::size_t target = data[2] | (data[3] << 8);
    COkiniiriStore store(fuzz::scratchFolder());
    FUZZ_CHECK(replaceFileContents(store.workFile(), std::string(reinterpret_cast<const char*>(data + 4), size - 4),
                                   Durability::Unsynced) == FileStatus::Ok);
    FUZZ_CHECK(store.RunIntegrityPass().ok());
    const std::vector<std::string> before = favouriteTails(store);
    const StoreResult moved = store.MoveFavourite(source % 64, target % 64);
    FUZZ_CHECK(moved.ok() || moved.status == StoreStatus::Refused);
    fuzz::checkTableInvariants(store);
    FUZZ_CHECK(favouriteTails(store) == before);
    return 0;
}
