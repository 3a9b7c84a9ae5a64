// The host's folders and the node type identifiers, read once when the library loads.
#pragma once

#include <string>

#include "model/uBaseClass.h"

namespace wcthrm {

// Reads the seven identifiers from the config file (GBK); missing file, section, key or a
// malformed value give -1.
TypeIds ReadTypeIds(const std::string& configPath);

// HostFolder's "tmp/config.ini", its folder found ignoring case.
std::string ConfigPath(const std::string& hostFolder);

}  // namespace wcthrm
