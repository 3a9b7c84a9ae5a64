// fuzz_ini: IniFile on arbitrary bytes, read against a plain line-by-line reading of the same
// bytes, then Set with names and values drawn from the input and a fresh IniFile over Text(),
// which must give back the value set and leave every other key and line as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "support/Errors.h"
#include "support/IniFile.h"

namespace {

using wcthrm::IniFile;
using wcthrm::fuzz::Escaped;
using wcthrm::fuzz::Fail;

// Bounds that keep one input fast: the reference is quadratic in its lookups.
constexpr size_t kMaxSections = 24;
constexpr size_t kMaxKeysPerSection = 24;
constexpr int kMaxSets = 4;

// ---- the reference: every rule spelled out here, no code shared with IniFile ----

FUZZ_UNTRACED std::string_view Blankless(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
  return s;
}

FUZZ_UNTRACED unsigned char FoldAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

// a-z fold onto A-Z; a byte >= 0x81 leads a GBK character whose second byte compares exactly.
FUZZ_UNTRACED bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const unsigned char x = static_cast<unsigned char>(a[i]);
    const unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 0x81 && i + 1 < a.size()) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (FoldAscii(x) != FoldAscii(y)) {
      return false;
    }
  }
  return true;
}

struct RefKey {
  std::string name, value;
};
struct RefSection {
  std::string name;
  std::vector<RefKey> keys;  // every key line in file order, duplicates included
};

// Sections in file order. Lines before the first header belong to no section.
FUZZ_UNTRACED std::vector<RefSection> RefParse(std::string_view data) {
  std::vector<RefSection> sections;
  size_t pos = 0;
  while (pos < data.size()) {
    const size_t nl = data.find('\n', pos);
    const std::string_view line =
        data.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
    pos = nl == std::string_view::npos ? data.size() : nl + 1;
    const std::string_view t = Blankless(line);  // also drops the '\r' of "\r\n"
    if (!t.empty() && t[0] == '[') {
      std::string_view name = t.substr(1);
      name = name.substr(0, name.find(']'));
      sections.push_back({std::string(Blankless(name)), {}});
      continue;
    }
    if (t.empty() || t[0] == ';') continue;
    const size_t eq = t.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = Blankless(t.substr(0, eq));
    if (key.empty() || sections.empty()) continue;
    sections.back().keys.push_back({std::string(key), std::string(Blankless(t.substr(eq + 1)))});
  }
  return sections;
}

FUZZ_UNTRACED const RefSection* RefFindSection(const std::vector<RefSection>& sections,
                                               std::string_view name) {
  name = Blankless(name);
  for (const RefSection& s : sections)
    if (SameName(s.name, name)) return &s;
  return nullptr;
}

FUZZ_UNTRACED std::optional<std::string> RefFind(const std::vector<RefSection>& sections,
                                                 std::string_view section, std::string_view key) {
  const RefSection* s = RefFindSection(sections, section);
  if (!s) return std::nullopt;
  key = Blankless(key);
  for (const RefKey& k : s->keys)
    if (SameName(k.name, key)) return k.value;
  return std::nullopt;
}

// Key names of the first matching section, first spelling of each, with their first values.
FUZZ_UNTRACED std::vector<RefKey> RefKeys(const std::vector<RefSection>& sections,
                                          std::string_view section) {
  std::vector<RefKey> out;
  const RefSection* s = RefFindSection(sections, section);
  if (!s) return out;
  for (const RefKey& k : s->keys) {
    const bool seen = std::any_of(out.begin(), out.end(),
                                  [&](const RefKey& o) { return SameName(o.name, k.name); });
    if (!seen) out.push_back(k);
  }
  return out;
}

FUZZ_UNTRACED std::optional<int64_t> Digits(std::string_view s, int base, size_t maxDigits) {
  if (s.empty() || s.size() > maxDigits) return std::nullopt;
  int64_t v = 0;
  for (char c : s) {
    int d = c >= '0' && c <= '9'   ? c - '0'
            : c >= 'a' && c <= 'f' ? c - 'a' + 10
            : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                   : 99;
    if (d >= base) return std::nullopt;
    v = v * base + d;
    if (v > (int64_t{1} << 33)) return std::nullopt;  // beyond any 32-bit value; stop growing
  }
  return v;
}

// "0x1F" and "$1F" as unsigned 32-bit hexadecimal, else a signed 32-bit decimal; -1 otherwise.
FUZZ_UNTRACED int32_t RefInteger(std::optional<std::string> found) {
  std::string_view t = found ? std::string_view(*found) : std::string_view();
  t = t.substr(0, 2047);
  std::optional<int64_t> v;
  if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
    v = Digits(t.substr(2), 16, 8);
  } else if (!t.empty() && t[0] == '$') {
    v = Digits(t.substr(1), 16, 8);
  } else {
    const bool negative = !t.empty() && t[0] == '-';
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) t.remove_prefix(1);
    v = Digits(t, 10, std::string_view::npos);  // leading zeros are no limit
    if (v && negative) *v = -*v;
    if (v && (*v > INT32_MAX || *v < INT32_MIN)) v.reset();
  }
  return v ? static_cast<int32_t>(static_cast<uint32_t>(*v)) : -1;
}

// ---- queries ----

// name with the case of some ASCII letters flipped and blanks around it, as bits says.
FUZZ_UNTRACED std::string Respelled(std::string_view name, uint32_t bits) {
  std::string out(name);
  for (size_t i = 0; i < out.size(); ++i) {
    const char c = out[i];
    if (((bits >> (i % 29)) & 1) && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
      out[i] = static_cast<char>(c ^ 0x20);
  }
  if (bits & (1u << 30)) out = " \t" + out;
  if (bits & (1u << 31)) out += " ";
  return out;
}

struct Query {
  std::string section, key;
};

// Names of the file, respelled, plus a name the input makes up.
FUZZ_UNTRACED std::vector<Query> QueriesOf(const std::vector<RefSection>& sections,
                                           FuzzedDataProvider& in) {
  std::vector<Query> queries;
  const uint32_t bits = in.ConsumeIntegral<uint32_t>();
  for (size_t i = 0; i < sections.size() && i < kMaxSections; ++i) {
    const RefSection& s = sections[i];
    queries.push_back({s.name, "\x01missing"});
    for (size_t k = 0; k < s.keys.size() && k < kMaxKeysPerSection; ++k) {
      queries.push_back({s.name, s.keys[k].name});
      queries.push_back({Respelled(s.name, bits), Respelled(s.keys[k].name, bits * 2654435761u)});
    }
  }
  queries.push_back({in.ConsumeRandomLengthString(12), in.ConsumeRandomLengthString(12)});
  return queries;
}

std::string Shown(const std::optional<std::string>& v) { return v ? Escaped(*v) : "(none)"; }
std::string Shown(const std::optional<std::string_view>& v) { return v ? Escaped(*v) : "(none)"; }

// Every read of ini against the reference reading of text.
void CheckReads(const IniFile& ini, std::string_view text, const std::vector<Query>& queries,
                const char* stage) {
  const std::vector<RefSection> ref = RefParse(text);
  auto where = [&] { return std::string(stage) + ", file " + Escaped(text) + ": "; };
  for (const Query& q : queries) {
    const std::optional<std::string> want = RefFind(ref, q.section, q.key);
    const std::optional<std::string> got = ini.Find(q.section, q.key);
    FUZZ_CHECK(got == want, where() + "Find(" + Escaped(q.section) + ", " + Escaped(q.key) +
                                ") gave " + Shown(got) + ", the line-by-line reading " +
                                Shown(want));
    const std::optional<std::string_view> view = ini.FindSectionView(q.section).Find(q.key);
    FUZZ_CHECK(view == ini.FindView(q.section, q.key),
               where() + "FindSectionView(" + Escaped(q.section) + ").Find(" + Escaped(q.key) +
                   ") gave " + Shown(view) + ", FindView " + Shown(got));
    const int32_t number = ini.ReadInteger(q.section, q.key);
    FUZZ_CHECK(number == RefInteger(want), where() + "ReadInteger(" + Escaped(q.section) + ", " +
                                               Escaped(q.key) + ") of " + Shown(want) + " gave " +
                                               std::to_string(number) + ", expected " +
                                               std::to_string(RefInteger(want)));
  }
  for (size_t i = 0; i < ref.size() && i < kMaxSections; ++i) {
    const std::vector<RefKey> want = RefKeys(ref, ref[i].name);
    const std::vector<std::string> keys = ini.ReadKeys(ref[i].name);
    std::vector<RefKey> visited;
    ini.ForEachKey(ref[i].name, [&](std::string_view k, std::string_view v) {
      visited.push_back({std::string(k), std::string(v)});
    });
    bool same = keys.size() == want.size() && visited.size() == want.size();
    for (size_t k = 0; same && k < want.size(); ++k) {
      same = keys[k] == want[k].name && visited[k].name == want[k].name &&
             visited[k].value == want[k].value;
    }
    if (!same) {
      std::string got, expected;
      for (const std::string& k : keys) got += Escaped(k) + " ";
      for (const RefKey& k : want) expected += Escaped(k.name) + "=" + Escaped(k.value) + " ";
      Fail(where() + "ReadKeys/ForEachKey(" + Escaped(ref[i].name) + ") gave " + got + "(" +
           std::to_string(visited.size()) + " visited), the line-by-line reading " + expected);
    }
  }
}

// ---- writes ----

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// Names that Set refuses with RangeError because no file line could give them back.
bool Unwritable(std::string_view section, std::string_view key) {
  const std::string_view k = Blankless(key), s = Blankless(section);
  return k.empty() || k.find('=') != std::string_view::npos || k[0] == '[' || k[0] == ';' ||
         HasLineBreak(key) || s.empty() || s.find(']') != std::string_view::npos ||
         HasLineBreak(section);
}

// The value as a re-read gives it: a line break cannot be stored, and reads trim.
std::string Stored(std::string_view value) {
  std::string out(value);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return std::string(Blankless(out));
}

struct TextLine {
  std::string_view text, eol;
};

FUZZ_UNTRACED std::vector<TextLine> LinesOf(std::string_view data) {
  std::vector<TextLine> lines;
  size_t pos = 0;
  while (pos < data.size()) {
    const size_t nl = data.find('\n', pos);
    if (nl == std::string_view::npos) {
      lines.push_back({data.substr(pos), {}});
      break;
    }
    const size_t end = nl > pos && data[nl - 1] == '\r' ? nl - 1 : nl;
    lines.push_back({data.substr(pos, end - pos), data.substr(end, nl + 1 - end)});
    pos = nl + 1;
  }
  return lines;
}

// Set touches one line: a key line changed in place, or one inserted, or a header and a key
// line appended. Every other line stays byte for byte, except that a last line without an end
// gains "\r\n" when something follows it.
FUZZ_UNTRACED bool OnlySetLinesChanged(std::string_view before, std::string_view after,
                                       std::string_view header, std::string_view keyLine) {
  const std::vector<TextLine> b = LinesOf(before), a = LinesOf(after);
  auto same = [&](size_t i, size_t j) {
    return b[i].text == a[j].text &&
           (b[i].eol == a[j].eol || (i + 1 == b.size() && b[i].eol.empty() && a[j].eol == "\r\n"));
  };
  auto added = [&](size_t j, std::string_view text) {
    return j < a.size() && a[j].text == text && a[j].eol == "\r\n";
  };
  size_t i = 0;
  while (i < b.size() && i < a.size() && same(i, i)) ++i;
  if (a.size() == b.size()) {
    if (i == b.size()) return true;  // the key line already read so
    if (a[i].text != keyLine || a[i].eol != b[i].eol) return false;
    for (size_t k = i + 1; k < b.size(); ++k)
      if (!same(k, k)) return false;
    return true;
  }
  if (a.size() == b.size() + 1) {
    if (!added(i, keyLine)) return false;
    for (size_t k = i; k < b.size(); ++k)
      if (!same(k, k + 1)) return false;
    return true;
  }
  return a.size() == b.size() + 2 && i == b.size() && added(i, header) && added(i + 1, keyLine);
}

// A name of the file (respelled) or one the input makes up.
std::string PickName(FuzzedDataProvider& in, const std::vector<std::string>& names) {
  const uint8_t how = in.ConsumeIntegral<uint8_t>();
  if (names.empty() || how % 4 == 3) return in.ConsumeRandomLengthString(16);
  const std::string& name = names[in.ConsumeIntegralInRange<size_t>(0, names.size() - 1)];
  return how % 4 == 0 ? name : Respelled(name, in.ConsumeIntegral<uint32_t>());
}

void CheckSet(IniFile& ini, FuzzedDataProvider& in) {
  const std::string before = ini.Text();
  const std::vector<RefSection> ref = RefParse(before);
  std::vector<std::string> sectionNames, keyNames;
  for (const RefSection& s : ref) {
    sectionNames.push_back(s.name);
    for (const RefKey& k : s.keys) keyNames.push_back(k.name);
  }
  const std::string section = PickName(in, sectionNames);
  const std::string key = PickName(in, keyNames);
  const std::string value = in.ConsumeRandomLengthString(32);
  auto call = [&] {
    return "Set(" + Escaped(section) + ", " + Escaped(key) + ", " + Escaped(value) + ") on " +
           Escaped(before);
  };
  try {
    ini.Set(section, key, value);
  } catch (const wcthrm::RangeError& e) {
    FUZZ_CHECK(Unwritable(section, key),
               call() + " refused names that a file can hold: " + e.what());
    FUZZ_CHECK(ini.Text() == before, call() + " was refused but changed the text");
    return;
  } catch (const std::exception& e) {
    Fail(call() + " threw " + wcthrm::fuzz::Describe(e));
  }

  const std::string after = ini.Text();
  const IniFile reread("fuzz.ini", after);
  const std::optional<std::string> want = Stored(value);
  const std::optional<std::string> got = reread.Find(section, key);
  FUZZ_CHECK(got == want, call() + " wrote " + Escaped(after) + ", which reads back " + Shown(got) +
                              (Unwritable(section, key) ? " (names Set should refuse)" : ""));
  FUZZ_CHECK(ini.Find(section, key) == want,
             call() + ": the changed file itself finds " + Shown(ini.Find(section, key)));

  std::string valueLine(value);
  for (char& c : valueLine)
    if (c == '\r' || c == '\n') c = ' ';
  FUZZ_CHECK(OnlySetLinesChanged(before, after, "[" + std::string(Blankless(section)) + "]",
                                 std::string(Blankless(key)) + "=" + valueLine),
             call() + " wrote " + Escaped(after) + ", changing more than its own line");

  // Every other name of the file reads as before, from the changed file and from its text.
  for (size_t i = 0; i < ref.size() && i < kMaxSections; ++i) {
    const RefSection& s = ref[i];
    for (size_t k = 0; k < s.keys.size() && k < kMaxKeysPerSection; ++k) {
      const std::string& name = s.keys[k].name;
      if (SameName(s.name, Blankless(section)) && SameName(name, Blankless(key))) continue;
      const std::optional<std::string> old = RefFind(ref, s.name, name);
      FUZZ_CHECK(reread.Find(s.name, name) == old, call() + " changed " + Escaped(s.name) + "/" +
                                                       Escaped(name) + " from " + Shown(old) +
                                                       " to " + Shown(reread.Find(s.name, name)));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  FuzzedDataProvider in(data, size);  // the same bytes choose the queries and the writes

  IniFile ini("fuzz.ini", text);
  FUZZ_CHECK(ini.Text() == text,
             "Text() of an unchanged file " + Escaped(text) + " gave " + Escaped(ini.Text()));
  CheckReads(ini, text, QueriesOf(RefParse(text), in), "as read");

  const int sets = in.ConsumeIntegralInRange(0, kMaxSets);
  for (int i = 0; i < sets; ++i) {
    CheckSet(ini, in);
    // The changed file's own indexes must agree with a reading of its text.
    const std::string now = ini.Text();
    CheckReads(ini, now, QueriesOf(RefParse(now), in), "after Set");
  }
  return 0;
}
