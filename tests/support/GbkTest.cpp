// Texts quoted in messages: UTF-8 stays as it is, GBK is converted, whatever its first bytes.
#include <gtest/gtest.h>

#include "support/Gbk.h"

namespace wcthrm {
namespace {

TEST(MessageText, TellsUtf8FromGbk) {
  const struct {
    const char* name;
    std::string bytes;
    std::string text;
  } cases[] = {
      {"ascii", "abc", "abc"},
      {"utf-8", "两个", "两个"},
      {"utf-8 four bytes", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
      {"gbk with an over-long lead", ToGbk("两"), "两"},
      {"gbk C0 lead", ToGbk("来"), "来"},
      {"gbk looking like a surrogate", "\xED\xA0\xB0", FromGbk("\xED\xA0\xB0")},
      {"gbk looking like three over-long bytes", "\xE0\x80\xA1", FromGbk("\xE0\x80\xA1")},
      {"gbk F5 lead", "\xF5\xA1", FromGbk("\xF5\xA1")},
      {"gbk beyond U+10FFFF", "\xF4\x90\x80\x80", FromGbk("\xF4\x90\x80\x80")},
  };
  for (const auto& c : cases) EXPECT_EQ(MessageText(c.bytes), c.text) << c.name;
}

}  // namespace
}  // namespace wcthrm
