// The input table of every item dialog: a QTableWidget over a calc::Table in the grid's own
// numbering (row 0 the fixed header row, column 0 the fixed row-number column, both drawn as
// headers and never edited), with in-cell editors made per column, a cell-select event that
// runs before the current cell changes, and an exit event when the focus leaves the table.
#pragma once

#include <QPointer>
#include <QSize>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <functional>
#include <map>
#include <vector>

#include "calc/EditDescription.h"
#include "calc/Table.h"

namespace wcthrm::ui {

class TKxEdit;

// How the cells of one column are edited. The editor's focus proxy takes the focus when it
// opens; its object name is the name the dialog gives the control.
struct CellEditor {
  std::function<QWidget*(QWidget* parent)> create;
  // Cell text into the editor, when it opens.
  std::function<void(QWidget* editor, const QString& text, int col, int row)> enter;
  // The editor's text back into the cell, when it closes.
  std::function<QString(QWidget* editor, int col, int row)> leave;
  QSize size{148, 21};
};

// A numeric edit in the cell: the cell's text goes in, the edit's text comes back.
CellEditor NumericCellEditor(const char* name, const calc::EditSettings& settings, QSize size);

class KxGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit KxGrid(const char* name, QWidget* parent = nullptr);

  // The whole table: cells, header texts and the selection. Writing raises no cell-select
  // event; cells whose text is unchanged are left alone.
  calc::Table Table() const;
  void SetTable(const calc::Table& table);

  // The selection in grid coordinates (the current cell when nothing is selected).
  calc::CellRange Selection() const;
  // Makes cell (col,row) the current and only selected cell, without a cell-select event.
  void SelectOnly(int col, int row);

  void SetColumnWidths(const std::vector<int>& widths);
  // The dialogs' table look: columns of widths, the small table face, and a fixed size that
  // shows visibleRows rows (with room for a scroll bar when rows may be added).
  void Shape(const std::vector<int>& widths, int visibleRows, bool growing);
  void SetRangeSelect(bool allowed);
  void SetColumnEditor(int col, CellEditor editor);
  const CellEditor* ColumnEditor(int col) const;

  // The cell under a point of the viewport becomes the selection (a right click).
  void SelectAt(const QPoint& viewportPos);

  // An open in-cell editor's text goes into its cell now, so the table's events see it.
  void CommitOpenEditor();

 signals:
  // The user moves to cell (col,row); raised before the current cell changes.
  void SelectCell(int col, int row);
  // The focus left the table and its editors for another control of the window.
  void Exit();

 private:
  friend class BeforeSelectModel;
  void SetCellText(int row, int col, const QString& text);
  void FocusChanged(QWidget* old, QWidget* now);
  bool Holds(const QWidget* w) const;

  std::map<int, CellEditor> editors_;
  bool quiet_ = false;  // the program moves the current cell: no cell-select event
};

// Creates each column's editor, copies the cell text in and out, and keeps an editor open
// while its exit check holds the focus or a message or hint window is up, so a half-checked
// value is never committed.
class KxCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit KxCellDelegate(KxGrid* grid);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  friend class KxGrid;
  QWidget* EditorOf(QObject* object) const;
  mutable QPointer<QWidget> open_;  // the editor open in the grid, if any
  void DecideLater(QWidget* editor, int delayMs = 0);

  KxGrid* grid_;
  // Compared, never called: editors report their events while the grid is being destroyed.
  QWidget* viewport_;
};

}  // namespace wcthrm::ui
