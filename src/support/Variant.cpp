#include "Variant.h"

#include <cmath>

#include "Errors.h"
#include "Gbk.h"
#include "NumberText.h"

namespace wcthrm {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

int32_t DoubleToInt(double d) {
  double r = std::nearbyint(d);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
    throw ConversionError("'" + NumberText(d) + "' is not a valid integer value");
  }
  return static_cast<int32_t>(r);
}

}  // namespace

int32_t Variant::ToInt() const {
  switch (kind()) {
    case Kind::Empty: return 0;
    case Kind::Int: return std::get<int32_t>(value_);
    case Kind::Double: return DoubleToInt(std::get<double>(value_));
    case Kind::Bool: return std::get<bool>(value_) ? -1 : 0;
    case Kind::Text: return StrToInt(std::get<std::string>(value_));
  }
  return 0;
}

double Variant::ToDouble() const {
  switch (kind()) {
    case Kind::Empty: return 0.0;
    case Kind::Int: return std::get<int32_t>(value_);
    case Kind::Double: return std::get<double>(value_);
    case Kind::Bool: return std::get<bool>(value_) ? -1.0 : 0.0;
    case Kind::Text: return StrToFloat(std::get<std::string>(value_));
  }
  return 0.0;
}

bool Variant::ToBool() const {
  switch (kind()) {
    case Kind::Empty: return false;
    case Kind::Int: return std::get<int32_t>(value_) != 0;
    case Kind::Double: return std::get<double>(value_) != 0.0;
    case Kind::Bool: return std::get<bool>(value_);
    case Kind::Text: {
      std::string_view t = TrimBlanks(std::get<std::string>(value_));
      if (EqualsIgnoringCase(t, "True")) return true;
      if (EqualsIgnoringCase(t, "False")) return false;
      if (auto d = ParseDecimal(t)) return *d != 0.0;
      throw ConversionError("'" + MessageText(std::get<std::string>(value_)) +
                            "' is not a valid boolean value");
    }
  }
  return false;
}

std::string Variant::ToText() const {
  switch (kind()) {
    case Kind::Empty: return {};
    case Kind::Int: return IntToText(std::get<int32_t>(value_));
    case Kind::Double: return NumberText(std::get<double>(value_));
    case Kind::Bool: return std::get<bool>(value_) ? "True" : "False";
    case Kind::Text: return std::get<std::string>(value_);
  }
  return {};
}

}  // namespace wcthrm
