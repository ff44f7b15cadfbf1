#pragma once
// Turning the panes into a record and a record into the panes.

#include "engine/FigureRecord.h"
#include "engine/PaneControls.h"

namespace lumora {

// Reads the panes (colours from the view), fills all 69 positions with
// recordSum recomputed, stores the result in `current` and returns it.
FigureRecord collectRecord(FigurePanes panes, const ViewColours& view, FigureRecord& current);

enum class ApplyOutcome { Applied, RefusedCategory, RefusedFormula };

// The text shown when a record comes from a later version (category above 9).
extern const char* const kNewerVersionMessage;

// Sets the panes from a record; it does not draw. A category above 9 shows
// kNewerVersionMessage (caption: the application title, warning icon) and
// changes nothing; a formula above 1 changes nothing silently. Negative
// values are refused silently as well: no pane can show them.
ApplyOutcome applyRecord(const FigureRecord& r, FigurePanes panes, ViewColours& view, MessageSink& messages);

}  // namespace lumora
