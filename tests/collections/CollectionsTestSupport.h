#pragma once
// Stand-ins for the program around the collection panes: recorded figure
// recalls, answered prompts, and a fresh per-user folder for every test.

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "collections/CCollectionPrompts.h"
#include "collections/CFigureEnvironment.h"
#include "engine/PaneControls.h"

namespace lumora::test {

inline FigureRecord sampleRecord(int base = 1) {
    FigureRecord r;
    for (int i = 0; i < FigureRecord::kValueCount; ++i) r[i] = base + i;
    r[FigureRecord::Category] = 3;
    r[FigureRecord::Formula] = 1;
    r[FigureRecord::RecordSum] = recordSum(r);
    return r;
}

struct RecordingFigures : CFigureEnvironment {
    std::vector<FigureRecord> applied;
    int draws = 0;
    ApplyOutcome outcome = ApplyOutcome::Applied;
    FigureRecord current = sampleRecord(40);
    ApplyOutcome applyFigure(const FigureRecord& r) override {
        applied.push_back(r);
        return outcome;
    }
    void drawFigure() override { ++draws; }
    FigureRecord collectFigure() override { return current; }
};

struct RecordingMessages : MessageSink {
    std::vector<std::string> texts;
    void showMessage(const std::string& text, const std::string&, MessageIcon) override { texts.push_back(text); }
};

struct AnsweredPrompts : CCollectionPrompts {
    std::optional<std::filesystem::path> savePath, openPath;
    bool yes = false;
    std::vector<std::string> questions, told, filters;
    std::optional<std::filesystem::path> askSavePath(const std::string& filter, const std::string&,
                                                     const std::string&) override {
        filters.push_back(filter);
        return savePath;
    }
    std::optional<std::filesystem::path> askOpenPath(const std::string& filter, const std::string&) override {
        filters.push_back(filter);
        return openPath;
    }
    bool askYesNo(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return yes;
    }
    void tell(const std::string& text, const std::string&) override { told.push_back(text); }
};

// Runs `answer` on the next modal dialog once it is shown (before exec()
// is entered the timer is armed, so the dialog never waits for a person).
template <typename DialogT>
void answerNextDialog(std::function<void(DialogT&)> answer, bool* seen = nullptr) {
    QTimer::singleShot(0, [answer, seen] {
        auto* dialog = qobject_cast<DialogT*>(QApplication::activeModalWidget());
        if (seen) *seen = dialog != nullptr;
        if (dialog)
            answer(*dialog);
        else if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            other->reject();
    });
}

inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeFile(const std::filesystem::path& p, const std::string& bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace lumora::test
