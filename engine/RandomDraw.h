#pragma once
// Draw Random: every active, unlocked parameter row takes one random step of
// -1, 0 or +1 inside its range.

#include <cstdint>
#include <functional>

#include "engine/PaneControls.h"

namespace lumora {

// The linear congruential generator the stored step decisions depend on.
class StepGenerator {
public:
    void seed(std::uint32_t s) { state_ = s; }
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_ = 1;
};

// A 32-bit wrapping millisecond counter; tests inject a fixed one.
using TickSource = std::function<std::uint32_t()>;
TickSource systemTick();

// Steps the rows of `vars` (stops at the first inactive row, skips locked
// ones; row r is seeded with tick + 100 * (r - 1), the tick read per row).
// A step up never reaches the maximum and a step down never the minimum.
// The caller runs Draw afterwards.
void randomStep(VariablesControls& vars, const TickSource& tick);

}  // namespace lumora
