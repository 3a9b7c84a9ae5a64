// A test fixture giving each test its own folder for update.ini, set as the items' defaults
// folder.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "model/Defaults.h"

namespace wcthrm {

class DefaultsFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("wcthrm-defaults-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    SetDefaultsFolder(folder_.string() + "/");
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }

  // Writes update.ini in a folder of its own, so no cached parse of an earlier file answers.
  void WriteDefaults(const std::string& bytes) {
    const std::filesystem::path sub = folder_ / std::to_string(++files_);
    std::filesystem::create_directories(sub);
    SetDefaultsFolder(sub.string() + "/");
    std::ofstream(DefaultsFilePath(), std::ios::binary) << bytes;
  }
  static std::string ReadDefaults() {
    std::ifstream in(DefaultsFilePath(), std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  // The update.ini the items use now.
  static std::filesystem::path File() { return DefaultsFilePath(); }

  std::filesystem::path folder_;

 private:
  int files_ = 0;
};

}  // namespace wcthrm
