#pragma once
// Shared set-up of the engine tests: one DrawState per test process (it is
// large), and drawing a record the way the window does (apply, then Draw).

#include <memory>
#include <string>
#include <vector>

#include "engine/DocumentLine.h"
#include "engine/DrawPipeline.h"
#include "engine/PlainPanes.h"
#include "engine/RecordPanes.h"

namespace lumora::test {

struct RecordingMessages : MessageSink {
    std::vector<std::string> texts;
    void showMessage(const std::string& text, const std::string&, MessageIcon) override { texts.push_back(text); }
};

inline DrawState& sharedState() {
    static auto* state = new DrawState();  // lives for the process
    return *state;
}

// The document line of formula (c, f) with catalogue defaults and the panes' initial values.
inline FigureRecord defaultRecord(int category, int formula) {
    PlainPanes panes;
    panes.variables.selectCategory(category);
    panes.variables.selectFormula(formula);
    FigureRecord current;
    return collectRecord(panes.panes(), ViewColours{}, current);
}

inline DrawInputs inputsFor(const FigureRecord& r) {
    PlainPanes panes;
    ViewColours view;
    RecordingMessages messages;
    applyRecord(r, panes.panes(), view, messages);
    return readDrawInputs(panes.panes());
}

}  // namespace lumora::test
