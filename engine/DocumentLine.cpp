#include "engine/DocumentLine.h"

#include "engine/TextFields.h"

namespace lumora {

namespace {
constexpr int kStored = 67;  // positions 0..66; lock20 is not kept
}

std::string writeDocumentLine(const FigureRecord& r) {
    std::string out;
    out.reserve(512);
    appendDecimalFields(out, r.v.data(), kStored);
    const std::int32_t sum = wrappingSum(r.v.data(), kStored);
    out.push_back(',');
    appendDecimalFields(out, &sum, 1);
    out += "\r\n";
    return out;
}

DocumentReadResult readDocument(std::string_view content) {
    DocumentReadResult result;
    for (std::string_view line : splitLines(content)) {
        if (line.find("//") != std::string_view::npos) continue;
        const auto fields = splitFields(line);
        if (fields.size() != kStored + 1) {
            result.refusal = DocumentRefusal::FieldCount;
            return result;
        }
        FigureRecord rec;
        for (int i = 0; i < kStored; ++i) rec[i] = atoiClamped(fields[static_cast<std::size_t>(i)]);
        if (atoiClamped(fields[kStored]) != wrappingSum(rec.v.data(), kStored)) {
            result.refusal = DocumentRefusal::Checksum;
            return result;
        }
        rec[FigureRecord::Lock1 + 19] = 0;
        for (int pos : {int(FigureRecord::FgColour), int(FigureRecord::BgColour)})
            rec[pos] = static_cast<std::int32_t>(colourBits(rec[pos]));
        for (int c = 1; c <= 7; ++c) {
            const int pos = FigureRecord::Colour1 + c - 1;
            rec[pos] = static_cast<std::int32_t>(colourBits(rec[pos]));
        }
        rec[FigureRecord::RecordSum] = recordSum(rec);
        result.record = rec;
        return result;
    }
    result.refusal = DocumentRefusal::NoDataLine;
    return result;
}

}  // namespace lumora
