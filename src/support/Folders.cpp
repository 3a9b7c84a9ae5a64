#include "support/Folders.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "support/NumberText.h"

#ifdef _WIN32
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace wcthrm {

namespace fs = std::filesystem;

namespace {

std::string WithSeparator(std::string folder) {
  if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
  return folder;
}

fs::path ExecutablePath() {
#ifdef _WIN32
  wchar_t buffer[32768];
  DWORD n = GetModuleFileNameW(nullptr, buffer, 32768);
  return fs::path(std::wstring(buffer, n));
#elif defined(__APPLE__)
  char buffer[4096];
  uint32_t size = sizeof buffer;
  if (_NSGetExecutablePath(buffer, &size) == 0) return fs::path(buffer);
  return {};
#else
  std::error_code ec;
  return fs::read_symlink("/proc/self/exe", ec);
#endif
}

}  // namespace

std::string HostFolder() {
  if (const char* over = std::getenv("WCTHRM_HOST_FOLDER"); over && *over) {
    return WithSeparator(over);
  }
  fs::path exe = ExecutablePath();
  return WithSeparator(exe.parent_path().string());
}

std::string ChildIgnoringCase(const std::string& folder, const std::string& name) {
  std::error_code ec;
  if (fs::exists(fs::path(folder) / name, ec)) return name;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string child = it->path().filename().string();
    if (EqualsIgnoringAsciiCase(child, name)) return child;
  }
  return name;
}

std::string TmpFolder(const std::string& hostFolder) {
  return WithSeparator(hostFolder + ChildIgnoringCase(hostFolder, "Tmp"));
}

}  // namespace wcthrm
