// Number texts and the decimal conversion.
#include "support/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

#include "support/Errors.h"

namespace wcthrm {
namespace {

struct NumberCase {
  const char* name;
  double value;
  const char* text;
};

TEST(NumberText, GeneralFormat) {
  const NumberCase cases[] = {
      {"whole", 3, "3"},
      {"trailing_zero", 2.50, "2.5"},
      {"smallest_fixed", 0.0001, "0.0001"},
      {"below_fixed", 0.00001, "1E-5"},
      {"third", 1.0 / 3.0, "0.333333333333333"},
      {"negative", -3.456, "-3.456"},
      {"zero", 0.0, "0"},
      {"largest_fixed", 999999999999999.0, "999999999999999"},
      {"first_scientific", 1e15, "1E15"},
      {"scientific_fraction", 1.5e20, "1.5E20"},
      {"fifteen_digits_rounded", 0.1 + 0.2, "0.3"},
      {"ten_thousand", 10000, "10000"},
      {"tiny_negative", -2.5e-7, "-2.5E-7"},
      {"largest", DBL_MAX, "1.79769313486231E308"},
      {"largest_negative", -DBL_MAX, "-1.79769313486231E308"},
      {"just_below_the_cut", 1.79769313486231e308, "1.79769313486231E308"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.text) << c.name;
}

// A value saved as NumberText must load again: every finite double reads back as one.
TEST(NumberText, EveryFiniteValueReadsBack) {
  const NumberCase cases[] = {
      {"largest", DBL_MAX, ""},
      {"below_largest", std::nextafter(DBL_MAX, 0.0), ""},
      {"rounds_up_to_the_edge", 1.7976931348623155e308, ""},
      {"ten_to_308", 1e308, ""},
      {"smallest_normal", DBL_MIN, ""},
      {"smallest_subnormal", std::numeric_limits<double>::denorm_min(), ""},
      {"negative_largest", -DBL_MAX, ""},
      {"third", 1.0 / 3.0, ""},
  };
  for (const auto& c : cases) {
    const std::optional<double> back = ParseDecimal(NumberText(c.value));
    ASSERT_TRUE(back.has_value()) << c.name << ": " << NumberText(c.value);
    EXPECT_TRUE(std::isfinite(*back)) << c.name;
    EXPECT_LE(std::fabs(*back - c.value), std::fabs(c.value) * 1e-14) << c.name;
  }
}

TEST(RoundToStr, RoundsHalvesToEvenWithoutPadding) {
  const struct {
    const char* name;
    int n;
    double value;
    const char* text;
  } cases[] = {
      {"two_decimals", 2, 12.3456, "12.35"},
      {"no_padding", 2, 2.5, "2.5"},
      {"whole", 2, 3, "3"},
      {"binary_below_half", 2, 0.125, "0.12"},
      {"negative", 2, -3.456, "-3.46"},
      {"half_to_even_down", 0, 2.5, "2"},
      {"half_to_even_up", 0, 3.5, "4"},
      {"tens", -1, 1234, "1230"},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundToStr(c.n, c.value), c.text) << c.name;
}

TEST(RoundToStr, RejectsDecimalsOutOfRange) {
  EXPECT_THROW(RoundToStr(38, 1.0), RangeError);
  EXPECT_THROW(RoundToStr(-38, 1.0), RangeError);
  EXPECT_NO_THROW(RoundToStr(37, 1.0));
}

TEST(IntToText, Digits) {
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(-42), "-42");
  EXPECT_EQ(IntToText(INT32_MIN), "-2147483648");
}

TEST(IsNumberText, Table) {
  const struct {
    const char* text;
    bool ok;
  } cases[] = {
      {"12.5", true}, {"-3", true},    {".5", false}, {"5.", false},  {"1.2.3", false},
      {"1,5", false}, {"1-2", true},   {"5-", true},  {"-", true},    {"", false},
      {"1e5", false}, {" 1", false},   {"007", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsNumberText(c.text), c.ok) << "'" << c.text << "'";
}

TEST(ParseDecimal, AcceptsTheDecimalGrammar) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"1.5", 1.5},   {"-2", -2},       {"+3", 3},        {" 4.25 ", 4.25},
      {".5", 0.5},    {"5.", 5},        {"1e3", 1000},    {"-1.5E-2", -0.015},
      {"0", 0},       {"1e-400", 0},    {"007", 7},
  };
  for (const auto& c : cases) {
    auto v = ParseDecimal(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
  }
}

TEST(ParseDecimal, RejectsWhatIsNoNumber) {
  for (const char* text : {"", " ", "-", "+", ".", "1,5", "nan", "inf", "-inf", "1e", "1e+",
                           "1-2", "--5", "1.2.3", "0x10", "1e400", "-1e400", "abc", "1 2"}) {
    EXPECT_FALSE(ParseDecimal(text).has_value()) << "'" << text << "'";
  }
}

TEST(StrToFloat, ConversionErrorQuotesTheText) {
  try {
    StrToFloat("abc");
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
  }
}

TEST(ParseInt, RangeAndGrammar) {
  EXPECT_EQ(ParseInt(" 12 "), 12);
  EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInt("2147483647"), INT32_MAX);
  for (const char* bad : {"2147483648", "-2147483649", "", "-", "1.0", "12a", "99999999999999999999"})
    EXPECT_FALSE(ParseInt(bad).has_value()) << bad;
  EXPECT_THROW(StrToInt("x"), ConversionError);
}

// The extended conversion reads the text itself, not the double nearest to it.
TEST(ParseDecimalExtended, ReadsTheTextNotItsDouble) {
  const auto x = ParseDecimalExtended(" 0.17 ");
  ASSERT_TRUE(x.has_value());
  if (sizeof(long double) > sizeof(double)) {
    EXPECT_NE(*x, static_cast<long double>(0.17));
  }
  EXPECT_EQ(static_cast<double>(*x), 0.17);
  EXPECT_FALSE(ParseDecimalExtended("1,5").has_value());
  EXPECT_FALSE(ParseDecimalExtended("").has_value());
  EXPECT_THROW(StrToExtended("abc"), ConversionError);
}

}  // namespace
}  // namespace wcthrm
