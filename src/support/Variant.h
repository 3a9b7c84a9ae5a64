// The value of a named entry: empty, 32-bit integer, double, Boolean or GBK text, with the
// conversions the items apply when they read a value back. Sixteen bytes: short texts (up to
// 13 bytes, as table cells are) live inline, longer ones on the heap, so a list of thousands
// of entries stays small.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wcthrm {

class Variant {
 public:
  enum class Kind : uint8_t { Empty, Int, Double, Bool, Text };

  Variant() { n_ = {Kind::Empty, {}, {}}; }
  Variant(int32_t v) { n_ = {Kind::Int, {}, {}}; n_.i = v; }
  Variant(double v) { n_ = {Kind::Double, {}, {}}; n_.d = v; }
  Variant(bool v) { n_ = {Kind::Bool, {}, {}}; n_.b = v; }
  Variant(std::string_view v) { SetText(v); }
  Variant(const std::string& v) { SetText(v); }
  Variant(const char* v) { SetText(v); }

  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant() { Release(); }

  Kind kind() const { return n_.kind; }
  bool IsEmpty() const { return kind() == Kind::Empty; }

  // Each conversion throws ConversionError when the value does not convert.
  int32_t ToInt() const;        // text: sign and digits; double: rounded half to even
  double ToDouble() const;      // text: the decimal conversion
  bool ToBool() const;          // text: "True"/"False" in any case, or a number (non-zero)
  std::string ToText() const;   // Boolean "True"/"False", double NumberText, integer digits

  // The stored text, zero-terminated, valid while the value is unchanged; nullptr unless
  // the kind is Text.
  const char* TextData() const;
  std::string_view TextView() const;  // empty unless the kind is Text

  bool operator==(const Variant& other) const;

 private:
  static constexpr uint8_t kOnHeap = 0xFF;
  static constexpr size_t kInlineCapacity = 13;  // plus the zero byte

  void SetText(std::string_view text);
  void Release();
  bool OnHeap() const { return kind() == Kind::Text && s_.length == kOnHeap; }

  // Three views of the same 16 bytes, sharing the kind as first member.
  struct Small {
    Kind kind;
    uint8_t length;  // kOnHeap: the text is in Heap
    char text[kInlineCapacity + 1];
  };
  struct Heap {
    Kind kind;
    uint8_t length;
    uint8_t unused[2];
    uint32_t size;
    char* data;
  };
  struct Number {
    Kind kind;
    uint8_t unused[7];
    union {
      int32_t i;
      double d;
      bool b;
    };
  };
  union {
    Small s_;
    Heap h_;
    Number n_;
  };
};

static_assert(sizeof(Variant) == 16, "a Variant takes sixteen bytes");

}  // namespace wcthrm
