#pragma once
// What the canvas view needs from the program around it. The application
// context implements it; tests hand in their own.

#include "engine/DrawPipeline.h"
#include "engine/PaneControls.h"

namespace lumora {

class CExportPrompts;

class CViewEnvironment {
public:
    virtual ~CViewEnvironment() = default;
    // The canvas, extent and colours Draw works on; lives as long as the view.
    virtual DrawState& drawState() = 0;
    // False while the Draw state is still being made (it is large); until
    // then the view shows what a new canvas holds, white, without waiting.
    virtual bool drawStateReady() { return true; }
    // The three parameter panes as Draw reads them at this moment.
    virtual FigurePanes panes() = 0;
    virtual MessageSink& messages() = 0;
    // The dialogs of saving and printing (tests replace them).
    virtual CExportPrompts& exportPrompts() = 0;
    // Called after every Draw that painted the canvas (not after a refused
    // one): the history records the figure here.
    virtual void figureDrawn() = 0;
};

}  // namespace lumora
