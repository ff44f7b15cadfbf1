// Tooltip pictures of figures: framed like the view, made without a canvas.

#include <gtest/gtest.h>

#include <memory>

#include "engine/DrawPipeline.h"
#include "engine/FigureThumbnail.h"
#include "engine/PaintCrop.h"
#include "engine/PictureScale.h"
#include "engine/PlainPanes.h"
#include "engine/RecordPanes.h"

namespace lumora {
namespace {

class SilentSink : public MessageSink {
public:
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
};

FigureRecord recordOf(int category, int formula, int rotZ) {
    PlainPanes panes;
    panes.variables.selectCategory(category);
    panes.variables.selectFormula(formula);
    panes.turn.setValue(TurnControls::RotZ, rotZ);
    FigureRecord current{};
    return collectRecord(panes.panes(), ViewColours{}, current);
}

// Every dot of the small picture lies where the reduced canvas shows the
// figure too: the same crop, the same canvas coordinates.
TEST(FigureThumbnail, DotsLieOnTheFigureTheViewShows) {
    auto state = std::make_unique<DrawState>();
    const struct { int category, formula, rotZ; } cases[] = {{0, 0, 0}, {3, 1, 0}, {0, 0, 40}, {9, 0, 0}};
    for (const auto& c : cases) {
        const FigureRecord record = recordOf(c.category, c.formula, c.rotZ);
        PlainPanes panes;
        SilentSink silent;
        ASSERT_EQ(applyRecord(record, panes.panes(), state->colours, silent), ApplyOutcome::Applied);
        const DrawInputs in = readDrawInputs(panes.panes());
        ASSERT_EQ(draw(in, *state), DrawOutcome::Drawn);
        constexpr int kSide = 100;
        std::vector<std::uint32_t> reduced(kSide * kSide);
        scaleCrop(state->canvas, paintCrop(state->extent, in.magnify), reduced.data(), kSide, kSide);

        const std::optional<Thumbnail> t = recordThumbnail(record, kSide);
        ASSERT_TRUE(t);
        ASSERT_EQ(t->pixels.size(), reduced.size());
        int dots = 0;
        for (std::size_t i = 0; i < reduced.size(); ++i) {
            if (t->pixels[i] == 0xFFFFFF) continue;
            ++dots;
            EXPECT_NE(reduced[i] & 0xFFFFFF, 0xFFFFFFu)
                << c.category << "," << c.formula << "," << c.rotZ << " pixel " << i;
        }
        EXPECT_GT(dots, 50) << c.category << "," << c.formula;
    }
}

TEST(FigureThumbnail, RefusedAndEmptyFigures) {
    FigureRecord newer = recordOf(0, 0, 0);
    newer[FigureRecord::Category] = 10;
    EXPECT_FALSE(recordThumbnail(newer, 64));

    PlainPanes panes;
    DrawInputs sameColour = readDrawInputs(panes.panes());
    sameColour.bgMode = 0;  // black on black
    const Thumbnail t = figureThumbnail(sameColour, 2000);
    EXPECT_EQ(t.side, 512);
    for (Colour p : t.pixels) ASSERT_EQ(p, 0x000000u);

    DrawInputs huge = readDrawInputs(panes.panes());
    huge.params[0] = 5000;  // more points than a Draw may ask for
    for (Colour p : figureThumbnail(huge, 16).pixels) ASSERT_EQ(p, 0xFFFFFFu);
}

}  // namespace
}  // namespace lumora
