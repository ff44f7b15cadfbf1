#pragma once
// The five pane widgets and what stands behind them: the variables, pen and
// 3D panes that Draw reads live, the history pane over the history store,
// the favourites pane over the favourites table, and the figure document
// commands. It puts each widget into its dock of the main frame, hands the
// parameter panes to the context so Draw reads them, records every painted
// Draw in the history, and takes the pane and document commands the frame
// routes to it.

#include <array>
#include <memory>

#include "collections/CDialogCollectionPrompts.h"
#include "collections/CDocumentFiles.h"
#include "collections/CFigureEnvironment.h"
#include "collections/CHistoryStore.h"
#include "collections/COkiniiriStore.h"
#include "engine/FigureRecord.h"
#include "panes/CommandSink.h"

namespace lumora {

class CAppContext;
class CFileViewOkiniiri;
class CHistoryNavigator;
class CMainFrame;
class CPropertiesWnd3D;
class CPropertiesWndHensu;
class CPropertiesWndHistory;
class CPropertiesWndPen;

class CMainPanes : public CommandSink, public CFigureEnvironment {
public:
    enum Command : int {
        SaveAs = 11700,
        Open = 11701,
        Save = 11702,
        PenDefaults = 11070,
        TurnReset = 11240,
    };

    // `prompts` answers the dialogs of the collection and document commands
    // (the real dialogs when null).
    CMainPanes(CAppContext& context, CMainFrame& frame, CCollectionPrompts* prompts = nullptr);
    ~CMainPanes() override;

    bool runCommand(int id) override;

    // CFigureEnvironment: what recalls, favourites and Open use.
    ApplyOutcome applyFigure(const FigureRecord& record) override;
    void drawFigure() override;
    FigureRecord collectFigure() override;

    // The document commands. Open applies and draws a file that passed its
    // checks; a refused file, a failed save or a cancelled dialog changes
    // neither the document nor the window title.
    void openDocument();
    void saveDocument();
    void saveDocumentAs();
    const CDocumentFiles& documents() const { return documents_; }

    CPropertiesWndHensu& variablesPane() const { return *variables_; }
    CPropertiesWndPen& penPane() const { return *pen_; }
    CPropertiesWnd3D& turnPane() const { return *turn_; }
    CPropertiesWndHistory& historyPane() const { return *historyPane_; }
    CFileViewOkiniiri& favouritesPane() const { return *favouritesPane_; }
    CHistoryStore& historyStore() { return history_; }
    COkiniiriStore& favouritesStore() { return favourites_; }

private:
    void recordDrawnFigure();
    std::array<bool, 20> activeRows() const;
    void showTitle();
    void tellDocumentFailure(DocumentStatus status);

    CAppContext& context_;
    CMainFrame& frame_;
    CDialogCollectionPrompts dialogs_;
    CCollectionPrompts& prompts_;
    CHistoryStore history_;
    COkiniiriStore favourites_;
    CDocumentFiles documents_;
    std::unique_ptr<CHistoryNavigator> navigator_;
    FigureRecord current_{};
    CPropertiesWndHensu* variables_ = nullptr;
    CPropertiesWndPen* pen_ = nullptr;
    CPropertiesWnd3D* turn_ = nullptr;
    CPropertiesWndHistory* historyPane_ = nullptr;
    CFileViewOkiniiri* favouritesPane_ = nullptr;
};

}  // namespace lumora
