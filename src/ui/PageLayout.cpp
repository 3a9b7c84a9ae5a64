#include "ui/PageLayout.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/Markup.h"

namespace wcthrm::ui {

QGridLayout* PageGrid(QWidget* page) {
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(12, 10, 12, 6);
  grid->setHorizontalSpacing(8);
  grid->setColumnMinimumWidth(2, 24);
  return grid;
}

void AddRow(QGridLayout* grid, int row, int col, const QString& caption, QWidget* control) {
  grid->addWidget(MarkupLabel(caption, control->parentWidget()), row, col);
  grid->addWidget(control, row, col + 1);
}

QVBoxLayout* FormulaBox(QWidget* page, const QList<QLabel*>& pictures) {
  auto* box = new QVBoxLayout;
  box->setSpacing(4);
  box->addWidget(new QLabel(QStringLiteral("计算公式："), page));
  for (QLabel* picture : pictures) box->addWidget(picture, 0, Qt::AlignLeft);
  box->addStretch(1);
  return box;
}

void TabChain(std::initializer_list<QWidget*> controls) {
  QWidget* previous = nullptr;
  for (QWidget* w : controls) {
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

}  // namespace wcthrm::ui
