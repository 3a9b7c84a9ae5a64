// The soil freezing depth dialog: bare soil (tab 0), loosened soil (tab 1), snow-covered soil
// (tab 2) and soil under insulating layers (tab 3), a view over the freezing depth form state.
// Each tab has a day table whose freezing-index sum may fill its P field; tab 3 adds the layer
// table with its unknown layer.
#pragma once

#include <array>

#include "calc/DepthOfSoilForm.h"
#include "ui/FormDialog.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace wcthrm::ui {

class RowMenu;

struct DepthOfSoilKind {
  using Form = calc::depthofsoil::Form;
  using Item = TDepthOfSoil;
  static constexpr ItemKind kKind = ItemKind::DepthOfSoil;
  static constexpr int kTabs = calc::depthofsoil::kTabCount;
  static constexpr const auto& kEdits = calc::depthofsoil::kEdits;
  static constexpr const auto& kCellEdits = calc::depthofsoil::kCellEdits;
  static Form Load(const Item& item) { return calc::depthofsoil::Load(item); }
  static void Reload(const Item& item, Form& form) {
    calc::depthofsoil::LoadFromItem(item, form);
  }
  static void Store(const Form& form, Item& item) { calc::depthofsoil::Store(form, item); }
  static calc::CheckResult Check(const Form& form, int tab) {
    return calc::depthofsoil::Check(form, tab);
  }
  static calc::CheckResult CheckForSaveDefaults(const Form& form) {
    return calc::depthofsoil::CheckForSaveDefaults(form);
  }
  static calc::BookLines Book(const Form& form, int tab) {
    return calc::depthofsoil::Book(form, tab);
  }
  static int PageHeight(const Form& form, int tab);
};

class Tfrm_DepthOfSoil : public FormDialog<DepthOfSoilKind> {
  Q_OBJECT

 public:
  explicit Tfrm_DepthOfSoil(QWidget* parent = nullptr);

  QWidget* tsNoHeatSoil;
  QWidget* tsSdbwtr;
  QWidget* tsFxbwtr;
  QWidget* tsFgbwtr;

  QRadioButton* rbNoHeatSoil;
  QRadioButton* rbBzdjsd;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QRadioButton* RadioButton3;
  QRadioButton* RadioButton4;
  QGroupBox* GroupBox1;
  QGroupBox* GroupBox2;
  QGroupBox* GroupBox3;
  QGroupBox* GroupBox4;

  // Per tab: the day table, the "自动累加" box with its label, the P field.
  std::array<KxGrid*, calc::depthofsoil::kTabCount> dayTables{};
  std::array<QCheckBox*, calc::depthofsoil::kTabCount> autoCals{};
  std::array<QLabel*, calc::depthofsoil::kTabCount> autoCalLabels{};
  std::array<TKxEdit*, calc::depthofsoil::kTabCount> pFields{};
  KxGrid* advsgFgbwtr2;
  RowMenu* PopupMenu1;
  RowMenu* PopupMenu2;

  // The snow thickness field and its labels, enabled while RadioButton3 is checked.
  TKxEdit* kxedtXdpjfgxs = nullptr;
  QLabel* lblXdpjfgxs = nullptr;

  void rbNoHeatSoilClick();
  void rbBzdjsdClick();
  void cbAutoCalClick(int tab);
  void NAddClick();
  void NDltClick();
  void NAdd2Click();
  void NDlt2Click();

 protected:
  void PresentMore(const Form& form) override;

 private:
  void BuildNoHeatSoilPage();
  void BuildSdbwtrPage();
  void BuildFxbwtrPage();
  void BuildFgbwtrPage();

  // The "冻结指数P：" row of tab: label, box, "自动累加", P field, laid out in a row.
  QLayout* AutoCalRow(int tab, QWidget* parent);
  KxGrid* DayTable(int tab, QWidget* parent);
  void BuildLayerTable(QWidget* parent);
  QPushButton* HintButton(const char* name, int picture, QWidget* parent);
  void Radio(QRadioButton* button, bool Form::*field, void (Tfrm_DepthOfSoil::*click)());
};

}  // namespace wcthrm::ui
