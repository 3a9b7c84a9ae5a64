// The table of the highest heating temperatures of mixing water and aggregate, which the
// concrete heating dialog shows beside its temperature input.
#pragma once

#include "ui/HintTable.h"

namespace wcthrm::ui {

class Tfrm_ConcreteHeatHint : public THintForm {
  Q_OBJECT

 public:
  explicit Tfrm_ConcreteHeatHint(QWidget* parent = nullptr);

  TRefTableView* Image1;
};

// Shows the table modally; the window is gone when this returns.
void ShowConcreteHeatHint();

}  // namespace wcthrm::ui
