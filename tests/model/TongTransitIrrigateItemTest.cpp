// The transport item's named values and its defaults in update.ini.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/Defaults.h"
#include "DefaultsFolder.h"
#include "support/Errors.h"
#include "support/Gbk.h"
#include "model/U_Class_TongTransitIrrigate.h"

namespace wcthrm {
namespace {

namespace fs = std::filesystem;

const char* const kNames[] = {"Cjwd", "Wdssxs", "Ysdjzdsj", "Yzcs", "Hjwd",  "cf",       "cs",
                              "mf",   "ms",     "Tf",       "Ts",   "Wendu", "Zhiliang", "Hntbrr"};

// The 14 property values in entry order, as WriteToList gives them.
std::vector<Variant> Values(TTongTransitIrrigate& item) {
  item.WriteToList();
  std::vector<Variant> values;
  for (int i = 4; i < item.ValueList.Count(); ++i)
    values.push_back(item.ValueList.EntryAt(i).value);
  return values;
}

// An item whose every property differs from the constructor's and from zero.
void FillDistinct(TTongTransitIrrigate& item) {
  item.Cjwd = 17.3;
  item.Wdssxs = 0.25;
  item.Ysdjzdsj = 0.35;
  item.Yzcs = 3;
  item.Hjwd = -3.7;
  item.cf = "2.5";
  item.cs = WCTHRM_GBK("求解项");
  item.mf = WCTHRM_GBK("已知项,12.5");
  item.ms = "100";
  item.Tf = "-5";
  item.Ts = "0";
  item.Wendu = 1.0 / 3;
  item.Zhiliang = 2400;
  item.Hntbrr = 0.96;
}

void CopyList(const TMyList& from, TMyList& to) {
  to.Clear();
  for (int i = 0; i < from.Count(); ++i) to.Add(from.NameAt(i), from.EntryAt(i).value);
}

TEST(TongTransitIrrigateItem, FreshItemWritesIdentityThenPropertiesInOrder) {
  TTongTransitIrrigate item;
  ASSERT_TRUE(item.WriteToList());
  ASSERT_EQ(item.ValueList.Count(), 18);
  const char* identity[] = {"caption", "index", "P_index", "typeid"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(item.ValueList.NameAt(i), identity[i]);
  for (int i = 0; i < 14; ++i) EXPECT_EQ(item.ValueList.NameAt(i + 4), kNames[i]);
  EXPECT_EQ(item.ValueList.EntryAt(4).value, Variant(5.0));
  EXPECT_EQ(item.ValueList.EntryAt(7).value, Variant(int32_t{1}));
  EXPECT_EQ(item.ValueList.EntryAt(9).value, Variant("cf"));
  EXPECT_EQ(item.ValueList.EntryAt(14).value, Variant("Ts"));
  EXPECT_EQ(item.ValueList.EntryAt(17).value, Variant(1.0));
  const std::vector<Variant> expected = {5.0,  0.0,  1.0,  int32_t{1}, 0.0, "cf", "cs",
                                         "mf", "ms", "Tf", "Ts",       5.0, 1.0,  1.0};
  EXPECT_EQ(Values(item), expected);
}

TEST(TongTransitIrrigateItem, RoundTripThroughListKeepsEveryValueButNotIdentity) {
  TTongTransitIrrigate source;
  FillDistinct(source);
  source.Caption = "source";
  source.Index = 7;
  source.WriteToList();

  TTongTransitIrrigate target;
  target.Caption = "target";
  target.Index = 3;
  target.P_index = 4;
  target.TypeId = 9;
  CopyList(source.ValueList, target.ValueList);
  ASSERT_TRUE(target.ReadFromList());
  EXPECT_EQ(Values(target), Values(source));
  EXPECT_EQ(target.cs, WCTHRM_GBK("求解项"));
  EXPECT_EQ(target.mf, WCTHRM_GBK("已知项,12.5"));
  EXPECT_EQ(target.Caption, "target");
  EXPECT_EQ(target.Index, 3);
  EXPECT_EQ(target.P_index, 4);
  EXPECT_EQ(target.TypeId, 9);
}

TEST(TongTransitIrrigateItem, AbsentEntriesReadAsZeroAndEmpty) {
  TTongTransitIrrigate item;
  item.Caption = "kept";
  item.TKxObj::WriteToList();  // identity entries only
  ASSERT_TRUE(item.ReadFromList());
  const std::vector<Variant> expected = {0.0, 0.0, 0.0, int32_t{0}, 0.0, "",  "",
                                         "",  "",  "",  "",         0.0, 0.0, 0.0};
  EXPECT_EQ(Values(item), expected);
  EXPECT_EQ(item.Caption, "kept");
}

// Values of other kinds than written are converted; names match case-insensitively and the
// last of a name wins; names that are no property change nothing.
TEST(TongTransitIrrigateItem, ReadConvertsAndMatchesNames) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, Variant>> entries;
    const char* property;
    Variant expected;
  };
  // clang-format off
  const Case cases[] = {
      {"count_from_text", {{"Yzcs", "3"}}, "Yzcs", int32_t{3}},
      {"count_from_double", {{"Yzcs", 4.0}}, "Yzcs", int32_t{4}},
      {"double_from_text", {{"Wdssxs", "0.25"}}, "Wdssxs", 0.25},
      {"double_from_integer", {{"Zhiliang", int32_t{2400}}}, "Zhiliang", 2400.0},
      {"text_from_double", {{"cf", 2.5}}, "cf", "2.5"},
      {"upper_case_name", {{"CJWD", "12"}}, "Cjwd", 12.0},
      {"blanks_around_name", {{"  hntbrr ", 0.84}}, "Hntbrr", 0.84},
      {"last_duplicate_wins", {{"Hjwd", -1.0}, {"hjwd", -2.0}}, "Hjwd", -2.0},
      {"stale_name_ignored", {{"Cjwd2", 99.0}, {"Cjwd", 8.0}}, "Cjwd", 8.0},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTongTransitIrrigate item;
    item.TKxObj::WriteToList();
    for (const auto& [name, value] : c.entries) item.ValueList.Add(name, value);
    ASSERT_TRUE(item.ReadFromList());
    std::vector<Variant> values = Values(item);
    int at = 0;
    while (std::string(kNames[at]) != c.property) ++at;
    EXPECT_EQ(values[static_cast<size_t>(at)], c.expected);
  }
}

// A value that does not convert ends the read there: entries before it are taken, it and
// the rest keep their previous values.
TEST(TongTransitIrrigateItem, FailedConversionStopsTheRead) {
  struct Case {
    const char* name;
    int badEntry;  // position among the 14
    Variant badValue;
  };
  // clang-format off
  const Case cases[] = {
      {"first_double", 0, "abc"},
      {"time_text", 2, "abc"},
      {"count_with_fraction", 3, "2.5"},
      {"count_beyond_int32", 3, 1e12},
      {"double_with_comma", 4, "1,5"},
      {"last_double", 13, "-"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTongTransitIrrigate source;
    FillDistinct(source);
    source.WriteToList();
    TTongTransitIrrigate target;
    const std::vector<Variant> before = Values(target);
    CopyList(source.ValueList, target.ValueList);
    target.ValueList.Add(kNames[c.badEntry], c.badValue);

    EXPECT_FALSE(target.ReadFromList());
    const std::vector<Variant> after = Values(target), wanted = Values(source);
    for (size_t i = 0; i < 14; ++i) {
      EXPECT_EQ(after[i], static_cast<int>(i) < c.badEntry ? wanted[i] : before[i]) << kNames[i];
    }
  }
}

class TongTransitIrrigateDefaults : public DefaultsFolderTest {};

TEST_F(TongTransitIrrigateDefaults, SaveThenLoadOnAnotherItemKeepsItsIdentity) {
  TTongTransitIrrigate saved;
  FillDistinct(saved);
  saved.SaveDefaultData();

  TTongTransitIrrigate loaded;
  loaded.Caption = "mine";
  loaded.Index = 11;
  loaded.P_index = 12;
  loaded.TypeId = 13;
  loaded.LoadDefaultData();
  std::vector<Variant> expected = Values(saved);
  expected[11] = 0.333333333333333;  // doubles travel as 15 significant digits
  EXPECT_EQ(Values(loaded), expected);
  EXPECT_EQ(loaded.Caption, "mine");
  EXPECT_EQ(loaded.Index, 11);
  EXPECT_EQ(loaded.P_index, 12);
  EXPECT_EQ(loaded.TypeId, 13);
}

TEST_F(TongTransitIrrigateDefaults, SaveWritesNumberTextsAndKeepsOtherLines) {
  WriteDefaults(
      "[ConcreteHeat information]\r\nJrfs=1\r\n"
      "[TongTransitIrrigate information]\r\nOther=x\r\nCJWD=old\r\n");
  TTongTransitIrrigate item;
  FillDistinct(item);
  item.SaveDefaultData();
  EXPECT_EQ(ReadDefaults(),
            "[ConcreteHeat information]\r\nJrfs=1\r\n"
            "[TongTransitIrrigate information]\r\nOther=x\r\nCjwd=17.3\r\n"
            "Wdssxs=0.25\r\nYsdjzdsj=0.35\r\nYzcs=3\r\nHjwd=-3.7\r\ncf=2.5\r\ncs=" +
                WCTHRM_GBK("求解项") + "\r\nmf=" + WCTHRM_GBK("已知项,12.5") +
                "\r\nms=100\r\nTf=-5\r\nTs=0\r\nWendu=0.333333333333333\r\n"
                "Zhiliang=2400\r\nHntbrr=0.96\r\n");
}

// What a defaults section gives a new item (constructed, then LoadDefaultData).
TEST_F(TongTransitIrrigateDefaults, LoadReadsTheSectionAsTexts) {
  struct Case {
    const char* name;
    const char* file;  // nullptr: no file
    std::vector<Variant> expected;
    int listEntries;
  };
  // clang-format off
  const Case cases[] = {
      {"no_file", nullptr, {0.0, 0.0, 0.0, int32_t{0}, 0.0, "", "", "", "", "", "", 0.0, 0.0, 0.0},
       4},
      {"other_section_only",
       "[DepthOfSoil information]\nCjwd=9\n",
       {0.0, 0.0, 0.0, int32_t{0}, 0.0, "", "", "", "", "", "", 0.0, 0.0, 0.0},
       4},
      {"keys_in_any_case_empty_skipped_stale_kept",
       "[tongtransitirrigate INFORMATION]\nCJWD=20\nyzcs=3\ncf=\nTs= -5 \nStale=1\n",
       {20.0, 0.0, 0.0, int32_t{3}, 0.0, "", "", "", "", "", "-5", 0.0, 0.0, 0.0},
       8},
      {"bad_number_stops_silently",
       "[TongTransitIrrigate information]\nCjwd=20\nWdssxs=0.25\nYsdjzdsj=abc\nYzcs=4\n",
       {20.0, 0.25, 1.0, int32_t{1}, 0.0, "cf", "cs", "mf", "ms", "Tf", "Ts", 5.0, 1.0, 1.0},
       8},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(DefaultsFilePath());
    if (c.file) WriteDefaults(c.file);
    TTongTransitIrrigate item;
    item.LoadDefaultData();
    EXPECT_EQ(item.ValueList.Count(), c.listEntries);
    EXPECT_EQ(Values(item), c.expected);
  }
}

TEST_F(TongTransitIrrigateDefaults, LoadFromAnIniInMemory) {
  IniFile ini("unused.ini", "[TongTransitIrrigate information]\nHntbrr=1.05\nmf=50\n");
  TTongTransitIrrigate item;
  item.LoadDefaultsFrom(ini);
  EXPECT_EQ(item.Hntbrr, 1.05);
  EXPECT_EQ(item.mf, "50");
  EXPECT_EQ(item.Cjwd, 0.0);
}

TEST_F(TongTransitIrrigateDefaults, FailedWriteRaisesNamingThePath) {
  // A file where the defaults folder should be makes the write fail.
  fs::path blocker = folder_ / "blocked";
  std::ofstream(blocker) << "x";
  SetDefaultsFolder((blocker / "").string());
  TTongTransitIrrigate item;
  try {
    item.SaveDefaultData();
    ADD_FAILURE() << "no IoError";
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find(DefaultsFilePath()), std::string::npos) << e.what();
  }
  SetDefaultsFolder(folder_.string() + "/");
}

}  // namespace
}  // namespace wcthrm
