// The named-value list: name folding, the 255-byte cut, last match, Clear.
#include <gtest/gtest.h>

#include "support/Gbk.h"
#include "model/uBaseClass.h"

namespace wcthrm {
namespace {

TEST(TMyList, LookupFoldsCaseAndTrimsBlanks) {
  TMyList list;
  list.Add("caption", Variant("c"));
  for (const char* key : {"caption", "CAPTION", "CaPtIoN", "  caption ", "\tcaption\r\n"}) {
    const TMyrecord* r = list.Find(key);
    ASSERT_NE(r, nullptr) << key;
    EXPECT_EQ(r->value.ToText(), "c");
  }
  EXPECT_EQ(list.Find("capt"), nullptr);
  EXPECT_EQ(list.Find("caption2"), nullptr);
}

TEST(TMyList, LastMatchWinsAndDuplicatesStayInOrder) {
  TMyList list;
  list.Add("n", Variant(int32_t{1}));
  list.Add("other", Variant(int32_t{9}));
  list.Add("N", Variant(int32_t{2}));
  EXPECT_EQ(list.Find("n")->value.ToInt(), 2);
  Variant v;
  list.GetValue("n", v);
  EXPECT_EQ(v.ToInt(), 2);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.NameAt(0), "n");
  EXPECT_EQ(list.EntryAt(0).value.ToInt(), 1);
  EXPECT_EQ(list.NameAt(2), "N");
  EXPECT_EQ(list.EntryAt(2).value.ToInt(), 2);
}

TEST(TMyList, LongNamesAreCutTo255Bytes) {
  TMyList list;
  const std::string name300 = std::string(250, 'a') + std::string(50, 'b');
  list.Add(name300, Variant("long"));
  EXPECT_EQ(list.NameAt(0).size(), 255u);
  ASSERT_NE(list.Find(name300), nullptr);                         // the full name
  ASSERT_NE(list.Find(name300.substr(0, 255)), nullptr);          // its stored form
  EXPECT_EQ(list.Find(name300.substr(0, 254)), nullptr);
}

TEST(TMyList, FoldingIsBytewiseOverGbk) {
  // Two double-byte characters that differ only in a trail byte within a..z compare equal.
  TMyList list;
  list.Add(std::string("\x81\x61", 2), Variant("lower"));
  ASSERT_NE(list.Find(std::string("\x81\x41", 2)), nullptr);
  list.Add(ToGbk("名称"), Variant("chinese"));
  EXPECT_EQ(list.Find(ToGbk("名称"))->value.ToText(), "chinese");
}

TEST(TMyList, GetValueLeavesVariableWhenAbsentAndClearEmpties) {
  TMyList list;
  list.Add("a", Variant(int32_t{1}));
  Variant v(int32_t{7});
  list.GetValue("missing", v);
  EXPECT_EQ(v.ToInt(), 7);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Find("a"), nullptr);
  list.Add("b", Variant(int32_t{2}));
  EXPECT_EQ(list.NameAt(0), "b");
}

}  // namespace
}  // namespace wcthrm
