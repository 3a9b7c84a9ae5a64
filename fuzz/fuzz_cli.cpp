// fuzz_cli: the whole wcthrm-calc run, cli::Main, on arbitrary standard input for every kind
// and tab. It must end with exit status 0, 1 or 2, throw nothing, and print what --help says
// each status prints.
//
// Input: byte 0 picks the kind (byte % 4, the command line's kind order), bit 2 adds --utf8
// and bit 3 spells the kind in lower case; byte 1 minus '0' picks the tab modulo the kind's
// tab count plus one, so one value asks for a tab the kind lacks. The rest is standard input.
// "40\n[ConcreteHeat information]..." is ConcreteHeat, --utf8, tab 0.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "cli/CalcMain.h"
#include "cli/CalcRun.h"

namespace {

using wcthrm::fuzz::Escaped;

bool ShowsNoNumber(const std::string& text) {
  std::string lower = text;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const auto kinds = wcthrm::cli::Kinds();
  const wcthrm::cli::Kind& kind = kinds[data[0] % kinds.size()];
  const bool utf8 = data[0] & 4;
  const bool lower = data[0] & 8;
  const int tab = static_cast<uint8_t>(data[1] - '0') % (kind.tabs + 1);

  std::string name = kind.info->name;
  if (lower)
    for (char& c : name)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  std::vector<std::string> args;
  if (utf8) args.push_back("--utf8");
  args.insert(args.end(), {name, std::to_string(tab), "-"});

  std::istringstream in(std::string(reinterpret_cast<const char*>(data + 2), size - 2));
  std::ostringstream out, err;
  auto call = [&] {
    std::string text = "wcthrm-calc";
    for (const std::string& a : args) text += " " + a;
    return text + " < " +
           Escaped(std::string_view(reinterpret_cast<const char*>(data + 2), size - 2));
  };

  int status = -1;
  try {
    status = wcthrm::cli::Main(args, in, out, err);
  } catch (const std::exception& e) {
    wcthrm::fuzz::Fail(call() + " threw " + wcthrm::fuzz::Describe(e));
  } catch (...) {
    wcthrm::fuzz::Fail(call() + " threw a non-standard exception");
  }
  auto result = [&] {
    return "\n  exit " + std::to_string(status) + ", out " + Escaped(out.str()) + ", err " +
           Escaped(err.str());
  };
  FUZZ_CHECK(status == 0 || status == 1 || status == 2, call() + result());
  if (tab == kind.tabs) FUZZ_CHECK(status == 2, call() + ": a tab the kind lacks" + result());
  // What --help promises for each status.
  const std::string o = out.str(), e = err.str();
  if (status == 0) {
    FUZZ_CHECK(!o.empty() && o.back() == '\n', call() + ": no book" + result());
    FUZZ_CHECK(!ShowsNoNumber(o), call() + ": the book shows" + result());
  } else if (status == 1) {
    FUZZ_CHECK(o.size() > 1 && o.find('\n') == o.size() - 1,
               call() + ": a failed check's message is not one line" + result());
    FUZZ_CHECK(e.size() > 1 && e.find('\n') == e.size() - 1,
               call() + ": a failed check names no control" + result());
  } else {
    FUZZ_CHECK(o.empty() && !e.empty(), call() + ": an error unexplained" + result());
  }
  return 0;
}
