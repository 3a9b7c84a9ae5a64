// How the item dialogs lay out a page: a grid of label-and-control rows in columns, the
// "计算公式：" box with its formula pictures, and the tab order of the page's inputs.
#pragma once

#include <QList>
#include <QString>
#include <initializer_list>

class QGridLayout;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace wcthrm::ui {

// The page's grid: the dialogs' margins and spacing, column 2 a gap between two columns of
// rows.
QGridLayout* PageGrid(QWidget* page);

// A mark-up label and its control side by side in columns col and col + 1.
void AddRow(QGridLayout* grid, int row, int col, const QString& caption, QWidget* control);

// "计算公式：" above its pictures, as one cell of a page's grid.
QVBoxLayout* FormulaBox(QWidget* page, const QList<QLabel*>& pictures);

// The tab order of controls, in the order given.
void TabChain(std::initializer_list<QWidget*> controls);

}  // namespace wcthrm::ui
