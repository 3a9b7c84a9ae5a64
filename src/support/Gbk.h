// Conversion between UTF-8 (source code, UI, exception messages) and the GBK bytes that
// the model, the files and the host interface hold. Encoding uses GB18030, a superset of
// GBK, so no character typed by a user is lost.
#pragma once

#include <string>
#include <string_view>

namespace wcthrm {

// UTF-8 to GBK/GB18030 bytes. Invalid UTF-8 bytes become "?".
std::string ToGbk(std::string_view utf8);

// GBK/GB18030 bytes to UTF-8. Bytes that form no character become U+FFFD.
std::string FromGbk(std::string_view gbk);

// A text for a message: UTF-8 as it is, anything else read as GBK. The model holds GBK and the
// form states UTF-8; both end up quoted in UTF-8 messages.
std::string MessageText(std::string_view bytes);

}  // namespace wcthrm

// A GBK constant from a UTF-8 literal, converted once per call site.
#define WCTHRM_GBK(utf8Literal)                                                 \
  ([]() -> const std::string& {                                                 \
    static const std::string converted = ::wcthrm::ToGbk(utf8Literal);         \
    return converted;                                                           \
  }())
