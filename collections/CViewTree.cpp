#include "collections/CViewTree.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace lumora {

CViewTree::CViewTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setExpandsOnDoubleClick(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

void CViewTree::startDrag(Qt::DropActions actions) {
    dragged_ = currentItem();
    QTreeWidget::startDrag(actions);
    dragged_ = nullptr;
}

void CViewTree::dragEnterEvent(QDragEnterEvent* event) { event->acceptProposedAction(); }

void CViewTree::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void CViewTree::dropEvent(QDropEvent* event) {
    // The tree itself never moves an item: the table is rewritten and the
    // tree rebuilt from it.
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    QTreeWidgetItem* dragged = dragged_ ? dragged_ : currentItem();
    emit itemDropped(dragged, target);
}

}  // namespace lumora
