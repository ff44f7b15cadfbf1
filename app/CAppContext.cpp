#include "app/CAppContext.h"

#include "app/CDesktopUrlOpener.h"
#include "app/CMessageBoxSink.h"
#include "view/CDialogExportPrompts.h"

namespace lumora {

CAppContext::CAppContext(CUserFolder folder)
    : folder_(std::move(folder)),
      variables_(&plainPanes_.variables),
      pen_(&plainPanes_.pen),
      turn_(&plainPanes_.turn),
      messageBoxes_(std::make_unique<CMessageBoxSink>()),
      dialogPrompts_(std::make_unique<CDialogExportPrompts>()),
      desktopUrls_(std::make_unique<CDesktopUrlOpener>()),
      messages_(messageBoxes_.get()),
      prompts_(dialogPrompts_.get()),
      urls_(desktopUrls_.get()) {
    drawStateMaker_ = std::thread([this] {
        drawState_ = std::make_unique<DrawState>();
        drawStateMade_.store(true, std::memory_order_release);
    });
}

CAppContext::~CAppContext() {
    if (drawStateMaker_.joinable()) drawStateMaker_.join();
}

DrawState& CAppContext::drawState() {
    if (drawStateMaker_.joinable()) drawStateMaker_.join();
    return *drawState_;
}

bool CAppContext::drawStateReady() {
    if (!drawStateMaker_.joinable()) return true;
    if (!drawStateMade_.load(std::memory_order_acquire)) return false;
    drawStateMaker_.join();
    return true;
}

void CAppContext::figureDrawn() {
    if (figureDrawnHook_) figureDrawnHook_();
}

void CAppContext::setMessageParent(QWidget* parent) { messageBoxes_->setParentWidget(parent); }

void CAppContext::setPanes(VariablesControls& variables, PenControls& pen, TurnControls& turn) {
    variables_ = &variables;
    pen_ = &pen;
    turn_ = &turn;
}

}  // namespace lumora
