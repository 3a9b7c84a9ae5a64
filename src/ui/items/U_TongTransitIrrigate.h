// The transport and placing dialog: the concrete's temperature after transport (tab 0) and
// after placing against formwork and steel (tab 1), a view over the transport form state.
#pragma once

#include <span>

#include "calc/TongTransitIrrigateForm.h"
#include "ui/FormDialog.h"

namespace wcthrm::ui {

struct TongTransitIrrigateKind {
  using Form = calc::tongtransitirrigate::Form;
  using Item = TTongTransitIrrigate;
  static constexpr ItemKind kKind = ItemKind::TongTransitIrrigate;
  static constexpr int kTabs = calc::tongtransitirrigate::kTabCount;
  static constexpr const auto& kEdits = calc::tongtransitirrigate::kEdits;
  static constexpr std::span<const calc::CellEditDescription> kCellEdits{};
  static Form Load(const Item& item) { return calc::tongtransitirrigate::Load(item); }
  static void Reload(const Item& item, Form& form);
  static void Store(const Form& form, Item& item) { calc::tongtransitirrigate::Store(form, item); }
  static calc::CheckResult Check(const Form& form, int tab) {
    return calc::tongtransitirrigate::Check(form, tab);
  }
  static calc::CheckResult CheckForSaveDefaults(const Form& form) {
    return calc::tongtransitirrigate::CheckForSaveDefaults(form);
  }
  static calc::BookLines Book(const Form& form, int tab) {
    return calc::tongtransitirrigate::Book(form, tab);
  }
  static int PageHeight(const Form& form, int tab);
};

class Tfrm_TongTransitIrrigate : public FormDialog<TongTransitIrrigateKind> {
  Q_OBJECT

 public:
  explicit Tfrm_TongTransitIrrigate(QWidget* parent = nullptr);

  QWidget* tsMaterialHeat;
  QWidget* tsTongTemp;
  KxGrid* advsgTmpOfFinish;

 private:
  void BuildTransportPage();
  void BuildPlacingPage();
};

}  // namespace wcthrm::ui
