#pragma once
// Reading and writing the narrow text lines every store uses: decimal fields
// cut at commas, read leniently like the C function atoi.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// Like atoi, but defined for every input: leading white space skipped, an
// optional sign, the digits up to the first other character; no digits reads
// 0, and a number beyond the 32-bit range reads as the nearest limit.
std::int32_t atoiClamped(std::string_view field);

// Cuts a line at every comma; the text after the last comma is the last
// field (empty when the line ends with a comma). A line without a comma is
// one field.
std::vector<std::string_view> splitFields(std::string_view line);

// Splits text into lines at LF, dropping one CR just before each LF. A final
// line without LF is still a line; nothing after the last LF gives no line.
std::vector<std::string_view> splitLines(std::string_view text);

// Appends "v0,v1,...,v(n-1)" in plain decimal.
void appendDecimalFields(std::string& out, const std::int32_t* values, int n);

}  // namespace lumora
