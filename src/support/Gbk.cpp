#include "support/Gbk.h"

#include <cerrno>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace wcthrm {

namespace {

#ifdef _WIN32
constexpr UINT kGb18030 = 54936;

std::wstring Widen(std::string_view text, UINT codePage) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string Narrow(const std::wstring& text, UINT codePage) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}
#else
// One conversion through iconv; an invalid input byte is skipped and replaced.
std::string Convert(const char* to, const char* from, std::string_view in,
                    std::string_view replacement) {
  if (in.empty()) return {};
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  std::string out;
  out.reserve(in.size() * 2 + 8);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char buffer[1024];
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (truncated sequence): replace one byte and go on.
      out.append(replacement);
      ++src;
      --srcLeft;
    }
  }
  iconv_close(cd);
  return out;
}
#endif

}  // namespace

namespace {

// Well-formed UTF-8 only: no over-long forms, no surrogates, nothing above U+10FFFF. A
// looser test would take many GBK texts for UTF-8 (来 is C0 B4) and pass them on raw.
bool IsUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t trail;
    unsigned char lo = 0x80, hi = 0xBF;  // the range of the first trail byte
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      trail = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      trail = 2;
      if (c == 0xE0) lo = 0xA0;
      if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      trail = 3;
      if (c == 0xF0) lo = 0x90;
      if (c == 0xF4) hi = 0x8F;
    } else {
      return false;
    }
    if (s.size() - i <= trail) return false;
    for (size_t k = 1; k <= trail; ++k) {
      const unsigned char t = static_cast<unsigned char>(s[i + k]);
      if (k == 1 ? (t < lo || t > hi) : (t & 0xC0) != 0x80) return false;
    }
    i += trail + 1;
  }
  return true;
}

}  // namespace

std::string MessageText(std::string_view bytes) {
  return IsUtf8(bytes) ? std::string(bytes) : FromGbk(bytes);
}

std::string ToGbk(std::string_view utf8) {
#ifdef _WIN32
  return Narrow(Widen(utf8, CP_UTF8), kGb18030);
#else
  return Convert("GB18030", "UTF-8", utf8, "?");
#endif
}

std::string FromGbk(std::string_view gbk) {
#ifdef _WIN32
  return Narrow(Widen(gbk, kGb18030), CP_UTF8);
#else
  return Convert("UTF-8", "GB18030", gbk, "\xEF\xBF\xBD");
#endif
}

}  // namespace wcthrm
