#include "engine/TextFields.h"

#include <charconv>
#include <limits>

namespace lumora {

std::int32_t atoiClamped(std::string_view field) {
    std::size_t i = 0;
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; };
    while (i < field.size() && isSpace(field[i])) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    // Accumulate in 64 bits and stop growing once past the 32-bit range, so a
    // line of ten million digits neither overflows nor takes long.
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{1} << 32;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        if (value < kLimit) value = value * 10 + (field[i] - '0');
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        const bool last = lf == std::string_view::npos;
        if (last) lf = text.size();
        std::string_view line = text.substr(start, lf - start);
        if (!last && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = lf + 1;
    }
    return lines;
}

void appendDecimalFields(std::string& out, const std::int32_t* values, int n) {
    char buf[16];
    for (int i = 0; i < n; ++i) {
        if (i > 0) out.push_back(',');
        const auto res = std::to_chars(buf, buf + sizeof buf, values[i]);
        out.append(buf, res.ptr);
    }
}

}  // namespace lumora
