#pragma once
// The favourites table as read: one row per line, each the line's fields cut
// at every comma, as byte strings exactly as they stand in the file. Rows are
// indexed from 0 here; line numbers (and ids after an integrity pass) are
// index + 1. Copies share the bytes.
//
// Only where the first fields of a row start is kept; later fields are found
// by scanning on from there. Every operation reads the whole table, so a
// small index (rather than one entry per field of 75-field rows) keeps a
// read of thousands of rows cheap.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/TextFields.h"

namespace lumora {

class COkiniiriRows {
public:
    COkiniiriRows() = default;
    explicit COkiniiriRows(std::string bytes);

    std::size_t size() const { return index_.size(); }
    bool empty() const { return index_.empty(); }
    // Size of the bytes read; output of about the same size is reserved from it.
    std::size_t byteSize() const { return bytes_->size(); }

    // The line's text without its line end: its fields joined by commas.
    std::string_view text(std::size_t row) const {
        const Index& x = index_[row];
        return std::string_view(bytes_->data() + x.start, x.end - x.start);
    }
    std::size_t fieldCount(std::size_t row) const { return index_[row].count; }
    // Field k counted from 1, as read; empty when the row has no such field.
    std::string_view field(std::size_t row, std::size_t k) const;
    // Field k read like atoi; 0 when the row has no such field.
    std::int32_t number(std::size_t row, std::size_t k) const { return atoiClamped(field(row, k)); }
    // The line from the start of field k to its end (fields k, k+1, ... with
    // their commas); empty when the row has fewer than k fields.
    std::string_view fromField(std::size_t row, std::size_t k) const;

    // Calls fn(field) for fields first .. last (counted from 1, clipped to the row).
    template <typename Fn>
    void forFields(std::size_t row, std::size_t first, std::size_t last, Fn fn) const {
        std::string_view rest = fromField(row, first);
        for (std::size_t k = first; k <= last && k <= fieldCount(row); ++k) {
            const std::size_t comma = rest.find(',');
            fn(rest.substr(0, comma));
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
    }

    std::int32_t id(std::size_t row) const { return number(row, 1); }
    std::int32_t parent(std::size_t row) const { return number(row, 2); }
    bool isFolder(std::size_t row) const { return number(row, 4) == 1; }

private:
    static constexpr std::size_t kIndexed = 7;  // starts of fields 1..7
    struct Index {
        std::size_t start = 0, end = 0, count = 0;
        std::array<std::size_t, kIndexed> field{};
    };
    std::shared_ptr<const std::string> bytes_ = std::make_shared<const std::string>();
    std::vector<Index> index_;
};

}  // namespace lumora
