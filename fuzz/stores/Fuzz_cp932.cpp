// Code page 932 names: a valid conversion round-trips, the lossy reading
// never fails and always gives valid UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

#include "collections/CodePage932.h"
#include "fuzz/FuzzCheck.h"

namespace {

bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + static_cast<std::size_t>(len) > s.size()) return false;
        for (int k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) >> 6) != 2) return false;
        i += static_cast<std::size_t>(len);
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumora;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string shown = cp932ToUtf8Lossy(bytes);
    FUZZ_CHECK(validUtf8(shown));
    const Cp932Text utf8 = cp932ToUtf8(bytes);
    if (utf8.ok()) {
        FUZZ_CHECK(validUtf8(utf8.text));
        FUZZ_CHECK(shown == utf8.text);
        const Cp932Text back = utf8ToCp932(utf8.text);
        FUZZ_CHECK(back.ok());
        // Code page 932 has a few characters with two codes; the round trip
        // from UTF-8 is what must hold exactly.
        const Cp932Text again = cp932ToUtf8(back.text);
        FUZZ_CHECK(again.ok() && again.text == utf8.text);
    }
    const Cp932Text fromUtf8 = utf8ToCp932(bytes);
    if (fromUtf8.ok() && fromUtf8.replaced == 0) {
        const Cp932Text round = cp932ToUtf8(fromUtf8.text);
        FUZZ_CHECK(round.ok());
    }
    return 0;
}
