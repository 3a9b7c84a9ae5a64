// What the fuzz targets share: a broken property prints what broke, with the bytes involved
// escaped onto one line, and traps so libFuzzer keeps the input as a crash artifact.
#pragma once

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>

#include "support/Errors.h"

// For a target's own reference code: only the code under test should steer libFuzzer, and
// tracing the reference's comparisons would take most of the run time.
#define FUZZ_UNTRACED __attribute__((no_sanitize("coverage")))

namespace wcthrm::fuzz {

// Bytes as a quoted C-style text: GBK, control bytes and line breaks stay readable.
FUZZ_UNTRACED inline std::string Escaped(std::string_view bytes) {
  static const char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (char c : bytes) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u >= 0x20 && u < 0x7f) {
      out += c;
    } else {
      out += "\\x";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    }
  }
  return out + "\"";
}

[[noreturn]] inline void Fail(const std::string& message) {
  std::fprintf(stderr, "\n==== broken property: %s\n", message.c_str());
  std::fflush(stderr);
  __builtin_trap();
}

// The module's error types by name, so a finding says which one escaped.
inline std::string Describe(const std::exception& e) {
  const char* type = dynamic_cast<const ConversionError*>(&e) ? "ConversionError"
                     : dynamic_cast<const RangeError*>(&e)    ? "RangeError"
                     : dynamic_cast<const IoError*>(&e)       ? "IoError"
                     : dynamic_cast<const Error*>(&e)         ? "wcthrm::Error"
                                                              : typeid(e).name();
  return std::string(type) + " '" + e.what() + "'";
}

// A finding's description: a text, or a function that builds it only when needed.
template <class What>
std::string TextOf(const What& what) {
  if constexpr (std::is_invocable_v<const What&>) {
    return what();
  } else {
    return std::string(what);
  }
}

// Runs call; a ConversionError is the expected refusal and gives false, anything else that
// escapes is a finding named by what.
template <class What, class Call>
bool OnlyConversionError(const What& what, Call&& call) {
  try {
    call();
    return true;
  } catch (const ConversionError&) {
    return false;
  } catch (const std::exception& e) {
    Fail(TextOf(what) + " threw " + Describe(e));
  } catch (...) {
    Fail(TextOf(what) + " threw a non-standard exception");
  }
}

}  // namespace wcthrm::fuzz

// The message is built only when cond fails.
#define FUZZ_CHECK(cond, message)               \
  do {                                          \
    if (!(cond)) ::wcthrm::fuzz::Fail(message); \
  } while (0)
