// The library's life: what loading reads, GetPrjMgr, the forwarding of error reports to the
// host, what unloading releases, and the fault-injection hook the abi tests use.
#include "wcthrm/Library.h"

#include "support/CrashReporter.h"
#include "model/Defaults.h"
#include "support/Folders.h"
#include "support/HostWindow.h"
#include "wcthrm/U_TypeAndConst.h"
#ifdef WCTHRM_WITH_DIALOGS
#include "wcthrm/DialogEditor.h"
#endif

namespace wcthrm {

Library::Library()
    : hostFolder_(HostFolder()),
      tmpFolder_(TmpFolder(hostFolder_)),
      ids_(ReadTypeIds(ConfigPath(hostFolder_))) {
  SetDefaultsFolder(tmpFolder_);
#ifdef WCTHRM_WITH_DIALOGS
  editorFactory_ = &MakeDialogEditor;
#endif
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

IKxPrjMgr* Library::Connect(uintptr_t appWindow) {
  appWindow_ = appWindow;
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
  // The window handed in is adopted before anything can fail, so a failure of this call is
  // reported to it: the previous call's window may be gone by now.
  wcthrm::SetHostWindow(errorWindow);
  wcthrm::ClearOut(manager);
  wcthrm::RunGuarded({"GetPrjMgr"}, [&] {
    IKxPrjMgr* iface = wcthrm::Library::Instance().Connect(appWindow);
    if (manager) *manager = iface;
  });
}

// Test hook, deliberately absent from the public header; the abi tests find it with dlsym.
// entry names one host-interface entry point ("GetPrjMgr", "IKxObj::GetIndex", ...) whose
// guarded body then throws "injected fault in <entry>" before it does its work, "*" names every
// entry point, nullptr turns injection off. The hook itself is never injected into.
extern "C" KX_EXPORT void KX_CALL wcthrmTestInjectFault(const char* entry) {
  wcthrm::RunGuarded([&] { wcthrm::CrashReporter::Instance().InjectFault(entry); });
}
