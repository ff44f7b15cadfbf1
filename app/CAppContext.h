#pragma once
// Owns what the windows share: the Draw state with its canvas, the
// parameter panes' controls (plain values until the pane widgets are
// handed in), the per-user folder, the message boxes, the dialogs of
// saving and printing, and the opener of help pages. Everything is handed
// out by reference; nothing here is global.

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "app/CUserFolder.h"
#include "engine/DrawPipeline.h"
#include "engine/PlainPanes.h"
#include "view/CViewEnvironment.h"

class QWidget;

namespace lumora {

class CExportPrompts;
class CMessageBoxSink;
class CUrlOpener;

class CAppContext : public CViewEnvironment {
public:
    explicit CAppContext(CUserFolder folder = CUserFolder());
    ~CAppContext() override;

    // The Draw state is made on a second thread while the window comes up;
    // the first use waits for it.
    DrawState& drawState() override;
    bool drawStateReady() override;
    FigurePanes panes() override { return {*variables_, *pen_, *turn_}; }
    MessageSink& messages() override { return *messages_; }
    CExportPrompts& exportPrompts() override { return *prompts_; }
    void figureDrawn() override;

    const CUserFolder& userFolder() const { return folder_; }
    CUrlOpener& urlOpener() { return *urls_; }
    // The message boxes' parent window (the main frame once it exists).
    void setMessageParent(QWidget* parent);

    // The pane widgets take over from the plain values (references must
    // outlive the context's use of them).
    void setPanes(VariablesControls& variables, PenControls& pen, TurnControls& turn);
    // Called after every Draw that painted; the history appends the figure.
    void setFigureDrawnHook(std::function<void()> hook) { figureDrawnHook_ = std::move(hook); }

    // Replacements for tests: a recording message sink, answered dialogs, a
    // URL recorder. The context does not own them.
    void setMessageSink(MessageSink& sink) { messages_ = &sink; }
    void setExportPrompts(CExportPrompts& prompts) { prompts_ = &prompts; }
    void setUrlOpener(CUrlOpener& opener) { urls_ = &opener; }

private:
    CUserFolder folder_;
    std::unique_ptr<DrawState> drawState_;
    std::thread drawStateMaker_;
    std::atomic<bool> drawStateMade_{false};
    PlainPanes plainPanes_;
    VariablesControls* variables_;
    PenControls* pen_;
    TurnControls* turn_;
    std::unique_ptr<CMessageBoxSink> messageBoxes_;
    std::unique_ptr<CExportPrompts> dialogPrompts_;
    std::unique_ptr<CUrlOpener> desktopUrls_;
    MessageSink* messages_;
    CExportPrompts* prompts_;
    CUrlOpener* urls_;
    std::function<void()> figureDrawnHook_;
};

}  // namespace lumora
