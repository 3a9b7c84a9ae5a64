#include "ui/PageControl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTabBar>

#include "ui/KxEdit.h"
#include "ui/Skin.h"

namespace wcthrm::ui {

namespace {
// The page colour, 14869218 in the platform's BGR order.
const QColor kPageColour(226, 226, 226);
const QColor kSelectedText(0, 0, 255);
}  // namespace

TRzPageControl::TRzPageControl(QWidget* parent) : QTabWidget(parent) {
  setObjectName(QStringLiteral("RzPageControl1"));
  setTabShape(QTabWidget::Rounded);
  tabBar()->setMinimumHeight(22);
  tabBar()->installEventFilter(this);
  connect(this, &QTabWidget::currentChanged, this, &TRzPageControl::MarkSelectedTab);
}

QWidget* TRzPageControl::AddSheet(const char* name, const QString& caption) {
  auto* sheet = new QWidget;
  sheet->setObjectName(QString::fromLatin1(name));
  sheet->setAutoFillBackground(true);
  QPalette palette = sheet->palette();
  palette.setColor(QPalette::Window, kPageColour);
  sheet->setPalette(palette);
  addTab(sheet, caption);
  MarkSelectedTab(currentIndex());
  return sheet;
}

void TRzPageControl::MarkSelectedTab(int index) {
  for (int i = 0; i < count(); ++i)
    tabBar()->setTabTextColor(i, i == index ? kSelectedText : palette().color(QPalette::WindowText));
}

void TRzPageControl::SetHeight(int height) {
  QWidget* page = currentWidget();
  const int needed =
      tabBar()->sizeHint().height() + (page ? page->minimumSizeHint().height() : 0) + 4;
  setFixedHeight(std::max(height, needed));
}

bool TRzPageControl::eventFilter(QObject* object, QEvent* event) {
  if (object == tabBar() && (event->type() == QEvent::MouseButtonPress ||
                             event->type() == QEvent::MouseButtonDblClick)) {
    // Clicking a tab leaves the focused edit first; when its exit check keeps the focus, the
    // page stays.
    auto* edit = qobject_cast<TKxEdit*>(QApplication::focusWidget());
    if (edit && isAncestorOf(edit)) {
      tabBar()->setFocus(Qt::OtherFocusReason);
      if (QApplication::focusWidget() == edit) return true;
    }
  }
  return QTabWidget::eventFilter(object, event);
}

}  // namespace wcthrm::ui
