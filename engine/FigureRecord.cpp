#include "engine/FigureRecord.h"

namespace lumora {

std::int32_t wrappingSum(const std::int32_t* values, int n) {
    std::uint32_t sum = 0;  // unsigned arithmetic wraps without undefined behaviour
    for (int i = 0; i < n; ++i) sum += static_cast<std::uint32_t>(values[i]);
    return static_cast<std::int32_t>(sum);
}

std::int32_t recordSum(const FigureRecord& r) { return wrappingSum(r.v.data(), FigureRecord::kValueCount); }

}  // namespace lumora
