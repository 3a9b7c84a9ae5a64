// The crash reporter and the error text the host receives.
#include "CrashReporter.h"

#include <gtest/gtest.h>

#include "Errors.h"
#include "Gbk.h"
#include "HostWindow.h"
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
