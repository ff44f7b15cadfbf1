// The step generator and the Draw Random step rule, with the tick fixed.
#include <gtest/gtest.h>

#include "engine/PlainPanes.h"
#include "engine/RandomDraw.h"

namespace lumora {
namespace {

TEST(StepGenerator, KnownSequence) {
    StepGenerator g;
    g.seed(0);
    EXPECT_EQ(g.next(), 38);
    g.seed(100);
    EXPECT_EQ(g.next(), 365);
    g.seed(1);
    EXPECT_EQ(g.next(), 41);
    EXPECT_EQ(g.next(), 18467);
    g.seed(0xFFFFFFFFu);  // the state wraps modulo 2^32
    EXPECT_GE(g.next(), 0);
}

TickSource fixedTick(std::uint32_t t) {
    return [t] { return t; };
}

// The decision of row r for tick t: d of the generator seeded t + 100(r - 1).
int decision(std::uint32_t t, int r) {
    StepGenerator g;
    g.seed(t + 100u * static_cast<std::uint32_t>(r - 1));
    return g.next() % 4;
}

TEST(RandomStep, EveryActiveUnlockedRowStepsByItsOwnSeed) {
    for (std::uint32_t t : {0u, 1u, 12345u, 4294967295u}) {
        PlainVariables v;
        v.selectCategory(1);  // 太陽: 11 rows
        PlainVariables before = v;
        v.setLocked(3, true);
        randomStep(v, fixedTick(t));
        for (int r = 1; r <= 20; ++r) {
            const int old = before.value(r);
            int expected = old;
            if (r <= 11 && r != 3) {
                const int d = decision(t, r);
                if (d == 1 && old + 1 < v.range(r).maximum) expected = old + 1;
                if (d == 2 && old - 1 > v.range(r).minimum) expected = old - 1;
            }
            EXPECT_EQ(v.value(r), expected) << "tick " << t << " row " << r;
        }
    }
}

TEST(RandomStep, EndsOfTheRangeAreNeverReached) {
    // Find ticks whose first-row decision is up (1) and down (2).
    std::uint32_t up = 0, down = 0;
    while (decision(up, 1) != 1) ++up;
    while (decision(down, 1) != 2) ++down;
    struct Case {
        std::uint32_t tick;
        int start, expected;
    };
    const Case cases[] = {
        {up, 998, 998},                // 999 is the maximum: never reached
        {up, 997, 998}, {down, 2, 2},  // 1 is the minimum
        {down, 3, 2},   {down, 999, 998},
    };
    for (const auto& c : cases) {
        PlainVariables v;
        v.setValue(1, c.start);
        randomStep(v, fixedTick(c.tick));
        EXPECT_EQ(v.value(1), c.expected) << c.start;
    }
}

TEST(RandomStep, AllLockedChangesNothingAndTheSameTickRepeats) {
    PlainVariables v;
    for (int r = 1; r <= 20; ++r) v.setLocked(r, true);
    PlainVariables before = v;
    randomStep(v, fixedTick(777));
    for (int r = 1; r <= 20; ++r) EXPECT_EQ(v.value(r), before.value(r));

    PlainVariables a, b;
    randomStep(a, fixedTick(4242));
    randomStep(b, fixedTick(4242));
    for (int r = 1; r <= 20; ++r) EXPECT_EQ(a.value(r), b.value(r));
}

}  // namespace
}  // namespace lumora
