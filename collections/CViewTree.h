#pragma once
// The favourites tree: a tree widget whose drag and drop only reports where
// an item was dropped (hit-tested at the drop position in the tree's own
// coordinates); the pane decides what moves.

#include <QTreeWidget>

namespace lumora {

class CViewTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CViewTree(QWidget* parent = nullptr);

    // The item a drag started from; cleared when the drop is handled.
    QTreeWidgetItem* draggedItem() const { return dragged_; }

signals:
    // An item was dropped; `target` is the item under the drop point, or
    // null when the drop hit no item.
    void itemDropped(QTreeWidgetItem* dragged, QTreeWidgetItem* target);

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QTreeWidgetItem* dragged_ = nullptr;
};

}  // namespace lumora
