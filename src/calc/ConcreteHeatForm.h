// The concrete heating dialog without its widgets: what its controls hold, the copies between
// controls and item, the checks of each tab and the books they lead to. The Qt dialog and the
// command-line calculator both run these functions. Texts here are UTF-8.
#pragma once

#include <array>
#include <string>

#include "calc/EditDescription.h"
#include "calc/FormCommon.h"
#include "calc/Table.h"
#include "model/U_Class_ConcreteHeat.h"

namespace wcthrm::calc::concreteheat {

inline constexpr int kTabCount = 4;  // heat demand, outlet, mix, mixer outlet
// The kind in words, for a tab it does not have.
inline constexpr const char* kKind = "concrete heating";

// The mix table "AdvStringGrid1": 5 columns × 3 rows with the fixed header row 0 and header
// column 0. Columns 1–4 are water, cement, sand and stone; row 1 the masses (kg), row 2 the
// temperatures (℃).
inline constexpr const char* kGridName = "AdvStringGrid1";
inline constexpr int kGridCols = 5;
inline constexpr int kGridRows = 3;

// Height of the page control per tab; the output pane takes the rest.
inline constexpr std::array<int, kTabCount> kPageHeights = {215, 175, 265, 115};

// The fixed lists of the two combo boxes.
inline const std::array<std::string, 2> kJrfsItems = {"蓄热法", "人工加热法"};
inline const std::array<std::string, 2> kSnbhItems = {"≥525", "＜525"};

struct Form {
  // The numeric edits' texts; each edit is "kxedt" + the name of its property.
  // tab 0 "材料加热计算"
  std::string kxedtClbr, kxedtClmi, kxedtYll, kxedtJrqclwd;
  std::string kxedtBjyxs, kxedtJrhclwd, kxedtSjlyxs;
  // tab 1 "砼出厂温度计算"
  std::string kxedtWjqw, kxedtJrzgwd;
  // tab 2 "拌合物温度计算"
  std::string kxedtCldrb, kxedtSdrjr, kxedtSzhsl, kxedtHsl;
  // tab 3 "出机温度计算"
  std::string kxedtBhwwd, kxedtBhjpnwd;

  int cbJrfs = 0;  // selected index of the heating-method combo, -1 when none
  int cbSnbh = 0;  // selected index of the cement-grade combo, -1 when none
  // The "蓄热法" formula picture (Image4) is shown; the "人工加热法" one (Image5) otherwise.
  bool image4Visible = true;

  Table AdvStringGrid1 = Table::Sized(kGridCols, kGridRows);

  int activeTab = 0;
};

constexpr Bound Incl(double v) { return {v, true}; }
constexpr Bound Excl(double v) { return {v, false}; }

// The dialog's two sorts of edit: real with three decimals, or whole (decimals left at the
// edit's 2). None is reformatted on leaving, every upper bound applies, each takes 8 characters.
// The dialog sets no MinValue or MaxValue, so leaving an edit tests no range: the bounds are
// those of "计算", which takes every edit as real, the whole-number ones too.
constexpr EditSettings Real(Bound lower, Bound upper) {
  return {.lower = lower,
          .upper = upper,
          .integer = false,
          .negative = false,
          .decimals = 3,
          .formatted = false,
          .upperApplies = true,
          .maxLength = 8,
          .boundsOnEdit = false,
          .realMessage = false};
}
constexpr EditSettings Whole(Bound lower, Bound upper) {
  EditSettings s = Real(lower, upper);
  s.integer = true;
  s.decimals = 2;
  s.realMessage = true;
  return s;
}
constexpr EditSettings Negative(EditSettings s) {
  s.negative = true;
  return s;
}

// The 15 numeric edits in the dialog's order, which is also their properties' order. "计算"
// checks the rows of its tab, "保存默认值" every row, in this order.
inline const std::array<EditDescription<Form>, 15> kEdits = {{
    {"kxedtClbr", &Form::kxedtClbr, 0, Real(Excl(0), Incl(10))},
    {"kxedtClmi", &Form::kxedtClmi, 0, Real(Excl(0), Incl(5000))},
    {"kxedtYll", &Form::kxedtYll, 0, Real(Excl(0), Incl(10000))},
    {"kxedtJrqclwd", &Form::kxedtJrqclwd, 0, Negative(Real(Incl(-50), Incl(5)))},
    {"kxedtBjyxs", &Form::kxedtBjyxs, 0, Real(Excl(0), Incl(10))},
    {"kxedtJrhclwd", &Form::kxedtJrhclwd, 0, Real(Incl(5), Incl(50))},
    {"kxedtSjlyxs", &Form::kxedtSjlyxs, 0, Real(Excl(0), Incl(10))},
    {"kxedtWjqw", &Form::kxedtWjqw, 1, Negative(Whole(Incl(-50), Incl(5)))},
    {"kxedtJrzgwd", &Form::kxedtJrzgwd, 1, Whole(Incl(5), Incl(100))},
    {"kxedtCldrb", &Form::kxedtCldrb, 2, Real(Excl(0), Incl(1000))},
    {"kxedtSdrjr", &Form::kxedtSdrjr, 2, Real(Excl(0), Incl(1000))},
    {"kxedtSzhsl", &Form::kxedtSzhsl, 2, Real(Incl(0), Excl(100))},
    {"kxedtHsl", &Form::kxedtHsl, 2, Real(Incl(0), Excl(100))},
    {"kxedtBhwwd", &Form::kxedtBhwwd, 3, Whole(Excl(0), Incl(100))},
    {"kxedtBhjpnwd", &Form::kxedtBhjpnwd, 3, Negative(Whole(Incl(-50), Incl(100)))},
}};

// What the dialog shows once it is open: the item's values, the table headers, tab 0, the
// "蓄热法" picture.
Form Load(const TConcreteHeat& item);

// Copies the controls into the item: the edits in property order, then the combos, then the
// table cells as typed. An edit text that is no number throws ConversionError; the properties
// copied before it keep their new values.
void Store(const Form& form, TConcreteHeat& item);

// The heating-method combo was clicked with index selected: picks the formula picture.
void SelectJrfs(Form& form, int index);

// The results of the tabs from the form's texts, in the evaluation order of the book; each
// needs its tab's checks passed (a text that is no number throws ConversionError).
double HeatDemand(const Form& form);              // tab 0: Q in kJ/h
double OutletTemperature(const Form& form);       // tab 1: Th in ℃
double MixTemperature(const Form& form);          // tab 2: T0 in ℃
double MixerOutletTemperature(const Form& form);  // tab 3: T1 in ℃

// The checks of "计算" on tab (0..kTabCount-1, else RangeError): the first fault, or
// std::nullopt when the book may be written.
CheckResult Check(const Form& form, int tab);

// The checks "保存默认值" runs: every tab's, in tab order.
CheckResult CheckForSaveDefaults(const Form& form);

// The book of tab (0..kTabCount-1, else RangeError), after Check(form, tab) passed; "$…$"
// marks subscripts.
BookLines Book(const Form& form, int tab);

}  // namespace wcthrm::calc::concreteheat
