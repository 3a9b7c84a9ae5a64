// The project tree's widget: a tree whose nodes the user moves by drag and drop. The window
// says which moves are allowed and makes them; a refused drop leaves the tree as it was.
#pragma once

#include <QTreeWidget>
#include <functional>

namespace wcthrm::host {

class ProjectTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit ProjectTree(QWidget* parent = nullptr);

  // Whether item may go into parent (nullptr: the top level).
  std::function<bool(const QTreeWidgetItem* item, const QTreeWidgetItem* parent)> canMove;

  // Where a drop at pos puts the dragged node: into parent (nullptr: the top level) at
  // position (-1: at the end). The middle of a row drops into it, its edges beside it.
  void DropPlace(const QPoint& pos, QTreeWidgetItem** parent, int* position) const;

 signals:
  // The user dropped item at a place canMove allows; the window moves it.
  void MoveRequested(QTreeWidgetItem* item, QTreeWidgetItem* parent, int position);

 protected:
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool Allowed(const QPoint& pos) const;
};

}  // namespace wcthrm::host
