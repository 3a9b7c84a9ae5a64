#include "ui/RowMenu.h"

#include "ui/KxGrid.h"

namespace wcthrm::ui {

RowMenu::RowMenu(QWidget* owner, const char* menuName, const char* addName,
                 const char* deleteName)
    : QMenu(owner) {
  setObjectName(QString::fromLatin1(menuName));
  Add = addAction(QStringLiteral("增加(&A)"));
  Add->setObjectName(QString::fromLatin1(addName));
  Delete = addAction(QStringLiteral("删除(&D)"));
  Delete->setObjectName(QString::fromLatin1(deleteName));
}

void RowMenu::AttachTo(KxGrid* grid) {
  connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](const QPoint& pos) {
    grid->SelectAt(pos);
    popup(grid->viewport()->mapToGlobal(pos));
  });
}

}  // namespace wcthrm::ui
