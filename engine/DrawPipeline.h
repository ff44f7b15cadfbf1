#pragma once
// Draw: the background fill, the 3D set-up, the formula run and the disc
// plotting, leaving the canvas, the extent and the colours of the last Draw.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/Canvas.h"
#include "engine/ColourRun.h"
#include "engine/DrawInputs.h"
#include "engine/PointPlotter.h"

namespace lumora {

struct Extent {
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
};

// The points one Draw handed to the plotter, in the formula's order.
struct PlottedPoints {
    static constexpr int kCapacity = 1000000;
    std::vector<std::int32_t> x, y;
    std::vector<Colour> colour;
    int firstIndex = 0;  // point index of entry 0 (0 or 1)
    int count = 0;
    bool reversed = false;  // drawn from the last entry to the first
    PlottedPoints() : x(kCapacity), y(kCapacity), colour(kCapacity) {}
};

// What Draw leaves behind between runs. Allocate once and keep: the canvas
// and the point arrays are large.
struct DrawState {
    Canvas canvas;
    Extent extent;
    ViewColours colours;
    ColourRun run;
    PlottedPoints points;
    PointPlotter plotter;
};

enum class DrawOutcome {
    Drawn,
    SameColour,  // fg equals bg outside gradient mode; canvas untouched
};

// The message and caption the window shows for DrawOutcome::SameColour.
extern const char* const kSameColourMessage;
extern const char* const kSameColourCaption;

// Foreground and background colour of a Draw from the pen modes.
Colour foregroundFor(int fgMode, Colour customFg);
Colour backgroundFor(int bgMode, Colour customBg);

// What Draw does before plotting, without a canvas: builds the colour run of
// a gradient figure, runs the formula, records the extent (before the turn)
// and fills `points` with canvas coordinates and colours. `fg` is the
// foreground of the pen modes. A figure asking for more points than the
// arrays hold gets none.
void collectPoints(const DrawInputs& in, Colour fg, ColourRun& run, Extent& extent, PlottedPoints& points);

// Runs one Draw into `state`. Every pixel comes out as a sequential Draw
// makes it; the fill may run on a second thread while the formula steps.
DrawOutcome draw(const DrawInputs& in, DrawState& state);

// The 3D set-up of one Draw.
struct Turn {
    bool on = false;
    bool front = true;
    double cosZ = 1, sinZ = 0, cosX = 1, sinX = 0, cosY = 1, sinY = 0, zs = 1;
    // Turns (X, Y) for point i of N: the depth is the index, centred on N/2.
    void apply(double& X, double& Y, int i, int N) const {
        const double X1 = (X * cosZ) - (Y * sinZ);
        const double Y1 = (X * sinZ) + (Y * cosZ);
        const double Z1 = static_cast<double>(i - N / 2) * zs;
        const double Y2 = (Y1 * cosX) - (Z1 * sinX);
        const double Z2 = (Y1 * sinX) + (Z1 * cosX);
        const double X3 = (X1 * cosY) + (Z2 * sinY);
        X = X3;
        Y = Y2;
    }
};
Turn makeTurn(const DrawInputs& in);

// Canvas offset of the figure origin from the shifts.
int xOffsetFor(int shiftH);
int yOffsetFor(int shiftV);

}  // namespace lumora
