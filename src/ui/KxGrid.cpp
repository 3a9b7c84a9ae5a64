#include "ui/KxGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QStyle>
#include <QTimer>

#include "ui/Guarded.h"
#include "ui/KxEdit.h"

namespace wcthrm::ui {

// Raises the grid's cell-select event before the current cell moves, whatever moves it: a
// click, a key or the view itself.
class BeforeSelectModel : public QItemSelectionModel {
 public:
  BeforeSelectModel(QAbstractItemModel* model, KxGrid* grid)
      : QItemSelectionModel(model, grid), grid_(grid) {}

  void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override {
    if (!grid_->quiet_ && index.isValid() && index != currentIndex()) {
      grid_->CommitOpenEditor();
      emit grid_->SelectCell(index.column(), index.row());
    }
    QItemSelectionModel::setCurrentIndex(index, command);
  }

 private:
  KxGrid* grid_;
};

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CellEditor NumericCellEditor(const char* name, const calc::EditSettings& settings, QSize size) {
  CellEditor editor;
  const QString objectName = QString::fromLatin1(name);
  editor.create = [objectName, settings](QWidget* parent) -> QWidget* {
    auto* edit = new TKxEdit(parent);
    edit->setObjectName(objectName);
    ConfigureEdit(*edit, settings);
    return edit;
  };
  editor.enter = [](QWidget* w, const QString& text, int, int) {
    static_cast<TKxEdit*>(w)->setText(text);
  };
  editor.leave = [](QWidget* w, int, int) { return static_cast<TKxEdit*>(w)->text(); };
  editor.size = size;
  return editor;
}

KxGrid::KxGrid(const char* name, QWidget* parent) : QTableWidget(parent) {
  setObjectName(QString::fromLatin1(name));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(22);
  verticalHeader()->setMinimumSectionSize(22);
  horizontalHeader()->setMinimumSectionSize(20);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  SetRangeSelect(true);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  setSelectionModel(new BeforeSelectModel(model(), this));
  setItemDelegate(new KxCellDelegate(this));
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(qApp, &QApplication::focusChanged, this, &KxGrid::FocusChanged);
}

void KxGrid::SetRangeSelect(bool allowed) {
  setSelectionMode(allowed ? QAbstractItemView::ContiguousSelection
                           : QAbstractItemView::SingleSelection);
}

void KxGrid::SetColumnWidths(const std::vector<int>& widths) {
  for (size_t c = 0; c < widths.size(); ++c) setColumnWidth(static_cast<int>(c), widths[c]);
}

void KxGrid::Shape(const std::vector<int>& widths, int visibleRows, bool growing) {
  setColumnCount(static_cast<int>(widths.size()));
  SetColumnWidths(widths);
  // The small face lets the long headers fit their columns.
  setFont(QFont(QStringLiteral("Tahoma"), 8));
  int width = 4;
  for (int w : widths) width += w;
  if (growing) width += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  setFixedSize(width, 22 * visibleRows + 4);
}

void KxGrid::SetColumnEditor(int col, CellEditor editor) { editors_[col] = std::move(editor); }

const CellEditor* KxGrid::ColumnEditor(int col) const {
  auto it = editors_.find(col);
  return it == editors_.end() ? nullptr : &it->second;
}

void KxGrid::SetCellText(int row, int col, const QString& text) {
  QTableWidgetItem* cell = item(row, col);
  const bool fixed = row == 0 || col == 0;
  if (!cell) {
    cell = new QTableWidgetItem;
    if (fixed) {
      cell->setFlags(Qt::ItemIsEnabled);
      cell->setBackground(palette().button());
      // As a plain int: a flags value would register a metatype whose description lives in
      // this library, which a host that unloads and reloads it would keep pointing at.
      cell->setData(Qt::TextAlignmentRole, static_cast<int>(Qt::AlignCenter));
    }
    setItem(row, col, cell);
  }
  if (cell->text() != text) cell->setText(text);
}

calc::Table KxGrid::Table() const {
  calc::Table table = calc::Table::Sized(columnCount(), rowCount());
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (const QTableWidgetItem* cell = item(r, c)) table.At(c, r) = cell->text().toStdString();
  table.selection = Selection();
  return table;
}

void KxGrid::SetTable(const calc::Table& table) {
  quiet_ = true;
  if (rowCount() != table.RowCount()) setRowCount(table.RowCount());
  if (columnCount() != table.ColCount()) setColumnCount(table.ColCount());
  for (int r = 0; r < table.RowCount(); ++r)
    for (int c = 0; c < table.ColCount(); ++c) SetCellText(r, c, Q(table.At(c, r)));
  if (table.selection != Selection()) {
    const calc::CellRange& s = table.selection;
    clearSelection();
    setCurrentCell(s.top, s.left, QItemSelectionModel::NoUpdate);
    setRangeSelected(QTableWidgetSelectionRange(s.top, s.left, s.bottom, s.right), true);
  }
  quiet_ = false;
}

calc::CellRange KxGrid::Selection() const {
  const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
  if (!ranges.isEmpty()) {
    const QTableWidgetSelectionRange& r = ranges.front();
    return {r.leftColumn(), r.topRow(), r.rightColumn(), r.bottomRow()};
  }
  const int row = currentRow() < 0 ? 1 : currentRow();
  const int col = currentColumn() < 0 ? 1 : currentColumn();
  return {col, row, col, row};
}

void KxGrid::SelectOnly(int col, int row) {
  quiet_ = true;
  clearSelection();
  setCurrentCell(row, col, QItemSelectionModel::ClearAndSelect);
  if (QTableWidgetItem* cell = item(row, col)) scrollToItem(cell);
  quiet_ = false;
}

void KxGrid::CommitOpenEditor() {
  auto* delegate = static_cast<KxCellDelegate*>(itemDelegate());
  if (delegate->open_ && state() == QAbstractItemView::EditingState)
    emit delegate->commitData(delegate->open_);
}

void KxGrid::SelectAt(const QPoint& viewportPos) {
  const QModelIndex index = indexAt(viewportPos);
  if (!index.isValid() || index.row() == 0 || index.column() == 0) return;
  // Inside the selection a right click keeps it, so a range can be deleted.
  if (selectionModel()->isSelected(index)) return;
  setCurrentCell(index.row(), index.column(), QItemSelectionModel::ClearAndSelect);
}

bool KxGrid::Holds(const QWidget* w) const {
  for (; w; w = w->parentWidget())
    if (w == this) return true;
  return false;
}

void KxGrid::FocusChanged(QWidget* old, QWidget* now) {
  // Only a move to another control of the same window leaves the table; a message box or a
  // hint window taking the focus does not.
  if (!old || !now || !Holds(old) || Holds(now) || now->window() != window()) return;
  // An exit check that kept the focus in an editor keeps it in the table.
  if (Holds(QApplication::focusWidget())) return;
  CommitOpenEditor();
  RunGuarded([this] { emit Exit(); });
}

KxCellDelegate::KxCellDelegate(KxGrid* grid)
    : QStyledItemDelegate(grid), grid_(grid), viewport_(grid->viewport()) {}

QWidget* KxCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
  const CellEditor* e = grid_->ColumnEditor(index.column());
  if (!e) return QStyledItemDelegate::createEditor(parent, option, index);
  QWidget* editor = e->create(parent);
  editor->setAutoFillBackground(true);
  open_ = editor;
  // Every part of a composite editor reports its focus changes here.
  editor->installEventFilter(const_cast<KxCellDelegate*>(this));
  for (QWidget* child : editor->findChildren<QWidget*>())
    child->installEventFilter(const_cast<KxCellDelegate*>(this));
  return editor;
}

void KxCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const CellEditor* e = grid_->ColumnEditor(index.column());
  if (!e) return QStyledItemDelegate::setEditorData(editor, index);
  RunGuarded([&] { e->enter(editor, index.data().toString(), index.column(), index.row()); });
}

void KxCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
  const CellEditor* e = grid_->ColumnEditor(index.column());
  if (!e) return QStyledItemDelegate::setModelData(editor, model, index);
  RunGuarded([&] { model->setData(index, e->leave(editor, index.column(), index.row())); });
}

void KxCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
  const CellEditor* e = grid_->ColumnEditor(index.column());
  if (!e) return QStyledItemDelegate::updateEditorGeometry(editor, option, index);
  editor->setGeometry(QRect(option.rect.topLeft(), e->size));
}

QWidget* KxCellDelegate::EditorOf(QObject* object) const {
  for (auto* w = qobject_cast<QWidget*>(object); w; w = w->parentWidget())
    if (w->parentWidget() == viewport_) return w;
  return nullptr;
}

bool KxCellDelegate::eventFilter(QObject* object, QEvent* event) {
  QWidget* editor = EditorOf(object);
  if (!editor) return QStyledItemDelegate::eventFilter(object, event);
  switch (event->type()) {
    case QEvent::FocusOut: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      // A message box or hint window over the editor keeps it open.
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        DecideLater(editor);
      return false;  // the edit's own exit check runs
    }
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
          key == Qt::Key_Backtab) {
        // The edit normalises its text before it goes into the cell.
        for (TKxEdit* edit : editor->findChildren<TKxEdit*>()) RunGuarded([edit] { edit->DoExit(); });
        if (auto* edit = qobject_cast<TKxEdit*>(editor)) RunGuarded([edit] { edit->DoExit(); });
      }
      if (object != editor) {
        // Keys of a part of a composite editor end the edit as the editor's own would.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
          emit commitData(editor);
          emit closeEditor(editor, QAbstractItemDelegate::NoHint);
          return true;
        }
        if (key == Qt::Key_Escape) {
          emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
          return true;
        }
        return false;
      }
      return QStyledItemDelegate::eventFilter(object, event);
    }
    default:
      return object == editor ? QStyledItemDelegate::eventFilter(object, event) : false;
  }
}

void KxCellDelegate::DecideLater(QWidget* editor, int delayMs) {
  // Decided once the focus change is over: the exit check may have shown its message and
  // taken the focus back, and the editor must not go while its handler still runs.
  QPointer<QWidget> guarded(editor);
  QTimer::singleShot(delayMs, this, [this, guarded] {
    if (!guarded || !guarded->isVisible()) return;
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != guarded->window()) {
      // Another window holds the focus (a message box): decide when it is gone.
      DecideLater(guarded, 50);
      return;
    }
    for (QWidget* w = focus; w; w = w->parentWidget())
      if (w == guarded) return;  // the focus stayed in the editor: it stays open
    emit commitData(guarded);
    emit closeEditor(guarded, QAbstractItemDelegate::NoHint);
  });
}

}  // namespace wcthrm::ui
