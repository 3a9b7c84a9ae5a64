// The host's error window: where error reports go. On Windows a window handle that receives
// WM_COPYDATA; elsewhere the address of the host's KxHostWindow record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wcthrm {

// Replaces the error window; 0 sends reports nowhere.
void SetHostWindow(uintptr_t window);
uintptr_t GetHostWindow();

// Sends text (GBK) to the error window with cbData = length + 1; nothing when there is none.
void SendErrorText(const std::string& gbkText);

// message + "$" + report, both UTF-8, as the GBK text the host receives. skip drops that many
// leading bytes of the report (the library's forwarder drops the 15-byte first line).
std::string ErrorReportText(std::string_view message, std::string_view report, size_t skip);

}  // namespace wcthrm
