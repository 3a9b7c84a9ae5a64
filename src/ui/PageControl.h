// The tabbed page control of the item dialogs: tabs 22 pixels high, pages in the dialog's
// light grey, the selected tab's text blue, a page height set per tab that never hides a
// control of the page, and no page change while the focused numeric edit holds a value its
// exit check rejected.
#pragma once

#include <QTabWidget>

namespace wcthrm::ui {

class TRzPageControl : public QTabWidget {
  Q_OBJECT

 public:
  explicit TRzPageControl(QWidget* parent = nullptr);

  // Appends a page; its sheet is named and grey.
  QWidget* AddSheet(const char* name, const QString& caption);

  // The height of the whole control for the active page: height, or more when the page's
  // controls need more in the dialog's fonts.
  void SetHeight(int height);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  void MarkSelectedTab(int index);
};

}  // namespace wcthrm::ui
