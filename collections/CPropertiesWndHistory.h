#pragma once
// The history pane "ヒストリー": one page of the history as up to 100
// numbered buttons (5 x 20, newest first), a toolbar turning pages and
// stepping through the history, and a context menu saving and loading
// history files. The button of the current entry is shown pressed; a click
// on a button recalls its entry at once. Hovering a button shows a small
// picture of its figure, made on demand and kept.

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "engine/FigureRecord.h"

class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;

namespace lumora {

class CCollectionPrompts;
class CHistoryNavigator;
class CHistoryStore;

class CPropertiesWndHistory : public QWidget {
    Q_OBJECT
public:
    enum Id : int {
        IdEntryBase = 11400,  // + k, k = 0..99
        IdToolBar = 11502,
        IdBackground = 20003,
        IdSave = 11610,
        IdLoad = 11611,
        IdStepBack = 11806,
        IdStepForward = 11807,
        IdOlderPage = 11808,
        IdNewerPage = 11809,
        IdMenuSave = 11810,
        IdMenuLoad = 11811,
        IdReset = 32821,
    };
    static constexpr int kButtons = 100;
    static constexpr const char* kResetQuestion = "ヒストリーををすべて削除しますか？";
    static constexpr const char* kResetCaption = "ヒストリー削除";
    static constexpr const char* kFilter = "ヒストリー ファイル (*.lmhis)|*.lmhis||";

    // Makes a small picture of a record for the button tooltips.
    using Thumbnailer = std::function<QImage(const FigureRecord&)>;

    // Runs the history check; a history that can be neither opened nor
    // created is reported through `prompts` and the pane carries on empty.
    CPropertiesWndHistory(CHistoryStore& store, CHistoryNavigator& navigator, CCollectionPrompts& prompts,
                          QWidget* parent = nullptr);

    void setThumbnailer(Thumbnailer thumbnailer);

    int page() const { return page_; }
    void setPage(int page) { page_ = page; }

    // Labels and shows the buttons of the page, then highlights.
    void refresh();
    // The current entry's button pressed when it is on this page.
    void highlight();

    // Runs a command of the pane: the entry buttons, steps, pages, save,
    // load and reset. False for other ids.
    bool handleCommand(int id);

    // After a Draw that painted: records it (unless it was a recall's),
    // refreshes and highlights.
    void figureDrawn(const FigureRecord& record, const std::array<bool, 20>& activeRows);

    void olderPage();
    void newerPage();
    void stepBack();
    void stepForward();
    void saveHistory();
    void loadHistory();
    // Asks first; on Yes the history is emptied.
    void resetHistory();

    QPushButton* entryButton(int k) const { return buttons_[static_cast<std::size_t>(k)]; }
    QToolBar* toolBar() const { return toolBar_; }
    // The popup "ヒストリーの保存" / "ヒストリーの読み込み".
    QMenu* contextMenu() const { return menu_; }
    // The tooltip picture of button k, made now or taken from the cache;
    // null when the button names no entry or no thumbnailer is set.
    QImage entryPicture(int k);
    int cachedPictures() const { return static_cast<int>(pictures_.size()); }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void report(int statusCode);
    void afterStep();

    CHistoryStore& store_;
    CHistoryNavigator& navigator_;
    CCollectionPrompts& prompts_;
    Thumbnailer thumbnailer_;
    int page_ = 0;
    bool storeAvailable_ = true;
    QToolBar* toolBar_ = nullptr;
    QFrame* background_ = nullptr;
    QMenu* menu_ = nullptr;
    QLabel* picturePopup_ = nullptr;
    std::array<QPushButton*, kButtons> buttons_{};
    std::map<std::string, QImage> pictures_;  // by entry line text
};

}  // namespace lumora
