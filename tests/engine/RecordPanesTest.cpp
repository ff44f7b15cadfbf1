// collectRecord and applyRecord against plain panes.
#include <gtest/gtest.h>

#include <climits>

#include "EngineFixture.h"

namespace lumora {
namespace {

using F = FigureRecord;

TEST(FigureRecordSum, WrapsAt32Bits) {
    FigureRecord r;
    r[0] = INT_MAX;
    r[5] = 2;
    EXPECT_EQ(recordSum(r), INT_MIN + 1);
    r[67] = -3;  // the last value counts, recordSum itself does not
    r[68] = 999;
    EXPECT_EQ(recordSum(r), INT_MAX - 1);  // wraps back
}

FigureRecord inRangeRecord() {
    FigureRecord r = test::defaultRecord(5, 1);  // シルバー
    r[F::Param1 + 4] = -321;
    r[F::PenWidth] = 17;
    r[F::FgMode] = 2;
    r[F::FgColour] = 0x102030;
    r[F::BgMode] = 2;
    r[F::BgColour] = 0x405060;
    r[F::GradientOn] = 0;
    r[F::RepeatCount] = 30;
    r[F::ColourOn2 + 1] = 0;
    r[F::Colour1 + 3] = 0xABCDEF;
    r[F::RotZ] = 359;
    r[F::RotX] = 1;
    r[F::RotY] = 180;
    r[F::ZScale] = -999;
    r[F::Magnify] = 999;
    r[F::ShiftV] = -100;
    r[F::ShiftH] = 100;
    r[F::Lock1] = 1;
    r[F::Lock1 + 19] = 1;  // an inactive row keeps its lock
    r[F::RecordSum] = recordSum(r);
    return r;
}

TEST(RecordPanes, CollectAfterApplyGivesTheSameRecord) {
    const FigureRecord r = inRangeRecord();
    PlainPanes panes;
    ViewColours view;
    test::RecordingMessages messages;
    EXPECT_EQ(applyRecord(r, panes.panes(), view, messages), ApplyOutcome::Applied);
    EXPECT_TRUE(messages.texts.empty());
    FigureRecord current;
    EXPECT_EQ(collectRecord(panes.panes(), view, current), r);
    EXPECT_EQ(current, r);
    EXPECT_EQ(panes.pen.customFg(), 0x102030u);
}

TEST(RecordPanes, RefusalsLeaveEverythingUnchanged) {
    struct Case {
        int category, formula;
        ApplyOutcome outcome;
        bool message;
    };
    const Case cases[] = {
        {10, 0, ApplyOutcome::RefusedCategory, true}, {10, 5, ApplyOutcome::RefusedCategory, true},
        {3, 2, ApplyOutcome::RefusedFormula, false},  {-1, 0, ApplyOutcome::RefusedCategory, false},
        {0, -1, ApplyOutcome::RefusedFormula, false},
    };
    for (const auto& c : cases) {
        FigureRecord r = inRangeRecord();
        r[F::Category] = c.category;
        r[F::Formula] = c.formula;
        PlainPanes panes;
        ViewColours view;
        test::RecordingMessages messages;
        FigureRecord before, after;
        collectRecord(panes.panes(), view, before);
        EXPECT_EQ(applyRecord(r, panes.panes(), view, messages), c.outcome);
        collectRecord(panes.panes(), view, after);
        EXPECT_EQ(before, after) << c.category << "," << c.formula;
        ASSERT_EQ(messages.texts.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(messages.texts[0], kNewerVersionMessage);
        }
    }
}

// Out-of-range values are handed to the controls, which keep them in range.
TEST(RecordPanes, ControlsClampWhatTheyCannotShow) {
    FigureRecord r = inRangeRecord();
    r[F::Param1] = 5000;
    r[F::Param1 + 19] = 50;  // inactive row: 0..100
    r[F::PenWidth] = 0;
    r[F::RepeatCount] = 1000;
    r[F::ZScale] = -5000;
    r[F::ShiftH] = 101;
    PlainPanes panes;
    ViewColours view;
    test::RecordingMessages messages;
    applyRecord(r, panes.panes(), view, messages);
    FigureRecord c;
    collectRecord(panes.panes(), view, c);
    EXPECT_EQ(c[F::Param1], 999);
    EXPECT_EQ(c[F::Param1 + 19], 50);
    EXPECT_EQ(c[F::PenWidth], 1);
    EXPECT_EQ(c[F::RepeatCount], 30);
    EXPECT_EQ(c[F::ZScale], -999);
    EXPECT_EQ(c[F::ShiftH], 100);
}

TEST(RecordPanes, ApplyingBlackForegroundMakesTheCustomColourBlack) {
    FigureRecord r = inRangeRecord();
    r[F::FgMode] = 0;
    r[F::FgColour] = 0;
    PlainPanes panes;
    panes.pen.setCustomFg(0x777777);
    ViewColours view;
    test::RecordingMessages messages;
    applyRecord(r, panes.panes(), view, messages);
    EXPECT_EQ(panes.pen.customFg(), 0u);
}

}  // namespace
}  // namespace lumora
