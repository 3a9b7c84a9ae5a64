#include "support/HostWindow.h"

#include "support/Gbk.h"
#include "wcthrm/wcthrm.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace wcthrm {

namespace {
uintptr_t g_hostWindow = 0;
}

void SetHostWindow(uintptr_t window) { g_hostWindow = window; }
uintptr_t GetHostWindow() { return g_hostWindow; }

std::string ErrorReportText(std::string_view message, std::string_view report, size_t skip) {
  std::string gbkReport = ToGbk(report);
  std::string text = ToGbk(message) + "$";
  if (gbkReport.size() > skip) text.append(gbkReport, skip, std::string::npos);
  return text;
}

void SendErrorText(const std::string& gbkText) {
  if (!g_hostWindow) return;
#ifdef _WIN32
  COPYDATASTRUCT data{};
  data.cbData = static_cast<DWORD>(gbkText.size() + 1);
  data.lpData = const_cast<char*>(gbkText.c_str());
  SendMessageA(reinterpret_cast<HWND>(g_hostWindow), WM_COPYDATA, 0,
               reinterpret_cast<LPARAM>(&data));
#else
  auto* window = reinterpret_cast<const KxHostWindow*>(g_hostWindow);
  if (!window->send) return;
  KxCopyData data{};
  data.cbData = static_cast<uint32_t>(gbkText.size() + 1);
  data.lpData = gbkText.c_str();
  window->send(window->context, 0, &data);
#endif
}

}  // namespace wcthrm
