#include "calc/FormCommon.h"

#include "support/NumberText.h"

namespace wcthrm::calc {

std::string Fault::Where() const {
  if (!IsCell()) return control;
  return control + "(" + std::to_string(col) + "," + std::to_string(row) + ")";
}

namespace {

bool Below(double x, Bound b) { return b.included ? x < b.value : x <= b.value; }
bool Above(double x, Bound b) { return b.included ? x > b.value : x >= b.value; }

// The one range test behind every edit and cell check: empty, no number, lower, upper.
bool InRange(const std::string& text, Bound lower, Bound upper) {
  auto value = ParseDecimal(text);
  return !TrimBlanks(text).empty() && value && !Below(*value, lower) && !Above(*value, upper);
}

}  // namespace

CheckResult CheckEdit(const std::string& control, const std::string& text, Bound lower,
                      Bound upper, const std::string& message) {
  if (InRange(text, lower, upper)) return std::nullopt;
  return Fault{control, -1, -1, message};
}

CheckResult CheckCell(const std::string& table, int col, int row, const std::string& text,
                      Bound lower, Bound upper, const std::string& message) {
  if (IsNumberText(text) && InRange(text, lower, upper)) return std::nullopt;
  return Fault{table, col, row, message};
}

CheckResult CheckCellNumber(const std::string& table, int col, int row, const std::string& text,
                            Bound lower, Bound upper, const std::string& message) {
  if (InRange(text, lower, upper)) return std::nullopt;
  return Fault{table, col, row, message};
}

int IndexOfTrimmed(std::string_view text, std::span<const std::string> items) {
  const std::string_view wanted = TrimBlanks(text);
  for (size_t i = 0; i < items.size(); ++i)
    if (TrimBlanks(items[i]) == wanted) return static_cast<int>(i);
  return -1;
}

double Num(const std::string& text) { return StrToFloat(text); }

long double NumX(const std::string& text) { return StrToExtended(text); }

std::string EditValueText(const std::string& text, double factor) {
  return RoundToStr(2, StrToFloat(text) * factor);
}

}  // namespace wcthrm::calc
