#include "ui/HintTable.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <numeric>

#include "ui/Guarded.h"
#include "ui/Skin.h"

namespace wcthrm::ui {

namespace {

constexpr int kMargin = 8;  // around title, grid and note
constexpr int kGap = 6;     // between title, grid and note
constexpr int kPadX = 6;    // inside a cell
constexpr int kPadY = 3;
constexpr int kTallText = 100000;

}  // namespace

TRefTableView::TRefTableView(RefTable table, QWidget* parent)
    : QWidget(parent), table_(std::move(table)) {
  setFont(QFont(QStringLiteral("宋体"), 10));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QFont TRefTableView::TitleFont() const {
  QFont f = font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() + 1);
  return f;
}

int TRefTableView::CellFlags(int col) const {
  const bool wraps = col < static_cast<int>(table_.wrapChars.size()) && table_.wrapChars[col] > 0;
  return Qt::AlignCenter | (wraps ? Qt::TextWordWrap : 0);
}

TRefTableView::Geometry TRefTableView::Measure() const {
  Geometry g;
  const QFontMetrics fm(font());
  const int columns =
      std::accumulate(table_.rows.begin(), table_.rows.end(), 0,
                      [](int n, const QStringList& r) { return std::max(n, int(r.size())); });
  const int charWidth = fm.horizontalAdvance(QChar(0x4E2D));

  g.columnWidths.assign(columns, 0);
  for (int c = 0; c < columns; ++c) {
    const int limit = c < static_cast<int>(table_.wrapChars.size()) && table_.wrapChars[c] > 0
                          ? table_.wrapChars[c] * charWidth
                          : INT_MAX;
    int inner = 0;
    for (const QStringList& row : table_.rows)
      inner = std::max(inner, std::min(fm.horizontalAdvance(row.value(c)), limit));
    // A word that cannot be broken may need more than the limit.
    for (const QStringList& row : table_.rows)
      inner = std::max(
          inner,
          fm.boundingRect(QRect(0, 0, inner, kTallText), CellFlags(c), row.value(c)).width());
    g.columnWidths[c] = inner + 2 * kPadX;
  }
  for (const QStringList& row : table_.rows) {
    int inner = fm.height();
    for (int c = 0; c < columns; ++c) {
      const QRect box(0, 0, g.columnWidths[c] - 2 * kPadX, kTallText);
      inner = std::max(inner, fm.boundingRect(box, CellFlags(c), row.value(c)).height());
    }
    g.rowHeights.push_back(inner + 2 * kPadY);
  }

  const int gridWidth = std::accumulate(g.columnWidths.begin(), g.columnWidths.end(), 0) + 1;
  const int gridHeight = std::accumulate(g.rowHeights.begin(), g.rowHeights.end(), 0) + 1;
  const QFontMetrics tfm(TitleFont());
  const int titleWidth = tfm.horizontalAdvance(table_.title);
  const int contentWidth = std::max(gridWidth, titleWidth);

  int y = kMargin;
  g.title = QRect(kMargin, y, contentWidth, tfm.height());
  y += tfm.height() + kGap;
  g.grid = QRect(kMargin + (contentWidth - gridWidth) / 2, y, gridWidth, gridHeight);
  y += gridHeight;
  if (!table_.note.isEmpty()) {
    y += kGap;
    const QRect box(0, 0, contentWidth, kTallText);
    const int height = fm.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, table_.note).height();
    g.note = QRect(kMargin, y, contentWidth, height);
    y += height;
  }
  g.size = QSize(contentWidth + 2 * kMargin, y + kMargin);
  return g;
}

QSize TRefTableView::sizeHint() const { return Measure().size; }

QRect TRefTableView::CellRect(int row, int col) const {
  const Geometry g = Measure();
  const int x =
      g.grid.left() + std::accumulate(g.columnWidths.begin(), g.columnWidths.begin() + col, 0);
  const int y = g.grid.top() + std::accumulate(g.rowHeights.begin(), g.rowHeights.begin() + row, 0);
  return QRect(x, y, g.columnWidths[col], g.rowHeights[row]);
}

bool TRefTableView::TextFits() const {
  const QFontMetrics fm(font());
  const Geometry g = Measure();
  for (int r = 0; r < static_cast<int>(table_.rows.size()); ++r) {
    for (int c = 0; c < static_cast<int>(g.columnWidths.size()); ++c) {
      const QRect inner = CellRect(r, c).adjusted(kPadX, kPadY, -kPadX, -kPadY);
      const QRect needed =
          fm.boundingRect(QRect(QPoint(0, 0), inner.size()), CellFlags(c), table_.rows[r].value(c));
      if (needed.width() > inner.width() || needed.height() > inner.height()) return false;
    }
  }
  return size().width() >= g.size.width() && size().height() >= g.size.height();
}

void TRefTableView::paintEvent(QPaintEvent*) {
  const Geometry g = Measure();
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(Qt::black);

  p.setFont(TitleFont());
  p.drawText(g.title, Qt::AlignCenter, table_.title);

  p.setFont(font());
  int y = g.grid.top();
  for (int r = 0; r < static_cast<int>(table_.rows.size()); ++r) {
    int x = g.grid.left();
    for (int c = 0; c < static_cast<int>(g.columnWidths.size()); ++c) {
      const QRect cell(x, y, g.columnWidths[c], g.rowHeights[r]);
      if (r == 0) p.fillRect(cell, QColor(240, 240, 240));
      p.drawRect(cell);
      p.drawText(cell.adjusted(kPadX, kPadY, -kPadX, -kPadY), CellFlags(c),
                 table_.rows[r].value(c));
      x += g.columnWidths[c];
    }
    y += g.rowHeights[r];
  }
  if (!table_.note.isEmpty()) p.drawText(g.note, Qt::AlignLeft | Qt::TextWordWrap, table_.note);
}

THintForm::THintForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("提示"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  if (const QString skin = SkinStyleSheet(); !skin.isEmpty()) setStyleSheet(skin);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, BgrColor(kDefaultBackground));
  setPalette(palette);

  auto* layout = new QVBoxLayout(this);
  // The window takes the size of what it shows and cannot be resized.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(5, 5, 5, 5);
  layout->setSpacing(5);
  tables_ = new QVBoxLayout();
  tables_->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(tables_);

  btnClose = new QPushButton(QStringLiteral("退出"), this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setFont(QFont(QStringLiteral("宋体"), 9));
  auto* bar = new QHBoxLayout();
  bar->addStretch(1);
  bar->addWidget(btnClose);
  layout->addLayout(bar);
  connect(btnClose, &QPushButton::clicked, this, Guarded([this] { accept(); }));
}

TRefTableView* THintForm::AddTable(const char* name, RefTable table) {
  auto* view = new TRefTableView(std::move(table), this);
  view->setObjectName(QString::fromLatin1(name));
  tables_->addWidget(view);
  return view;
}

void THintForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

}  // namespace wcthrm::ui
