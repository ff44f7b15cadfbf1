#include "collections/COkiniiriRows.h"

#include "engine/TextFields.h"

namespace lumora {

COkiniiriRows::COkiniiriRows(std::string bytes) : bytes_(std::make_shared<const std::string>(std::move(bytes))) {
    lines_ = splitLines(*bytes_);
    fields_.reserve(lines_.size());
    for (auto line : lines_) fields_.push_back(splitFields(line));
}

std::string_view COkiniiriRows::field(std::size_t row, std::size_t k) const {
    const auto& f = fields_[row];
    return k >= 1 && k <= f.size() ? f[k - 1] : std::string_view{};
}

std::int32_t COkiniiriRows::number(std::size_t row, std::size_t k) const { return atoiClamped(field(row, k)); }

}  // namespace lumora
