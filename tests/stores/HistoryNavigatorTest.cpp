#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "collections/CFigureEnvironment.h"
#include "collections/CHistoryNavigator.h"

namespace lumora {
namespace {

struct RecordingFigures : CFigureEnvironment {
    std::vector<FigureRecord> applied;
    int draws = 0;
    ApplyOutcome applyFigure(const FigureRecord& r) override {
        applied.push_back(r);
        return ApplyOutcome::Applied;
    }
    void drawFigure() override { ++draws; }
    FigureRecord collectFigure() override { return test::sampleRecord(); }
};

struct RecordingMessages : MessageSink {
    std::vector<std::string> texts;
    void showMessage(const std::string& text, const std::string&, MessageIcon) override { texts.push_back(text); }
};

class HistoryNavigatorTest : public test::StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        store = std::make_unique<CHistoryStore>(folder_);
        nav = std::make_unique<CHistoryNavigator>(*store, figures, messages);
        active.fill(true);
    }
    void draw(int seed) { ASSERT_TRUE(nav->figureDrawn(test::sampleRecord(seed), active).ok()); }
    int recalledSeed() const { return figures.applied.back()[FigureRecord::Param1] - FigureRecord::Param1; }

    RecordingFigures figures;
    RecordingMessages messages;
    std::unique_ptr<CHistoryStore> store;
    std::unique_ptr<CHistoryNavigator> nav;
    std::array<bool, 20> active{};
};

TEST_F(HistoryNavigatorTest, StepsStopAtBothEndsAndRecallWithoutRecording) {
    for (int seed = 1; seed <= 3; ++seed) draw(seed);
    EXPECT_EQ(nav->stepBack(), RecallOutcome::Recalled);
    EXPECT_EQ(recalledSeed(), 2);
    nav->stepBack();
    nav->stepBack();  // stays at the oldest
    EXPECT_EQ(nav->currentPosition(), 2);
    EXPECT_EQ(recalledSeed(), 1);
    nav->stepForward();
    nav->stepForward();
    nav->stepForward();  // stays at the newest
    EXPECT_EQ(nav->currentPosition(), 0);
    EXPECT_EQ(recalledSeed(), 3);
    EXPECT_EQ(figures.draws, 6);
    EXPECT_EQ(store->CountEntries().count, 3);
}

TEST_F(HistoryNavigatorTest, ARecallsOwnDrawIsNotRecorded) {
    struct DrawingFigures : RecordingFigures {
        CHistoryNavigator* nav = nullptr;
        void drawFigure() override {
            ++draws;
            std::array<bool, 20> a;
            a.fill(true);
            nav->figureDrawn(applied.back(), a);  // the program records after every Draw
        }
    } drawing;
    CHistoryNavigator n(*store, drawing, messages);
    drawing.nav = &n;
    for (int seed = 1; seed <= 2; ++seed) ASSERT_TRUE(n.figureDrawn(test::sampleRecord(seed), active).ok());
    n.stepBack();
    EXPECT_EQ(store->CountEntries().count, 2);
    EXPECT_EQ(n.currentPosition(), 1);
    EXPECT_FALSE(n.recalling());
}

TEST_F(HistoryNavigatorTest, EmptyHistoryAndEntriesPastTheEnd) {
    EXPECT_FALSE(nav->stepBack());
    EXPECT_EQ(nav->stepForward(), RecallOutcome::NoSuchEntry);
    draw(1);
    EXPECT_EQ(nav->entryCommand(1, 5), RecallOutcome::NoSuchEntry);
    EXPECT_EQ(nav->currentPosition(), 105);
    EXPECT_FALSE(nav->stepBack());  // past the end: nothing
    EXPECT_EQ(figures.draws, 0);
}

TEST_F(HistoryNavigatorTest, RefusedEntriesDrawNothing) {
    FigureRecord newer = test::sampleRecord(1);
    newer[FigureRecord::Category] = 10;
    FigureRecord badFormula = test::sampleRecord(1);
    badFormula[FigureRecord::Formula] = 2;
    ASSERT_TRUE(nav->figureDrawn(newer, active).ok());
    ASSERT_TRUE(nav->figureDrawn(badFormula, active).ok());
    EXPECT_EQ(nav->recallEntry(1), RecallOutcome::RefusedCategory);
    EXPECT_EQ(messages.texts, std::vector<std::string>{kNewerVersionMessage});
    EXPECT_EQ(nav->recallEntry(0), RecallOutcome::RefusedFormula);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(figures.draws, 0);
}

TEST_F(HistoryNavigatorTest, StepBackAcrossAPageBoundary) {
    std::string lines;
    for (int i = 0; i < 150; ++i) lines += CHistoryStore::entryLine(test::sampleRecord(i), active);
    write("csv_history0", lines);
    nav->entryCommand(0, 99);
    nav->stepBack();
    EXPECT_EQ(nav->currentPosition(), 100);
    EXPECT_EQ(nav->currentPosition() / 100, 1);
    EXPECT_EQ(recalledSeed(), 49);
}

}  // namespace
}  // namespace lumora
