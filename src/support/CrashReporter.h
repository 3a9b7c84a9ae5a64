// The module's crash reporter: every host-interface entry point and every dialog handler
// runs its body under Guard. An exception that escapes a body becomes a report handed to the
// listeners, newest first, and never leaves the guard. Tests can make a named entry point's
// body fail through the fault injection below.
#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wcthrm {

// Every report text begins with this line of exactly 15 bytes.
inline constexpr std::string_view kReportHeader = "wcthrm report\r\n";

// A host-interface entry point's stable name ("IKxObj::GetIndex"), which fault injection targets.
struct EntryPoint {
  const char* name;  // nullptr: a guarded body that is no entry point (a dialog handler)
};

// What an injected fault throws: "injected fault in <entry point>".
class InjectedFault : public std::runtime_error {
 public:
  explicit InjectedFault(const char* entry);
};

struct CrashReport {
  std::string message;  // the exception's message, UTF-8
  std::string report;   // kReportHeader followed by the details, UTF-8
};

class CrashReporter {
 public:
  using Listener = std::function<void(const CrashReport&)>;

  // The process's one reporter, like the platform's exception handling it stands in for.
  static CrashReporter& Instance();

  // Returns a handle for RemoveListener. Listeners are notified newest first.
  int AddListener(Listener listener);
  void RemoveListener(int handle);

  // Builds the report of the exception being handled and notifies the listeners.
  // A listener that throws is skipped; Notify itself never throws.
  void Notify(std::exception_ptr error) noexcept;

  // Runs body; an exception escaping it is reported and Guard returns false.
  bool Guard(const std::function<void()>& body) noexcept;
  // The same for an entry point, whose body an injected fault replaces by an InjectedFault.
  bool Guard(EntryPoint entry, const std::function<void()>& body) noexcept;

  // From now on the guarded body of the entry point named entry, or of every entry point for
  // "*", throws InjectedFault before it runs; nullptr turns injection off. For tests only.
  void InjectFault(const char* entry);

  static CrashReport MakeReport(std::exception_ptr error);

 private:
  struct Entry {
    int handle;
    Listener listener;
  };
  void ThrowIfTargeted(const char* entry) const;

  std::vector<Entry> listeners_;
  int nextHandle_ = 1;
  std::atomic<bool> faultArmed_{false};  // all a guard reads while injection is off
  mutable std::mutex faultMutex_;
  std::string faultTarget_;
};

// Runs body under the reporter's guard; false when it threw (the report has gone out).
template <class Body>
bool RunGuarded(Body&& body) {
  return CrashReporter::Instance().Guard(std::forward<Body>(body));
}

// Body's result, or fallback when it threw (the report has gone out).
template <class R, class Body>
R RunGuarded(R fallback, Body&& body) {
  R result = fallback;
  CrashReporter::Instance().Guard([&] { result = body(); });
  return result;
}

// The same for an entry point, which fault injection can target.
template <class Body>
bool RunGuarded(EntryPoint entry, Body&& body) {
  return CrashReporter::Instance().Guard(entry, std::forward<Body>(body));
}

template <class R, class Body>
R RunGuarded(EntryPoint entry, R fallback, Body&& body) {
  R result = fallback;
  CrashReporter::Instance().Guard(entry, [&] { result = body(); });
  return result;
}

// An out-parameter slot's neutral result, stored before its guard so a failed call hands out
// nothing.
template <class T>
void ClearOut(T** out) noexcept {
  if (out) *out = nullptr;
}

// Keeps a listener registered for the lifetime of the object.
class ScopedCrashListener {
 public:
  explicit ScopedCrashListener(CrashReporter::Listener listener)
      : handle_(CrashReporter::Instance().AddListener(std::move(listener))) {}
  ~ScopedCrashListener() { CrashReporter::Instance().RemoveListener(handle_); }
  ScopedCrashListener(const ScopedCrashListener&) = delete;
  ScopedCrashListener& operator=(const ScopedCrashListener&) = delete;

 private:
  int handle_;
};

}  // namespace wcthrm
