#pragma once
// Favourite names are kept in the table as code page 932 (Shift-JIS) bytes,
// the encoding the table has always had; the rest of the program speaks
// UTF-8. The conversion goes through iconv ("CP932"): the C library's own
// on glibc, a libiconv elsewhere.

#include <string>
#include <string_view>

namespace lumora {

enum class Cp932Status {
    Ok,
    InvalidInput,      // the input is not valid in its own encoding
    ConverterMissing,  // the C library has no CP932 converter installed
};

struct Cp932Text {
    Cp932Status status = Cp932Status::Ok;
    std::string text;  // the converted text; empty unless status is Ok
    int replaced = 0;  // characters code page 932 cannot hold, written as '?'
    bool ok() const { return status == Cp932Status::Ok; }
};

// UTF-8 to code page 932. A character the code page cannot hold becomes '?',
// the code page's default character, and is counted in `replaced`. Input that
// is not valid UTF-8 is refused with InvalidInput.
Cp932Text utf8ToCp932(std::string_view utf8);

// Code page 932 to UTF-8. Bytes that are not valid code page 932 are refused
// with InvalidInput.
Cp932Text cp932ToUtf8(std::string_view bytes);

// Code page 932 to UTF-8 for showing a name: every byte that does not start a
// valid character becomes U+FFFD and the rest is kept. Never fails, so a
// damaged name still shows as something.
std::string cp932ToUtf8Lossy(std::string_view bytes);

}  // namespace lumora
