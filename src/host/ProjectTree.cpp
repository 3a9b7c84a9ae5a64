#include "ProjectTree.h"

#include <QDragMoveEvent>
#include <QDropEvent>

namespace wcthrm::host {

ProjectTree::ProjectTree(QWidget* parent) : QTreeWidget(parent) {
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::InternalMove);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void ProjectTree::DropPlace(const QPoint& pos, QTreeWidgetItem** parent, int* position) const {
  QTreeWidgetItem* at = itemAt(pos);
  *parent = nullptr;
  *position = -1;
  if (!at) return;  // below the last node: the top level, at its end
  const QRect rect = visualItemRect(at);
  const int margin = qBound(2, rect.height() / 4, 12);
  const bool above = pos.y() - rect.top() < margin;
  const bool below = rect.bottom() - pos.y() < margin;
  if (!above && !below) {
    *parent = at;
    return;
  }
  *parent = at->parent();
  const int row = at->parent() ? at->parent()->indexOfChild(at) : indexOfTopLevelItem(at);
  *position = above ? row : row + 1;
}

bool ProjectTree::Allowed(const QPoint& pos) const {
  const QList<QTreeWidgetItem*> dragged = selectedItems();
  if (dragged.size() != 1 || !canMove) return false;
  QTreeWidgetItem* parent = nullptr;
  int position = -1;
  DropPlace(pos, &parent, &position);
  for (const QTreeWidgetItem* p = parent; p; p = p->parent())
    if (p == dragged.front()) return false;  // never into itself
  return canMove(dragged.front(), parent);
}

void ProjectTree::dragMoveEvent(QDragMoveEvent* event) {
  QTreeWidget::dragMoveEvent(event);
  if (event->source() == this && !Allowed(event->position().toPoint())) event->ignore();
}

void ProjectTree::dropEvent(QDropEvent* event) {
  const QList<QTreeWidgetItem*> dragged = selectedItems();
  const QPoint pos = event->position().toPoint();
  // The window moves the node, so the tree's own move (which would drop its data) never runs.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  if (event->source() != this || dragged.size() != 1 || !Allowed(pos)) return;
  QTreeWidgetItem* parent = nullptr;
  int position = -1;
  DropPlace(pos, &parent, &position);
  emit MoveRequested(dragged.front(), parent, position);
}

}  // namespace wcthrm::host
