// The crash reporter, its fault injection and the error text the host receives.
#include "support/CrashReporter.h"

#include <gtest/gtest.h>

#include "support/Errors.h"
#include "support/Gbk.h"
#include "support/HostWindow.h"
#include "wcthrm/wcthrm.h"

namespace wcthrm {
namespace {

TEST(CrashReporter, GuardReportsToListenersNewestFirst) {
  std::vector<std::string> calls;
  ScopedCrashListener older([&](const CrashReport& r) { calls.push_back("older:" + r.message); });
  ScopedCrashListener newer([&](const CrashReport& r) {
    calls.push_back("newer:" + r.message);
    throw std::runtime_error("a listener that fails is skipped");
  });
  EXPECT_FALSE(CrashReporter::Instance().Guard([] { throw Error("boom"); }));
  EXPECT_TRUE(CrashReporter::Instance().Guard([] {}));
  EXPECT_EQ(calls, (std::vector<std::string>{"newer:boom", "older:boom"}));
}

TEST(CrashReporter, ReportBeginsWithItsFixedLine) {
  CrashReport r = CrashReporter::MakeReport(std::make_exception_ptr(ConversionError("x")));
  ASSERT_EQ(kReportHeader.size(), 15u);
  EXPECT_EQ(r.report.substr(0, 15), kReportHeader);
  EXPECT_NE(r.report.find("ConversionError"), std::string::npos);
  EXPECT_EQ(CrashReporter::MakeReport(std::make_exception_ptr(42)).message, "unknown error");
}

// Arms fault injection for the life of the object.
class InjectedFaults {
 public:
  explicit InjectedFaults(const char* entry) { CrashReporter::Instance().InjectFault(entry); }
  ~InjectedFaults() { CrashReporter::Instance().InjectFault(nullptr); }
  InjectedFaults(const InjectedFaults&) = delete;
  InjectedFaults& operator=(const InjectedFaults&) = delete;
};

TEST(FaultInjection, HitsOnlyTheNamedEntryPointOrEveryOneForStar) {
  const struct {
    const char* name;
    const char* armed;  // nullptr: injection off
    const char* entry;  // nullptr: a guarded body that is no entry point
    bool injected;
  } cases[] = {
      {"named_entry", "IKxObj::GetIndex", "IKxObj::GetIndex", true},
      {"other_entry", "IKxObj::GetIndex", "IKxObj::SetIndex", false},
      {"prefix_is_no_name", "IKxObj::Get", "IKxObj::GetIndex", false},
      {"longer_name_is_no_name", "IKxObj::GetIndexes", "IKxObj::GetIndex", false},
      {"names_keep_their_case", "ikxobj::getindex", "IKxObj::GetIndex", false},
      {"empty_name_hits_nothing", "", "IKxObj::GetIndex", false},
      {"star_hits_every_entry", "*", "GetPrjMgr", true},
      {"star_spares_dialog_handlers", "*", nullptr, false},
      {"off", nullptr, "IKxObj::GetIndex", false},
  };
  for (const auto& c : cases) {
    std::vector<std::string> messages;
    ScopedCrashListener listener([&](const CrashReport& r) { messages.push_back(r.message); });
    bool ran = false;
    bool ok = false;
    {
      InjectedFaults faults(c.armed);
      ok = CrashReporter::Instance().Guard(EntryPoint{c.entry}, [&] { ran = true; });
    }
    EXPECT_EQ(ok, !c.injected) << c.name;
    EXPECT_EQ(ran, !c.injected) << c.name;
    const std::vector<std::string> expected =
        c.injected ? std::vector<std::string>{std::string("injected fault in ") + c.entry}
                   : std::vector<std::string>{};
    EXPECT_EQ(messages, expected) << c.name;
  }
}

TEST(FaultInjection, FailsBeforeTheBodyWithTheFallbackAndAReportNamingTheEntry) {
  std::vector<CrashReport> reports;
  ScopedCrashListener listener([&](const CrashReport& r) { reports.push_back(r); });
  int bodies = 0;
  auto count = [&] { return ++bodies; };
  {
    InjectedFaults faults("IKxObj::GetIndex");
    EXPECT_EQ(RunGuarded({"IKxObj::GetIndex"}, -7, count), -7);
    EXPECT_FALSE(RunGuarded({"IKxObj::GetIndex"}, [&] { ++bodies; }));
    EXPECT_EQ(RunGuarded({"IKxObj::GetTypeId"}, -7, count), 1);  // others run as before
  }
  EXPECT_EQ(bodies, 1);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_NE(reports[0].report.find("InjectedFault"), std::string::npos) << reports[0].report;
  EXPECT_EQ(ErrorReportText(reports[0].message, reports[0].report, kReportHeader.size())
                .rfind("injected fault in IKxObj::GetIndex$", 0),
            0u);
  // Switched off, the same entry point works again.
  EXPECT_EQ(RunGuarded({"IKxObj::GetIndex"}, -7, count), 2);
  EXPECT_EQ(reports.size(), 2u);
}

TEST(ErrorReportText, MessageDollarAndReportTail) {
  const struct {
    const char* name;
    std::string message, report;
    size_t skip;
    std::string text;
  } cases[] = {
      {"forwarder", "msg", "123456789012345tail", 15, "msg$tail"},
      {"empty_message", "", "123456789012345tail", 15, "$tail"},
      {"dollar_in_message", "a$b", "123456789012345t", 15, "a$b$t"},
      {"report_of_15", "m", "123456789012345", 15, "m$"},
      {"short_report", "m", "abc", 15, "m$"},
      {"whole_report", "m", "abc", 0, "m$abc"},
      {"chinese", "数据非法", "", 0, ToGbk("数据非法") + "$"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorReportText(c.message, c.report, c.skip), c.text) << c.name;
  }
}

TEST(HostWindow, SendsTextWithTerminatorCountedAndNothingWithoutWindow) {
  struct Seen {
    std::string text;
    uint32_t cb = 0;
    int calls = 0;
  } seen;
  KxHostWindow window{&seen, [](void* ctx, uintptr_t, const KxCopyData* d) -> intptr_t {
                        auto* s = static_cast<Seen*>(ctx);
                        s->text = static_cast<const char*>(d->lpData);
                        s->cb = d->cbData;
                        ++s->calls;
                        return 1;
                      }};
  SetHostWindow(0);
  SendErrorText("lost");
  EXPECT_EQ(seen.calls, 0);
  SetHostWindow(reinterpret_cast<uintptr_t>(&window));
  SendErrorText("m$");
  SetHostWindow(0);
  EXPECT_EQ(seen.calls, 1);
  EXPECT_EQ(seen.text, "m$");
  EXPECT_EQ(seen.cb, 3u);
}

}  // namespace
}  // namespace wcthrm
