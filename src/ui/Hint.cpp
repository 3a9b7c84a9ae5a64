#include "ui/Hint.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace wcthrm::ui {

namespace {

// Shows the hint when the pointer enters, instead of after the platform's delay.
class HintAtOnce : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Enter) {
      auto* w = static_cast<QWidget*>(object);
      QToolTip::showText(QCursor::pos(), w->toolTip(), w);
    }
    return false;
  }
};

}  // namespace

void SetHint(QWidget* w, const QString& text) {
  w->setToolTip(text);
  w->setToolTipDuration(-1);
  static const char* kFilter = "wcthrmHintAtOnce";
  if (!w->property(kFilter).toBool()) {
    w->installEventFilter(new HintAtOnce(w));
    w->setProperty(kFilter, true);
  }
}

}  // namespace wcthrm::ui
