// The transport and placing dialog's state without the drawing: what its controls hold,
// how the item fills them and is filled from them, the input checks of both tabs and the two
// calculation books. The Qt dialog and the command-line calculator both run these functions.
#pragma once

#include <string>
#include <string_view>

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

// The numeric edits: object name, field and the tab that holds them, in tab order.
struct EditRef {
  const char* name;
  std::string Form::*text;
  int tab;
};
inline constexpr EditRef kEdits[] = {
    {"kxedtCjwd", &Form::kxedtCjwd, kTransportTab},
    {"kxedtHjwd", &Form::kxedtHjwd, kTransportTab},
    {"kxedtYsdjzdsj", &Form::kxedtYsdjzdsj, kTransportTab},
    {"kxedtWdssxs", &Form::kxedtWdssxs, kTransportTab},
    {"kxedtYzcs", &Form::kxedtYzcs, kTransportTab},
    {"kxedtWendu", &Form::kxedtWendu, kPlacingTab},
    {"kxedtZhiliang", &Form::kxedtZhiliang, kPlacingTab},
    {"kxedtHntbrr", &Form::kxedtHntbrr, kPlacingTab},
};

// What the dialog shows once open: the item's values, the table headers, tab 0.
Form Load(const TTongTransitIrrigate& item);

// Copies the controls into the item in the dialog's order. An edit text that is no number
// throws ConversionError; the properties copied before it keep their new values.
void Store(const Form& form, TTongTransitIrrigate& item);

// The checks of tab, then (tab 1) the guard against a zero total heat capacity. Tabs other
// than 0 and 1 pass.
CheckResult Check(const Form& form, int tab);

// The input checks of both tabs, transport first, as "保存默认值" runs them.
CheckResult CheckForSaveDefaults(const Form& form);

// The tab whose page holds the faulty control, so a dialog can bring it into view.
int TabOf(const Fault& fault);

// The three book lines of tab; call only after Check passed. Empty for other tabs.
BookLines Book(const Form& form, int tab);

}  // namespace wcthrm::calc::tongtransitirrigate
