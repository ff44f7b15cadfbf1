#pragma once
// What the collection panes need from the program around them to recall and
// to file figures: apply a record to the parameter panes, run Draw, and
// collect the current record. The application implements it over its panes
// and canvas view; tests hand in their own.

#include <array>

#include "engine/FigureRecord.h"
#include "engine/RecordPanes.h"

namespace lumora {

class CFigureEnvironment {
public:
    virtual ~CFigureEnvironment() = default;
    // Sets the panes from the record (it shows its own refusal messages).
    virtual ApplyOutcome applyFigure(const FigureRecord& record) = 0;
    // Runs Draw on what the panes describe now.
    virtual void drawFigure() = 0;
    // The record the panes describe now (all 69 positions).
    virtual FigureRecord collectFigure() = 0;
};

}  // namespace lumora
