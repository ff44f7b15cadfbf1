#pragma once
// The favourites pane "お気に入り": the tree of folders and favourites
// derived from the table, with a toolbar (new folder, new favourite), a
// context menu (delete, save, load, rename) and drag and drop of favourites.
// A double-click on a favourite applies its record and draws it. Folders
// remember whether they are shown open. Every change goes through the store
// and the tree is rebuilt from the table afterwards.

#include <QWidget>
#include <optional>
#include <vector>

#include "collections/COkiniiriRows.h"

class QMenu;
class QToolBar;
class QTreeWidgetItem;

namespace lumora {

class CCollectionPrompts;
class CFigureEnvironment;
class COkiniiriStore;
class CViewTree;

class CFileViewOkiniiri : public QWidget {
    Q_OBJECT
public:
    enum Id : int {
        IdPane = 11630,
        IdNewFolder = 11640,
        IdNewFavourite = 11641,
        IdTree = 11660,
        IdDelete = 11670,
        IdSave = 11671,
        IdLoad = 11672,
        IdMenuNewFavourite = 11802,
        IdMenuNewFolder = 11803,
        IdMenuSave = 11804,
        IdMenuLoad = 11805,
        IdMenuReset = 32820,
        IdRename = 32822,
    };
    static constexpr const char* kTreeTip = "ファイルをドラッグして移動できます";
    static constexpr const char* kDeleteQuestion = "この操作は元に戻せません、お気に入りファイルを削除しますか？";
    static constexpr const char* kDeleteCaption = "削除";
    static constexpr const char* kResetQuestion = "お気に入りをすべて削除しますか？";
    static constexpr const char* kResetCaption = "お気に入り削除";
    static constexpr const char* kFilter = "お気に入り ファイル (*.lmfav)|*.lmfav||";

    // Runs the integrity pass and builds the tree. A table that can be
    // neither opened nor created is reported through `prompts`; the pane
    // then shows an empty tree.
    CFileViewOkiniiri(COkiniiriStore& store, CFigureEnvironment& figures, CCollectionPrompts& prompts,
                      QWidget* parent = nullptr);

    // Deletes the tree's items and builds them again from the table.
    void RebuildTree();
    // Runs one of the pane's commands; false for other ids.
    bool handleCommand(int id);

    // The commands.
    void newEntry(bool folder);
    void renameSelected();
    void deleteSelected();
    void saveFavourites();
    void loadFavourites();
    void resetFavourites();
    // Applies the favourite of the item and draws it; folders draw nothing.
    void applyFavourite(QTreeWidgetItem* item);
    // Moves the dragged favourite to just after the target's row. Nothing
    // for a folder, the top folder as target, or no target.
    void moveFavourite(QTreeWidgetItem* dragged, QTreeWidgetItem* target);

    CViewTree* tree() const { return tree_; }
    QToolBar* toolBar() const { return toolBar_; }
    QMenu* contextMenu() const { return menu_; }
    // The item of a row (index = line number - 1), or null.
    QTreeWidgetItem* itemOfRow(std::size_t row) const;
    // The row of an item, or nothing.
    std::optional<std::size_t> rowOf(const QTreeWidgetItem* item) const;
    int currentFolder() const { return currentFolder_; }
    int selectedId() const { return selectedId_; }

private:
    void onSelectionChanged();
    void syncExpansion();
    void showContextMenu(const QPoint& pos);
    void report(int statusCode);
    // The selected item's row among lines 2 onward, or nothing.
    std::optional<std::size_t> selectedRowBelowTop() const;

    COkiniiriStore& store_;
    CFigureEnvironment& figures_;
    CCollectionPrompts& prompts_;
    CViewTree* tree_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* menu_ = nullptr;
    std::vector<QTreeWidgetItem*> itemOfRow_;
    bool tracking_ = false;
    bool available_ = true;
    int selectedId_ = 1;
    int selectedParent_ = 0;
    int selectedIsFolder_ = 0;
    int currentFolder_ = 1;
};

}  // namespace lumora
