// What every form state shares: faults that name a control, book lines, and the number
// texts and checks of the dialogs. Texts here are UTF-8 (the items hold GBK; Load and Store
// convert at the edge).
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <string>
#include <vector>

namespace wcthrm::calc {

// The first failing input of a check: an edit (col and row -1) or a table cell.
struct Fault {
  std::string control;  // object name: "kxedtCjwd", "advsgTmpOfFinish"
  int col = -1;
  int row = -1;
  std::string message;  // exactly as the dialog shows it

  bool IsCell() const { return col >= 0; }
  // "kxedtCjwd" or "advsgTmpOfFinish(1,1)"
  std::string Where() const;
  bool operator==(const Fault&) const = default;
};

using CheckResult = std::optional<Fault>;

// Book lines with "$…$" (subscript) and "#…#" (superscript) mark-up, UTF-8.
using BookLines = std::vector<std::string>;

// One bound of an accepted range.
struct Bound {
  double value;
  bool included;
};

// An edit's check: empty text, then a text that is no number, then the lower and the upper
// bound; each failure gives message.
CheckResult CheckEdit(const std::string& control, const std::string& text, Bound lower,
                      Bound upper, const std::string& message);

// A table cell's check: empty, not a number text (IsNumberText), no number, lower, upper.
CheckResult CheckCell(const std::string& table, int col, int row, const std::string& text,
                      Bound lower, Bound upper, const std::string& message);

// A table cell's check with the ordinary decimal conversion only (no IsNumberText): empty, no
// number, lower, upper; "+5", ".5" and "1e2" are numbers here.
CheckResult CheckCellNumber(const std::string& table, int col, int row, const std::string& text,
                            Bound lower, Bound upper, const std::string& message);

// The position of the item whose text, trimmed of blanks and control characters, equals
// text trimmed alike, or -1: how a combo box finds a stored choice.
int IndexOfTrimmed(std::string_view text, std::span<const std::string> items);

// The number in an edit or cell text that passed its check.
double Num(const std::string& text);
// The same in extended precision, for results printed in full (NumberText).
long double NumX(const std::string& text);

// An edit's number times factor, rounded to two decimals (the book's input text).
std::string EditValueText(const std::string& text, double factor = 1.0);

}  // namespace wcthrm::calc
