// wcthrm-calc: the book of one tab of one item, computed headless by the same form states the
// dialogs use.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "CalcRun.h"

namespace {

const char* kHelp =
    "Usage: wcthrm-calc [--utf8] KIND TAB [INPUT]\n"
    "\n"
    "Computes the calculation book of one tab of one item and prints it.\n"
    "\n"
    "  KIND   one of the kinds below, in any case\n"
    "  TAB    the 0-based tab of the item's dialog\n"
    "  INPUT  a defaults file (INI, GBK text) whose section \"KIND information\" gives the\n"
    "         item's inputs, as the dialog's \"保存默认值\" writes it; none or - reads standard\n"
    "         input\n"
    "  --utf8 INPUT is UTF-8 text instead of GBK\n"
    "\n"
    "The item is made as the host's factory makes it (constructed, then its defaults loaded\n"
    "from INPUT), shown as its dialog would show it, and the tab's checks run.\n"
    "\n"
    "Exit status and output:\n"
    "  0  the checks passed: standard output holds the book, one line per line, UTF-8, with\n"
    "     $...$ (subscript) and #...# (superscript) mark-up kept\n"
    "  1  a check failed: standard output holds its message alone on one line; standard error\n"
    "     names the control: an edit's object name (kxedtCjwd) or a table's object name with\n"
    "     the cell as (column,row), e.g. advsgTmpOfFinish(1,1)\n"
    "  2  usage or file error, explained on standard error\n"
    "\n"
    "Kinds and their tabs:\n";

int Usage(const std::string& problem) {
  std::cerr << "wcthrm-calc: " << problem << "\n"
            << "Try 'wcthrm-calc --help'.\n";
  return 2;
}

std::optional<int> ParseTab(const std::string& text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  return std::stoi(text);
}

}  // namespace

int main(int argc, char** argv) {
  bool utf8 = false;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::cout << kHelp;
      for (const auto& k : wcthrm::cli::Kinds())
        std::cout << "  " << k.name << " (TAB 0 to " << k.tabs - 1 << ")\n";
      return 0;
    }
    if (a == "--utf8") {
      utf8 = true;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      return Usage("unknown option '" + a + "'");
    } else {
      args.push_back(a);
    }
  }
  if (args.size() < 2 || args.size() > 3) return Usage("expected KIND TAB [INPUT]");

  const wcthrm::cli::Kind* kind = wcthrm::cli::FindKind(args[0]);
  if (!kind) return Usage("unknown KIND '" + args[0] + "'");
  std::optional<int> tab = ParseTab(args[1]);
  if (!tab || *tab >= kind->tabs) {
    return Usage("TAB of " + std::string(kind->name) + " must be 0 to " +
                 std::to_string(kind->tabs - 1) + ", not '" + args[1] + "'");
  }

  std::string input;
  std::string source = args.size() == 3 ? args[2] : "-";
  if (source == "-") {
    input.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    source = "standard input";
  } else {
    std::ifstream in(source, std::ios::binary);
    if (!in) {
      std::cerr << "wcthrm-calc: cannot read '" << source << "': " << std::strerror(errno) << "\n";
      return 2;
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    input = ss.str();
  }

  wcthrm::cli::Outcome outcome;
  try {
    outcome = wcthrm::cli::Run(*kind, *tab, input, utf8);
  } catch (const std::exception& e) {
    std::cerr << "wcthrm-calc: " << source << ": " << e.what() << "\n";
    return 2;
  }
  if (outcome.fault) {
    std::cout << outcome.fault->message << "\n";
    std::cerr << outcome.fault->Where() << "\n";
    return 1;
  }
  for (const std::string& line : outcome.book) std::cout << line << "\n";
  return 0;
}
