#include "cli/CalcMain.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/CalcRun.h"
#include "support/Errors.h"
#include "support/Gbk.h"

namespace wcthrm::cli {

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
    "         input; at most 64 MiB\n"
    "  --utf8 INPUT is UTF-8 text instead of GBK (a leading byte-order mark is skipped)\n"
    "\n"
    "The item is made as the host's factory makes it (constructed, then its defaults loaded\n"
    "from INPUT), shown as its dialog would show it, and the tab's checks run. Every value in\n"
    "the section must convert: a key whose value is no number where a number is expected is an\n"
    "input error, never a book from the item's built-in values.\n"
    "\n"
    "Exit status and output:\n"
    "  0  the checks passed: standard output holds the book, one line per line, UTF-8, with\n"
    "     $...$ (subscript) and #...# (superscript) mark-up kept\n"
    "  1  a check failed: standard output holds its message alone on one line; standard error\n"
    "     names the control: an edit's object name (kxedtCjwd) or a table's object name with\n"
    "     the cell as (column,row), e.g. advsgTmpOfFinish(1,1)\n"
    "  2  usage, file or input error, explained on standard error: an unreadable INPUT, one\n"
    "     larger than 64 MiB, one without the kind's section, or a value that does not convert\n"
    "     ('Clbr' in [ConcreteHeat information]: '4,2' is not a number)\n"
    "\n"
    "Kinds and their tabs:\n";

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

int Usage(std::ostream& err, const std::string& problem) {
  err << "wcthrm-calc: " << problem << "\n"
      << "Try 'wcthrm-calc --help'.\n";
  return 2;
}

std::optional<int> ParseTab(const std::string& text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  return std::stoi(text);
}

std::string TooLarge(const std::string& source) {
  return source + " is larger than the 64 MiB an INPUT may hold";
}

// Reads a whole stream, refusing it once it passes the limit.
void ReadStream(std::istream& in, const std::string& source, std::string& data) {
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    if (data.size() + static_cast<size_t>(in.gcount()) > kMaxInputBytes) throw IoError(TooLarge(source));
    data.append(buffer, static_cast<size_t>(in.gcount()));
  }
  if (in.bad()) throw IoError("cannot read " + source + ": read error");
}

// Reads a file, refusing a folder, an unreadable file and one above the limit before reading.
void ReadFile(const std::string& path, const std::string& source, std::string& data) {
  auto fail = [&](int error) {
    throw IoError("cannot read " + source + ": " + std::strerror(error));
  };
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec) fail(ec.value());
  if (std::filesystem::is_directory(status)) fail(EISDIR);
  if (std::filesystem::is_regular_file(status)) {
    const uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxInputBytes) throw IoError(TooLarge(source));
  }
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) fail(errno);
  char buffer[1 << 16];
  size_t n;
  int error = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
    if (data.size() + n > kMaxInputBytes) {
      std::fclose(f);
      throw IoError(TooLarge(source));
    }
    data.append(buffer, n);
  }
  if (std::ferror(f)) error = errno ? errno : EIO;
  std::fclose(f);
  if (error) fail(error);
}

}  // namespace

int Main(const std::vector<std::string>& argsIn, std::istream& in, std::ostream& out,
         std::ostream& err) {
  bool utf8 = false;
  std::vector<std::string> args;
  for (const std::string& a : argsIn) {
    if (a == "--help" || a == "-h") {
      out << kHelp;
      for (const auto& k : Kinds()) out << "  " << k.info->name << " (TAB 0 to " << k.tabs - 1 << ")\n";
      return 0;
    }
    if (a == "--utf8") {
      utf8 = true;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      return Usage(err, "unknown option '" + a + "'");
    } else {
      args.push_back(a);
    }
  }
  if (args.size() < 2 || args.size() > 3) return Usage(err, "expected KIND TAB [INPUT]");

  const Kind* kind = FindKind(args[0]);
  if (!kind) return Usage(err, "unknown KIND '" + args[0] + "'");
  std::optional<int> tab = ParseTab(args[1]);
  if (!tab || *tab >= kind->tabs) {
    return Usage(err, "TAB of " + std::string(kind->info->name) + " must be 0 to " +
                          std::to_string(kind->tabs - 1) + ", not '" + args[1] + "'");
  }

  const std::string path = args.size() == 3 ? args[2] : "-";
  const std::string source = path == "-" ? "standard input" : "'" + path + "'";
  Outcome outcome;
  try {
    std::string input;
    if (path == "-") {
      ReadStream(in, source, input);
    } else {
      ReadFile(path, source, input);
    }
    if (utf8) {
      std::string_view text = input;
      if (text.starts_with(kUtf8Mark)) text.remove_prefix(kUtf8Mark.size());
      input = ToGbk(text);
    }
    outcome = Run(*kind, *tab, input);
  } catch (const IoError& e) {
    err << "wcthrm-calc: " << e.what() << "\n";
    return 2;
  } catch (const MissingSection& e) {
    err << "wcthrm-calc: no section [" << e.section << "] in " << source << "\n";
    return 2;
  } catch (const ConversionError& e) {
    err << "wcthrm-calc: " << source << ": " << e.Brief() << "\n";
    return 2;
  }
  if (outcome.fault) {
    out << outcome.fault->message << "\n";
    err << outcome.fault->Where() << "\n";
    return 1;
  }
  for (const std::string& line : outcome.book) out << line << "\n";
  return 0;
}

}  // namespace wcthrm::cli
