// Concrete heating form state: the copies between item and controls and the checks of each tab.
#include "calc/ConcreteHeatForm.h"

#include <cmath>
#include <iterator>
#include <tuple>

#include "support/Gbk.h"
#include "support/NumberText.h"

namespace wcthrm::calc::concreteheat {

namespace {

const char* const kMassMessage = "表格中材料用量必须为0（包括）～5000（包括）之间的数值！";
const char* const kTempMessage = "表格中材料温度必须为-50（包括）～100（包括）之间的数值！";

// The mix-temperature denominator is zero exactly when every mass is 0.
const char* const kNoMassMessage = "表格中材料用量不能全部为0！";
// Only a K2 far below anything the edit can hold makes the heat demand overflow.
const char* const kHeatOverflowMessage = "时间利用系数K2过小，耗热量超出计算范围！";

template <size_t N>
std::string ComboText(int index, const std::array<std::string, N>& items) {
  return index >= 0 && static_cast<size_t>(index) < N ? items[static_cast<size_t>(index)] : "";
}

using TextMember = std::string TConcreteHeat::*;

// The table property of column c (1–4) in row r (1 masses, 2 temperatures).
TextMember CellProperty(int c, int r) {
  static constexpr TextMember kMasses[] = {&TConcreteHeat::mw, &TConcreteHeat::mce,
                                           &TConcreteHeat::msa, &TConcreteHeat::mg};
  static constexpr TextMember kTemps[] = {&TConcreteHeat::Tw, &TConcreteHeat::Tce,
                                          &TConcreteHeat::Tsa, &TConcreteHeat::Tg};
  return (r == 1 ? kMasses : kTemps)[c - 1];
}

// Each edit's property, in property order, which is the order Store copies them in.
struct EditProperty {
  std::string Form::*text;
  double TConcreteHeat::*property;
};
const EditProperty kEditProperties[] = {
    {&Form::kxedtClbr, &TConcreteHeat::Clbr},       {&Form::kxedtClmi, &TConcreteHeat::Clmi},
    {&Form::kxedtYll, &TConcreteHeat::Yll},         {&Form::kxedtJrqclwd, &TConcreteHeat::Jrqclwd},
    {&Form::kxedtBjyxs, &TConcreteHeat::Bjyxs},     {&Form::kxedtJrhclwd, &TConcreteHeat::Jrhclwd},
    {&Form::kxedtSjlyxs, &TConcreteHeat::Sjlyxs},   {&Form::kxedtWjqw, &TConcreteHeat::Wjqw},
    {&Form::kxedtJrzgwd, &TConcreteHeat::Jrzgwd},   {&Form::kxedtCldrb, &TConcreteHeat::Cldrb},
    {&Form::kxedtSdrjr, &TConcreteHeat::Sdrjr},     {&Form::kxedtSzhsl, &TConcreteHeat::Szhsl},
    {&Form::kxedtHsl, &TConcreteHeat::Hsl},         {&Form::kxedtBhwwd, &TConcreteHeat::Bhwwd},
    {&Form::kxedtBhjpnwd, &TConcreteHeat::Bhjpnwd},
};
static_assert(std::size(kEditProperties) == std::tuple_size_v<decltype(kEdits)>);

CheckResult CheckBlendTable(const Form& form) {
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 4; ++c) {
      const std::string& text = form.AdvStringGrid1.At(c, r);
      auto fault = r == 1 ? CheckCell(kGridName, c, r, text, Incl(0), Incl(5000), kMassMessage)
                          : CheckCell(kGridName, c, r, text, Incl(-50), Incl(100), kTempMessage);
      if (fault) return fault;
    }
  }
  return std::nullopt;
}

}  // namespace

Form Load(const TConcreteHeat& item) {
  Form form;
  for (const EditProperty& e : kEditProperties) form.*e.text = NumberText(item.*e.property);
  form.cbJrfs = IndexOfTrimmed(FromGbk(item.Jrfs), kJrfsItems);
  form.cbSnbh = IndexOfTrimmed(FromGbk(item.Snbh), kSnbhItems);
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 4; ++c) form.AdvStringGrid1.At(c, r) = FromGbk(item.*CellProperty(c, r));
  }
  const char* const columns[] = {"水", "水泥", "砂子", "石子"};
  for (int c = 1; c <= 4; ++c) form.AdvStringGrid1.At(c, 0) = columns[c - 1];
  form.AdvStringGrid1.At(0, 1) = "材料用量（kg）";
  form.AdvStringGrid1.At(0, 2) = "材料温度（℃）";
  // Showing the dialog starts on the first tab with the picture of the method that is
  // selected ("蓄热法" Image4, else Image5), as a click on the combo would show it.
  form.activeTab = 0;
  form.image4Visible = form.cbJrfs == 0;
  return form;
}

void Store(const Form& form, TConcreteHeat& item) {
  for (const EditProperty& e : kEditProperties) item.*e.property = StrToFloat(form.*e.text);
  item.Jrfs = ToGbk(ComboText(form.cbJrfs, kJrfsItems));
  item.Snbh = ToGbk(ComboText(form.cbSnbh, kSnbhItems));
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 4; ++c) item.*CellProperty(c, r) = ToGbk(form.AdvStringGrid1.At(c, r));
  }
}

void SelectJrfs(Form& form, int index) {
  form.cbJrfs = index;
  form.image4Visible = index == 0;
}

CheckResult Check(const Form& form, int tab) {
  RequireTab(tab, kTabCount, kKind);
  if (auto fault = CheckTabEdits(form, kEdits, tab)) return fault;
  if (tab == 0 && !std::isfinite(HeatDemand(form))) {
    return Fault{"kxedtSjlyxs", -1, -1, kHeatOverflowMessage};
  }
  if (tab == 2) {
    if (auto fault = CheckBlendTable(form)) return fault;
    if (!std::isfinite(MixTemperature(form))) return Fault{kGridName, 1, 1, kNoMassMessage};
  }
  return std::nullopt;
}

CheckResult CheckForSaveDefaults(const Form& form) {
  for (int tab = 0; tab < kTabCount; ++tab) {
    if (auto fault = CheckTabEdits(form, kEdits, tab)) return fault;
    if (tab == 2) {
      if (auto fault = CheckBlendTable(form)) return fault;
    }
  }
  return std::nullopt;
}

}  // namespace wcthrm::calc::concreteheat
