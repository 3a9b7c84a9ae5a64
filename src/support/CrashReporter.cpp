#include "support/CrashReporter.h"

#include <typeinfo>

#if defined(__GNUC__)
#include <cxxabi.h>

#include <cstdlib>
#endif

namespace wcthrm {

namespace {

std::string TypeName(const std::type_info& type) {
#if defined(__GNUC__)
  int status = 0;
  char* name = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  if (status == 0 && name) {
    std::string result(name);
    std::free(name);
    return result;
  }
#endif
  return type.name();
}

}  // namespace

InjectedFault::InjectedFault(const char* entry)
    : std::runtime_error(std::string("injected fault in ") + entry) {}

CrashReporter& CrashReporter::Instance() {
  static CrashReporter reporter;
  return reporter;
}

int CrashReporter::AddListener(Listener listener) {
  int handle = nextHandle_++;
  listeners_.push_back({handle, std::move(listener)});
  return handle;
}

void CrashReporter::RemoveListener(int handle) {
  std::erase_if(listeners_, [handle](const Entry& e) { return e.handle == handle; });
}

CrashReport CrashReporter::MakeReport(std::exception_ptr error) {
  CrashReport r;
  std::string type = "unknown exception";
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::exception& e) {
    r.message = e.what();
    type = TypeName(typeid(e));
  } catch (...) {
    r.message = "unknown error";
  }
  r.report = std::string(kReportHeader);
  r.report += "exception class: " + type + "\r\n";
  r.report += "message: " + r.message + "\r\n";
  return r;
}

void CrashReporter::Notify(std::exception_ptr error) noexcept {
  try {
    const CrashReport report = MakeReport(error);
    // A listener may add or remove listeners; notify the ones registered now.
    const std::vector<Entry> current = listeners_;
    for (auto it = current.rbegin(); it != current.rend(); ++it) {
      try {
        it->listener(report);
      } catch (...) {
      }
    }
  } catch (...) {
  }
}

bool CrashReporter::Guard(const std::function<void()>& body) noexcept {
  return Guard(EntryPoint{nullptr}, body);
}

bool CrashReporter::Guard(EntryPoint entry, const std::function<void()>& body) noexcept {
  try {
    if (entry.name && faultArmed_.load(std::memory_order_relaxed)) ThrowIfTargeted(entry.name);
    body();
    return true;
  } catch (...) {
    Notify(std::current_exception());
    return false;
  }
}

void CrashReporter::InjectFault(const char* entry) {
  std::lock_guard lock(faultMutex_);
  faultTarget_ = entry ? entry : "";
  faultArmed_.store(entry != nullptr, std::memory_order_relaxed);
}

void CrashReporter::ThrowIfTargeted(const char* entry) const {
  bool hit = false;
  {
    std::lock_guard lock(faultMutex_);
    hit = faultArmed_.load(std::memory_order_relaxed) &&
          (faultTarget_ == "*" || faultTarget_ == entry);
  }
  if (hit) throw InjectedFault(entry);
}

}  // namespace wcthrm
