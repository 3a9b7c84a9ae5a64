// INI files: lookups, writes in place, untouched lines, atomic replacement.
#include "support/IniFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TempFolderTest.h"
#include "support/Errors.h"
#include "support/Gbk.h"

namespace wcthrm {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public TempFolderTest {};

TEST_F(IniFileTest, ReadsGbkNamesAndValuesIgnoringCase) {
  const std::string path = Write(
      "a.ini", ToGbk("; comment\r\n[WCTHRM]\r\n 混凝土加热 = 0x1F \r\nKey=first\r\nkey=second\r\n"
                     "[wcthrm]\r\nkey=other section\r\n"));
  IniFile ini(path);
  EXPECT_EQ(ini.ReadString("wcthrm", ToGbk("混凝土加热"), "-"), "0x1F");
  EXPECT_EQ(ini.ReadString("Wcthrm", "KEY", "-"), "first");  // first section, first key
  EXPECT_EQ(ini.ReadString("wcthrm", "missing", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadString("nosection", "key", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadKeys("wcthrm"), (std::vector<std::string>{ToGbk("混凝土加热"), "Key"}));
  EXPECT_TRUE(ini.ReadKeys("nosection").empty());
}

TEST_F(IniFileTest, ReadIntegerForms) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {{"0x1F", 31}, {"0X1f", 31}, {"$1F", 31}, {"-5", -5},       {"12a", -1},
               {"", -1},     {"0x", -1},   {"$", -1},   {"99999999999", -1}, {"+7", 7},
               {"0xFFFFFFFF", -1}, {"0x123456789", -1}};
  for (const auto& c : cases) {
    IniFile ini("none", std::string("[s]\nk=") + c.text + "\n");
    EXPECT_EQ(ini.ReadInteger("s", "k"), c.value) << c.text;
  }
  IniFile empty("none", "");
  EXPECT_EQ(empty.ReadInteger("s", "k"), -1);
}

TEST_F(IniFileTest, WriteInPlaceKeepsEveryOtherByte) {
  const std::string before =
      ToGbk("; 注释\r\n[Other]\nx = 1\n\n[节]\r\nA=1\r\nB = 2  \r\n\r\n[Tail]\r\nz=9");
  const std::string path = Write("b.ini", before);
  IniFile ini(path);
  ini.Set(ToGbk("节"), "b", ToGbk("新值"));     // in place
  ini.Set(ToGbk("节"), "C", "3");               // appended to its section
  ini.Set("New", "k", "v");                     // new section at the end
  ini.Save();
  EXPECT_EQ(Read(path),
            ToGbk("; 注释\r\n[Other]\nx = 1\n\n[节]\r\nA=1\r\nb=新值\r\nC=3\r\n\r\n[Tail]\r\nz=9\r\n"
                  "[New]\r\nk=v\r\n"));
  IniFile again(path);
  EXPECT_EQ(again.ReadString(ToGbk("节"), "B", ""), ToGbk("新值"));
  EXPECT_EQ(again.ReadKeys(ToGbk("节")), (std::vector<std::string>{"A", "b", "C"}));
}

TEST_F(IniFileTest, LineBreaksInValuesCannotInjectLines) {
  IniFile ini("none", "[S]\r\n");
  ini.Set("S", "k", "a\r\n[Evil]\r\nx=1");
  EXPECT_EQ(ini.Text(), "[S]\r\nk=a  [Evil]  x=1\r\n");
  EXPECT_EQ(ini.ReadString("Evil", "x", "none"), "none");
}

// Names that would read back as another key or section are refused, and nothing changes.
TEST_F(IniFileTest, NamesThatWouldReadBackOtherwiseAreRefused) {
  const struct {
    const char* name;
    const char* section;
    const char* key;
    const char* says;
  } cases[] = {
      {"key with =", "S", "a=b", "cannot write key 'a=b' in [S] to 'mem': a key may not hold '='"},
      {"key like a header", "S", "[T]", "a key may not begin with '[' or ';'"},
      {"key like a comment", "S", " ;k", "a key may not begin with '[' or ';'"},
      {"empty key", "S", "  ", "a key may not be empty"},
      {"key with line break", "S", "a\nb", "a key may not hold a line break"},
      {"section with ]", "a]b", "k", "cannot write section [a]b] to 'mem': a section name may not hold ']'"},
      {"empty section", "", "k", "a section name may not be empty"},
      {"section with line break", "a\r\nb", "k", "a section name may not hold a line break"},
  };
  for (const auto& c : cases) {
    IniFile ini("mem", "[S]\r\nk=1\r\n");
    try {
      ini.Set(c.section, c.key, "v");
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const RangeError& e) {
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.name << ": " << e.what();
    }
    EXPECT_EQ(ini.Text(), "[S]\r\nk=1\r\n") << c.name;
  }
  // What may be written reads back as written.
  IniFile ini("mem", "");
  ini.Set("a[b", "x]y;z", "1");
  EXPECT_EQ(IniFile("mem", ini.Text()).ReadString("a[b", "x]y;z", ""), "1");
}

TEST_F(IniFileTest, WriteCreatesFolderAndFile) {
  const std::string path = (dir_ / "Tmp" / "deep" / "update.ini").string();
  IniFile ini(path);
  ini.WriteString("S", "k", "1");
  EXPECT_EQ(Read(path), "[S]\r\nk=1\r\n");
}

TEST_F(IniFileTest, FailedWriteLeavesOldFileAndNamesPath) {
  if (::geteuid() == 0) {
    // root writes through permissions; make the target a folder instead.
    const std::string path = (dir_ / "update.ini").string();
    fs::create_directories(dir_ / "update.ini" / "x");
    IniFile ini(path);
    try {
      ini.WriteString("S", "k", "1");
      FAIL();
    } catch (const IoError& e) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_TRUE(fs::is_directory(path));
    return;
  }
  const std::string path = Write("c.ini", "[S]\r\nk=old\r\n");
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  IniFile ini(path);
  try {
    ini.WriteString("S", "k", "new");
    FAIL();
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  fs::permissions(dir_, fs::perms::owner_all);
  EXPECT_EQ(Read(path), "[S]\r\nk=old\r\n");
  EXPECT_EQ(fs::directory_iterator(dir_)->path().filename(), "c.ini");  // no temporary left
}

TEST_F(IniFileTest, CachedFileFollowsSavesAndOutsideChanges) {
  const std::string path = Write("d.ini", "[S]\nk=1\n");
  auto first = IniFile::Cached(path);
  EXPECT_EQ(IniFile::Cached(path), first);  // unchanged file: same parse
  IniFile writer(path);
  writer.WriteString("S", "k", "2");
  EXPECT_EQ(IniFile::Cached(path)->ReadString("S", "k", ""), "2");
  Write("d.ini", "[S]\nk=three\n");  // changed behind the module's back
  EXPECT_EQ(IniFile::Cached(path)->ReadString("S", "k", ""), "three");
  fs::remove(path);
  EXPECT_EQ(IniFile::Cached(path)->ReadString("S", "k", "gone"), "gone");
}

}  // namespace
}  // namespace wcthrm
