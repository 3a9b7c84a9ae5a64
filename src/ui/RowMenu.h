// The "增加(&A)" / "删除(&D)" popup menu of the input tables: a right click on a cell selects it
// (inside a selected range the range stays) and opens the menu; the dialog binds the actions.
#pragma once

#include <QMenu>

namespace wcthrm::ui {

class KxGrid;

class RowMenu : public QMenu {
  Q_OBJECT

 public:
  RowMenu(QWidget* owner, const char* menuName, const char* addName, const char* deleteName);

  // grid opens this menu on a right click.
  void AttachTo(KxGrid* grid);

  QAction* Add;     // "增加(&A)"
  QAction* Delete;  // "删除(&D)"
};

}  // namespace wcthrm::ui
