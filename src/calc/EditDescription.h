// One description per numeric edit: its object name, its field in the form state, its tab and
// the settings its dialog gives the edit (bounds and ends, whole or real, minus sign,
// decimals). The check of "计算" and the edit's own exit check both read it, and both say
// the same range message, built here from the bounds.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/FormCommon.h"

namespace wcthrm::calc {

struct EditSettings {
  Bound lower{0, true};       // MinValue, IncludeLowerLimitValue
  Bound upper{0, true};       // MaxValue, IncludeUpperLimitValue
  bool integer = false;       // EditType EditInt, else EditFloat
  bool negative = false;      // CanNegative: a minus sign may be typed
  int decimals = 2;           // Mydec
  bool formatted = false;     // FormatNumPoint: rewritten with `decimals` decimals on leaving
  bool upperApplies = true;   // SetMaxValue
  int maxLength = 8;
  // The edit itself applies the bounds when it is left. Without it the dialog leaves the
  // edit unbounded (MinValue = MaxValue = 0) and only the checks of "计算" test the range.
  bool boundsOnEdit = true;
  // The checks of "计算" take the edit as real even when it takes whole numbers: any number
  // in range passes, and the range message speaks of real numbers ("之间的实数！").
  bool realMessage = false;
};

// The numeric editor of a table column, which the dialog opens in the column's cells: the
// editor only takes and normalises what is typed; the form's checks test the cells.
struct CellEditDescription {
  const char* table;   // the table's object name
  int col;             // its column
  const char* editor;  // the editor's object name
  EditSettings settings;
  int width;  // the editor's fixed size in pixels
  int height;
};

// The message of a value outside the settings' range, with the bounds written as the edit
// writes them: "请输入 0 (不包含) 到 10 (包含) 之间的实数！".
std::string RangeMessage(const EditSettings& settings);

template <class Form>
struct EditDescription {
  const char* control;      // object name, which is also the name of the form's field
  std::string Form::*text;  // the edit's text in the form state
  int tab;                  // the page that holds the edit
  EditSettings settings;
};

// The edit's check as "计算" runs it: empty, no number (no whole number for a whole-number
// edit), below, above (when the upper bound applies); the fault names the edit and carries
// its range message.
CheckResult CheckEdit(const char* control, const std::string& text, const EditSettings& settings);

template <class Form>
CheckResult CheckEdit(const Form& form, const EditDescription<Form>& edit) {
  return CheckEdit(edit.control, form.*edit.text, edit.settings);
}

// The row of edits named control; std::out_of_range for a name that has none.
template <class Edits>
const auto& FindEdit(const Edits& edits, std::string_view control) {
  for (const auto& e : edits)
    if (control == e.control) return e;
  throw std::out_of_range("no numeric edit " + std::string(control));
}

// The first failing edit of tab among edits, in their order.
template <class Form, class Edits>
CheckResult CheckTabEdits(const Form& form, const Edits& edits, int tab) {
  for (const EditDescription<Form>& e : edits) {
    if (e.tab != tab) continue;
    if (CheckResult fault = CheckEdit(form, e)) return fault;
  }
  return std::nullopt;
}

// Throws RangeError unless 0 <= tab < tabs: a form has no other tabs, and asking for one is a
// fault of the caller, never an empty check or book.
void RequireTab(int tab, int tabs, const char* kind);

}  // namespace wcthrm::calc
