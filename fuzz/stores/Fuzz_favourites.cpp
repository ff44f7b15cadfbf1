// After the integrity pass every invariant of the favourites table holds,
// and a second pass changes nothing.
#include <cstdint>
#include <string>

#include "fuzz/stores/FavouriteInvariants.h"
#include "fuzz/stores/FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumora;
    COkiniiriStore store(fuzz::scratchFolder());
    FUZZ_CHECK(replaceFileContents(store.workFile(), std::string(reinterpret_cast<const char*>(data), size),
                                   Durability::Unsynced) == FileStatus::Ok);
    FUZZ_CHECK(store.RunIntegrityPass().ok());
    fuzz::checkTableInvariants(store);
    const std::string once = fuzz::fileText(store.workFile());
    const IntegrityReport again = store.RunIntegrityPass();
    FUZZ_CHECK(again.ok() && !again.changed());
    FUZZ_CHECK(fuzz::fileText(store.workFile()) == once);
    return 0;
}
