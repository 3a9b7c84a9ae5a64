// What the host-interface tests share: a host folder with its tmp/config.ini and optional
// update.ini, the built library loaded from it with dlopen, and an error window that records
// what the library sends. Only the public header is included.
#pragma once

#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "wcthrm/wcthrm.h"

namespace hostside {

// What the host's error window received.
struct ErrorWindow {
  std::vector<std::string> texts;
  std::vector<uint32_t> sizes;
  KxHostWindow record{this, [](void* ctx, uintptr_t, const KxCopyData* d) -> intptr_t {
                        auto* w = static_cast<ErrorWindow*>(ctx);
                        w->texts.emplace_back(static_cast<const char*>(d->lpData));
                        w->sizes.push_back(d->cbData);
                        return 1;
                      }};
  uintptr_t handle() { return reinterpret_cast<uintptr_t>(&record); }
};

// The library's test hook: not in the public header, found with dlsym.
using InjectFaultFn = void(KX_CALL*)(const char* entry);

// The seven identifiers; the kinds' keys in GBK, written as escapes.
inline const char* kKindsConfig =
    "[projectInfo]\r\nRecycleBinTypeId=1\r\nKxPrjTypeId=2\r\nKxfolderTypeId=3\r\n[wcthrm]\r\n"
    "\xBB\xEC\xC4\xFD\xCD\xC1\xBC\xD3\xC8\xC8=100\r\n"  // 混凝土加热
    "\xBB\xEC\xC4\xFD\xCD\xC1\xD1\xF8\xBB\xA4\xD3\xB2\xBB\xAF\xCE\xC2\xB6\xC8\xBC\xC6\xCB\xE3"
    "=101\r\n"  // 混凝土养护硬化温度计算
    "\xCD\xC1\xC8\xC0\xB6\xB3\xBD\xE1\xC9\xEE\xB6\xC8\xBC\xC6\xCB\xE3=102\r\n"  // 土壤冻结深度计算
    "\xED\xC5\xD4\xCB\xCA\xE4\xBA\xCD\xBD\xBD\xB9\xE0\xB3\xC9\xD0\xCD\xCE\xC2\xB6\xC8\xBC\xC6\xCB"
    "\xE3=103\r\n";  // 砼运输和浇灌成型温度计算

class Host {
 public:
  explicit Host(const std::string& config, const std::string& defaults = "") {
    namespace fs = std::filesystem;
    folder_ = fs::temp_directory_path() / ("wcthrm_abi_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "tmp");
    std::ofstream(folder_ / "tmp" / "config.ini", std::ios::binary) << config;
    if (!defaults.empty())
      std::ofstream(folder_ / "tmp" / "update.ini", std::ios::binary) << defaults;
    ::setenv("WCTHRM_HOST_FOLDER", folder_.c_str(), 1);
    handle_ = ::dlopen(WCTHRM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (handle_) {
      getPrjMgr_ = reinterpret_cast<GetPrjMgrFn>(::dlsym(handle_, "GetPrjMgr"));
      inject_ = reinterpret_cast<InjectFaultFn>(::dlsym(handle_, "wcthrmTestInjectFault"));
    }
  }
  ~Host() {
    if (handle_) ::dlclose(handle_);
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  bool loaded() const { return getPrjMgr_ && inject_; }
  void GetPrjMgr(IKxPrjMgr** manager, uintptr_t errorWindow, uintptr_t appWindow = 0) {
    getPrjMgr_(manager, appWindow, errorWindow);
  }
  IKxPrjMgr* Connect(ErrorWindow& window) {
    IKxPrjMgr* mgr = nullptr;
    GetPrjMgr(&mgr, window.handle());
    return mgr;
  }
  // nullptr: off; "*": every entry point.
  void Inject(const char* entry) { inject_(entry); }
  bool Unload() {
    bool ok = ::dlclose(handle_) == 0;
    handle_ = nullptr;
    return ok;
  }

 private:
  std::filesystem::path folder_;
  void* handle_ = nullptr;
  GetPrjMgrFn getPrjMgr_ = nullptr;
  InjectFaultFn inject_ = nullptr;
};

}  // namespace hostside
