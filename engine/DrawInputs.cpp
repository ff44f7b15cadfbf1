#include "engine/DrawInputs.h"

namespace lumora {

DrawInputs readDrawInputs(FigurePanes panes) {
    DrawInputs in;
    in.penWidth = panes.pen.penWidth();
    in.fgMode = panes.pen.fgMode();
    in.bgMode = panes.pen.bgMode();
    in.customFg = panes.pen.customFg();
    in.customBg = panes.pen.customBg();
    in.gradientOn = panes.pen.gradientOn();
    in.repeatCount = panes.pen.repeatCount();
    for (int c = 2; c <= 6; ++c) in.colourOn[static_cast<std::size_t>(c - 2)] = panes.pen.colourOn(c);
    for (int c = 1; c <= 7; ++c) in.colours[static_cast<std::size_t>(c - 1)] = panes.pen.colour(c);
    in.category = panes.variables.category();
    in.formula = panes.variables.formula();
    for (int row = 1; row <= 20; ++row) in.params[static_cast<std::size_t>(row - 1)] = panes.variables.value(row);
    in.rotX = panes.turn.value(TurnControls::RotX);
    in.rotY = panes.turn.value(TurnControls::RotY);
    in.rotZ = panes.turn.value(TurnControls::RotZ);
    in.zScale = panes.turn.value(TurnControls::ZScale);
    in.magnify = panes.turn.value(TurnControls::Magnify);
    in.shiftV = panes.turn.value(TurnControls::ShiftV);
    in.shiftH = panes.turn.value(TurnControls::ShiftH);
    return in;
}

}  // namespace lumora
