#pragma once
// "お気に入り作成" / "フォルダ作成": names a new favourite or folder and
// chooses the folder it goes into. The folder tree shows every folder of the
// table, the pane's current folder preselected (the top folder when that
// folder no longer exists).

#include <QDialog>
#include <QString>

#include "collections/COkiniiriRows.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace lumora {

class COkiniiriDialog : public QDialog {
    Q_OBJECT
public:
    enum Id : int { IdNameLabel = 42255, IdNameEdit = 11650, IdFolderTree = 42253 };

    COkiniiriDialog(bool folderMode, const COkiniiriRows& rows, int currentFolder, QWidget* parent = nullptr);

    // The typed name with every comma turned into a period.
    QString name() const { return name_; }
    // Id of the chosen folder row (1, the top folder, by default).
    int chosenFolder() const { return chosenFolder_; }

    QLineEdit* nameEdit() const { return edit_; }
    QTreeWidget* folderTree() const { return tree_; }

private:
    void chooseFrom(QTreeWidgetItem* item);

    COkiniiriRows rows_;
    QLineEdit* edit_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QString name_;
    int chosenFolder_ = 1;
};

}  // namespace lumora
