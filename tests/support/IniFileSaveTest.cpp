// Saving INI files when the disk or the file says no: a read-only file, a symbolic link, a
// failing fsync, a file that exists but cannot be read. The old file always survives.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TempFolderTest.h"
#include "support/Errors.h"
#include "support/IniFile.h"

// The test program's own fsync: it fails with EIO while armed, as a full or failing disk
// would make it; otherwise it is the system's.
namespace {
bool g_failFsync = false;
}
extern "C" int fsync(int fd) {
  if (g_failFsync) {
    errno = EIO;
    return -1;
  }
  return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace wcthrm {
namespace {

namespace fs = std::filesystem;

int OpenDescriptors() {
  int n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd")) ++n;
  return n;
}

class IniFileSave : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    path_ = Write("update.ini", "[A]\r\nk=old\r\n");
  }
  void TearDown() override {
    g_failFsync = false;
    TempFolderTest::TearDown();
  }
  // Changes k and saves; the IoError's message, or "" when the save succeeded.
  std::string SaveNew(const fs::path& path) {
    IniFile ini = IniFile::ReadForUpdate(path.string());
    ini.Set("A", "k", "new");
    try {
      ini.Save();
    } catch (const IoError& e) {
      return e.what();
    }
    return "";
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path path_;
};

TEST_F(IniFileSave, ReadOnlyFileIsNotReplaced) {
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(SaveNew(path_), "cannot write '" + path_.string() + "': the file is read-only");
  EXPECT_EQ(Read(path_), "[A]\r\nk=old\r\n");
  EXPECT_EQ(Names(), std::vector<std::string>{"update.ini"});
}

TEST_F(IniFileSave, SymbolicLinkIsFollowedAndStays) {
  fs::create_directories(dir_ / "real");
  fs::rename(path_, dir_ / "real" / "defaults.ini");
  fs::permissions(dir_ / "real" / "defaults.ini", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("real/defaults.ini", path_);  // relative to the link's folder
  EXPECT_EQ(SaveNew(path_), "");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path_)));
  EXPECT_EQ(Read(dir_ / "real" / "defaults.ini"), "[A]\r\nk=new\r\n");
  EXPECT_EQ(fs::status(dir_ / "real" / "defaults.ini").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Names(), (std::vector<std::string>{"real", "update.ini"}));
}

TEST_F(IniFileSave, FailingFsyncClosesTheFileAndKeepsTheOld) {
  const int before = OpenDescriptors();
  g_failFsync = true;
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(SaveNew(path_), "cannot write '" + path_.string() + "': Input/output error");
  g_failFsync = false;
  EXPECT_EQ(OpenDescriptors(), before);
  EXPECT_EQ(Read(path_), "[A]\r\nk=old\r\n");
  EXPECT_EQ(Names(), std::vector<std::string>{"update.ini"});
}

TEST_F(IniFileSave, ReadForUpdateRefusesWhatItCannotRead) {
  EXPECT_EQ(IniFile::ReadForUpdate((dir_ / "missing.ini").string()).Text(), "");
  fs::create_directories(dir_ / "folder.ini");
  try {
    (void)IniFile::ReadForUpdate((dir_ / "folder.ini").string());
    FAIL() << "a folder read as a file";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), ("cannot read '" + (dir_ / "folder.ini").string() + "': Is a directory").c_str());
  }
  // The lenient reader of the defaults still takes it as empty.
  EXPECT_EQ(IniFile((dir_ / "folder.ini").string()).Text(), "");
}

}  // namespace
}  // namespace wcthrm
