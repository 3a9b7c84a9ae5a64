// The curing dialog: the mean curing temperature from readings at equal intervals (tab 0) and
// the equivalent curing time or temperature from periods of mean temperature (tab 1), a view
// over the curing form state with row-editable tables.
#pragma once

#include "calc/ConcreteConserveForm.h"
#include "ui/FormDialog.h"

class QButtonGroup;
class QGroupBox;

namespace wcthrm::ui {

class RowMenu;

struct ConcreteConserveKind {
  using Form = calc::concreteconserve::Form;
  using Item = TConcreteConserve;
  static constexpr ItemKind kKind = ItemKind::ConcreteConserve;
  static constexpr int kTabs = calc::concreteconserve::kTabCount;
  static constexpr const auto& kEdits = calc::concreteconserve::kEdits;
  static constexpr const auto& kCellEdits = calc::concreteconserve::kCellEdits;
  static Form Load(const Item& item) { return calc::concreteconserve::Load(item); }
  static void Reload(const Item& item, Form& form) {
    calc::concreteconserve::LoadFromItem(item, form);
  }
  static void Store(const Form& form, Item& item) { calc::concreteconserve::Store(form, item); }
  static calc::CheckResult Check(const Form& form, int tab) {
    return calc::concreteconserve::Check(form, tab);
  }
  static calc::CheckResult CheckForSaveDefaults(const Form& form) {
    return calc::concreteconserve::CheckForSaveDefaults(form);
  }
  static calc::BookLines Book(const Form& form, int tab) {
    return calc::concreteconserve::Book(form, tab);
  }
  // One height for both tabs: the pages hold their tables beside the edits.
  static int PageHeight(const Form&, int) { return 260; }
};

class Tfrm_ConcreteConserve : public FormDialog<ConcreteConserveKind> {
  Q_OBJECT

 public:
  explicit Tfrm_ConcreteConserve(QWidget* parent = nullptr);

  QWidget* tsAverageTemp;
  QWidget* tsTimeTemp;
  KxGrid* advsgTemp;
  KxGrid* advsgTemp2;
  QGroupBox* RadioGroup1;
  RowMenu* PopupMenu1;

 protected:
  void PresentMore(const Form& form) override;

 private:
  void BuildAverageTempPage();
  void BuildTimeTempPage();
  KxGrid* Grid(const char* name, calc::Table Form::*field, const std::vector<int>& widths,
               QWidget* parent);

  QButtonGroup* radioButtons_ = nullptr;
  TKxEdit* kxedtDlsj_ = nullptr;
  TKxEdit* kxedtDlwd_ = nullptr;
  QLabel* dlsjLabel_ = nullptr;
  QLabel* dlwdLabel_ = nullptr;
};

}  // namespace wcthrm::ui
