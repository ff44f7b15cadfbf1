#pragma once
// The main window: menu bar, toolbar "標準", status bar, the canvas view in
// the middle and five docked panes. Every command of the menus, keys and
// toolbar goes first to the view, then to the frame (with the handlers the
// panes add), then to the application object; the first that knows the id
// takes it.

#include <QMainWindow>
#include <map>
#include <vector>

#include "panes/CommandSink.h"

class QAction;
class QActionGroup;
class QDockWidget;
class QMenu;
class QToolBar;
class QLabel;

namespace lumora {

class CAppContext;
class CLumoraView;
struct MenuEntry;

class CMainFrame : public QMainWindow, public CommandSink {
    Q_OBJECT
public:
    // The five panes' window ids, in the order the frame creates them.
    enum PaneId : int {
        FavouritesPane = 11630,
        VariablesPane = 10001,
        PenPane = 11000,
        TurnPane = 11251,
        HistoryPane = 11511,
    };
    static constexpr int kPaneIds[5] = {FavouritesPane, VariablesPane, PenPane, TurnPane, HistoryPane};
    static constexpr const char* kLayoutMarker = "layout";

    // `application` receives the commands neither the view nor the frame takes.
    CMainFrame(CAppContext& context, CommandSink& application, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Routes a command id: view, frame, application. False when nobody has it.
    bool runCommand(int id) override;

    CLumoraView& view() const { return *view_; }
    QAction* action(int id) const;
    QToolBar* standardToolBar() const { return toolBar_; }
    QDockWidget* pane(int paneId) const;
    // Puts a pane's widget into its dock (the dock keeps caption and place).
    void setPaneWidget(int paneId, QWidget* widget);
    // A pane's own command handler, asked together with the frame's commands.
    void addCommandHandler(CommandSink& handler) { handlers_.push_back(&handler); }

    // Shows the panes in their first arrangement: favourites above history on
    // the left; on the right the variables pane beside 3D above pen.
    void resetLayout();

    // The current look (205..219) and switching it (also stores it).
    int applicationLook() const { return look_; }
    void setApplicationLook(int id);

    // "name - LumoraFree"; the frame starts with "無題".
    void setDocumentTitle(const QString& name);

    // Window and pane arrangement in the settings ("Workspace/...").
    void saveWorkspace() const;
    bool restoreWorkspace();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool handleFrameCommand(int id);
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void buildPanes();
    void fillPanesMenu(QMenu* menu);
    void firstActivation();
    void openHelpPage();
    void openAddress(const char* url);

    CAppContext& context_;
    CommandSink& application_;
    CLumoraView* view_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QActionGroup* looks_ = nullptr;
    std::map<int, QAction*> actions_;
    std::map<int, QDockWidget*> panes_;
    std::vector<CommandSink*> handlers_;
    int look_ = 210;
    bool activated_ = false;
};

}  // namespace lumora
