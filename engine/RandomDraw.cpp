#include "engine/RandomDraw.h"

#include <chrono>

namespace lumora {

TickSource systemTick() {
    return [] {
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
        return static_cast<std::uint32_t>(ms.count());
    };
}

void randomStep(VariablesControls& vars, const TickSource& tick) {
    StepGenerator gen;
    for (int r = 1; r <= 20; ++r) {
        if (!vars.rowActive(r)) break;
        if (vars.locked(r)) continue;
        const RowRange range = vars.range(r);
        gen.seed(tick() + 100u * static_cast<std::uint32_t>(r - 1));
        const int v = vars.value(r);
        const int d = gen.next() % 4;
        if (d == 1 && v + 1 < range.maximum) {
            vars.setValue(r, v + 1);
        } else if (d == 2 && v - 1 > range.minimum) {
            vars.setValue(r, v - 1);
        }
    }
}

}  // namespace lumora
