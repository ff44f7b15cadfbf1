#pragma once
// Stepping through the history: the current position (0 = newest entry), and
// recalling an entry, which applies its record and draws it without
// recording it again. Every recorded drawing puts the position back to 0.

#include <array>
#include <optional>

#include "collections/CHistoryStore.h"

namespace lumora {

class CFigureEnvironment;
class MessageSink;

enum class RecallOutcome {
    Recalled,
    NoSuchEntry,      // past the end, or not a line of 69 fields
    RefusedCategory,  // a category above 9: the newer-version message was shown
    RefusedFormula,   // a formula beyond the catalogue: silently nothing
    StoreFailed,      // the history file could not be read
};

class CHistoryNavigator {
public:
    CHistoryNavigator(CHistoryStore& store, CFigureEnvironment& figures, MessageSink& messages);

    int currentPosition() const { return position_; }
    // True while a recall runs its Draw: that Draw must not be recorded.
    bool recalling() const { return recalling_; }

    // After a Draw that painted: unless it was a recall's, position 0 and the
    // figure appended as the newest entry.
    StoreResult figureDrawn(const FigureRecord& record, const std::array<bool, 20>& activeRows);

    // Applies entry i and draws it, without recording it.
    RecallOutcome recallEntry(int index);

    // One entry older (it stays at the oldest) and recall; nothing on an
    // empty history or a position past the end. The page to show is
    // position / 100 afterwards.
    std::optional<RecallOutcome> stepBack();
    // One entry newer (it stays at 0) and recall.
    std::optional<RecallOutcome> stepForward();
    // Entry k of page p: position = 100p + k, recalled at once.
    RecallOutcome entryCommand(int page, int k);

private:
    CHistoryStore& store_;
    CFigureEnvironment& figures_;
    MessageSink& messages_;
    int position_ = 0;
    bool recalling_ = false;
};

}  // namespace lumora
