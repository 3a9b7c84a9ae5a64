// The freezing depth item's named values and its defaults in update.ini.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "model/Defaults.h"
#include "DefaultsFolder.h"
#include "support/Errors.h"
#include "support/Gbk.h"
#include "model/U_Class_DepthOfSoil.h"

namespace wcthrm {
namespace {

namespace fs = std::filesystem;

const char* const kNames[] = {
    "NoHeatSoil1", "Count1",      "Djxs1",   "Zdlj1",  "Djzs1", "SumTemp", "Zdlj2",  "Djzs2",
    "Count2",      "NoHeatSoil2", "Djxs2",   "Fdjsxs", "Zdlj3", "Djzs3",   "Count3", "Xdpjrdxs",
    "Xdpjfgxs",    "Yxxs",        "CalDjsd", "Zdlj4",  "Djzs4", "Count4",  "Count5"};

using Cells = std::vector<std::string>;

// Everything the item holds besides identity: the property entries and the five lists.
struct Snapshot {
  std::vector<Variant> values;
  std::vector<Cells> lists;
  bool operator==(const Snapshot&) const = default;
  friend void PrintTo(const Snapshot& s, std::ostream* os) {
    for (const Variant& v : s.values) *os << v.ToText() << ' ';
    for (const Cells& list : s.lists) *os << ::testing::PrintToString(list);
  }
};

Snapshot Take(TDepthOfSoil& item) {
  Snapshot s;
  item.WriteToList();
  for (int i = 4; i < 27; ++i) s.values.push_back(item.ValueList.EntryAt(i).value);
  s.lists = {item.slOneNoHeatSoil, item.slTwoNoHeatSoil, item.slThreeNoHeatSoil,
             item.slFourNoHeatSoil, item.slFiveNoHeatSoil};
  return s;
}

// An item whose every property differs from the constructor's, with tables of several sizes.
void FillDistinct(TDepthOfSoil& item) {
  item.NoHeatSoil1 = false;
  item.Count1 = 2;
  item.Djxs1 = 2.5;
  item.Zdlj1 = false;
  item.Djzs1 = 365;
  item.SumTemp = 20.25;
  item.Zdlj2 = false;
  item.Djzs2 = 1234.5;
  item.Count2 = 1;
  item.NoHeatSoil2 = false;
  item.Djxs2 = 3;
  item.Fdjsxs = 20;
  item.Zdlj3 = false;
  item.Djzs3 = 500;
  item.Count3 = 3;
  item.Xdpjrdxs = 0.126;
  item.Xdpjfgxs = 10;
  item.Yxxs = 2;
  item.CalDjsd = false;
  item.Zdlj4 = false;
  item.Djzs4 = 7.25;
  item.Count4 = 1;
  item.Count5 = 3;
  item.slOneNoHeatSoil = {"30", "5.5", "20", "10"};
  item.slTwoNoHeatSoil = {"7", "0.00"};
  item.slThreeNoHeatSoil = {"1", "2", "3", "4", "5", "6"};
  item.slFourNoHeatSoil = {"0", ""};
  item.slFiveNoHeatSoil = {
      WCTHRM_GBK("已知项,12.5"), "1.6", WCTHRM_GBK("求解项"), "3.2", "", "0.00"};
}

void CopyList(const TMyList& from, TMyList& to) {
  to.Clear();
  for (int i = 0; i < from.Count(); ++i) to.Add(from.NameAt(i), from.EntryAt(i).value);
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

const std::string kHeader = "[DepthOfSoil information]\r\n";

class DepthOfSoilItem : public DefaultsFolderTest {};

TEST_F(DepthOfSoilItem, NewItemWithoutDefaults) {
  TDepthOfSoil item;
  ASSERT_TRUE(item.WriteToList());
  ASSERT_EQ(item.ValueList.Count(), 27);  // identity and properties, the lists are empty
  for (int i = 0; i < 23; ++i) EXPECT_EQ(item.ValueList.NameAt(i + 4), kNames[i]) << i;
  const std::vector<Variant> expected = {true, 1,    0.0,  true, 0.0,  0.0, true, 0.0,
                                         1,    true, 0.0,  0.0,  true, 0.0, 1,    0.0,
                                         0.0,  0.0,  true, true, 0.0,  1,   0};
  EXPECT_EQ(Take(item).values, expected);

  item.LoadDefaultData();  // no update.ini
  const Cells oneEmptyRow = {"", ""};
  EXPECT_EQ(Take(item).lists,
            (std::vector<Cells>{oneEmptyRow, oneEmptyRow, oneEmptyRow, oneEmptyRow, {}}));
  EXPECT_EQ(item.ValueList.Count(), 35);
  EXPECT_EQ(item.ValueList.NameAt(27), "slOneNoHeatSoil0");
  EXPECT_EQ(item.ValueList.NameAt(34), "slFourNoHeatSoil1");
}

TEST_F(DepthOfSoilItem, LayerCellsComeLast) {
  TDepthOfSoil item;
  FillDistinct(item);
  item.WriteToList();
  const int n = item.ValueList.Count();
  ASSERT_EQ(n, 27 + 4 + 2 + 6 + 2 + 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(item.ValueList.NameAt(n - 6 + i), "slFiveNoHeatSoil" + std::to_string(i));
  }
  EXPECT_EQ(item.ValueList.NameAt(n - 7), "slFourNoHeatSoil1");
  EXPECT_EQ(item.ValueList.EntryAt(n - 4).value, Variant(WCTHRM_GBK("求解项")));
}

TEST_F(DepthOfSoilItem, RoundTripThroughList) {
  TDepthOfSoil source;
  FillDistinct(source);
  source.Djzs4 = 1.0 / 3;  // the list keeps the double exactly
  source.Caption = WCTHRM_GBK("冻土");
  source.Index = 7;
  source.P_index = 3;
  source.TypeId = 12;
  const Snapshot expected = Take(source);

  TDepthOfSoil copy;
  CopyList(source.ValueList, copy.ValueList);
  ASSERT_TRUE(copy.ReadFromList());
  EXPECT_EQ(Take(copy), expected);
  EXPECT_EQ(copy.Caption, source.Caption);
  EXPECT_EQ(copy.Index, 7);
  EXPECT_EQ(copy.P_index, 3);
  EXPECT_EQ(copy.TypeId, 12);
}

TEST_F(DepthOfSoilItem, RoundTripThroughDefaultsKeepsIdentity) {
  TDepthOfSoil saver;
  FillDistinct(saver);
  saver.Caption = "saver";
  const Snapshot expected = Take(saver);
  saver.SaveDefaultData();

  const std::string text = FromGbk(ReadAll(File()));
  EXPECT_TRUE(text.starts_with(kHeader + "NoHeatSoil1=False\r\nCount1=2\r\nDjxs1=2.5\r\n"));
  EXPECT_NE(text.find("\r\nXdpjrdxs=0.126\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nslFiveNoHeatSoil2=求解项\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nslFiveNoHeatSoil4=\r\n"), std::string::npos);
  EXPECT_EQ(text.find("caption"), std::string::npos);

  TDepthOfSoil loader;
  loader.Caption = "loader";
  loader.Index = 4;
  loader.P_index = 2;
  loader.TypeId = 9;
  loader.LoadDefaultData();
  Snapshot loaded = Take(loader);
  // A cell saved empty reads as no value; the loader had no such cell, so it gets the filler.
  Snapshot want = expected;
  want.lists[3][1] = "0";
  want.lists[4][4] = "0";
  EXPECT_EQ(loaded, want);
  EXPECT_EQ(loader.Caption, "loader");
  EXPECT_EQ(loader.Index, 4);
  EXPECT_EQ(loader.P_index, 2);
  EXPECT_EQ(loader.TypeId, 9);
}

TEST_F(DepthOfSoilItem, SaveKeepsOtherSectionsAndStaleKeys) {
  WriteDefaults("[ConcreteHeat information]\r\nJrfs=x\r\n");
  TDepthOfSoil item;
  item.Count1 = 3;
  item.slOneNoHeatSoil = {"1", "2", "3", "4", "5", "6"};
  item.SaveDefaultData();
  item.Count1 = 1;
  item.slOneNoHeatSoil = {"9", "8"};
  item.SaveDefaultData();

  const std::string text = ReadAll(File());
  EXPECT_TRUE(text.starts_with("[ConcreteHeat information]\r\nJrfs=x\r\n"));
  EXPECT_NE(text.find("slOneNoHeatSoil0=9\r\n"), std::string::npos);
  EXPECT_NE(text.find("slOneNoHeatSoil5=6\r\n"), std::string::npos);  // stale, kept

  TDepthOfSoil loader;
  loader.LoadDefaultData();
  EXPECT_EQ(loader.Count1, 1);
  EXPECT_EQ(loader.slOneNoHeatSoil, (Cells{"9", "8"}));
}

TEST_F(DepthOfSoilItem, CountBeyondSavedCells) {
  const std::string file = kHeader + "Count2=3\r\nslTwoNoHeatSoil0=a\r\nslTwoNoHeatSoil1=b\r\n" +
                           "slTwoNoHeatSoil2=c\r\nslTwoNoHeatSoil3=d\r\n";
  struct Case {
    const char* name;
    Cells before;
    Cells after;
  };
  const Case cases[] = {
      {"FillersWhereNothingHeld", {"x", "y"}, {"a", "b", "c", "d", "0", "0"}},
      {"OwnCellsWhereHeld", {"1", "2", "3", "4", "5", "6"}, {"a", "b", "c", "d", "5", "6"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TDepthOfSoil item;
    item.Count2 = static_cast<int32_t>(c.before.size() / 2);
    item.slTwoNoHeatSoil = c.before;
    item.LoadDefaultsFrom(IniFile("mem", file));
    EXPECT_EQ(item.Count2, 3);
    EXPECT_EQ(item.slTwoNoHeatSoil, c.after);
  }
}

TEST_F(DepthOfSoilItem, NamesIgnoreCaseAndBlanks) {
  TDepthOfSoil fromFile;
  fromFile.LoadDefaultsFrom(
      IniFile("mem",
              "[depthofsoil INFORMATION]\r\ncount1 = 2\r\nSLONENOHEATSOIL3=7\r\nyxxs=1.5\r\n"
              "calDJSD=false\r\n"));
  EXPECT_EQ(fromFile.slOneNoHeatSoil, (Cells{"0", "0", "0", "7"}));
  EXPECT_EQ(fromFile.Yxxs, 1.5);
  EXPECT_FALSE(fromFile.CalDjsd);

  TDepthOfSoil fromList;
  fromList.ValueList.Add(" COUNT5 ", Variant(1));
  fromList.ValueList.Add("slfivenoheatsoil0", Variant(WCTHRM_GBK("求解项")));
  fromList.ValueList.Add("NOHEATSOIL2", Variant("False"));
  fromList.ReadFromList();
  EXPECT_EQ(fromList.slFiveNoHeatSoil, (Cells{WCTHRM_GBK("求解项"), ""}));
  EXPECT_FALSE(fromList.NoHeatSoil2);
  EXPECT_EQ(fromList.Count1, 0);  // missing names read as 0 or False
  EXPECT_FALSE(fromList.NoHeatSoil1);
}

TEST_F(DepthOfSoilItem, CountLimits) {
  struct Case {
    const char* name;
    const char* count;
    int32_t rows;  // -1: the read fails
  };
  const Case cases[] = {
      {"Negative", "-5", 0},       {"Zero", "0", 0},           {"AtLimit", "10000", 10000},
      {"AboveLimit", "10001", -1}, {"Huge", "2147483647", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TDepthOfSoil viaList;
    viaList.ValueList.Add("Count3", Variant(c.count));
    TDepthOfSoil viaFile;
    const IniFile ini("mem", kHeader + "Count3=" + c.count + "\r\n");
    if (c.rows < 0) {
      EXPECT_THROW(viaList.ReadFromList(), ConversionError);
      EXPECT_THROW(viaFile.LoadDefaultsFrom(ini), ConversionError);
      continue;
    }
    viaList.ReadFromList();
    viaFile.LoadDefaultsFrom(ini);
    for (TDepthOfSoil* item : {&viaList, &viaFile}) {
      EXPECT_EQ(item->Count3, c.rows);
      EXPECT_EQ(item->slThreeNoHeatSoil.size(), 2u * c.rows);
    }
  }
}

TEST_F(DepthOfSoilItem, UnconvertibleValuesRaiseAndChangeNothing) {
  struct Case {
    const char* name;
    const char* key;
    Variant value;
  };
  const Case cases[] = {
      {"Boolean", "NoHeatSoil1", Variant("maybe")}, {"Count", "Count2", Variant("two")},
      {"CountFraction", "Count4", Variant("1.5")},  {"Real", "Djxs1", Variant("abc")},
      {"LoneMinus", "Yxxs", Variant("-")},          {"InfiniteReal", "SumTemp", Variant(HUGE_VAL)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TDepthOfSoil item;
    FillDistinct(item);
    const Snapshot before = Take(item);
    // Valid values ahead of the bad one must not be applied either.
    item.ValueList.Add("Count1", Variant(1));
    item.ValueList.Add(c.key, c.value);
    EXPECT_THROW(item.ReadFromList(), ConversionError);
    EXPECT_EQ(Take(item), before);

    if (!c.value.TextData()) continue;
    const IniFile ini("mem", kHeader + "Count1=1\r\nCount5=4\r\n" + c.key + "=" +
                                 std::string(c.value.TextView()) + "\r\n");
    EXPECT_THROW(item.LoadDefaultsFrom(ini), ConversionError);
    EXPECT_EQ(Take(item), before);
  }
}

TEST_F(DepthOfSoilItem, BooleansAndRealsFromDefaults) {
  struct Case {
    const char* name;
    const char* line;
    bool TDepthOfSoil::*flag;
    bool flagValue;
  };
  const Case cases[] = {
      {"False", "Zdlj3=False", &TDepthOfSoil::Zdlj3, false},
      {"LowerCaseFalse", "NoHeatSoil1=false", &TDepthOfSoil::NoHeatSoil1, false},
      {"True", "Zdlj2=True", &TDepthOfSoil::Zdlj2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TDepthOfSoil item;
    item.Zdlj2 = false;
    item.LoadDefaultsFrom(IniFile("mem", kHeader + c.line + "\r\nDjzs4=2.5\r\n"));
    EXPECT_EQ(item.*c.flag, c.flagValue);
    EXPECT_EQ(item.Djzs4, 2.5);
  }
}

TEST_F(DepthOfSoilItem, LineBreakInCellCannotInjectKeys) {
  TDepthOfSoil item;
  item.slOneNoHeatSoil = {"1\r\n[ConcreteHeat information]\r\nJrfs=9", "2"};
  item.SaveDefaultData();
  const IniFile ini(File().string());
  EXPECT_FALSE(ini.Find("ConcreteHeat information", "Jrfs"));
  TDepthOfSoil loader;
  loader.LoadDefaultData();
  EXPECT_EQ(loader.slOneNoHeatSoil, (Cells{"1  [ConcreteHeat information]  Jrfs=9", "2"}));
}

TEST_F(DepthOfSoilItem, FailedSaveRaisesIoError) {
  fs::create_directories(File());  // a folder where the file should be
  TDepthOfSoil item;
  try {
    item.SaveDefaultData();
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find(File().string()), std::string::npos);
  }
  EXPECT_TRUE(fs::is_directory(File()));
}

}  // namespace
}  // namespace wcthrm
