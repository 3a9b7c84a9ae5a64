// The type identifiers read from the host's config file at load.
#include "wcthrm/U_TypeAndConst.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/Folders.h"
#include "support/Gbk.h"

namespace wcthrm {
namespace {

namespace fs = std::filesystem;

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = fs::temp_directory_path() / ("wcthrm_cfg_" + std::to_string(::getpid()));
    fs::remove_all(host_);
    fs::create_directories(host_);
  }
  void TearDown() override { fs::remove_all(host_); }
  std::string Host() const { return host_.string() + "/"; }
  void WriteConfig(const std::string& folder, const std::string& utf8) {
    fs::create_directories(host_ / folder);
    std::ofstream(host_ / folder / "config.ini", std::ios::binary) << ToGbk(utf8);
  }
  fs::path host_;
};

TEST_F(ConfigTest, ReadsTheSevenIdentifiers) {
  WriteConfig("tmp",
              "[projectInfo]\r\nRecycleBinTypeId=0x1F\r\nKxPrjTypeId=$20\r\nKxfolderTypeId=-5\r\n"
              "[wcthrm]\r\n混凝土加热=100\r\n混凝土养护硬化温度计算=12a\r\n"
              "砼运输和浇灌成型温度计算=103\r\n土壤冻结深度计算=102\r\n");
  TypeIds ids = ReadTypeIds(ConfigPath(Host()));
  EXPECT_EQ(ids.RecycleBin, 31);
  EXPECT_EQ(ids.KxPrj, 32);
  EXPECT_EQ(ids.Kxfolder, -5);
  EXPECT_EQ(ids.ConcreteHeat, 100);
  EXPECT_EQ(ids.ConcreteConserve, -1);  // 12a is no whole number
  EXPECT_EQ(ids.TongTransitIrrigate, 103);
  EXPECT_EQ(ids.DepthOfSoil, 102);
}

TEST_F(ConfigTest, MissingFileSectionOrKeyGiveMinusOne) {
  TypeIds none = ReadTypeIds(ConfigPath(Host()));
  for (int32_t id : {none.RecycleBin, none.KxPrj, none.Kxfolder, none.ConcreteHeat,
                     none.ConcreteConserve, none.DepthOfSoil, none.TongTransitIrrigate})
    EXPECT_EQ(id, -1);
  WriteConfig("tmp", "[wcthrm]\r\n混凝土加热=7\r\n");
  TypeIds partial = ReadTypeIds(ConfigPath(Host()));
  EXPECT_EQ(partial.ConcreteHeat, 7);
  EXPECT_EQ(partial.RecycleBin, -1);
  EXPECT_EQ(partial.DepthOfSoil, -1);
}

TEST_F(ConfigTest, TmpFolderIsFoundIgnoringCase) {
  WriteConfig("TMP", "[projectInfo]\r\nKxPrjTypeId=4\r\n");
  EXPECT_EQ(ReadTypeIds(ConfigPath(Host())).KxPrj, 4);
  EXPECT_EQ(TmpFolder(Host()), Host() + "TMP/");
  fs::remove_all(host_ / "TMP");
  EXPECT_EQ(TmpFolder(Host()), Host() + "Tmp/");  // created as Tmp by the first write
}

}  // namespace
}  // namespace wcthrm

namespace wcthrm {
namespace {

TEST(HostFolder, IsTheExecutablesFolderUnlessOverridden) {
  const char* saved = std::getenv("WCTHRM_HOST_FOLDER");
  std::string keep = saved ? saved : "";
  ::unsetenv("WCTHRM_HOST_FOLDER");
  const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
  EXPECT_EQ(HostFolder(), exe.substr(0, exe.rfind('/') + 1));
  ::setenv("WCTHRM_HOST_FOLDER", "/some/where", 1);
  EXPECT_EQ(HostFolder(), "/some/where/");
  if (saved) ::setenv("WCTHRM_HOST_FOLDER", keep.c_str(), 1); else ::unsetenv("WCTHRM_HOST_FOLDER");
}

}  // namespace
}  // namespace wcthrm
