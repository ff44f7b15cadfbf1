#pragma once
// The favourites table as read: one row per line, each the line's fields cut
// at every comma, as byte strings exactly as they stand in the file. Rows are
// indexed from 0 here; line numbers (and ids after an integrity pass) are
// index + 1. Copies share the bytes.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class COkiniiriRows {
public:
    COkiniiriRows() = default;
    explicit COkiniiriRows(std::string bytes);

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }

    // The line's text without its line end: its fields joined by commas.
    std::string_view text(std::size_t row) const { return lines_[row]; }
    std::size_t fieldCount(std::size_t row) const { return fields_[row].size(); }
    // Field k counted from 1, as read; empty when the row has no such field.
    std::string_view field(std::size_t row, std::size_t k) const;
    // Field k read like atoi; 0 when the row has no such field.
    std::int32_t number(std::size_t row, std::size_t k) const;
    const std::vector<std::string_view>& fields(std::size_t row) const { return fields_[row]; }

    std::int32_t id(std::size_t row) const { return number(row, 1); }
    std::int32_t parent(std::size_t row) const { return number(row, 2); }
    bool isFolder(std::size_t row) const { return number(row, 4) == 1; }

private:
    std::shared_ptr<const std::string> bytes_;
    std::vector<std::string_view> lines_;
    std::vector<std::vector<std::string_view>> fields_;
};

}  // namespace lumora
