// The three reference tables of the soil freezing depth dialog: the freezing coefficient A,
// the frost calculation coefficient α and the influence coefficients β of covering
// materials. The window shows one of them at a time and takes its size.
#pragma once

#include "ui/HintTable.h"

namespace wcthrm::ui {

class Tfrm_DepthOfSoilHint : public THintForm {
  Q_OBJECT

 public:
  explicit Tfrm_DepthOfSoilHint(QWidget* parent = nullptr);

  // Shows table 1 (A), 2 (α) or 3 (β) and hides the others; the window fits it.
  void ShowPicture(int picture);

  TRefTableView* Image1;
  TRefTableView* Image2;
  TRefTableView* Image3;
};

// Shows one table modally; the window is gone when this returns.
void ShowDepthOfSoilHint(int picture);

}  // namespace wcthrm::ui
