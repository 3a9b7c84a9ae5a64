// Form state of the curing dialog: what its controls hold, how they are filled from and
// written back to a TConcreteConserve, the input checks, the books of its two tabs and the
// table handlers. The Qt dialog copies its widgets to and from this state; the command-line
// calculator uses it on its own. Texts are UTF-8.
#pragma once

#include <string>

#include "calc/EditDescription.h"
#include "calc/FormCommon.h"
#include "calc/Table.h"
#include "model/U_Class_ConcreteConserve.h"

namespace wcthrm::calc::concreteconserve {

inline constexpr int kTabCount = 2;
inline constexpr int kTabAverageTemp = 0;  // tsAverageTemp: mean temperature
inline constexpr int kTabTimeTemp = 1;     // tsTimeTemp: equivalent time or temperature
// How a RangeError for a tab the form does not have names it.
inline constexpr char kKindInWords[] = "concrete curing form";

// What the dialog's controls hold, each field named after its control.
struct Form {
  int activeTab = kTabAverageTemp;  // RzPageControl1
  std::string kxedtTemp;            // T3, ℃
  std::string kxedtInterval;        // reading interval, h or d
  std::string kxedtTimes;           // number of readings n
  Table advsgTemp;                  // column 1: readings ti, ℃
  int RadioGroup1 = 0;              // 0 equivalent time, 1 equivalent temperature
  std::string kxedtDlsj;            // t_do, h or d; shown when RadioGroup1 is 1
  std::string kxedtDlwd;            // T_do, ℃; shown when RadioGroup1 is 0
  Table advsgTemp2;                 // column 1: T_p, ℃; column 2: t, h or d

  bool operator==(const Form&) const = default;
};

// The dialog's numeric edits in its order, each with the settings the dialog gives it: at most
// 8 characters, Mydec 2, no minus sign, no formatting. The bounds are the ones "计算" tests
// (kxedtInterval, tested by nothing, keeps 0 and 0); the dialog sets no MinValue or MaxValue
// on these edits, so none applies its bounds when it is left.
// "计算" picks its rows by field: kxedtTemp and kxedtTimes on tab 0 (kxedtInterval is never
// tested), and on tab 1 only the edit that RadioGroup1 shows. The grids' cell editors
// (KxEdtLink1 to 3) hold no state of their own and have no row.
// clang-format off
inline const EditDescription<Form> kEdits[] = {
    {"kxedtTemp", &Form::kxedtTemp, kTabAverageTemp,
     {.lower = {5, true}, .upper = {80, true}, .integer = false, .negative = false,
      .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtInterval", &Form::kxedtInterval, kTabAverageTemp,
     {.lower = {0, true}, .upper = {0, true}, .integer = true, .negative = false,
      .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtTimes", &Form::kxedtTimes, kTabAverageTemp,
     {.lower = {1, true}, .upper = {100, true}, .integer = true, .negative = false,
      .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtDlsj", &Form::kxedtDlsj, kTabTimeTemp,
     {.lower = {0, false}, .upper = {10000, true}, .integer = false, .negative = false,
      .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtDlwd", &Form::kxedtDlwd, kTabTimeTemp,
     {.lower = {5, true}, .upper = {80, true}, .integer = false, .negative = false,
      .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
};
// clang-format on

// The cells' editors KxEdtLink1 to 3: decimal with two places, both ends included, no bounds.
inline constexpr EditSettings kCellSettings{
    .lower = {0, true}, .upper = {0, true}, .integer = false, .negative = false,
    .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
    .boundsOnEdit = false, .realMessage = false};
inline constexpr CellEditDescription kCellEdits[] = {
    {"advsgTemp", 1, "KxEdtLink1", kCellSettings, 349, 21},
    {"advsgTemp2", 1, "KxEdtLink2", kCellSettings, 179, 21},
    {"advsgTemp2", 2, "KxEdtLink3", kCellSettings, 179, 21},
};

// The dialog once it is shown: tab 0, the item's values, both tables sized and numbered.
Form Load(const TConcreteConserve& item);
// The item's values onto the controls as they stand ("调取默认值"): the active tab, the headers
// and the selections stay, and a table whose stored count lies outside 1 … 100 keeps its rows.
void LoadFromItem(const TConcreteConserve& item, Form& form);
// The controls back into the item. Throws ConversionError for an edit that holds no number;
// what was copied before stays copied.
void Store(const Form& form, TConcreteConserve& item);

// The checks of a tab, stopping at the first fault; nullopt when its book may be written.
// Throws RangeError for a tab outside 0 … kTabCount-1, as Book and the popup menu do.
CheckResult Check(const Form& form, int tab);
// "保存默认值" saves only when both tabs pass, first tab first.
CheckResult CheckForSaveDefaults(const Form& form);
// The book of a tab whose Check passed.
BookLines Book(const Form& form, int tab);

// Appends a data row numbered in column 0, its data cells empty.
void AddTableRow(Table& table);
// Removes the selected data rows and renumbers; the last data row is reset instead ("1", "0"
// and "0.00" in a third column), with the selection on cell (1,1).
void DeleteTableRows(Table& table);
// Adds rows at the end or removes them from the end until the table has n data rows.
void SetDataRows(Table& table, int n);

// Leaving the count edit (after the edit's own exit check): with 1 ≤ n ≤ 100 the readings
// table gets n data rows; any other text leaves it alone.
void KxedtTimesExit(Form& form);
// "增加(&A)": a row for the active tab's table; on tab 0 the count goes up by one.
// RangeError, and nothing changed, for an active tab the form does not have.
void NAdd2Click(Form& form);
// "删除(&D)": deletes in the active tab's table; on tab 0 the count becomes the number of
// readings rows that remain. RangeError, and nothing changed, for an active tab the form does
// not have.
void NDlt2Click(Form& form);

}  // namespace wcthrm::calc::concreteconserve
