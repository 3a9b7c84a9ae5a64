// The concrete heating item: list entries, guarded list reads and the saved defaults.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "model/Defaults.h"
#include "DefaultsFolder.h"
#include "support/Errors.h"
#include "support/Gbk.h"
#include "model/U_Class_ConcreteHeat.h"

namespace wcthrm {
namespace {

namespace fs = std::filesystem;

const char* const kNames[] = {"Clbr",  "Clmi", "Yll",   "Jrqclwd", "Bjyxs", "Jrhclwd", "Sjlyxs",
                              "Jrfs",  "Snbh", "Wjqw",  "Jrzgwd",  "mw",    "mce",     "msa",
                              "mg",    "Tw",   "Tce",   "Tsa",     "Tg",    "Cldrb",   "Sdrjr",
                              "Szhsl", "Hsl",  "Bhwwd", "Bhjpnwd"};

// The 25 properties in declaration order, as the values their list entries hold.
std::vector<Variant> Values(const TConcreteHeat& h) {
  return {h.Clbr, h.Clmi,   h.Yll,   h.Jrqclwd, h.Bjyxs, h.Jrhclwd, h.Sjlyxs, h.Jrfs, h.Snbh,
          h.Wjqw, h.Jrzgwd, h.mw,    h.mce,     h.msa,   h.mg,      h.Tw,     h.Tce,  h.Tsa,
          h.Tg,   h.Cldrb,  h.Sdrjr, h.Szhsl,   h.Hsl,   h.Bhwwd,   h.Bhjpnwd};
}

// Every property different from the constructor values; texts a project may hold.
void FillDistinct(TConcreteHeat& h) {
  h.Clbr = 4.2;
  h.Clmi = 1500.5;
  h.Yll = 0.125;
  h.Jrqclwd = -12.75;
  h.Bjyxs = 1.2;
  h.Jrhclwd = 40;
  h.Sjlyxs = 0.8;
  h.Jrfs = ToGbk("人工加热法");
  h.Snbh = ToGbk("＜525");
  h.Wjqw = -10;
  h.Jrzgwd = 60;
  h.mw = ToGbk("求解项");
  h.mce = ToGbk("已知项,12.5");
  h.msa = "600";
  h.mg = "";
  h.Tw = "80";
  h.Tce = "-5";
  h.Tsa = "1.5";
  h.Tg = "x y";
  h.Cldrb = 2.1;
  h.Sdrjr = 335;
  h.Szhsl = 3.5;
  h.Hsl = 1e-5;
  h.Bhwwd = 123456.789;
  h.Bhjpnwd = -0.5;
}

void SetIdentity(TKxObj& node, const char* caption, int32_t index, int32_t pIndex, int32_t type) {
  node.Caption = ToGbk(caption);
  node.Index = index;
  node.P_index = pIndex;
  node.TypeId = type;
}

TEST(ConcreteHeatItem, FreshItemWritesIdentityThenConstructorValues) {
  TConcreteHeat item;
  EXPECT_TRUE(item.WriteToList());
  const TMyList& list = item.ValueList;
  ASSERT_EQ(list.Count(), 29);
  const char* identity[] = {"caption", "index", "P_index", "typeid"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list.NameAt(i), identity[i]);
  const std::vector<Variant> expected = {
      1.0,  1.0, 100.0, 0.0,   1.0,   5.0,  1.0,  ToGbk("蓄热法"), ToGbk("≥525"),
      0.0,  5.0, "mw",  "mce", "msa", "mg", "Tw", "Tce",           "Tsa",
      "Tg", 1.0, 1.0,   0.0,   0.0,   1.0,  0.0};
  for (int i = 0; i < 25; ++i) {
    EXPECT_EQ(list.NameAt(4 + i), kNames[i]);
    EXPECT_EQ(list.EntryAt(4 + i).value, expected[i]) << kNames[i];
  }
}

TEST(ConcreteHeatItem, ListRoundTripKeepsValuesAndLeavesIdentityAlone) {
  TConcreteHeat source;
  FillDistinct(source);
  SetIdentity(source, "源", 7, 3, 42);
  source.WriteToList();

  TConcreteHeat target;
  SetIdentity(target, "目标", 1, 2, 9);
  for (int i = 0; i < source.ValueList.Count(); ++i) {
    target.ValueList.Add(source.ValueList.NameAt(i), source.ValueList.EntryAt(i).value);
  }
  EXPECT_TRUE(target.ReadFromList());
  EXPECT_EQ(Values(target), Values(source));
  EXPECT_EQ(target.Caption, ToGbk("目标"));
  EXPECT_EQ(target.Index, 1);
  EXPECT_EQ(target.P_index, 2);
  EXPECT_EQ(target.TypeId, 9);
}

TEST(ConcreteHeatItem, ReadFromListCases) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, Variant>> entries;
    bool result;
    double clbr, clmi, yll, bhjpnwd;
    std::string jrfs;
  };
  // The item starts from FillDistinct: Clbr 4.2, Clmi 1500.5, Yll 0.125, Bhjpnwd -0.5.
  const Case cases[] = {
      {"absent_entries_read_as_zero_and_empty", {}, true, 0, 0, 0, 0, ""},
      {"numeric_text_converts", {{"Clbr", "2.5"}, {"Bhjpnwd", " -3 "}}, true, 2.5, 0, 0, -3, ""},
      {"non_numeric_text_stops_at_that_entry",
       {{"Clbr", 9.0}, {"Clmi", 8.0}, {"Yll", "abc"}, {"Bhjpnwd", 7.0}, {"Jrfs", "t"}},
       false,
       9,
       8,
       0.125,
       -0.5,
       ToGbk("人工加热法")},
      {"lone_minus_is_no_number",
       {{"Clbr", "-"}},
       false,
       4.2,
       1500.5,
       0.125,
       -0.5,
       ToGbk("人工加热法")},
      {"names_match_case_and_blank_insensitively",
       {{" cLBR ", 6.0}, {"JRFS", "k"}},
       true,
       6,
       0,
       0,
       0,
       "k"},
      {"last_duplicate_wins", {{"Clbr", 1.0}, {"Clbr", 2.0}}, true, 2, 0, 0, 0, ""},
      {"integer_and_boolean_variants_convert",
       {{"Clbr", int32_t{3}}, {"Clmi", true}},
       true,
       3,
       -1,
       0,
       0,
       ""},
      {"number_into_text_property", {{"Jrfs", 12.5}}, true, 0, 0, 0, 0, "12.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TConcreteHeat item;
    FillDistinct(item);
    SetIdentity(item, "节点", 5, 6, 7);
    item.ValueList.Add("caption", Variant("other"));
    item.ValueList.Add("index", Variant(int32_t{99}));
    for (const auto& [name, value] : c.entries) item.ValueList.Add(name, value);
    EXPECT_EQ(item.ReadFromList(), c.result);
    EXPECT_EQ(item.Clbr, c.clbr);
    EXPECT_EQ(item.Clmi, c.clmi);
    EXPECT_EQ(item.Yll, c.yll);
    EXPECT_EQ(item.Bhjpnwd, c.bhjpnwd);
    EXPECT_EQ(item.Jrfs, c.jrfs);
    EXPECT_EQ(item.Caption, ToGbk("节点"));
    EXPECT_EQ(item.Index, 5);
  }
}

class ConcreteHeatDefaults : public DefaultsFolderTest {};

TEST_F(ConcreteHeatDefaults, SaveThenLoadOnAnotherItemKeepsItsIdentity) {
  TConcreteHeat source;
  FillDistinct(source);
  source.Clbr = 1.0 / 3;  // written with 15 significant digits
  source.SaveDefaultData();

  TConcreteHeat target;
  SetIdentity(target, "另一项", 11, 12, 13);
  target.LoadDefaultData();
  TConcreteHeat expected;
  FillDistinct(expected);
  expected.Clbr = 0.333333333333333;
  expected.mg = "";  // an empty text is written, read back as absent: empty all the same
  EXPECT_EQ(Values(target), Values(expected));
  EXPECT_EQ(target.Caption, ToGbk("另一项"));
  EXPECT_EQ(target.Index, 11);
  EXPECT_EQ(target.P_index, 12);
  EXPECT_EQ(target.TypeId, 13);
}

TEST_F(ConcreteHeatDefaults, SaveWritesNumberTextsAndKeepsOtherLines) {
  WriteDefaults(
      "; kept\r\n[ConcreteHeat information]\r\nstale=1\r\nYll=7\r\n\r\n[Other]\r\nk=v\r\n");
  TConcreteHeat item;
  item.Clmi = 0.5;
  item.SaveDefaultData();
  const std::string text = ReadDefaults();
  for (const char* line :
       {"; kept\r\n[ConcreteHeat information]\r\nstale=1\r\nYll=100\r\nClbr=1\r\nClmi=0.5\r\n",
        "Bhjpnwd=0\r\n\r\n[Other]\r\nk=v\r\n", "mw=mw\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  EXPECT_NE(text.find("Jrfs=" + ToGbk("蓄热法") + "\r\n"), std::string::npos);
}

TEST_F(ConcreteHeatDefaults, LoadCases) {
  struct Case {
    const char* name;
    const char* file;  // UTF-8; written as GBK
    double clbr, yll, bhjpnwd;
    std::string jrfs, mw;
  };
  const Case cases[] = {
      {"no_file_gives_zero_and_empty", nullptr, 0, 0, 0, "", ""},
      {"no_section_gives_zero_and_empty", "[Other]\nClbr=5\n", 0, 0, 0, "", ""},
      {"lower_case_keys_restore", "[concreteheat INFORMATION]\nclbr=2.5\nJRFS=蓄热法\n", 2.5, 0, 0,
       "蓄热法", ""},
      {"empty_value_reads_as_empty_text", "[ConcreteHeat information]\nmw=\nYll=3\n", 0, 3, 0, "",
       ""},
      {"unknown_keys_are_ignored", "[ConcreteHeat information]\nfoo=bar\nYll=4\n", 0, 4, 0, "", ""},
      {"texts_survive", "[ConcreteHeat information]\nmw=已知项,12.5\nJrfs=求解项\n", 0, 0, 0,
       "求解项", "已知项,12.5"},
      // Stops at Yll: Clbr was read, everything after Yll keeps the constructor value.
      {"non_numeric_stops_the_read", "[ConcreteHeat information]\nClbr=2\nYll=abc\nBhjpnwd=9\n", 2,
       100, 0, "蓄热法", "mw"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.file) {
      WriteDefaults(ToGbk(c.file));
    } else {
      WriteDefaults("");
      fs::remove(DefaultsFilePath());
    }
    TConcreteHeat item;
    SetIdentity(item, "项", 1, 2, 3);
    item.LoadDefaultData();
    EXPECT_EQ(item.Clbr, c.clbr);
    EXPECT_EQ(item.Yll, c.yll);
    EXPECT_EQ(item.Bhjpnwd, c.bhjpnwd);
    EXPECT_EQ(item.Jrfs, ToGbk(c.jrfs));
    EXPECT_EQ(item.mw, ToGbk(c.mw));
    EXPECT_EQ(item.Caption, ToGbk("项"));
    EXPECT_EQ(item.TypeId, 3);
  }
}

TEST_F(ConcreteHeatDefaults, LoadStagesTheSectionInTheList) {
  WriteDefaults("[ConcreteHeat information]\nfoo=bar\nempty=\nYll=4\n");
  TConcreteHeat item;
  SetIdentity(item, "项", 1, 2, 3);
  item.LoadDefaultData();
  const TMyList& list = item.ValueList;
  ASSERT_EQ(list.Count(), 6);
  EXPECT_EQ(list.EntryAt(0).value, Variant(ToGbk("项")));
  EXPECT_EQ(list.EntryAt(3).value, Variant(int32_t{3}));
  EXPECT_EQ(list.NameAt(4), "foo");
  EXPECT_EQ(list.EntryAt(5).value, Variant("4"));
  item.WriteToList();  // the stale key goes
  EXPECT_EQ(item.ValueList.Find("foo"), nullptr);
}

TEST_F(ConcreteHeatDefaults, FailedWriteRaisesNamingThePath) {
  // A file where the defaults folder should be: no folder can be made there.
  const fs::path blocker = folder_ / "blocker";
  std::ofstream(blocker, std::ios::binary) << "keep";
  SetDefaultsFolder(blocker.string() + "/");
  TConcreteHeat item;
  try {
    item.SaveDefaultData();
    ADD_FAILURE() << "no IoError";
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find(DefaultsFilePath()), std::string::npos) << e.what();
  }
  std::ifstream in(blocker, std::ios::binary);
  std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept, "keep");
}

}  // namespace
}  // namespace wcthrm
