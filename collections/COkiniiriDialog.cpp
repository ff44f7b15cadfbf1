#include "collections/COkiniiriDialog.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "collections/COkiniiriStore.h"
#include "collections/CollectionPictures.h"

namespace lumora {

COkiniiriDialog::COkiniiriDialog(bool folderMode, const COkiniiriRows& rows, int currentFolder, QWidget* parent)
    : QDialog(parent), rows_(rows) {
    setWindowTitle(folderMode ? QStringLiteral("フォルダ作成") : QStringLiteral("お気に入り作成"));
    auto* outer = new QVBoxLayout(this);
    auto* nameRow = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("名前:"), this);
    label->setObjectName(QString::number(IdNameLabel));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 10));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QString::number(IdNameEdit));
    nameRow->addWidget(label);
    nameRow->addWidget(edit_, 1);
    outer->addLayout(nameRow);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QString::number(IdFolderTree));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->setMinimumSize(360, 300);
    outer->addWidget(tree_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* save = new QPushButton(QStringLiteral("保存"), this);
    save->setObjectName(QStringLiteral("1"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("2"));
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        name_ = text;
        name_.replace(QLatin1Char(','), QLatin1Char('.'));
    });

    // Folders only; every folder that holds a sub-folder shows open.
    const OkiniiriTree tree = COkiniiriStore::DeriveTree(rows_, TreeScope::FoldersOnly);
    std::vector<QTreeWidgetItem*> items(tree.items.size(), nullptr);
    for (std::size_t i = 0; i < tree.items.size(); ++i) {
        const OkiniiriItem& it = tree.items[i];
        auto* item = it.parentItem < 0 ? new QTreeWidgetItem(tree_)
                                       : new QTreeWidgetItem(items[static_cast<std::size_t>(it.parentItem)]);
        item->setText(0, QString::fromStdString(it.text));
        item->setIcon(0, favouritesIcon(0));
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(it.row));
        items[i] = item;
    }
    for (std::size_t i = 0; i < tree.items.size(); ++i)
        if (tree.items[i].expanded) items[i]->setExpanded(true);

    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { chooseFrom(item); });
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { chooseFrom(item); });

    // The current folder's item, or the top folder's when it is gone.
    QTreeWidgetItem* preselect = nullptr;
    for (std::size_t r = 0; r < rows_.size() && !preselect; ++r)
        if (rows_.isFolder(r) && rows_.id(r) == currentFolder && tree.itemOfRow[r] >= 0)
            preselect = items[static_cast<std::size_t>(tree.itemOfRow[r])];
    if (!preselect && !rows_.empty() && tree.itemOfRow[0] >= 0)
        preselect = items[static_cast<std::size_t>(tree.itemOfRow[0])];
    if (preselect) tree_->setCurrentItem(preselect);
}

void COkiniiriDialog::chooseFrom(QTreeWidgetItem* item) {
    if (!item) return;
    const auto row = static_cast<std::size_t>(item->data(0, Qt::UserRole).toULongLong());
    if (row < rows_.size() && rows_.isFolder(row)) chosenFolder_ = rows_.id(row);
}

}  // namespace lumora
