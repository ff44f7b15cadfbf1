#pragma once
// What the record operations, Draw and Draw Random need from the three
// parameter panes. The Qt panes implement these; PlainPanes.h holds plain
// value implementations with the same ranges for headless use.

#include <string>

#include "engine/ColourModel.h"

namespace lumora {

struct RowRange {
    int minimum;
    int maximum;
};

// The variables pane: formula selection and twenty parameter rows.
class VariablesControls {
public:
    virtual ~VariablesControls() = default;
    virtual int category() const = 0;  // selected index, or -1 when none
    virtual int formula() const = 0;
    // Select a category and rebuild the formula list (formula 0, its rows loaded).
    virtual void selectCategory(int category) = 0;
    // Select a formula of the current category and load its rows.
    virtual void selectFormula(int formula) = 0;
    // The row's value; a valid typed text (a decimal integer in range) is
    // taken over first, anything else leaves the previous value.
    virtual int value(int row) = 0;
    // Clamps to the row's range.
    virtual void setValue(int row, int value) = 0;
    virtual RowRange range(int row) const = 0;
    // A row is active when the loaded formula uses it (its label is not empty).
    virtual bool rowActive(int row) const = 0;
    virtual bool locked(int row) const = 0;
    virtual void setLocked(int row, bool locked) = 0;
};

// The pen pane: width, modes, the colour run.
class PenControls {
public:
    virtual ~PenControls() = default;
    virtual int penWidth() const = 0;
    virtual void setPenWidth(int width) = 0;  // clamps to 1..100
    virtual int fgMode() const = 0;
    virtual int bgMode() const = 0;
    // Set a mode from a record: no colour dialog, the buttons follow.
    virtual void setFgModeFromRecord(int mode) = 0;
    virtual void setBgModeFromRecord(int mode) = 0;
    virtual Colour customFg() const = 0;
    virtual Colour customBg() const = 0;
    virtual void setCustomFg(Colour c) = 0;
    virtual void setCustomBg(Colour c) = 0;
    virtual bool gradientOn() const = 0;
    virtual void setGradientOn(bool on) = 0;
    virtual int repeatCount() const = 0;
    virtual void setRepeatCount(int r) = 0;  // clamps to 1..30
    virtual bool colourOn(int c) const = 0;  // c = 2..6
    virtual void setColourOn(int c, bool on) = 0;
    virtual Colour colour(int c) const = 0;  // c = 1..7
    virtual void setColour(int c, Colour colour) = 0;
    // Repaint swatches and preview after a batch of changes.
    virtual void refresh() {}
};

// The 3D pane's seven values.
class TurnControls {
public:
    enum Row { RotX = 0, RotY, RotZ, ZScale, Magnify, ShiftV, ShiftH, RowCount };
    virtual ~TurnControls() = default;
    virtual int value(Row row) const = 0;
    virtual void setValue(Row row, int value) = 0;  // clamps to the row's range
    static RowRange rangeOf(Row row) {
        switch (row) {
            case RotX:
            case RotY:
            case RotZ:
                return {0, 359};
            case ZScale:
            case Magnify:
                return {-999, 999};
            default:
                return {-100, 100};
        }
    }
};

// The colours of the last Draw (or the last applied record), kept by the view.
struct ViewColours {
    Colour fg = 0x000000;
    Colour bg = 0xFFFFFF;
};

enum class MessageIcon { None, Information, Warning, Error };

// Message boxes; the window shows them, tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // An empty caption means the application title "LumoraFree".
    virtual void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
};

struct FigurePanes {
    VariablesControls& variables;
    PenControls& pen;
    TurnControls& turn;
};

}  // namespace lumora
