// The reference tables that the hint dialogs show: a titled grid with an optional note,
// drawn by the program rather than stored as pictures, and the small window that shows them.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QWidget>
#include <vector>

class QPushButton;
class QVBoxLayout;

namespace wcthrm::ui {

struct RefTable {
  QString title;
  std::vector<QStringList> rows;  // rows[0] is the header row; column 0 holds row headers
  QString note;                   // under the grid; empty for none
  // Per column, the width in CJK characters beyond which a cell's text wraps; 0 never wraps.
  std::vector<int> wrapChars;
};

class TRefTableView : public QWidget {
  Q_OBJECT

 public:
  TRefTableView(RefTable table, QWidget* parent = nullptr);

  const RefTable& Table() const { return table_; }
  // Where cell (row, col) is drawn, in widget coordinates.
  QRect CellRect(int row, int col) const;
  // False when some text needs more room than it is given.
  bool TextFits() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Geometry {
    std::vector<int> columnWidths;
    std::vector<int> rowHeights;
    QRect title;
    QRect grid;
    QRect note;
    QSize size;
  };
  Geometry Measure() const;
  QFont TitleFont() const;
  int CellFlags(int col) const;

  RefTable table_;
};

// The window of a reference table: caption "提示", the background and skin of the dialogs,
// no close box but a close button under the tables, sized to the table that is shown.
class THintForm : public QDialog {
  Q_OBJECT

 public:
  explicit THintForm(QWidget* parent = nullptr);

  QPushButton* btnClose;

 protected:
  // Adds a table above the close button.
  TRefTableView* AddTable(const char* name, RefTable table);
  void showEvent(QShowEvent* event) override;

 private:
  QVBoxLayout* tables_;
};

}  // namespace wcthrm::ui
