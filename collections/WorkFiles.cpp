#include "collections/WorkFiles.h"

namespace lumora {

int removeLeftoverTemporaries(const std::filesystem::path& folder) {
    std::error_code ec;
    int removed = 0;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() < 6 || name[0] != '.' || name.find(".tmp.") == std::string::npos) continue;
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        std::error_code gone;
        if (std::filesystem::remove(it->path(), gone)) ++removed;
    }
    return removed;
}

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
