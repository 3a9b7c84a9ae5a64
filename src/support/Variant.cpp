#include "support/Variant.h"

#include <cmath>
#include <cstring>

#include "support/Errors.h"
#include "support/Gbk.h"
#include "support/NumberText.h"

namespace wcthrm {

namespace {

int32_t DoubleToInt(double d) {
  double r = std::nearbyint(d);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
    throw ConversionError(NumberText(d), "is not an integer", "is not a valid integer value");
  }
  return static_cast<int32_t>(r);
}

}  // namespace

void Variant::SetText(std::string_view text) {
  if (text.size() <= kInlineCapacity) {
    s_.kind = Kind::Text;
    s_.length = static_cast<uint8_t>(text.size());
    std::memcpy(s_.text, text.data(), text.size());
    s_.text[text.size()] = '\0';
  } else {
    h_ = {Kind::Text, kOnHeap, {}, static_cast<uint32_t>(text.size()), new char[text.size() + 1]};
    std::memcpy(h_.data, text.data(), text.size());
    h_.data[text.size()] = '\0';
  }
}

void Variant::Release() {
  if (OnHeap()) delete[] h_.data;
  n_ = {Kind::Empty, {}, {}};
}

Variant::Variant(const Variant& other) {
  if (other.OnHeap()) {
    SetText(other.TextView());
  } else {
    std::memcpy(static_cast<void*>(this), &other, sizeof(Variant));
  }
}

Variant::Variant(Variant&& other) noexcept {
  std::memcpy(static_cast<void*>(this), &other, sizeof(Variant));
  other.n_ = {Kind::Empty, {}, {}};
}

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) {
    Variant copy(other);
    *this = std::move(copy);
  }
  return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    Release();
    std::memcpy(static_cast<void*>(this), &other, sizeof(Variant));
    other.n_ = {Kind::Empty, {}, {}};
  }
  return *this;
}

const char* Variant::TextData() const {
  if (kind() != Kind::Text) return nullptr;
  return OnHeap() ? h_.data : s_.text;
}

std::string_view Variant::TextView() const {
  if (kind() != Kind::Text) return {};
  return OnHeap() ? std::string_view(h_.data, h_.size) : std::string_view(s_.text, s_.length);
}

bool Variant::operator==(const Variant& other) const {
  if (kind() != other.kind()) return false;
  switch (kind()) {
    case Kind::Empty:
      return true;
    case Kind::Int:
      return n_.i == other.n_.i;
    case Kind::Double:
      return n_.d == other.n_.d;
    case Kind::Bool:
      return n_.b == other.n_.b;
    case Kind::Text:
      return TextView() == other.TextView();
  }
  return false;
}

int32_t Variant::ToInt() const {
  switch (kind()) {
    case Kind::Empty:
      return 0;
    case Kind::Int:
      return n_.i;
    case Kind::Double:
      return DoubleToInt(n_.d);
    case Kind::Bool:
      return n_.b ? -1 : 0;
    case Kind::Text:
      return StrToInt(TextView());
  }
  return 0;
}

double Variant::ToDouble() const {
  switch (kind()) {
    case Kind::Empty:
      return 0.0;
    case Kind::Int:
      return n_.i;
    case Kind::Double:
      return n_.d;
    case Kind::Bool:
      return n_.b ? -1.0 : 0.0;
    case Kind::Text:
      return StrToFloat(TextView());
  }
  return 0.0;
}

bool Variant::ToBool() const {
  switch (kind()) {
    case Kind::Empty:
      return false;
    case Kind::Int:
      return n_.i != 0;
    case Kind::Double:
      return n_.d != 0.0;
    case Kind::Bool:
      return n_.b;
    case Kind::Text: {
      std::string_view t = TrimBlanks(TextView());
      if (EqualsIgnoringAsciiCase(t, "True")) return true;
      if (EqualsIgnoringAsciiCase(t, "False")) return false;
      if (auto d = ParseDecimal(t)) return *d != 0.0;
      throw ConversionError(MessageText(TextView()), "is not True or False",
                            "is not a valid boolean value");
    }
  }
  return false;
}

std::string Variant::ToText() const {
  switch (kind()) {
    case Kind::Empty:
      return {};
    case Kind::Int:
      return IntToText(n_.i);
    case Kind::Double:
      return NumberText(n_.d);
    case Kind::Bool:
      return n_.b ? "True" : "False";
    case Kind::Text:
      return std::string(TextView());
  }
  return {};
}

}  // namespace wcthrm
