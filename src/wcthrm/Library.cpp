// The library's life: what loading reads, GetPrjMgr, the forwarding of error reports to the
// host, and what unloading releases.
#include "Library.h"

#include "CrashReporter.h"
#include "Defaults.h"
#include "Folders.h"
#include "HostWindow.h"
#include "U_TypeAndConst.h"

namespace wcthrm {

Library::Library()
    : hostFolder_(HostFolder()),
      tmpFolder_(TmpFolder(hostFolder_)),
      ids_(ReadTypeIds(ConfigPath(hostFolder_))) {
  SetDefaultsFolder(tmpFolder_);
  // The library's forwarder: message, "$", and the report without its first line.
  forwarder_ = CrashReporter::Instance().AddListener([](const CrashReport& r) {
    SendErrorText(ErrorReportText(r.message, r.report, kReportHeader.size()));
  });
}

Library::~Library() {
  manager_.reset();  // destroys its nodes, items and any dialog still open
  CrashReporter::Instance().RemoveListener(forwarder_);
  SetHostWindow(0);
}

IKxPrjMgr* Library::Connect(uintptr_t appWindow, uintptr_t errorWindow) {
  appWindow_ = appWindow;
  SetHostWindow(errorWindow);
  if (!manager_) {
    manager_ = std::make_unique<TKxObjAdapter>(ids_);
    if (editorFactory_) {
      editor_ = editorFactory_();
      manager_->SetEditor(editor_.get());
    }
  }
  return manager_->Interface();
}

Library& Library::Instance() {
  static Library library;
  return library;
}

namespace {
// Loading the library reads its folders and identifiers at once, before any call.
[[maybe_unused]] Library& g_loaded = Library::Instance();
}  // namespace

}  // namespace wcthrm

extern "C" KX_EXPORT void KX_CALL GetPrjMgr(IKxPrjMgr** manager, uintptr_t appWindow,
                                           uintptr_t errorWindow) {
  wcthrm::CrashReporter::Instance().Guard([&] {
    IKxPrjMgr* iface = wcthrm::Library::Instance().Connect(appWindow, errorWindow);
    if (manager) *manager = iface;
  });
}
