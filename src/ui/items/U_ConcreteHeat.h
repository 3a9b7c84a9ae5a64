// The concrete heating dialog: heat demand of a heated material (tab 0), the plant outlet
// temperature and whether heating can reach it (tab 1), the mix temperature from its
// constituents (tab 2) and the mixer outlet temperature (tab 3), a view over the heating form.
#pragma once

#include <span>

#include "calc/ConcreteHeatForm.h"
#include "ui/FormDialog.h"

class QComboBox;
class QPushButton;

namespace wcthrm::ui {

struct ConcreteHeatKind {
  using Form = calc::concreteheat::Form;
  using Item = TConcreteHeat;
  static constexpr ItemKind kKind = ItemKind::ConcreteHeat;
  static constexpr int kTabs = calc::concreteheat::kTabCount;
  static constexpr const auto& kEdits = calc::concreteheat::kEdits;
  static constexpr std::span<const calc::CellEditDescription> kCellEdits{};
  static Form Load(const Item& item) { return calc::concreteheat::Load(item); }
  static void Reload(const Item& item, Form& form);
  static void Store(const Form& form, Item& item) { calc::concreteheat::Store(form, item); }
  static calc::CheckResult Check(const Form& form, int tab) {
    return calc::concreteheat::Check(form, tab);
  }
  static calc::CheckResult CheckForSaveDefaults(const Form& form) {
    return calc::concreteheat::CheckForSaveDefaults(form);
  }
  static calc::BookLines Book(const Form& form, int tab) {
    return calc::concreteheat::Book(form, tab);
  }
  static int PageHeight(const Form& form, int tab);
};

class Tfrm_ConcreteHeat : public FormDialog<ConcreteHeatKind> {
  Q_OBJECT

 public:
  explicit Tfrm_ConcreteHeat(QWidget* parent = nullptr);

  QWidget* tsMaterialHeat;
  QWidget* tsTongTemp;
  QWidget* tsBlendTemp;
  QWidget* tsOfftrackTemp;
  QComboBox* cbJrfs;
  QComboBox* cbSnbh;
  QPushButton* bsSkinButton1;
  KxGrid* AdvStringGrid1;
  QLabel* Image4;  // "蓄热法"
  QLabel* Image5;  // "人工加热法"

  void cbJrfsClick(int index);
  void bsSkinButton1Click();

 protected:
  void PresentMore(const Form& form) override;

 private:
  void BuildMaterialHeatPage();
  void BuildTongTempPage();
  void BuildBlendTempPage();
  void BuildOfftrackTempPage();
};

}  // namespace wcthrm::ui
