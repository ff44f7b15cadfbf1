#include "collections/COkiniiriRows.h"

namespace lumora {

COkiniiriRows::COkiniiriRows(std::string bytes) : bytes_(std::make_shared<const std::string>(std::move(bytes))) {
    // One scan over the bytes cuts lines at LF (dropping a CR before it) and
    // counts the fields, noting where the first ones start.
    const std::string& b = *bytes_;
    const char* data = b.data();
    const std::size_t size = b.size();
    std::size_t lineStart = 0;
    while (lineStart < size) {
        std::size_t lf = b.find('\n', lineStart);
        const bool last = lf == std::string::npos;
        if (last) lf = size;
        std::size_t lineEnd = lf;
        if (!last && lineEnd > lineStart && data[lineEnd - 1] == '\r') --lineEnd;
        Index x;
        x.start = lineStart;
        x.end = lineEnd;
        x.count = 1;
        x.field[0] = lineStart;
        for (std::size_t i = lineStart; i < lineEnd; ++i) {
            if (data[i] != ',') continue;
            if (x.count < kIndexed) x.field[x.count] = i + 1;
            ++x.count;
        }
        index_.push_back(x);
        lineStart = lf + 1;
    }
}

std::string_view COkiniiriRows::fromField(std::size_t row, std::size_t k) const {
    const Index& x = index_[row];
    if (k < 1 || k > x.count) return {};
    std::size_t start;
    if (k <= kIndexed) {
        start = x.field[k - 1];
    } else {
        // Scan on from the last field whose start is known.
        start = x.field[kIndexed - 1];
        for (std::size_t f = kIndexed; f < k; ++f) start = bytes_->find(',', start) + 1;
    }
    return std::string_view(bytes_->data() + start, x.end - start);
}

std::string_view COkiniiriRows::field(std::size_t row, std::size_t k) const {
    const std::string_view rest = fromField(row, k);
    return rest.substr(0, rest.find(','));
}

}  // namespace lumora
