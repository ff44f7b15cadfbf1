// A figure document either yields a record whose sum checks, or is refused;
// an accepted record writes back to a line that reads as the same record.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/DocumentLine.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumora;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const DocumentReadResult r = readDocument(text);
    if (!r.record) return 0;
    const FigureRecord& rec = *r.record;
    FUZZ_CHECK(rec[FigureRecord::RecordSum] == recordSum(rec));
    FUZZ_CHECK(rec[FigureRecord::Lock1 + 19] == 0);
    FUZZ_CHECK((static_cast<std::uint32_t>(rec[FigureRecord::FgColour]) >> 24) == 0);
    FUZZ_CHECK((static_cast<std::uint32_t>(rec[FigureRecord::BgColour]) >> 24) == 0);
    for (int c = 1; c <= 7; ++c) FUZZ_CHECK((static_cast<std::uint32_t>(rec.colour(c)) >> 24) == 0);
    const DocumentReadResult again = readDocument(writeDocumentLine(rec));
    FUZZ_CHECK(again.record.has_value());
    FUZZ_CHECK(*again.record == rec);
    return 0;
}
