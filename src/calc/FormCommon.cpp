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

}  // namespace

CheckResult CheckEdit(const std::string& control, const std::string& text, Bound lower,
                      Bound upper, const std::string& message) {
  auto value = ParseDecimal(text);
  if (TrimBlanks(text).empty() || !value || Below(*value, lower) || Above(*value, upper)) {
    return Fault{control, -1, -1, message};
  }
  return std::nullopt;
}

CheckResult CheckCell(const std::string& table, int col, int row, const std::string& text,
                      Bound lower, Bound upper, const std::string& message) {
  auto value = ParseDecimal(text);
  if (text.empty() || !IsNumberText(text) || !value || Below(*value, lower) ||
      Above(*value, upper)) {
    return Fault{table, col, row, message};
  }
  return std::nullopt;
}

CheckResult CheckCellNumber(const std::string& table, int col, int row, const std::string& text,
                            Bound lower, Bound upper, const std::string& message) {
  auto value = ParseDecimal(text);
  if (TrimBlanks(text).empty() || !value || Below(*value, lower) || Above(*value, upper)) {
    return Fault{table, col, row, message};
  }
  return std::nullopt;
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
