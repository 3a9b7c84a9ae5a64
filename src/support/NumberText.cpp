#include "support/NumberText.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "support/Errors.h"
#include "support/Gbk.h"

namespace wcthrm {

namespace {

// Power of ten of the first significant digit of a validated unsigned decimal text.
long DecimalExponent(std::string_view body) {
  size_t ePos = body.find_first_of("eE");
  std::string_view mantissa = body.substr(0, ePos);
  long exponent = 0;
  if (ePos != std::string_view::npos) {
    std::string digits(body.substr(ePos + 1));
    exponent = std::clamp(std::strtol(digits.c_str(), nullptr, 10), -100000L, 100000L);
  }
  size_t point = mantissa.find('.');
  if (point == std::string_view::npos) point = mantissa.size();
  for (size_t i = 0; i < mantissa.size(); ++i) {
    char c = mantissa[i];
    if (c >= '1' && c <= '9') {
      long position = i < point ? static_cast<long>(point - i - 1) : -static_cast<long>(i - point);
      return position + exponent;
    }
  }
  return 0;
}

// digits (the significant digits of a value whose first digit stands for 10^exponent) cut to
// keep digits, rounded half away from zero; a carry may add a digit in front.
void RoundDigits(std::string& digits, int& exponent, int keep) {
  if (keep < 0) {
    digits = "0";
    exponent = 0;
    return;
  }
  if (static_cast<int>(digits.size()) > keep) {
    const bool up = digits[static_cast<size_t>(keep)] >= '5';
    digits.resize(static_cast<size_t>(keep));
    if (up) {
      int i = keep - 1;
      while (i >= 0 && digits[static_cast<size_t>(i)] == '9')
        digits[static_cast<size_t>(i--)] = '0';
      if (i >= 0) {
        ++digits[static_cast<size_t>(i)];
      } else {
        digits.insert(digits.begin(), '1');
        ++exponent;
      }
    }
  }
  if (digits.empty()) {
    digits = "0";
    exponent = 0;
  }
}

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
  return text.substr(b, e - b);
}

std::string NumberText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  // 15 significant digits, correctly rounded: d.dddddddddddddde±x
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", value);
  std::string s(buf);
  bool negative = s[0] == '-';
  if (negative) s.erase(0, 1);
  size_t ePos = s.find('e');
  int exponent = std::atoi(s.c_str() + ePos + 1);
  std::string digits = s.substr(0, 1) + s.substr(2, ePos - 2);
  if (exponent == 308 && digits > "179769313486231") {
    // Rounded up, the largest doubles would be written as a number beyond every double, which
    // no reader takes back: these few are cut to 15 digits instead.
    std::snprintf(buf, sizeof buf, "%.16e", std::fabs(value));
    digits = std::string(buf, 1) + std::string(buf + 2, 14);
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -4 && exponent < 15) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      size_t intLen = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= intLen) {
        out += digits;
        out.append(intLen - digits.size(), '0');
      } else {
        out += digits.substr(0, intLen);
        out += '.';
        out += digits.substr(intLen);
      }
    }
  } else {
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
      out += '.';
      out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
  }
  return out;
}

std::string RoundToStr(int n, double value) {
  if (n < -37 || n > 37) throw RangeError("RoundToStr: " + std::to_string(n) + " decimals is out of range");
  const double factor = std::pow(10.0, -n);
  const long double q = static_cast<long double>(value) / static_cast<long double>(factor);
  const int oldMode = std::fegetround();
  std::fesetround(FE_TONEAREST);  // ties go to the even integer
  const long double r = std::nearbyintl(q);
  std::fesetround(oldMode);
  const double result = static_cast<double>(r * static_cast<long double>(factor));
  return NumberText(result);
}

std::string IntToText(int32_t value) { return std::to_string(value); }

bool IsNumberText(std::string_view text) {
  if (text.empty()) return false;
  int points = 0;
  for (char c : text) {
    if (c == '.') {
      ++points;
    } else if (c != '-' && (c < '0' || c > '9')) {
      return false;
    }
  }
  return points <= 1 && text.front() != '.' && text.back() != '.';
}

namespace {

// The decimal conversion into T (double, or long double for the calculations' extended steps):
// the grammar is checked here, the digits are converted by from_chars, once, into T.
template <class T>
std::optional<T> ParseDecimalAs(std::string_view text) {
  std::string_view t = TrimBlanks(text);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    negative = t[i] == '-';
    ++i;
  }
  const size_t mantissaStart = i;
  size_t intDigits = 0, fracDigits = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++intDigits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++fracDigits;
  }
  if (intDigits + fracDigits == 0) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < t.size() && t[j] >= '0' && t[j] <= '9') ++j, ++expDigits;
    if (expDigits == 0) return std::nullopt;
    i = j;
  }
  if (i != t.size()) return std::nullopt;

  // from_chars takes no "+" and, in general format, the same grammar as checked above.
  std::string_view body = t.substr(mantissaStart);
  T value = 0;
  auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value,
                                   std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Beyond the range of a double is no number; below it reads as zero.
    if (DecimalExponent(body) > 0) return std::nullopt;
    value = 0;
  } else if (ec != std::errc() || end != body.data() + body.size()) {
    return std::nullopt;
  }
  if (std::isinf(value)) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) { return ParseDecimalAs<double>(text); }

std::optional<long double> ParseDecimalExtended(std::string_view text) {
  return ParseDecimalAs<long double>(text);
}

double StrToFloat(std::string_view text) {
  if (auto v = ParseDecimal(text)) return *v;
  throw ConversionError(MessageText(text), "is not a number", "is not a valid floating point value");
}

long double StrToExtended(std::string_view text) {
  if (auto v = ParseDecimalExtended(text)) return *v;
  throw ConversionError(MessageText(text), "is not a number", "is not a valid floating point value");
}

std::optional<int32_t> ParseInt(std::string_view text) {
  std::string_view t = TrimBlanks(text);
  bool negative = false;
  if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
    negative = t[0] == '-';
    t.remove_prefix(1);
  }
  if (t.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t StrToInt(std::string_view text) {
  if (auto v = ParseInt(text)) return *v;
  throw ConversionError(MessageText(text), "is not an integer", "is not a valid integer value");
}

std::string FixedText(double value, int decimals, int wholeDigits) {
  if (!std::isfinite(value)) throw ConversionError("not a finite number");
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  std::string s(buf, end);
  const bool negative = s[0] == '-';
  if (negative) s.erase(0, 1);
  const size_t ePos = s.find('e');
  const int exponent0 = value == 0 ? 0 : std::stoi(s.substr(ePos + 1));
  const std::string digits0 =
      value == 0 ? "0" : s.substr(0, 1) + (ePos > 2 ? s.substr(2, ePos - 2) : std::string());

  std::string digits = digits0;
  int exponent = exponent0;
  RoundDigits(digits, exponent, exponent + 1 + decimals);
  const bool scientific = exponent + 1 > wholeDigits;
  if (scientific) {
    digits = digits0;
    exponent = exponent0;
    RoundDigits(digits, exponent, wholeDigits);
  }
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string out = negative && !zero ? "-" : "";
  if (scientific) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
    return out;
  }
  // digits hold the value's digits from 10^exponent downwards.
  std::string whole, fraction;
  for (int p = std::max(exponent, 0); p >= -decimals; --p) {
    const int index = exponent - p;
    const char d = index >= 0 && index < static_cast<int>(digits.size())
                       ? digits[static_cast<size_t>(index)]
                       : '0';
    (p >= 0 ? whole : fraction) += d;
  }
  out += whole;
  if (decimals > 0) out += "." + fraction;
  return out;
}

}  // namespace wcthrm
