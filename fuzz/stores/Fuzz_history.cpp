// The history check keeps exactly the valid lines, in order and in their
// exact text, and leaves a file without invalid lines untouched.
#include <cstdint>
#include <string>
#include <string_view>

#include "collections/CHistoryStore.h"
#include "engine/TextFields.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/stores/FuzzFolder.h"

namespace {

bool validLine(std::string_view line) {
    const auto f = lumora::splitFields(line);
    if (f.size() != 69) return false;
    std::uint32_t sum = 0;
    for (int i = 0; i < 68; ++i) sum += static_cast<std::uint32_t>(lumora::atoiClamped(f[static_cast<std::size_t>(i)]));
    return static_cast<std::int32_t>(sum) == lumora::atoiClamped(f[68]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumora;
    const std::string input(reinterpret_cast<const char*>(data), size);
    CHistoryStore store(fuzz::scratchFolder());
    FUZZ_CHECK(replaceFileContents(store.workFile(), input, Durability::Unsynced) == FileStatus::Ok);
    const HistoryCheck check = store.CheckEntries();
    FUZZ_CHECK(check.ok());

    std::string expected;
    int kept = 0, removed = 0;
    for (std::string_view line : splitLines(input)) {
        if (validLine(line)) {
            expected.append(line);
            expected += "\r\n";
            ++kept;
        } else {
            ++removed;
        }
    }
    const std::string after = fuzz::fileText(store.workFile());
    FUZZ_CHECK(after == (removed == 0 ? input : expected));
    FUZZ_CHECK(check.kept == kept);
    FUZZ_CHECK(check.removed == removed);
    // A second check finds nothing to remove.
    const HistoryCheck again = store.CheckEntries();
    FUZZ_CHECK(again.removed == 0);
    FUZZ_CHECK(fuzz::fileText(store.workFile()) == after);
    return 0;
}
