#include "collections/WorkFiles.h"

namespace lumora {

std::string withFinalLineEnd(std::string bytes) {
    if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
    return bytes;
}

std::string joinCrLf(const std::vector<std::string_view>& lines) {
    std::size_t total = 0;
    for (auto l : lines) total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (auto l : lines) {
        out.append(l);
        out += "\r\n";
    }
    return out;
}

}  // namespace lumora
