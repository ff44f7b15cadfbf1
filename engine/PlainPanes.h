#pragma once
// Plain-value stand-ins for the three parameter panes, with the panes' own
// ranges and behaviour: used by the command-line tool and the core tests.

#include <array>

#include "engine/PaneControls.h"

namespace lumora {

class PlainVariables : public VariablesControls {
public:
    PlainVariables();  // category 0, formula 0, catalogue defaults, locks clear
    int category() const override { return category_; }
    int formula() const override { return formula_; }
    void selectCategory(int category) override;
    void selectFormula(int formula) override;
    int value(int row) override { return rows_[idx(row)].value; }
    void setValue(int row, int value) override;
    RowRange range(int row) const override { return rows_[idx(row)].range; }
    bool rowActive(int row) const override { return rows_[idx(row)].active; }
    bool locked(int row) const override { return rows_[idx(row)].locked; }
    void setLocked(int row, bool locked) override { rows_[idx(row)].locked = locked; }

private:
    struct Row {
        RowRange range{0, 100};
        int value = 0;
        bool active = false;
        bool locked = false;
    };
    static std::size_t idx(int row) { return static_cast<std::size_t>(row - 1); }
    void loadFormula();
    int category_ = 0;
    int formula_ = 0;
    std::array<Row, 20> rows_{};
};

class PlainPen : public PenControls {
public:
    PlainPen();  // the pen pane's initial values
    int penWidth() const override { return penWidth_; }
    void setPenWidth(int width) override;
    int fgMode() const override { return fgMode_; }
    int bgMode() const override { return bgMode_; }
    void setFgModeFromRecord(int mode) override { fgMode_ = mode; }
    void setBgModeFromRecord(int mode) override { bgMode_ = mode; }
    Colour customFg() const override { return customFg_; }
    Colour customBg() const override { return customBg_; }
    void setCustomFg(Colour c) override { customFg_ = c & 0xFFFFFF; }
    void setCustomBg(Colour c) override { customBg_ = c & 0xFFFFFF; }
    bool gradientOn() const override { return gradientOn_; }
    void setGradientOn(bool on) override { gradientOn_ = on; }
    int repeatCount() const override { return repeat_; }
    void setRepeatCount(int r) override;
    bool colourOn(int c) const override { return colourOn_[static_cast<std::size_t>(c - 2)]; }
    void setColourOn(int c, bool on) override { colourOn_[static_cast<std::size_t>(c - 2)] = on; }
    Colour colour(int c) const override { return colours_[static_cast<std::size_t>(c - 1)]; }
    void setColour(int c, Colour colour) override { colours_[static_cast<std::size_t>(c - 1)] = colour & 0xFFFFFF; }

    // The seven colours of the run as the pen pane starts with them.
    static const std::array<Colour, 7> kDefaultColours;

private:
    int penWidth_ = 1;
    int fgMode_ = 0;
    int bgMode_ = 1;
    Colour customFg_ = 0x000000;
    Colour customBg_ = 0xFFFFFF;
    bool gradientOn_ = true;
    int repeat_ = 1;
    std::array<bool, 5> colourOn_{true, true, true, true, true};
    std::array<Colour, 7> colours_{};
};

class PlainTurn : public TurnControls {
public:
    int value(Row row) const override { return values_[static_cast<std::size_t>(row)]; }
    void setValue(Row row, int value) override;
    // The 3D pane's initial values: no turn, depth scale 100, magnify 100.
    static constexpr std::array<int, RowCount> kInitial{0, 0, 0, 100, 100, 0, 0};

private:
    std::array<int, RowCount> values_ = kInitial;
};

// The three together, as one object to hand around.
struct PlainPanes {
    PlainVariables variables;
    PlainPen pen;
    PlainTurn turn;
    FigurePanes panes() { return {variables, pen, turn}; }
};

}  // namespace lumora
