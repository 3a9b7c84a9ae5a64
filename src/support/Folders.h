// The host installation's folders.
#pragma once

#include <string>

namespace wcthrm {

// The folder of the running executable (not of the library), ending in a separator;
// the environment variable WCTHRM_HOST_FOLDER overrides it.
std::string HostFolder();

// HostFolder's "Tmp" folder, ending in a separator. An existing child named "tmp" in any
// case is that folder; when none exists the name is "Tmp" (created by the first write).
std::string TmpFolder(const std::string& hostFolder);

// The child of folder whose name equals name ignoring ASCII case, or name itself.
std::string ChildIgnoringCase(const std::string& folder, const std::string& name);

}  // namespace wcthrm
