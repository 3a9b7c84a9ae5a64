#include "model/Defaults.h"

namespace wcthrm {

namespace {
std::string& Folder() {
  static std::string folder;
  return folder;
}
}  // namespace

void SetDefaultsFolder(std::string folder) { Folder() = std::move(folder); }
const std::string& DefaultsFolder() { return Folder(); }
std::string DefaultsFilePath() { return Folder() + "update.ini"; }

}  // namespace wcthrm
