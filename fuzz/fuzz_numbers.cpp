// fuzz_numbers: the number texts and conversions of src/support on arbitrary bytes.
// ParseDecimal and ParseInt are held against strtod and strtoll within their documented
// grammar, NumberText and RoundToStr must read back, Variant conversions may throw only
// ConversionError, and valid UTF-8 must survive the trip through GBK.
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "support/Errors.h"
#include "FuzzCheck.h"
#include "support/Gbk.h"
#include "support/NumberText.h"
#include "support/Variant.h"

namespace {

using wcthrm::fuzz::Escaped;
using wcthrm::fuzz::Fail;

// Number conversions look at short texts; longer inputs only slow the run down.
constexpr size_t kMaxText = 400;

std::string_view Blankless(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
  return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// ParseDecimal's grammar on a blankless text: sign, digits with at most one '.', at least one
// digit, then optionally e or E, a sign and at least one digit.
bool IsDecimalText(std::string_view t) {
  size_t i = 0, digits = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == t.size();
}

bool IsIntegerText(std::string_view t) {
  if (!t.empty() && (t[0] == '+' || t[0] == '-')) t.remove_prefix(1);
  if (t.empty()) return false;
  for (char c : t)
    if (!IsDigit(c)) return false;
  return true;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string Shown(double d) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17g", d);
  return buf;
}

std::string Shown(std::optional<double> d) { return d ? Shown(*d) : "(none)"; }

void CheckDecimal(std::string_view text) {
  const std::optional<double> got = wcthrm::ParseDecimal(text);
  const std::string_view t = Blankless(text);
  std::optional<double> want;
  if (IsDecimalText(t)) {
    const std::string body(t);
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(body.c_str(), &end);
    FUZZ_CHECK(end == body.c_str() + body.size(), "strtod stopped early on " + Escaped(text));
    if (!std::isinf(v)) want = v;  // beyond the range of a double is no number
  }
  FUZZ_CHECK(got.has_value() == want.has_value() && (!got || SameBits(*got, *want)),
             "ParseDecimal(" + Escaped(text) + ") gave " + Shown(got) + ", strtod " + Shown(want));
  try {
    const double v = wcthrm::StrToFloat(text);
    FUZZ_CHECK(got && SameBits(v, *got), "StrToFloat(" + Escaped(text) + ") gave " + Shown(v) +
                                             ", ParseDecimal " + Shown(got));
  } catch (const wcthrm::ConversionError&) {
    FUZZ_CHECK(!got, "StrToFloat(" + Escaped(text) + ") refused what ParseDecimal reads");
  } catch (const std::exception& e) {
    Fail("StrToFloat(" + Escaped(text) + ") threw " + wcthrm::fuzz::Describe(e));
  }
}

void CheckInteger(std::string_view text) {
  const std::optional<int32_t> got = wcthrm::ParseInt(text);
  const std::string_view t = Blankless(text);
  std::optional<int32_t> want;
  if (IsIntegerText(t)) {
    const std::string body(t);
    errno = 0;
    const long long v = std::strtoll(body.c_str(), nullptr, 10);
    if (errno != ERANGE && v >= INT32_MIN && v <= INT32_MAX) want = static_cast<int32_t>(v);
  }
  FUZZ_CHECK(got == want, "ParseInt(" + Escaped(text) + ") gave " +
                              (got ? std::to_string(*got) : "(none)") + ", strtoll " +
                              (want ? std::to_string(*want) : "(none)"));
  try {
    const int32_t v = wcthrm::StrToInt(text);
    FUZZ_CHECK(got && v == *got, "StrToInt(" + Escaped(text) + ") disagrees with ParseInt");
  } catch (const wcthrm::ConversionError&) {
    FUZZ_CHECK(!got, "StrToInt(" + Escaped(text) + ") refused what ParseInt reads");
  } catch (const std::exception& e) {
    Fail("StrToInt(" + Escaped(text) + ") threw " + wcthrm::fuzz::Describe(e));
  }
}

// NumberText's form: sign, digits, a fraction without trailing zeros, an exponent "E-x".
bool IsGeneralForm(std::string_view s) {
  if (!s.empty() && s[0] == '-') s.remove_prefix(1);
  const std::string_view mantissa = s.substr(0, s.find('E'));
  if (s.size() > mantissa.size()) {
    std::string_view exponent = s.substr(mantissa.size() + 1);
    if (!exponent.empty() && exponent[0] == '-') exponent.remove_prefix(1);
    if (!IsIntegerText(exponent) || exponent[0] == '+') return false;
  }
  const size_t point = mantissa.find('.');
  if (!IsIntegerText(mantissa.substr(0, point)) || mantissa[0] == '+') return false;
  if (point == std::string_view::npos) return true;
  const std::string_view fraction = mantissa.substr(point + 1);
  return IsIntegerText(fraction) && fraction[0] != '+' && fraction.back() != '0';
}

size_t SignificantDigits(std::string_view s) {
  s = s.substr(0, s.find('E'));
  size_t count = 0;
  bool leading = true;
  for (char c : s) {
    if (!IsDigit(c)) continue;
    if (c != '0') leading = false;
    if (!leading) ++count;
  }
  return count;
}

void CheckNumberText(double d, const char* from) {
  const std::string s = wcthrm::NumberText(d);
  const std::string call =
      std::string("NumberText(") + Shown(d) + ") [" + from + "] = " + Escaped(s);
  if (std::isnan(d)) {
    FUZZ_CHECK(s == "NAN", call + ", expected NAN");
    return;
  }
  if (std::isinf(d)) {
    FUZZ_CHECK(s == (d > 0 ? "INF" : "-INF"), call + ", expected INF or -INF");
    return;
  }
  FUZZ_CHECK(IsGeneralForm(s), call + " is not a plain decimal text");
  FUZZ_CHECK(SignificantDigits(s) <= 15, call + " has more than 15 significant digits");
  const std::optional<double> back = wcthrm::ParseDecimal(s);
  FUZZ_CHECK(back && std::isfinite(*back), call + ", which ParseDecimal does not read back");
  // The text must mean d correctly rounded to 15 significant digits, which "%.14e" writes;
  // only where that rounding passes the largest double may the digits be cut instead.
  char rounded[40];
  std::snprintf(rounded, sizeof rounded, "%.14e", d);
  const double expected = std::strtod(rounded, nullptr);
  if (std::isinf(expected)) {
    FUZZ_CHECK(std::fabs(*back) <= std::fabs(d) && std::fabs(*back - d) <= 1e-14 * std::fabs(d),
               call + " reads back as " + Shown(*back) + ", not d cut to 15 digits");
  } else {
    FUZZ_CHECK(*back == expected, call + " reads back as " + Shown(*back) + ", not as " +
                                      rounded + ", d rounded to 15 digits");
  }
}

void CheckRoundToStr(double d, int n) {
  const int mode = std::fegetround();
  std::string s;
  try {
    s = wcthrm::RoundToStr(n, d);
  } catch (const std::exception& e) {
    Fail("RoundToStr(" + std::to_string(n) + ", " + Shown(d) + ") threw " +
         wcthrm::fuzz::Describe(e));
  }
  FUZZ_CHECK(std::fegetround() == mode, "RoundToStr changed the rounding mode");
  if (std::isfinite(d)) {
    const std::optional<double> back = wcthrm::ParseDecimal(s);
    FUZZ_CHECK(back && std::isfinite(*back), "RoundToStr(" + std::to_string(n) + ", " + Shown(d) +
                                                 ") = " + Escaped(s) +
                                                 ", which ParseDecimal does not read back");
  }
  const int outside = n >= 0 ? 38 + n : -38 + n;
  try {
    wcthrm::RoundToStr(outside, d);
    Fail("RoundToStr(" + std::to_string(outside) + ", ...) accepted decimals beyond 37");
  } catch (const wcthrm::RangeError&) {
  }
}

void CheckVariant(const wcthrm::Variant& v, const std::string& what) {
  auto guarded = [&](const char* op, auto&& call) {
    wcthrm::fuzz::OnlyConversionError(what + "." + op + "()", call);
  };
  guarded("ToInt", [&] { (void)v.ToInt(); });
  guarded("ToDouble", [&] { (void)v.ToDouble(); });
  guarded("ToBool", [&] { (void)v.ToBool(); });
  guarded("ToText", [&] { (void)v.ToText(); });
  const wcthrm::Variant copy(v);
  FUZZ_CHECK(
      copy.kind() == v.kind() && copy.TextView() == v.TextView() &&
          (copy == v || (v.kind() == wcthrm::Variant::Kind::Double && std::isnan(v.ToDouble()))),
      what + ": a copy differs from the original");
}

void CheckTextVariant(std::string_view text) {
  const wcthrm::Variant v(text);
  const std::string what = "Variant(" + Escaped(text) + ")";
  CheckVariant(v, what);
  FUZZ_CHECK(v.TextView() == text && v.ToText() == text, what + " does not keep its text");
  std::optional<int32_t> asInt;
  wcthrm::fuzz::OnlyConversionError(what + ".ToInt()", [&] { asInt = v.ToInt(); });
  FUZZ_CHECK(asInt == wcthrm::ParseInt(text), what + ".ToInt() disagrees with ParseInt");
  std::optional<double> asDouble;
  wcthrm::fuzz::OnlyConversionError(what + ".ToDouble()", [&] { asDouble = v.ToDouble(); });
  const std::optional<double> parsed = wcthrm::ParseDecimal(text);
  FUZZ_CHECK(
      asDouble.has_value() == parsed.has_value() && (!asDouble || SameBits(*asDouble, *parsed)),
      what + ".ToDouble() gave " + Shown(asDouble) + ", ParseDecimal " + Shown(parsed));
}

// Strict UTF-8: no overlong form, no surrogate, nothing beyond U+10FFFF.
bool IsStrictUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n;
    uint32_t cp;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      n = 1, cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      n = 2, cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      n = 3, cp = c & 0x07;
    } else {
      return false;
    }
    if (i + n >= s.size()) return false;  // a truncated sequence
    for (size_t k = 1; k <= n; ++k) {
      const unsigned char t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (t & 0x3F);
    }
    const uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n + 1;
  }
  return true;
}

void CheckGbk(std::string_view bytes) {
  const std::string fromGbk = wcthrm::FromGbk(bytes);
  FUZZ_CHECK(IsStrictUtf8(fromGbk),
             "FromGbk(" + Escaped(bytes) + ") = " + Escaped(fromGbk) + " is not UTF-8");
  const std::string message = wcthrm::MessageText(bytes);
  FUZZ_CHECK(IsStrictUtf8(message),
             "MessageText(" + Escaped(bytes) + ") = " + Escaped(message) + " is not UTF-8");
  const std::string gbk = wcthrm::ToGbk(bytes);
  if (IsStrictUtf8(bytes)) {
    const std::string back = wcthrm::FromGbk(gbk);
    FUZZ_CHECK(back == bytes, "UTF-8 " + Escaped(bytes) + " -> ToGbk " + Escaped(gbk) +
                                  " -> FromGbk " + Escaped(back));
    FUZZ_CHECK(message == bytes, "MessageText changed the UTF-8 text " + Escaped(bytes));
  }
}

double DoubleAt(const uint8_t* data, size_t size) {
  uint8_t bytes[8] = {};
  std::memcpy(bytes, data, size < 8 ? size : 8);
  double d;
  std::memcpy(&d, bytes, sizeof d);
  return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data),
                              size < kMaxText ? size : kMaxText);

  CheckDecimal(text);
  CheckInteger(text);
  CheckTextVariant(text);
  CheckGbk(text);

  // Doubles from the raw bytes reach NaN payloads, infinities and subnormals; the value of
  // the text reaches the decimal numbers a user types.
  const double raw = DoubleAt(data, size);
  const int decimals = size > 0 ? static_cast<int>(data[size - 1] % 75) - 37 : 0;
  CheckNumberText(raw, "raw bytes");
  CheckRoundToStr(raw, decimals);
  if (const std::optional<double> typed = wcthrm::ParseDecimal(text)) {
    CheckNumberText(*typed, "text");
    CheckRoundToStr(*typed, decimals);
  }

  int32_t i = 0;
  std::memcpy(&i, data, size < 4 ? size : 4);
  CheckVariant(wcthrm::Variant(i), "Variant(int32 " + std::to_string(i) + ")");
  CheckVariant(wcthrm::Variant(raw), "Variant(double " + Shown(raw) + ")");
  CheckVariant(wcthrm::Variant(size > 0 && (data[0] & 1)), "Variant(bool)");
  CheckVariant(wcthrm::Variant(), "Variant()");
  return 0;
}
