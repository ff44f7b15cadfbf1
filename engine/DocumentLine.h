#pragma once
// The one-line figure document (.lmfig): record positions 0..66 and the sum
// of exactly those 67 values, written with CR LF.

#include <optional>
#include <string>
#include <string_view>

#include "engine/FigureRecord.h"

namespace lumora {

// "v0,...,v66,sum\r\n".
std::string writeDocumentLine(const FigureRecord& r);

enum class DocumentRefusal {
    NoDataLine,  // empty, or every line holds "//"
    FieldCount,  // the data line does not have exactly 68 fields
    Checksum,    // the 68th field differs from the sum of the first 67
};

struct DocumentReadResult {
    std::optional<FigureRecord> record;  // set when the document passed
    DocumentRefusal refusal = DocumentRefusal::NoDataLine;
};

// Reads a whole document: lines holding "//" are skipped, the first other
// line is the data line, later lines are ignored. Fields are read like atoi.
// The accepted record has lock20 = 0 (the file does not carry it), its colour
// fields reduced to 24 bits, and recordSum recomputed over the 68 values.
DocumentReadResult readDocument(std::string_view content);

}  // namespace lumora
