// fuzz_items: the four item kinds read a named-value list made from the input, as a host
// fills it; a list they write must read back into a fresh item unchanged; then the kind's
// form state loads the item, checks and books every tab, and stores into a fresh item once
// the checks of "保存默认值" pass.
//
// The list is filled through the host interface and its lookups are checked against their rule.
//
// Input: the first byte picks the kind (ItemKind order, byte % 4); then one entry per line,
// at most kMaxEntries, "NAME" alone for an empty value or "NAME<op>VALUE" with op
//   '=' text   '#' int32 (strtoull, wrapped)   '%' double (strtod: nan, inf, hex)   '?' bool
//   (true when VALUE starts with 1, T or t)   '!' the tag VALUE (unknown ones too), no payload.
// NAME is taken as written, except "$N", the kind's N-th own entry name (modulo), and
// "@N.M", cell M of the kind's N-th table (slPjwd3), so mutations keep reaching real names.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "calc/ConcreteConserveForm.h"
#include "calc/ConcreteHeatForm.h"
#include "calc/DepthOfSoilForm.h"
#include "calc/TongTransitIrrigateForm.h"
#include "model/uBaseClass.h"
#include "support/CrashReporter.h"

namespace {

using wcthrm::ItemKind;
using wcthrm::TKxObj;
using wcthrm::TMyList;
using wcthrm::Variant;
using wcthrm::fuzz::Escaped;
using wcthrm::fuzz::Fail;

constexpr size_t kMaxEntries = 48;
constexpr size_t kMaxCellIndex = 200;

constexpr std::array<const char*, 4> kKindNames = {"ConcreteHeat", "ConcreteConserve",
                                                   "DepthOfSoil", "TongTransitIrrigate"};

// What a kind itself calls its entries, found by asking a fresh item, never written out here.
struct KindNames {
  std::vector<std::string> entries;       // identity entries and properties
  std::vector<std::string> cellPrefixes;  // "slPjwd", "slOneNoHeatSoil", ...
};

KindNames Discover(ItemKind kind) {
  KindNames names;
  std::unique_ptr<TKxObj> item = wcthrm::MakeItem(kind);
  item->WriteToList();
  const TMyList& list = item->ValueList;
  for (int i = 0; i < list.Count(); ++i) names.entries.emplace_back(list.NameAt(i));
  // Two rows per count make every table write cells; names ending in digits that were not
  // there before are cell names.
  std::unique_ptr<TKxObj> sized = wcthrm::MakeItem(kind);
  for (int i = 0; i < list.Count(); ++i) {
    const bool count = i >= 4 && list.EntryAt(i).value.kind() == Variant::Kind::Int;
    sized->ValueList.Add(list.NameAt(i), count ? Variant(int32_t{2}) : list.EntryAt(i).value);
  }
  sized->ReadFromList();
  sized->WriteToList();
  for (int i = 0; i < sized->ValueList.Count(); ++i) {
    std::string name(sized->ValueList.NameAt(i));
    if (std::find(names.entries.begin(), names.entries.end(), name) != names.entries.end())
      continue;
    while (!name.empty() && name.back() >= '0' && name.back() <= '9') name.pop_back();
    if (std::find(names.cellPrefixes.begin(), names.cellPrefixes.end(), name) ==
        names.cellPrefixes.end())
      names.cellPrefixes.push_back(name);
  }
  return names;
}

// Immutable once made: nothing of one input reaches the next.
const KindNames& NamesOf(ItemKind kind) {
  static const std::array<KindNames, 4> all = {
      Discover(ItemKind::ConcreteHeat), Discover(ItemKind::ConcreteConserve),
      Discover(ItemKind::DepthOfSoil), Discover(ItemKind::TongTransitIrrigate)};
  return all[static_cast<size_t>(kind)];
}

size_t Number(std::string_view digits) {
  size_t n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') break;
    n = n * 10 + static_cast<size_t>(c - '0');
    if (n > 1000000) break;
  }
  return n;
}

std::string NameOf(std::string_view spelled, const KindNames& names) {
  if (spelled.size() > 1 && spelled[0] == '$')
    return names.entries[Number(spelled.substr(1)) % names.entries.size()];
  if (spelled.size() > 1 && spelled[0] == '@' && !names.cellPrefixes.empty()) {
    const size_t table = Number(spelled.substr(1)) % names.cellPrefixes.size();
    const size_t dot = spelled.find('.');
    const size_t cell = dot == std::string_view::npos ? 0 : Number(spelled.substr(dot + 1));
    return names.cellPrefixes[table] + std::to_string(cell % (kMaxCellIndex + 1));
  }
  return std::string(spelled);
}

// One entry as a host hands it over: a zero-terminated name and a tagged value.
struct HostEntry {
  std::string name;  // cut at its first zero byte, as a C string ends there
  KxValue value{};
  std::string text;  // what value.asText points at, for a text
  bool hasText = false;
};

HostEntry EntryOf(std::string name, char op, std::string_view text) {
  HostEntry e;
  std::memset(&e.value, 0, sizeof e.value);  // `{}` zeroes only the union's first member
  e.name = name.substr(0, name.find('\0'));
  const std::string value(text);
  switch (op) {
    case '=':
      e.value.tag = KX_VT_TEXT;
      e.text = value.substr(0, value.find('\0'));
      e.hasText = true;
      break;
    case '#':
      e.value.tag = KX_VT_INT32;  // wraps, as a host's 32-bit field would
      e.value.asInt32 =
          static_cast<int32_t>(static_cast<uint32_t>(std::strtoull(value.c_str(), nullptr, 10)));
      break;
    case '%':
      e.value.tag = KX_VT_DOUBLE;
      e.value.asDouble = std::strtod(value.c_str(), nullptr);
      break;
    case '?':
      e.value.tag = KX_VT_BOOL;
      e.value.asBool = !value.empty() && (value[0] == '1' || value[0] == 'T' || value[0] == 't');
      break;
    case '!':  // any tag, unknown ones included, over a zero payload (a null text)
      e.value.tag = static_cast<uint16_t>(std::strtoul(value.c_str(), nullptr, 0));
      break;
    default:
      e.value.tag = KX_VT_EMPTY;
  }
  return e;
}

std::vector<HostEntry> EntriesOf(std::string_view lines, const KindNames& names) {
  std::vector<HostEntry> entries;
  size_t pos = 0;
  while (entries.size() < kMaxEntries && pos < lines.size()) {
    const size_t nl = lines.find('\n', pos);
    std::string_view line =
        lines.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
    pos = nl == std::string_view::npos ? lines.size() : nl + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t op = line.find_first_of("=#%?!");
    if (op == std::string_view::npos) {
      entries.push_back(EntryOf(NameOf(line, names), 0, {}));
    } else {
      entries.push_back(EntryOf(NameOf(line.substr(0, op), names), line[op], line.substr(op + 1)));
    }
  }
  return entries;
}

KxValue HostValue(const HostEntry& e) {
  KxValue v = e.value;
  if (e.hasText) v.asText = e.text.c_str();
  return v;
}

// Through the host interface, as a host restores a node's list.
void Fill(TMyList& list, const std::vector<HostEntry>& entries) {
  IKxValueList* host = list.Interface();
  for (const HostEntry& e : entries) {
    const KxValue v = HostValue(e);
    host->Add(e.name.c_str(), &v);
  }
}

// The value the list must hold for what the host added: an unknown tag is empty.
Variant Expected(const HostEntry& e) {
  switch (e.value.tag) {
    case KX_VT_INT32:
      return Variant(e.value.asInt32);
    case KX_VT_DOUBLE:
      return Variant(e.value.asDouble);
    case KX_VT_BOOL:
      return Variant(e.value.asBool != 0);
    case KX_VT_TEXT:
      return Variant(e.hasText ? e.text : std::string());
    default:
      return Variant();
  }
}

std::string Shown(const Variant& v) {
  switch (v.kind()) {
    case Variant::Kind::Empty:
      return "empty";
    case Variant::Kind::Int:
      return "int " + std::to_string(v.ToInt());
    case Variant::Kind::Double: {
      char buf[48];
      std::snprintf(buf, sizeof buf, "double %.17g", v.ToDouble());
      return buf;
    }
    case Variant::Kind::Bool:
      return v.ToBool() ? "bool true" : "bool false";
    case Variant::Kind::Text:
      return "text " + Escaped(v.TextView());
  }
  return "?";
}

std::string Shown(const TMyList& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i)
    out += "\n    " + Escaped(list.NameAt(i)) + " = " + Shown(list.EntryAt(i).value);
  return out;
}

bool SameValue(const Variant& a, const Variant& b) {
  if (a.kind() != b.kind()) return false;
  if (a.kind() != Variant::Kind::Double) return a == b;
  const double x = a.ToDouble(), y = b.ToDouble();
  if (std::isnan(x) && std::isnan(y)) return true;  // a NaN's payload is no value
  return std::memcmp(&x, &y, sizeof x) == 0;
}

// The first difference of two lists, or empty.
std::string Difference(const TMyList& a, const TMyList& b) {
  for (int i = 0; i < a.Count() && i < b.Count(); ++i) {
    if (a.NameAt(i) != b.NameAt(i) || !SameValue(a.EntryAt(i).value, b.EntryAt(i).value)) {
      return "entry " + std::to_string(i) + ": " + Escaped(a.NameAt(i)) + " = " +
             Shown(a.EntryAt(i).value) + " became " + Escaped(b.NameAt(i)) + " = " +
             Shown(b.EntryAt(i).value);
    }
  }
  if (a.Count() != b.Count()) {
    return std::to_string(a.Count()) + " entries became " + std::to_string(b.Count());
  }
  return {};
}

// The list's lookups against a plain reading of its rule: names cut to 255 bytes, bytes <= 32
// trimmed from both ends, a-z folded byte for byte, and the last entry of a name wins.
FUZZ_UNTRACED std::string RefKey(std::string_view name) {
  name = name.substr(0, TMyList::kMaxName);
  while (!name.empty() && static_cast<unsigned char>(name.front()) <= 32) name.remove_prefix(1);
  while (!name.empty() && static_cast<unsigned char>(name.back()) <= 32) name.remove_suffix(1);
  std::string key(name);
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return key;
}

FUZZ_UNTRACED std::string Respelled(std::string_view name, size_t seed) {
  std::string out(name);
  for (size_t i = 0; i < out.size(); ++i) {
    const char c = out[i];
    if (((seed + i) % 3 == 0) && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
      out[i] = static_cast<char>(c ^ 0x20);
  }
  return seed % 2 ? " \t" + out + "\x01" : out;
}

template <class What>
void CheckList(TMyList& list, const std::vector<HostEntry>& entries, const What& what) {
  IKxValueList* host = list.Interface();
  FUZZ_CHECK(host->Count() == static_cast<int32_t>(entries.size()),
             what() + " holds " + std::to_string(host->Count()) + " entries");
  std::vector<std::string> keys;
  for (size_t i = 0; i < entries.size(); ++i) {
    const int32_t pos = static_cast<int32_t>(i);
    const std::string name = entries[i].name.substr(0, TMyList::kMaxName);
    const char* stored = host->NameAt(pos);
    FUZZ_CHECK(stored && name == stored, what() + " entry " + std::to_string(i) + " is named " +
                                             Escaped(stored ? stored : ""));
    KxValue got{};
    FUZZ_CHECK(host->ValueAt(pos, &got) == 1,
               what() + " ValueAt(" + std::to_string(i) + ") failed");
    const Variant want = Expected(entries[i]);
    FUZZ_CHECK(SameValue(list.EntryAt(pos).value, want),
               what() + " entry " + std::to_string(i) + " holds " + Shown(list.EntryAt(pos).value) +
                   ", the host added " + Shown(want));
    const bool sameTag = got.tag == (want.kind() == Variant::Kind::Empty    ? KX_VT_EMPTY
                                     : want.kind() == Variant::Kind::Int    ? KX_VT_INT32
                                     : want.kind() == Variant::Kind::Double ? KX_VT_DOUBLE
                                     : want.kind() == Variant::Kind::Bool   ? KX_VT_BOOL
                                                                            : KX_VT_TEXT);
    FUZZ_CHECK(sameTag && (got.tag != KX_VT_TEXT || want.TextView() == got.asText) &&
                   (got.tag != KX_VT_BOOL || got.asBool == (want.ToBool() ? 1 : 0)),
               what() + " ValueAt(" + std::to_string(i) + ") hands out tag " +
                   std::to_string(got.tag) + " for " + Shown(want));
    keys.push_back(RefKey(name));
  }
  for (size_t i = 0; i < entries.size(); ++i) {
    for (size_t variant = 0; variant < 3; ++variant) {
      const std::string query =
          variant == 0 ? entries[i].name : Respelled(entries[i].name, i + variant);
      const std::string key = RefKey(query);
      int last = -1;
      for (size_t j = 0; j < keys.size(); ++j)
        if (keys[j] == key) last = static_cast<int>(j);
      const wcthrm::TMyrecord* found = list.Find(query);
      FUZZ_CHECK(found == (last < 0 ? nullptr : &list.EntryAt(last)),
                 what() + " Find(" + Escaped(query) + ") gave " +
                     (found ? Shown(found->value) : "none") + ", the last entry of that name is " +
                     std::to_string(last));
      KxValue got{};
      FUZZ_CHECK(host->Find(query.c_str(), &got) == (last < 0 ? 0 : 1),
                 what() + " the host's Find(" + Escaped(query) + ") disagrees");
    }
  }
}

// Any exception inside a guarded host call is reported, never thrown: here it is a finding.
void TrapOnCrashReports() {
  static const int listener =
      wcthrm::CrashReporter::Instance().AddListener([](const wcthrm::CrashReport& report) {
        Fail("a guarded host call reported " + Escaped(report.message));
      });
  (void)listener;
}

// A book line must never show a number that is none.
bool ShowsNoNumber(const std::string& line) {
  std::string lower = line;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// WriteToList, the list copied into a fresh item, ReadFromList, WriteToList: the same list.
template <class What>
void CheckRoundTrip(ItemKind kind, TKxObj& item, const What& what) {
  item.WriteToList();
  std::unique_ptr<TKxObj> fresh = wcthrm::MakeItem(kind);
  const TMyList& written = item.ValueList;
  for (int i = 0; i < written.Count(); ++i)
    fresh->ValueList.Add(written.NameAt(i), written.EntryAt(i).value);
  bool again = false;
  try {
    again = fresh->ReadFromList();
  } catch (const std::exception& e) {
    Fail(what() + " a fresh item reading the written list" + Shown(written) + "\n  threw " +
         wcthrm::fuzz::Describe(e));
  }
  FUZZ_CHECK(again, what() + " a fresh item refused the written list" + Shown(written));
  fresh->WriteToList();
  const std::string diff = Difference(written, fresh->ValueList);
  FUZZ_CHECK(diff.empty(), what() + " write, read into a fresh item, write: " + diff);
}

// One kind's form state as the dialog uses it.
template <class Item, class Form>
struct FormOps {
  int tabs;
  Form (*load)(const Item&);
  void (*store)(const Form&, Item&);
  wcthrm::calc::CheckResult (*check)(const Form&, int);
  wcthrm::calc::CheckResult (*checkForSave)(const Form&);
  wcthrm::calc::BookLines (*book)(const Form&, int);
};

// The dialog shown on item: every tab's "计算", then "保存默认值" into a fresh item.
template <class Item, class Form, class What>
void CheckForm(ItemKind kind, const TKxObj& node, const FormOps<Item, Form>& ops,
               const What& what) {
  Form form;
  if (!wcthrm::fuzz::OnlyConversionError([&] { return what() + ": Load"; },
                                         [&] { form = ops.load(static_cast<const Item&>(node)); }))
    return;
  for (int tab = 0; tab < ops.tabs; ++tab) {
    auto where = [&](const char* step) {
      return what() + ", tab " + std::to_string(tab) + ": " + step;
    };
    wcthrm::calc::CheckResult fault;
    if (!wcthrm::fuzz::OnlyConversionError([&] { return where("Check"); },
                                           [&] { fault = ops.check(form, tab); }))
      continue;
    if (fault) continue;
    wcthrm::calc::BookLines lines;
    wcthrm::fuzz::OnlyConversionError([&] { return where("Book"); },
                                      [&] { lines = ops.book(form, tab); });
    for (const std::string& line : lines)
      FUZZ_CHECK(!ShowsNoNumber(line), where("the book shows ") + Escaped(line));
  }

  wcthrm::calc::CheckResult fault;
  if (!wcthrm::fuzz::OnlyConversionError([&] { return what() + ": CheckForSaveDefaults"; },
                                         [&] { fault = ops.checkForSave(form); }) ||
      fault)
    return;
  // The checks passed, so every text Store converts is a number.
  std::unique_ptr<TKxObj> stored = wcthrm::MakeItem(kind);
  try {
    ops.store(form, static_cast<Item&>(*stored));
  } catch (const std::exception& e) {
    Fail(what() + ": Store after CheckForSaveDefaults passed threw " + wcthrm::fuzz::Describe(e));
  }
  CheckRoundTrip(kind, *stored, [&] { return what() + " stored from its form,"; });
}

template <class What>
void CheckForms(ItemKind kind, const TKxObj& item, const What& what) {
  namespace calc = wcthrm::calc;
  switch (kind) {
    case ItemKind::ConcreteHeat: {
      namespace k = calc::concreteheat;
      CheckForm(
          kind, item,
          FormOps<wcthrm::TConcreteHeat, k::Form>{k::kTabCount, &k::Load, &k::Store, &k::Check,
                                                  &k::CheckForSaveDefaults, &k::Book},
          what);
      break;
    }
    case ItemKind::ConcreteConserve: {
      namespace k = calc::concreteconserve;
      CheckForm(
          kind, item,
          FormOps<wcthrm::TConcreteConserve, k::Form>{k::kTabCount, &k::Load, &k::Store, &k::Check,
                                                      &k::CheckForSaveDefaults, &k::Book},
          what);
      break;
    }
    case ItemKind::DepthOfSoil: {
      namespace k = calc::depthofsoil;
      CheckForm(kind, item,
                FormOps<wcthrm::TDepthOfSoil, k::Form>{k::kTabCount, &k::Load, &k::Store, &k::Check,
                                                       &k::CheckForSaveDefaults, &k::Book},
                what);
      break;
    }
    case ItemKind::TongTransitIrrigate: {
      namespace k = calc::tongtransitirrigate;
      CheckForm(
          kind, item,
          FormOps<wcthrm::TTongTransitIrrigate, k::Form>{
              k::kTabCount, &k::Load, &k::Store, &k::Check, &k::CheckForSaveDefaults, &k::Book},
          what);
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const ItemKind kind = static_cast<ItemKind>(data[0] % 4);
  const KindNames& names = NamesOf(kind);
  const std::string_view lines(reinterpret_cast<const char*>(data + 1), size - 1);

  TrapOnCrashReports();
  const std::vector<HostEntry> entries = EntriesOf(lines, names);
  std::unique_ptr<TKxObj> item = wcthrm::MakeItem(kind);
  Fill(item->ValueList, entries);
  // Described only for a finding, from the input again: the item rewrites its list.
  auto what = [&] {
    TMyList input;
    Fill(input, entries);
    return std::string(kKindNames[static_cast<size_t>(kind)]) + " read from" + Shown(input) + "\n ";
  };
  CheckList(item->ValueList, entries, what);
  bool read = false;
  wcthrm::fuzz::OnlyConversionError([&] { return what() + " ReadFromList"; },
                                    [&] { read = item->ReadFromList(); });

  // A failed read may leave a half-read item by design; only a whole read must round-trip.
  if (read) CheckRoundTrip(kind, *item, what);

  CheckForms(kind, *item, what);
  return 0;
}
