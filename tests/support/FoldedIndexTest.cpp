// The case-blind name hash: names equal under the a-z fold hash alike, and every other byte
// keeps its own hash, so names of one shape cannot pile up in one probe chain.
#include <gtest/gtest.h>

#include <string>

#include "support/FoldedIndex.h"
#include "support/NumberText.h"

namespace wcthrm {
namespace {

char Upper(int b) { return static_cast<char>(b >= 'a' && b <= 'z' ? b - 32 : b); }

// Every byte at every position of the first two words: the hash must agree with
// EqualsIgnoringAsciiCase for each pair of one-byte changes.
TEST(CaseBlindHash, FoldsExactlyTheLettersAToZ) {
  for (size_t at = 0; at < 10; ++at) {
    for (int a = 0; a < 256; ++a) {
      std::string x(11, 'k');
      x[at] = static_cast<char>(a);
      std::string upper = x;
      upper[at] = Upper(a);
      ASSERT_EQ(CaseBlindHash(x), CaseBlindHash(upper)) << "byte " << a << " at " << at;
      for (int b = a + 1; b < 256; ++b) {
        std::string y = x;
        y[at] = static_cast<char>(b);
        if (EqualsIgnoringAsciiCase(x, y)) continue;
        ASSERT_NE(CaseBlindHash(x), CaseBlindHash(y)) << "bytes " << a << " and " << b << " at " << at;
      }
    }
  }
}

TEST(CaseBlindHash, LengthAndTrailingZerosCount) {
  EXPECT_NE(CaseBlindHash(""), CaseBlindHash(std::string(1, '\0')));
  EXPECT_NE(CaseBlindHash("ab"), CaseBlindHash(std::string("ab\0", 3)));
  EXPECT_EQ(CaseBlindHash("slPjwd12345678901"), CaseBlindHash("SLPJWD12345678901"));
}

}  // namespace
}  // namespace wcthrm
