// Every dialog handler runs under the crash reporter's guard: an exception that escapes a
// handler becomes a report to the host and never unwinds through Qt's event loop.
#pragma once

#include <utility>

#include "support/CrashReporter.h"

namespace wcthrm::ui {

using wcthrm::RunGuarded;

// A slot that runs handler under the guard; Qt may pass signal arguments, which it drops.
template <class Handler>
auto Guarded(Handler handler) {
  return [handler = std::move(handler)](auto&&...) { RunGuarded(handler); };
}

}  // namespace wcthrm::ui
