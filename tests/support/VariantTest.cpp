// Conversions of named values as the items read them back.
#include "support/Variant.h"

#include <gtest/gtest.h>

#include "support/Errors.h"
#include "support/Gbk.h"

namespace wcthrm {
namespace {

TEST(Variant, EmptyConvertsToNeutralValues) {
  Variant v;
  EXPECT_TRUE(v.IsEmpty());
  EXPECT_EQ(v.ToInt(), 0);
  EXPECT_EQ(v.ToDouble(), 0.0);
  EXPECT_FALSE(v.ToBool());
  EXPECT_EQ(v.ToText(), "");
}

TEST(Variant, TextConversions) {
  EXPECT_EQ(Variant(" -12 ").ToInt(), -12);
  EXPECT_DOUBLE_EQ(Variant("2.5").ToDouble(), 2.5);
  const struct {
    const char* text;
    bool value;
  } flags[] = {{"True", true}, {"false", false}, {"TRUE", true}, {"0", false}, {"2", true},
               {"-1", true},  {"0.0", false}};
  for (const auto& f : flags) EXPECT_EQ(Variant(f.text).ToBool(), f.value) << f.text;
}

TEST(Variant, ToTextOfEachKind) {
  EXPECT_EQ(Variant(true).ToText(), "True");
  EXPECT_EQ(Variant(false).ToText(), "False");
  EXPECT_EQ(Variant(2.50).ToText(), "2.5");
  EXPECT_EQ(Variant(int32_t{-7}).ToText(), "-7");
}

TEST(Variant, ShortAndLongTextsCopyAndMove) {
  for (const std::string& text : {std::string(""), std::string(13, 's'), std::string(14, 'l'),
                                 std::string(300, 'x') + ToGbk("中文")}) {
    Variant original(text);
    Variant copy(original);
    Variant assigned = Variant(int32_t{1});
    assigned = copy;
    Variant moved(std::move(copy));
    EXPECT_EQ(original.ToText(), text);
    EXPECT_EQ(assigned, original);
    EXPECT_EQ(moved, original);
    EXPECT_TRUE(copy.IsEmpty());  // a moved-from value is empty
    EXPECT_STREQ(moved.TextData(), text.c_str());
    assigned = Variant(2.5);  // a text replaced by a number releases it
    EXPECT_EQ(assigned.ToText(), "2.5");
  }
  EXPECT_EQ(Variant(int32_t{1}).TextData(), nullptr);
  EXPECT_NE(Variant("a"), Variant("b"));
  EXPECT_NE(Variant(int32_t{1}), Variant(1.0));
}

TEST(Variant, NumbersBetweenKinds) {
  EXPECT_EQ(Variant(2.5).ToInt(), 2);  // halves to even
  EXPECT_EQ(Variant(3.5).ToInt(), 4);
  EXPECT_EQ(Variant(int32_t{5}).ToDouble(), 5.0);
  EXPECT_TRUE(Variant(int32_t{5}).ToBool());
  EXPECT_THROW(Variant(1e12).ToInt(), ConversionError);
}

TEST(Variant, FailedConversionsQuoteTheText) {
  const struct {
    const char* name;
    void (*convert)();
    const char* message;
  } cases[] = {
      {"double", [] { (void)Variant("abc").ToDouble(); },
       "'abc' is not a valid floating point value"},
      {"int", [] { (void)Variant("12a").ToInt(); }, "'12a' is not a valid integer value"},
      {"int_range", [] { (void)Variant("3000000000").ToInt(); },
       "'3000000000' is not a valid integer value"},
      {"bool", [] { (void)Variant("maybe").ToBool(); }, "'maybe' is not a valid boolean value"},
      // The model's GBK and the forms' UTF-8 are both quoted in UTF-8.
      {"gbk_text", [] { (void)Variant(ToGbk("数值")).ToDouble(); },
       "'数值' is not a valid floating point value"},
      {"utf8_text", [] { (void)Variant("数值").ToDouble(); },
       "'数值' is not a valid floating point value"},
  };
  for (const auto& c : cases) {
    try {
      c.convert();
      ADD_FAILURE() << c.name;
    } catch (const ConversionError& e) {
      EXPECT_STREQ(e.what(), c.message) << c.name;
    }
  }
}

}  // namespace
}  // namespace wcthrm
