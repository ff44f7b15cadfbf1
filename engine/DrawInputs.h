#pragma once
// Everything one Draw reads from the panes, as plain values.

#include <array>

#include "engine/ColourModel.h"
#include "engine/PaneControls.h"

namespace lumora {

struct DrawInputs {
    int category = 0;
    int formula = 0;
    std::array<int, 20> params{};  // P1..P20
    int penWidth = 1;
    int fgMode = 0;
    int bgMode = 1;
    Colour customFg = 0x000000;
    Colour customBg = 0xFFFFFF;
    bool gradientOn = true;
    int repeatCount = 1;
    std::array<bool, 5> colourOn{true, true, true, true, true};  // colours 2..6
    std::array<Colour, 7> colours{};                             // colours 1..7
    int rotX = 0, rotY = 0, rotZ = 0;
    int zScale = 100;
    int magnify = 100;
    int shiftV = 0;
    int shiftH = 0;
};

// Reads the panes at this moment (row values take over valid typed text).
DrawInputs readDrawInputs(FigurePanes panes);

}  // namespace lumora
