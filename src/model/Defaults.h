// Where the item kinds keep the defaults their users saved: update.ini in the host's Tmp
// folder. The library sets the folder at load; tests point it elsewhere.
#pragma once

#include <string>

namespace wcthrm {

void SetDefaultsFolder(std::string folder);  // with a trailing separator
const std::string& DefaultsFolder();
std::string DefaultsFilePath();  // DefaultsFolder() + "update.ini"

}  // namespace wcthrm
