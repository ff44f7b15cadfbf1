#include "engine/RecordPanes.h"

namespace lumora {

const char* const kNewerVersionMessage = "このソフトウェアでは描画できません、\n\n最新のルモラを使用してください。";

FigureRecord collectRecord(FigurePanes panes, const ViewColours& view, FigureRecord& current) {
    using F = FigureRecord;
    FigureRecord r;
    r[F::Category] = panes.variables.category();
    r[F::Formula] = panes.variables.formula();
    for (int row = 1; row <= 20; ++row) r[F::Param1 + row - 1] = panes.variables.value(row);
    r[F::PenWidth] = panes.pen.penWidth();
    r[F::FgMode] = panes.pen.fgMode();
    r[F::FgColour] = static_cast<std::int32_t>(view.fg);
    r[F::BgMode] = panes.pen.bgMode();
    r[F::BgColour] = static_cast<std::int32_t>(view.bg);
    r[F::GradientOn] = panes.pen.gradientOn() ? 1 : 0;
    r[F::RepeatCount] = panes.pen.repeatCount();
    for (int c = 2; c <= 6; ++c) r[F::ColourOn2 + c - 2] = panes.pen.colourOn(c) ? 1 : 0;
    for (int c = 1; c <= 7; ++c) r[F::Colour1 + c - 1] = static_cast<std::int32_t>(panes.pen.colour(c));
    r[F::RotZ] = panes.turn.value(TurnControls::RotZ);
    r[F::RotX] = panes.turn.value(TurnControls::RotX);
    r[F::RotY] = panes.turn.value(TurnControls::RotY);
    r[F::ZScale] = panes.turn.value(TurnControls::ZScale);
    r[F::Magnify] = panes.turn.value(TurnControls::Magnify);
    r[F::ShiftV] = panes.turn.value(TurnControls::ShiftV);
    r[F::ShiftH] = panes.turn.value(TurnControls::ShiftH);
    for (int row = 1; row <= 20; ++row) r[F::Lock1 + row - 1] = panes.variables.locked(row) ? 1 : 0;
    r[F::RecordSum] = recordSum(r);
    current = r;
    return r;
}

ApplyOutcome applyRecord(const FigureRecord& r, FigurePanes panes, ViewColours& view, MessageSink& messages) {
    using F = FigureRecord;
    if (r[F::Category] > 9) {
        messages.showMessage(kNewerVersionMessage, "", MessageIcon::Warning);
        return ApplyOutcome::RefusedCategory;
    }
    if (r[F::Formula] > 1) return ApplyOutcome::RefusedFormula;
    // No combo box can select a negative index; leave everything as it is.
    if (r[F::Category] < 0) return ApplyOutcome::RefusedCategory;
    if (r[F::Formula] < 0) return ApplyOutcome::RefusedFormula;

    // Selecting resets the rows, so it comes first and the values set below win.
    panes.variables.selectCategory(r[F::Category]);
    panes.variables.selectFormula(r[F::Formula]);
    for (int row = 1; row <= 20; ++row) panes.variables.setValue(row, r[F::Param1 + row - 1]);
    panes.pen.setPenWidth(r[F::PenWidth]);
    const Colour fg = colourBits(r[F::FgColour]);
    const Colour bg = colourBits(r[F::BgColour]);
    panes.pen.setFgModeFromRecord(r[F::FgMode]);
    panes.pen.setCustomFg(fg);
    view.fg = fg;
    panes.pen.setBgModeFromRecord(r[F::BgMode]);
    panes.pen.setCustomBg(bg);
    view.bg = bg;
    panes.pen.setGradientOn(r[F::GradientOn] != 0);
    panes.pen.setRepeatCount(r[F::RepeatCount]);
    for (int c = 2; c <= 6; ++c) panes.pen.setColourOn(c, r[F::ColourOn2 + c - 2] != 0);
    for (int c = 1; c <= 7; ++c) panes.pen.setColour(c, colourBits(r[F::Colour1 + c - 1]));
    panes.pen.refresh();
    panes.turn.setValue(TurnControls::RotZ, r[F::RotZ]);
    panes.turn.setValue(TurnControls::RotX, r[F::RotX]);
    panes.turn.setValue(TurnControls::RotY, r[F::RotY]);
    panes.turn.setValue(TurnControls::ZScale, r[F::ZScale]);
    panes.turn.setValue(TurnControls::Magnify, r[F::Magnify]);
    panes.turn.setValue(TurnControls::ShiftV, r[F::ShiftV]);
    panes.turn.setValue(TurnControls::ShiftH, r[F::ShiftH]);
    for (int row = 1; row <= 20; ++row) panes.variables.setLocked(row, r[F::Lock1 + row - 1] != 0);
    return ApplyOutcome::Applied;
}

}  // namespace lumora
