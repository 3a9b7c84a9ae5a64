// The curing item: its list entries, the unguarded list read with its count limits, and the
// saved defaults in update.ini.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "model/Defaults.h"
#include "DefaultsFolder.h"
#include "support/Errors.h"
#include "support/Gbk.h"
#include "support/IniFile.h"
#include "model/U_Class_ConcreteConserve.h"

namespace wcthrm {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
using Entries = std::vector<std::pair<std::string, Variant>>;

// The seven properties in declaration order, as their list entries hold them.
std::vector<Variant> Values(const TConcreteConserve& c) {
  return {c.MyTemp, c.MyInterval, c.MyTimes, c.CalTime, c.MyTimes2, c.Dlsj, c.Dlwd};
}

Texts Gbk(const Texts& utf8) {
  Texts out;
  for (const auto& t : utf8) out.push_back(ToGbk(t));
  return out;
}

// Every value different from the constructor's, with texts a project may hold.
void FillDistinct(TConcreteConserve& c) {
  c.MyTemp = 20.5;
  c.MyInterval = 2;
  c.MyTimes = 3;
  c.CalTime = false;
  c.MyTimes2 = 2;
  c.Dlsj = 72.25;
  c.Dlwd = -0.125;
  c.slPjwd = Gbk({"18", "求解项", "16.50"});
  c.slDlwdsj = Gbk({"20", "已知项,12.5", "", "48"});
}

void SetIdentity(TKxObj& node, const char* caption, int32_t index, int32_t pIndex, int32_t type) {
  node.Caption = ToGbk(caption);
  node.Index = index;
  node.P_index = pIndex;
  node.TypeId = type;
}

void ExpectSameData(const TConcreteConserve& a, const TConcreteConserve& b) {
  EXPECT_EQ(Values(a), Values(b));
  EXPECT_EQ(a.slPjwd, b.slPjwd);
  EXPECT_EQ(a.slDlwdsj, b.slDlwdsj);
}

void Fill(TMyList& list, const Entries& entries) {
  list.Clear();
  for (const auto& [name, value] : entries) list.Add(name, value);
}

// Each test gets its own defaults folder.
class ConcreteConserveDefaults : public DefaultsFolderTest {};

TEST_F(ConcreteConserveDefaults, FreshItemWritesIdentityPropertiesAndOneEmptyRow) {
  TConcreteConserve item;
  item.LoadDefaultData();
  EXPECT_TRUE(item.WriteToList());
  const Entries expected = {{"caption", ToGbk("施工安全")},
                            {"index", -1},
                            {"P_index", -1},
                            {"typeid", 1},
                            {"MyTemp", 5.0},
                            {"MyInterval", 1.0},
                            {"MyTimes", 1},
                            {"CalTime", true},
                            {"MyTimes2", 1},
                            {"Dlsj", 100.0},
                            {"Dlwd", 5.0},
                            {"slPjwd0", ""},
                            {"slDlwdsj0", ""},
                            {"slDlwdsj1", ""}};
  ASSERT_EQ(item.ValueList.Count(), static_cast<int>(expected.size()));
  for (int i = 0; i < item.ValueList.Count(); ++i) {
    EXPECT_EQ(item.ValueList.NameAt(i), expected[i].first);
    EXPECT_EQ(item.ValueList.EntryAt(i).value, expected[i].second) << expected[i].first;
  }
}

TEST(ConcreteConserveItem, ListRoundTripReproducesEveryValue) {
  TConcreteConserve source;
  FillDistinct(source);
  SetIdentity(source, "养护", 7, 3, 42);
  source.WriteToList();
  // The counts written are the lists' lengths; entries come after the seven properties.
  EXPECT_EQ(source.ValueList.NameAt(11), "slPjwd0");
  EXPECT_EQ(source.ValueList.NameAt(14), "slDlwdsj0");

  TConcreteConserve copy;
  for (int i = 0; i < source.ValueList.Count(); ++i) {
    copy.ValueList.Add(source.ValueList.NameAt(i), source.ValueList.EntryAt(i).value);
  }
  EXPECT_TRUE(copy.ReadFromList());
  ExpectSameData(copy, source);
  EXPECT_EQ(copy.Caption, source.Caption);
  EXPECT_EQ(copy.Index, 7);
  EXPECT_EQ(copy.P_index, 3);
  EXPECT_EQ(copy.TypeId, 42);
}

TEST(ConcreteConserveItem, ReadFromListSizesListsByTheCounts) {
  struct Case {
    const char* name;
    Entries entries;
    Texts readings;
    Texts periods;
  };
  const Case cases[] = {
      {"PresentEmptyEntryIsEmpty",
       {{"MyTimes", 2}, {"slPjwd0", "12"}, {"slPjwd1", ""}},
       {"12", ""},
       {}},
      {"AbsentEntriesAreEmpty", {{"MyTimes", 3}, {"slPjwd0", "12"}}, {"12", "", ""}, {}},
      {"TwoRowsReadExactlyFourCells",
       {{"MyTimes2", 2},
        {"slDlwdsj0", "20"},
        {"slDlwdsj1", "24"},
        {"slDlwdsj2", "10"},
        {"slDlwdsj3", "48"},
        {"slDlwdsj4", "99"},
        {"slDlwdsj5", "99"}},
       {},
       {"20", "24", "10", "48"}},
      {"ZeroCountReadsNothing", {{"MyTimes", 0}, {"slPjwd0", "12"}}, {}, {}},
      {"NegativeCountsReadNothing",
       {{"MyTimes", -5}, {"MyTimes2", -1}, {"slPjwd0", "12"}, {"slDlwdsj0", "1"}},
       {},
       {}},
      {"NamesIgnoreCaseAndBlanks",
       {{" mytimes ", "2"}, {"SLPJWD0", "1"}, {"slpjwd1 ", "2"}},
       {"1", "2"},
       {}},
      {"LastEntryOfANameWins",
       {{"MyTimes", 1}, {"slPjwd0", "old"}, {"slPjwd0", "new"}},
       {"new"},
       {}},
      {"NumbersReadAsTheirTexts",
       {{"MyTimes", 2}, {"slPjwd0", 12.5}, {"slPjwd1", 7}},
       {"12.5", "7"},
       {}},
      {"CountsFromTextsAndDoubles",
       {{"MyTimes", "1"}, {"MyTimes2", 1.0}, {"slPjwd0", "a"}, {"slDlwdsj1", "b"}},
       {"a"},
       {"", "b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TConcreteConserve item;
    Fill(item.ValueList, c.entries);
    EXPECT_TRUE(item.ReadFromList());
    EXPECT_EQ(item.slPjwd, c.readings);
    EXPECT_EQ(item.slDlwdsj, c.periods);
  }
}

TEST(ConcreteConserveItem, ReadFromListTakesTextValuesAndLeavesAbsentOnesZero) {
  TConcreteConserve item;
  Fill(item.ValueList, {{"MyTemp", "12.5"}, {"CalTime", "false"}, {"Dlwd", 8}});
  item.ReadFromList();
  const std::vector<Variant> expected = {12.5, 0.0, 0, false, 0, 0.0, 8.0};
  EXPECT_EQ(Values(item), expected);
  EXPECT_EQ(item.Caption, "");
}

TEST(ConcreteConserveItem, UnconvertibleValueStopsTheReadAndKeepsWhatWasRead) {
  struct Case {
    const char* name;
    int failing;  // position of the failing property in declaration order
    const char* entry;
    Variant value;
  };
  const Case cases[] = {
      {"MyTempWord", 0, "MyTemp", "abc"},
      {"MyIntervalLoneMinus", 1, "MyInterval", "-"},
      {"MyTimesFraction", 2, "MyTimes", "1.5"},
      {"MyTimesAboveLimit", 2, "MyTimes", 10001},
      {"CalTimeWord", 3, "CalTime", "maybe"},
      {"MyTimes2AboveLimit", 4, "MyTimes2", "10001"},
      {"MyTimes2DoublingOverflows", 4, "MyTimes2", 2147483647},
      {"DlsjComma", 5, "Dlsj", "1,5"},
      {"DlwdTwoMinus", 6, "Dlwd", "--5"},
  };
  TConcreteConserve donor;
  FillDistinct(donor);
  SetIdentity(donor, "甲", 4, 5, 6);
  donor.WriteToList();
  const TConcreteConserve constructed;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TConcreteConserve item;
    for (int i = 0; i < donor.ValueList.Count(); ++i) {
      item.ValueList.Add(donor.ValueList.NameAt(i), donor.ValueList.EntryAt(i).value);
    }
    item.ValueList.Add(c.entry, c.value);
    EXPECT_THROW(item.ReadFromList(), ConversionError);
    const auto got = Values(item), before = Values(donor), after = Values(constructed);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(got[i], i < c.failing ? before[i] : after[i]) << i;
    EXPECT_EQ(item.Caption, donor.Caption);
    EXPECT_TRUE(item.slPjwd.empty());  // the lists come last
  }
}

TEST(ConcreteConserveItem, CountAtTheLimitIsRead) {
  TConcreteConserve item;
  Fill(item.ValueList,
       {{"MyTimes", TConcreteConserve::kMaxCount}, {"MyTimes2", TConcreteConserve::kMaxCount}});
  item.ReadFromList();
  EXPECT_EQ(item.slPjwd.size(), 10000u);
  EXPECT_EQ(item.slDlwdsj.size(), 20000u);
}

TEST_F(ConcreteConserveDefaults, SaveThenLoadReproducesValuesAndKeepsIdentity) {
  TConcreteConserve source;
  FillDistinct(source);
  SetIdentity(source, "源", 1, 2, 3);
  source.SaveDefaultData();

  TConcreteConserve target;
  SetIdentity(target, "目标", 11, 12, 13);
  target.LoadDefaultData();
  // An empty cell is saved as an empty key, which loading skips: its filler "0" stays.
  TConcreteConserve expected;
  FillDistinct(expected);
  expected.slDlwdsj[2] = "0";
  ExpectSameData(target, expected);
  EXPECT_EQ(FromGbk(target.Caption), "目标");
  EXPECT_EQ(target.Index, 11);
  EXPECT_EQ(target.P_index, 12);
  EXPECT_EQ(target.TypeId, 13);
}

TEST_F(ConcreteConserveDefaults, SaveWritesTextsInPlaceAndKeepsOtherLines) {
  WriteDefaults(
      "[Other]\r\nkey=1\r\n\r\n[ConcreteConserve information]\r\nslPjwd5=9\r\nMyTemp=1\r\n");
  TConcreteConserve item;
  FillDistinct(item);
  SetIdentity(item, "不存", 1, 2, 3);
  item.SaveDefaultData();
  const std::string expected =
      "[Other]\r\nkey=1\r\n\r\n[ConcreteConserve information]\r\nslPjwd5=9\r\nMyTemp=20.5\r\n"
      "MyInterval=2\r\nMyTimes=3\r\nCalTime=False\r\nMyTimes2=2\r\nDlsj=72.25\r\n"
      "Dlwd=-0.125\r\nslPjwd0=18\r\nslPjwd1=" +
      ToGbk("求解项") + "\r\nslPjwd2=16.50\r\nslDlwdsj0=20\r\nslDlwdsj1=" + ToGbk("已知项,12.5") +
      "\r\nslDlwdsj2=\r\nslDlwdsj3=48\r\n";
  EXPECT_EQ(ReadDefaults(), expected);
}

TEST_F(ConcreteConserveDefaults, FailedSaveRaisesAndNamesThePath) {
  // A folder where the file should be: the rename over it fails.
  fs::create_directories(DefaultsFilePath());
  TConcreteConserve item;
  try {
    item.SaveDefaultData();
    FAIL() << "no IoError";
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find(DefaultsFilePath()), std::string::npos) << e.what();
  }
  EXPECT_TRUE(fs::is_directory(DefaultsFilePath()));
}

TEST(ConcreteConserveItem, LoadDefaultsFromSections) {
  struct Case {
    const char* name;
    std::string ini;
    Texts readings;
    Texts periods;
    double myTemp;
  };
  const std::string head = "[ConcreteConserve information]\n";
  const Case cases[] = {
      {"NoSectionKeepsConstructorValues", "[Other]\nMyTemp=9\n", {""}, {"", ""}, 5},
      {"CountsBeyondSavedCellsGiveZeros",
       head + "MyTimes=4\nslPjwd0=a\nslPjwd1=b\nMyTimes2=2\nslDlwdsj1=x\n",
       {"a", "b", "0", "0"},
       {"0", "x", "0", "0"},
       5},
      {"StaleKeysBeyondTheCountAreIgnored",
       head + "MyTimes=1\nslPjwd0=a\nslPjwd5=z\n",
       {"a"},
       {"", ""},
       5},
      {"SectionAndKeysIgnoreCase",
       "[concreteconserve INFORMATION]\nmytimes=2\nSLPJWD1=7\nmytemp=30\n",
       {"0", "7"},
       {"", ""},
       30},
      {"NegativeCountGivesNoRows", head + "MyTimes=-3\n", {}, {"", ""}, 5},
      {"EmptyValuesKeepCurrentOnes", head + "MyTemp=\nslPjwd0=\n", {""}, {"", ""}, 5},
      {"GbkTextsSurvive",
       head + "MyTimes2=1\nslDlwdsj0=" + ToGbk("求解项") + "\nslDlwdsj1=" + ToGbk("已知项,12.5"),
       {""},
       {"求解项", "已知项,12.5"},
       5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TConcreteConserve item;
    item.LoadDefaultsFrom(IniFile("mem.ini", c.ini));
    EXPECT_EQ(item.slPjwd, Gbk(c.readings));
    EXPECT_EQ(item.slDlwdsj, Gbk(c.periods));
    EXPECT_EQ(item.MyTemp, c.myTemp);
    EXPECT_EQ(FromGbk(item.Caption), "施工安全");
  }
}

TEST(ConcreteConserveItem, LoadDefaultsRaisesForValuesThatDoNotConvert) {
  const char* const bodies[] = {
      "MyTimes=abc", "MyTimes=10001", "MyTimes2=10001",  "MyTimes2=1.5",
      "MyTemp=x",    "Dlsj=-",        "CalTime=perhaps",
  };
  for (const char* body : bodies) {
    SCOPED_TRACE(body);
    TConcreteConserve item;
    const std::string ini = std::string("[ConcreteConserve information]\n") + body + "\n";
    EXPECT_THROW(item.LoadDefaultsFrom(IniFile("mem.ini", ini)), ConversionError);
  }
}

}  // namespace
}  // namespace wcthrm
