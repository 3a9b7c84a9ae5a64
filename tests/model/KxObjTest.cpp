// The node base object: constructor values, list round trips, clones, project names.
#include <gtest/gtest.h>

#include "support/Gbk.h"
#include "model/uBaseClass.h"

namespace wcthrm {
namespace {

TEST(TKxObj, ConstructorValues) {
  TKxObj node;
  EXPECT_EQ(node.Caption, ToGbk("施工安全"));
  EXPECT_EQ(node.TypeId, 1);
  EXPECT_EQ(node.Index, -1);
  EXPECT_EQ(node.P_index, -1);
  EXPECT_EQ(node.InnerIndex, 0);
  EXPECT_FALSE(node.Modified || node.deleted || node.IsScheme || node.innerDel);
  EXPECT_EQ(node.PrjName, "");
  EXPECT_EQ(node.ValueList.Count(), 0);
}

TEST(TKxObj, WriteToListGivesTheFourIdentityEntries) {
  TKxObj node;
  node.ValueList.Add("stale", Variant(int32_t{1}));
  node.Index = 4;
  node.P_index = 2;
  node.TypeId = 77;
  EXPECT_TRUE(node.WriteToList());
  ASSERT_EQ(node.ValueList.Count(), 4);
  const char* names[] = {"caption", "index", "P_index", "typeid"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(node.ValueList.NameAt(i), names[i]);
  EXPECT_EQ(node.ValueList.EntryAt(0).value.kind(), Variant::Kind::Text);
  EXPECT_EQ(node.ValueList.EntryAt(1).value, Variant(int32_t{4}));
  EXPECT_EQ(node.ValueList.EntryAt(2).value, Variant(int32_t{2}));
  EXPECT_EQ(node.ValueList.EntryAt(3).value, Variant(int32_t{77}));
}

TEST(TKxObj, ReadFromListCases) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, Variant>> entries;
    std::string caption;
    int32_t index, pIndex, typeId;
  };
  const Case cases[] = {
      {"empty_list", {}, "", 0, 0, 0},
      {"all_present",
       {{"caption", Variant("c")}, {"index", Variant(int32_t{3})}, {"P_index", Variant("4")},
        {"typeid", Variant(5.0)}},
       "c", 3, 4, 5},
      // A failed conversion stops the sequence: caption taken, the rest kept.
      {"non_numeric_index",
       {{"caption", Variant("c")}, {"index", Variant("abc")}, {"P_index", Variant(int32_t{8})},
        {"typeid", Variant(int32_t{9})}},
       "c", 10, 20, 30},
      {"non_numeric_typeid",
       {{"caption", Variant("c")}, {"index", Variant(int32_t{1})}, {"P_index", Variant(int32_t{2})},
        {"typeid", Variant("x")}},
       "c", 1, 2, 30},
  };
  for (const auto& c : cases) {
    TKxObj node;
    node.Index = 10;
    node.P_index = 20;
    node.TypeId = 30;
    for (const auto& [name, value] : c.entries) node.ValueList.Add(name, value);
    EXPECT_TRUE(node.ReadFromList()) << c.name;
    EXPECT_EQ(node.Caption, c.caption) << c.name;
    EXPECT_EQ(node.Index, c.index) << c.name;
    EXPECT_EQ(node.P_index, c.pIndex) << c.name;
    EXPECT_EQ(node.TypeId, c.typeId) << c.name;
  }
}

TEST(TKxObj, CloneCopiesIdentityOnly) {
  TKxObj node;
  node.Index = 1;
  node.P_index = 2;
  node.TypeId = 3;
  node.Caption = "x";
  node.Modified = node.deleted = node.IsScheme = node.innerDel = true;
  node.InnerIndex = 9;
  node.PrjName = "p";
  node.WriteToList();
  TKxObj& clone = node.CloneNode();
  EXPECT_NE(&clone, &node);
  EXPECT_EQ(clone.Index, 1);
  EXPECT_EQ(clone.P_index, 2);
  EXPECT_EQ(clone.TypeId, 3);
  EXPECT_EQ(clone.Caption, "x");
  EXPECT_TRUE(clone.Modified && clone.deleted);
  EXPECT_FALSE(clone.IsScheme || clone.innerDel);
  EXPECT_EQ(clone.InnerIndex, 0);
  EXPECT_EQ(clone.PrjName, "");
  EXPECT_EQ(clone.ValueList.Count(), 0);
}

TEST(TKxObj, SetPrjNameCopiesCountedText) {
  TKxObj node;
  const uint8_t name[] = {3, 'a', 'b', 'c', 'd'};
  node.SetPrjName(name);
  EXPECT_EQ(node.PrjName, "abc");
  const uint8_t empty[] = {0, 'z'};
  node.SetPrjName(empty);
  EXPECT_EQ(node.PrjName, "");
}

}  // namespace
}  // namespace wcthrm
