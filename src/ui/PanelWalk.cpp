#include "ui/PanelWalk.h"

#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>

#include "ui/KxEdit.h"

namespace wcthrm::ui {

namespace {

// The control's own flags, whatever its containers say (an edit on a page that is not
// shown is still visible in this sense).
bool OwnVisible(const QWidget* w) {
  return !(w->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
           w->testAttribute(Qt::WA_WState_Hidden));
}
bool OwnEnabled(const QWidget* w) { return !w->testAttribute(Qt::WA_ForceDisabled); }

// A group box, or a container that is nothing but a frame or a widget. Exact classes only:
// labels, text panes and tables are frames too.
bool IsPanel(const QWidget* w) {
  const QMetaObject* meta = w->metaObject();
  return qobject_cast<const QGroupBox*>(w) || meta == &QFrame::staticMetaObject ||
         meta == &QWidget::staticMetaObject;
}

template <class Visit>
void ForEachChild(QWidget* container, Visit visit) {
  for (QObject* child : container->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && !w->isWindow() && !visit(w)) return;
  }
}

bool Validate(QWidget* container, bool runPlainEdits) {
  bool passed = true;
  ForEachChild(container, [&](QWidget* w) {
    if (auto* edit = qobject_cast<TKxEdit*>(w)) {
      if (OwnVisible(edit) && OwnEnabled(edit)) {
        edit->ShowError = true;
        edit->DoExit();
        if (edit->CheckFailed()) passed = false;
      }
    } else if (auto* plain = qobject_cast<QLineEdit*>(w)) {
      if (runPlainEdits && OwnVisible(plain) && OwnEnabled(plain)) emit plain->editingFinished();
    } else if (IsPanel(w)) {
      if (!ValidateGroup(w)) passed = false;
    }
    return passed;
  });
  return passed;
}

}  // namespace

bool ValidatePanel(QWidget* panel) { return Validate(panel, true); }

bool ValidateGroup(QWidget* container) { return Validate(container, false); }

bool PanelChanged(QWidget* container) {
  bool changed = false;
  ForEachChild(container, [&](QWidget* w) {
    if (auto* edit = qobject_cast<TKxEdit*>(w)) {
      changed = OwnVisible(edit) && edit->isModified();
    } else if (qobject_cast<QLineEdit*>(w)) {
      // plain edits do not count
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count() && !changed; ++i) changed = PanelChanged(tabs->widget(i));
    } else if (IsPanel(w)) {
      changed = PanelChanged(w);
    }
    return !changed;
  });
  return changed;
}

}  // namespace wcthrm::ui
