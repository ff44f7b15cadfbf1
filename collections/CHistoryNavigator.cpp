#include "collections/CHistoryNavigator.h"

#include "collections/CFigureEnvironment.h"
#include "engine/PaneControls.h"

namespace lumora {

CHistoryNavigator::CHistoryNavigator(CHistoryStore& store, CFigureEnvironment& figures, MessageSink& messages)
    : store_(store), figures_(figures), messages_(messages) {}

StoreResult CHistoryNavigator::figureDrawn(const FigureRecord& record, const std::array<bool, 20>& activeRows) {
    if (recalling_) return {};
    position_ = 0;
    return store_.AppendEntry(record, activeRows);
}

RecallOutcome CHistoryNavigator::recallEntry(int index) {
    const HistoryEntry entry = store_.ReadEntry(index);
    if (entry.status != StoreStatus::Ok) return RecallOutcome::StoreFailed;
    if (!entry.fields) return RecallOutcome::NoSuchEntry;
    const auto record = CHistoryStore::entryRecord(*entry.fields);
    if (!record) return RecallOutcome::NoSuchEntry;
    if ((*record)[FigureRecord::Category] > 9) {
        messages_.showMessage(kNewerVersionMessage, "", MessageIcon::Warning);
        return RecallOutcome::RefusedCategory;
    }
    if ((*record)[FigureRecord::Formula] > 1) return RecallOutcome::RefusedFormula;
    recalling_ = true;
    figures_.applyFigure(*record);
    figures_.drawFigure();
    recalling_ = false;
    return RecallOutcome::Recalled;
}

std::optional<RecallOutcome> CHistoryNavigator::stepBack() {
    const int n = store_.CountEntries().count;
    if (position_ > n - 1) return std::nullopt;
    if (position_ < n - 1) ++position_;
    return recallEntry(position_);
}

std::optional<RecallOutcome> CHistoryNavigator::stepForward() {
    if (position_ < 0) return std::nullopt;
    if (position_ > 0) --position_;
    return recallEntry(position_);
}

RecallOutcome CHistoryNavigator::entryCommand(int page, int k) {
    position_ = page * 100 + k;
    return recallEntry(position_);
}

}  // namespace lumora
