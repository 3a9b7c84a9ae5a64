// The value of a named entry: empty, 32-bit integer, double, Boolean or GBK text, with the
// conversions the items apply when they read a value back.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace wcthrm {

class Variant {
 public:
  enum class Kind { Empty, Int, Double, Bool, Text };

  Variant() = default;
  Variant(int32_t v) : value_(v) {}
  Variant(double v) : value_(v) {}
  Variant(bool v) : value_(v) {}
  Variant(std::string v) : value_(std::move(v)) {}
  Variant(const char* v) : value_(std::string(v)) {}

  Kind kind() const { return static_cast<Kind>(value_.index()); }
  bool IsEmpty() const { return kind() == Kind::Empty; }

  // Each conversion throws ConversionError when the value does not convert.
  int32_t ToInt() const;        // text: sign and digits; double: rounded half to even
  double ToDouble() const;      // text: the decimal conversion
  bool ToBool() const;          // text: "True"/"False" in any case, or a number (non-zero)
  std::string ToText() const;   // Boolean "True"/"False", double NumberText, integer digits

  // The stored text itself; nullptr unless the kind is Text.
  const std::string* TextPtr() const { return std::get_if<std::string>(&value_); }

  bool operator==(const Variant&) const = default;

 private:
  std::variant<std::monostate, int32_t, double, bool, std::string> value_;
};

}  // namespace wcthrm
