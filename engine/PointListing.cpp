#include "engine/PointListing.h"

#include <cstdio>

namespace lumora {

std::string pointListing(const DrawState& st) {
    const PlottedPoints& p = st.points;
    std::string out = "index,x,y,colour\n";
    out.reserve(static_cast<std::size_t>(p.count) * 24 + 32);
    char line[64];
    for (int n = 0; n < p.count; ++n) {
        const int k = p.reversed ? p.count - 1 - n : n;
        const Colour c = p.colour[static_cast<std::size_t>(k)];
        const int len = std::snprintf(line, sizeof line, "%d,%d,%d,#%02X%02X%02X\n", p.firstIndex + k,
                                      p.x[static_cast<std::size_t>(k)], p.y[static_cast<std::size_t>(k)], redOf(c),
                                      greenOf(c), blueOf(c));
        out.append(line, static_cast<std::size_t>(len));
    }
    return out;
}

}  // namespace lumora
