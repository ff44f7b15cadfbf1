#include "collections/CFileViewOkiniiri.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

#include "collections/CCollectionPrompts.h"
#include "collections/CFigureEnvironment.h"
#include "collections/COkiniiriDialog.h"
#include "collections/COkiniiriNamaeDialog.h"
#include "collections/COkiniiriStore.h"
#include "collections/CViewTree.h"
#include "collections/CollectionPictures.h"

namespace lumora {

namespace {
constexpr int kRowRole = Qt::UserRole;
}

CFileViewOkiniiri::CFileViewOkiniiri(COkiniiriStore& store, CFigureEnvironment& figures, CCollectionPrompts& prompts,
                                     QWidget* parent)
    : QWidget(parent), store_(store), figures_(figures), prompts_(prompts) {
    setWindowTitle(QStringLiteral("お気に入り"));
    setObjectName(QString::number(IdPane));
    const IntegrityReport pass = store_.RunIntegrityPass();
    if (pass.status == StoreStatus::CannotOpenWorkFile) {
        available_ = false;
        prompts_.tell(storeStatusMessage(pass.status) + "（お気に入り）");
    } else if (!pass.ok()) {
        prompts_.tell(storeStatusMessage(pass.status));
    }

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 0, 1, 1);
    outer->setSpacing(1);
    toolBar_ = new QToolBar(this);
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 15));
    QAction* newFolder = toolBar_->addAction(newFolderIcon(), QString());
    newFolder->setObjectName(QString::number(IdNewFolder));
    connect(newFolder, &QAction::triggered, this, [this] { handleCommand(IdNewFolder); });
    QAction* newFavourite = toolBar_->addAction(newFavouriteIcon(), QString());
    newFavourite->setObjectName(QString::number(IdNewFavourite));
    connect(newFavourite, &QAction::triggered, this, [this] { handleCommand(IdNewFavourite); });
    outer->addWidget(toolBar_);

    tree_ = new CViewTree(this);
    tree_->setObjectName(QString::number(IdTree));
    tree_->setIconSize(QSize(16, 15));
    tree_->setToolTip(QString::fromUtf8(kTreeTip));
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    outer->addWidget(tree_, 1);

    menu_ = new QMenu(this);
    auto addItem = [this](int id, const char* text) {
        QAction* a = menu_->addAction(QString::fromUtf8(text));
        a->setObjectName(QString::number(id));
        connect(a, &QAction::triggered, this, [this, id] { handleCommand(id); });
    };
    addItem(IdDelete, "削除(&R)");
    menu_->addSeparator();
    addItem(IdSave, "お気に入りの保存");
    addItem(IdLoad, "お気に入りの読み込み");
    menu_->addSeparator();
    addItem(IdRename, "お気に入り名前変更");

    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &CFileViewOkiniiri::onSelectionChanged);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { applyFavourite(item); });
    connect(tree_, &QTreeWidget::itemExpanded, this, [this] { syncExpansion(); });
    connect(tree_, &QTreeWidget::itemCollapsed, this, [this] { syncExpansion(); });
    connect(tree_, &CViewTree::itemDropped, this, &CFileViewOkiniiri::moveFavourite);
    connect(tree_, &QWidget::customContextMenuRequested, this, &CFileViewOkiniiri::showContextMenu);

    RebuildTree();
    tracking_ = true;
}

void CFileViewOkiniiri::report(int statusCode) {
    const auto status = static_cast<StoreStatus>(statusCode);
    if (status != StoreStatus::Ok && status != StoreStatus::Refused && available_)
        prompts_.tell(storeStatusMessage(status));
}

void CFileViewOkiniiri::RebuildTree() {
    // Expansions made while building write nothing: they come from the flags.
    const bool tracking = tracking_;
    tracking_ = false;
    tree_->clear();
    itemOfRow_.clear();
    const OkiniiriRowsResult read = store_.ReadRows();
    if (read.ok()) {
        const OkiniiriTree t = COkiniiriStore::DeriveTree(read.rows, TreeScope::AllRows);
        std::vector<QTreeWidgetItem*> items(t.items.size(), nullptr);
        itemOfRow_.assign(read.rows.size(), nullptr);
        for (std::size_t i = 0; i < t.items.size(); ++i) {
            const OkiniiriItem& it = t.items[i];
            auto* item = it.parentItem < 0 ? new QTreeWidgetItem(tree_)
                                           : new QTreeWidgetItem(items[static_cast<std::size_t>(it.parentItem)]);
            item->setText(0, QString::fromStdString(it.text));
            item->setIcon(0, favouritesIcon(it.picture));
            item->setData(0, kRowRole, static_cast<qulonglong>(it.row));
            item->setFlags(it.folder ? (item->flags() & ~Qt::ItemIsDragEnabled) : item->flags());
            items[i] = item;
            itemOfRow_[it.row] = item;
        }
        for (std::size_t i = 0; i < t.items.size(); ++i)
            if (t.items[i].expanded) items[i]->setExpanded(true);
    }
    tracking_ = tracking;
}

QTreeWidgetItem* CFileViewOkiniiri::itemOfRow(std::size_t row) const {
    return row < itemOfRow_.size() ? itemOfRow_[row] : nullptr;
}

std::optional<std::size_t> CFileViewOkiniiri::rowOf(const QTreeWidgetItem* item) const {
    if (!item) return std::nullopt;
    const auto row = static_cast<std::size_t>(item->data(0, kRowRole).toULongLong());
    if (row >= itemOfRow_.size() || itemOfRow_[row] != item) return std::nullopt;
    return row;
}

std::optional<std::size_t> CFileViewOkiniiri::selectedRowBelowTop() const {
    const auto row = rowOf(tree_->currentItem());
    if (!row || *row == 0 || !tree_->currentItem()->isSelected()) return std::nullopt;
    return row;
}

void CFileViewOkiniiri::onSelectionChanged() {
    const auto row = rowOf(tree_->currentItem());
    if (!row) return;
    const OkiniiriRowsResult read = store_.ReadRows();
    if (!read.ok() || *row >= read.rows.size()) return;
    const COkiniiriRows& rows = read.rows;
    selectedId_ = rows.id(*row);
    selectedParent_ = rows.parent(*row);
    selectedIsFolder_ = rows.number(*row, 4);
    if (selectedIsFolder_ == 1)
        currentFolder_ = selectedId_;
    else if (selectedIsFolder_ == 0)
        currentFolder_ = selectedParent_;
}

void CFileViewOkiniiri::syncExpansion() {
    if (!tracking_) return;
    const OkiniiriRowsResult read = store_.ReadRows();
    if (!read.ok()) return;
    std::vector<std::optional<bool>> shown(read.rows.size());
    for (std::size_t r = 0; r < read.rows.size() && r < itemOfRow_.size(); ++r)
        if (itemOfRow_[r]) shown[r] = itemOfRow_[r]->isExpanded();
    report(static_cast<int>(store_.SyncExpansionFlags(shown).status));
}

bool CFileViewOkiniiri::handleCommand(int id) {
    switch (id) {
        case IdNewFolder:
        case IdMenuNewFolder:
            newEntry(true);
            return true;
        case IdNewFavourite:
        case IdMenuNewFavourite:
            newEntry(false);
            return true;
        case IdDelete:
            deleteSelected();
            return true;
        case IdSave:
        case IdMenuSave:
            saveFavourites();
            return true;
        case IdLoad:
        case IdMenuLoad:
            loadFavourites();
            return true;
        case IdMenuReset:
            resetFavourites();
            return true;
        case IdRename:
            renameSelected();
            return true;
        default:
            return false;
    }
}

void CFileViewOkiniiri::newEntry(bool folder) {
    const OkiniiriRowsResult read = store_.ReadRows();
    if (!read.ok()) {
        report(static_cast<int>(read.status));
        return;
    }
    COkiniiriDialog dialog(folder, read.rows, currentFolder_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const int parent = dialog.chosenFolder() == 0 ? 1 : dialog.chosenFolder();
    const std::string name = dialog.name().toStdString();
    const StoreResult r =
        folder ? store_.AppendFolder(parent, name) : store_.AppendFavourite(parent, name, figures_.collectFigure());
    report(static_cast<int>(r.status));
    RebuildTree();
    // The folder that received the entry opens, so the entry shows.
    const OkiniiriRowsResult after = store_.ReadRows();
    if (!after.ok()) return;
    for (std::size_t row = 0; row < after.rows.size(); ++row) {
        if (after.rows.id(row) != parent || !after.rows.isFolder(row)) continue;
        if (QTreeWidgetItem* item = itemOfRow(row)) {
            item->setExpanded(true);
            syncExpansion();
        }
        break;
    }
}

void CFileViewOkiniiri::renameSelected() {
    const auto row = selectedRowBelowTop();
    if (!row) return;  // the top folder, or nothing selected
    COkiniiriNamaeDialog dialog(store_, *row + 1, prompts_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    RebuildTree();
}

void CFileViewOkiniiri::deleteSelected() {
    const auto row = selectedRowBelowTop();
    if (!row) return;
    if (!prompts_.askYesNo(kDeleteQuestion, kDeleteCaption)) return;
    report(static_cast<int>(store_.RemoveRow(*row + 1).status));
    RebuildTree();
}

void CFileViewOkiniiri::saveFavourites() {
    const auto path = prompts_.askSavePath(kFilter, "lmfav", "無題");
    if (!path) return;
    report(static_cast<int>(store_.ExportTable(*path).status));
}

void CFileViewOkiniiri::loadFavourites() {
    const auto path = prompts_.askOpenPath(kFilter, "lmfav");
    if (!path) return;
    report(static_cast<int>(store_.ImportTable(*path).status));
    RebuildTree();
}

void CFileViewOkiniiri::resetFavourites() {
    if (!prompts_.askYesNo(kResetQuestion, kResetCaption)) return;
    report(static_cast<int>(store_.ResetTable().status));
    RebuildTree();
}

void CFileViewOkiniiri::applyFavourite(QTreeWidgetItem* item) {
    const auto row = rowOf(item);
    if (!row || *row == 0) return;
    const OkiniiriRowsResult read = store_.ReadRows();
    if (!read.ok()) return;
    const auto record = COkiniiriStore::favouriteRecord(read.rows, *row);
    if (!record) return;  // a folder, or a row without a record
    if (figures_.applyFigure(*record) == ApplyOutcome::Applied) figures_.drawFigure();
}

void CFileViewOkiniiri::moveFavourite(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
    const auto source = rowOf(dragged);
    const auto onto = rowOf(target);
    if (!source || !onto || *source == *onto) return;  // a drop on no item moves nothing
    const StoreResult r = store_.MoveFavourite(*source + 1, *onto + 1);
    if (r.status == StoreStatus::Refused) return;
    report(static_cast<int>(r.status));
    RebuildTree();
}

void CFileViewOkiniiri::showContextMenu(const QPoint& pos) {
    if (QTreeWidgetItem* hit = tree_->itemAt(pos)) tree_->setCurrentItem(hit);
    tree_->setFocus();
    menu_->popup(tree_->viewport()->mapToGlobal(pos));
}

}  // namespace lumora
