// The transport and placing dialog's state without the drawing: what its controls hold,
// how the item fills them and is filled from them, the input checks of both tabs and the two
// calculation books. The Qt dialog and the command-line calculator both run these functions.
#pragma once

#include <string>
#include <string_view>

#include "calc/EditDescription.h"
#include "calc/FormCommon.h"
#include "calc/Table.h"
#include "model/U_Class_TongTransitIrrigate.h"

namespace wcthrm::calc::tongtransitirrigate {

inline constexpr int kTabCount = 2;
inline constexpr int kTransportTab = 0;  // tsMaterialHeat: T2 after transport
inline constexpr int kPlacingTab = 1;    // tsTongTemp: T3 after placing

// The formwork and steel table: column 0 and row 0 are the fixed headers, column 1 is the
// formwork, column 2 the steel; row 1 specific heat, row 2 mass, row 3 temperature.
inline constexpr const char* kTable = "advsgTmpOfFinish";
inline constexpr int kTableCols = 3;
inline constexpr int kTableRows = 4;

// UTF-8 texts of the controls, each field named like its control.
struct Form {
  // Tab 0.
  std::string kxedtCjwd;
  std::string kxedtWdssxs;
  std::string kxedtYsdjzdsj;
  std::string kxedtYzcs;
  std::string kxedtHjwd;
  // Tab 1.
  Table advsgTmpOfFinish = Table::Sized(kTableCols, kTableRows);
  std::string kxedtWendu;
  std::string kxedtZhiliang;
  std::string kxedtHntbrr;
  int activeTab = kTransportTab;  // RzPageControl1

  bool operator==(const Form&) const = default;
};

// The dialog's numeric edits in its tab order, each with every setting the dialog gives it.
// The dialog sets no MinValue or MaxValue, so leaving an edit tests no range (boundsOnEdit is
// off); the bounds and ends are those "计算" accepts.
constexpr EditSettings Edit(Bound lower, Bound upper, int decimals, bool integer = false,
                            bool negative = false) {
  return {.lower = lower, .upper = upper, .integer = integer, .negative = negative,
          .decimals = decimals, .formatted = false, .upperApplies = true, .maxLength = 8,
          .boundsOnEdit = false, .realMessage = false};
}
// clang-format off
inline constexpr EditDescription<Form> kEdits[] = {
    {"kxedtCjwd", &Form::kxedtCjwd, kTransportTab, Edit({5, true}, {100, true}, 3)},
    {"kxedtHjwd", &Form::kxedtHjwd, kTransportTab, Edit({-50, true}, {50, true}, 3, false, true)},
    {"kxedtYsdjzdsj", &Form::kxedtYsdjzdsj, kTransportTab, Edit({0, false}, {5, true}, 3)},
    {"kxedtWdssxs", &Form::kxedtWdssxs, kTransportTab, Edit({0, true}, {1, true}, 3)},
    {"kxedtYzcs", &Form::kxedtYzcs, kTransportTab, Edit({1, true}, {10, true}, 3, true)},
    {"kxedtWendu", &Form::kxedtWendu, kPlacingTab, Edit({5, true}, {80, true}, 2)},
    {"kxedtZhiliang", &Form::kxedtZhiliang, kPlacingTab, Edit({0, false}, {5000, true}, 2)},
    {"kxedtHntbrr", &Form::kxedtHntbrr, kPlacingTab, Edit({0, false}, {10, true}, 2)},
};

// Every edit of each tab, in the order "计算" tests them, which is not the dialog's order.
inline constexpr std::string Form::* kTransportChecks[] = {
    &Form::kxedtCjwd, &Form::kxedtWdssxs, &Form::kxedtYsdjzdsj, &Form::kxedtYzcs, &Form::kxedtHjwd,
};
// Tested after the table.
inline constexpr std::string Form::* kPlacingChecks[] = {
    &Form::kxedtWendu, &Form::kxedtZhiliang, &Form::kxedtHntbrr,
};
// clang-format on

// What the dialog shows once open: the item's values, the table headers, tab 0.
Form Load(const TTongTransitIrrigate& item);

// Copies the controls into the item in the dialog's order. An edit text that is no number
// throws ConversionError; the properties copied before it keep their new values.
void Store(const Form& form, TTongTransitIrrigate& item);

// The checks of tab, then (tab 1) the guard against a zero total heat capacity. Any other tab
// throws RangeError.
CheckResult Check(const Form& form, int tab);

// The input checks of both tabs, transport first, as "保存默认值" runs them.
CheckResult CheckForSaveDefaults(const Form& form);

// The tab whose page holds the faulty control, so a dialog can bring it into view.
int TabOf(const Fault& fault);

// The three book lines of tab; call only after Check passed. Any other tab throws RangeError.
BookLines Book(const Form& form, int tab);

}  // namespace wcthrm::calc::tongtransitirrigate
