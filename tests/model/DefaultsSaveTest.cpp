// Saving an item's defaults never loses the other kinds' defaults: a file it cannot read is
// not replaced, and the save says why.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "DefaultsFolder.h"
#include "support/Errors.h"
#include "model/U_Class_ConcreteHeat.h"

namespace wcthrm {
namespace {

namespace fs = std::filesystem;

// Runs body where permissions apply: as root, in a child process as the unprivileged user.
template <class Body>
void WithPermissionsApplying(Body body) {
  if (::geteuid() != 0) {
    body();
    return;
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
    body();
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
}

class DefaultsSave : public DefaultsFolderTest {};

TEST_F(DefaultsSave, UnreadableFileIsReportedAndKept) {
  const std::string others = "[DepthOfSoil information]\r\nCount1=3\r\n";
  WriteDefaults(others);
  // Anyone may replace the file, nobody may read it.
  fs::permissions(File().parent_path(), fs::perms::all);
  fs::permissions(File(), fs::perms::owner_write);
  WithPermissionsApplying([&] {
    TConcreteHeat item;
    item.Clbr = 4.2;
    try {
      item.SaveDefaultData();
      ADD_FAILURE() << "the save succeeded";
    } catch (const IoError& e) {
      EXPECT_EQ(std::string(e.what()), "cannot read '" + File().string() + "': Permission denied");
    }
  });
  fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(ReadDefaults(), others);
  EXPECT_EQ(std::distance(fs::directory_iterator(File().parent_path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace wcthrm
