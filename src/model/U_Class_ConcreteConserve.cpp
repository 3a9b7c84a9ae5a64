// The curing item's list entries, its unguarded list read and its saved defaults.
#include "model/U_Class_ConcreteConserve.h"

#include "model/Defaults.h"
#include "support/Errors.h"
#include "support/IniFile.h"
#include "support/NumberText.h"

namespace wcthrm {

namespace {

constexpr const char* kReadingPrefix = "slPjwd";
constexpr const char* kPeriodPrefix = "slDlwdsj";

// The last entry of name converted by convert; a conversion error names the entry.
template <class T>
T ReadEntry(const TMyList& list, const char* name, T (Variant::*convert)() const) {
  Variant v;
  list.GetValue(name, v);
  return ConvertNamed(name, [&] { return (v.*convert)(); });
}

// Counts come from files and lists we do not control: a huge one would exhaust memory.
int32_t CheckedCount(int32_t count, const char* name) {
  if (count > TConcreteConserve::kMaxCount) {
    const std::string limit = IntToText(TConcreteConserve::kMaxCount);
    ConversionError e(IntToText(count), "is more than the " + limit + " a count may be",
                      "is not a valid count (at most " + limit + ")");
    e.NameKey(name);
    throw e;
  }
  return count;
}

void AddTexts(TMyList& list, const char* prefix, const std::vector<std::string>& texts) {
  CellNames name(prefix);
  for (size_t i = 0; i < texts.size(); ++i) list.Add(name(i), Variant(texts[i]));
}

// An element the list lacks reads as an empty text.
void ReadTexts(const TMyList& list, const char* prefix, int32_t count,
               std::vector<std::string>& texts) {
  texts.clear();
  if (count <= 0) return;
  texts.reserve(static_cast<size_t>(count));
  CellNames name(prefix);
  for (int32_t i = 0; i < count; ++i) {
    const TMyrecord* r = list.Find(name(static_cast<size_t>(i)));
    texts.push_back(r ? r->value.ToText() : std::string());
  }
}

// A saved count asks for that many "0" elements beyond those already held.
void AppendZeros(const IniFile& ini, const char* key, int32_t perRow,
                 std::vector<std::string>& texts) {
  std::string text = ini.ReadString(TConcreteConserve::kSection, key, "");
  if (text.empty()) return;
  int32_t n = CheckedCount(ConvertNamed(key, [&] { return StrToInt(text); }), key);
  if (n > 0) texts.insert(texts.end(), static_cast<size_t>(n) * perRow, "0");
}

}  // namespace

bool TConcreteConserve::WriteToList() {
  TKxObj::WriteToList();
  ValueList.Add("MyTemp", Variant(MyTemp));
  ValueList.Add("MyInterval", Variant(MyInterval));
  ValueList.Add("MyTimes", Variant(MyTimes));
  ValueList.Add("CalTime", Variant(CalTime));
  ValueList.Add("MyTimes2", Variant(MyTimes2));
  ValueList.Add("Dlsj", Variant(Dlsj));
  ValueList.Add("Dlwd", Variant(Dlwd));
  AddTexts(ValueList, kReadingPrefix, slPjwd);
  AddTexts(ValueList, kPeriodPrefix, slDlwdsj);
  return true;
}

bool TConcreteConserve::ReadFromList() {
  TKxObj::ReadFromList();
  MyTemp = ReadEntry(ValueList, "MyTemp", &Variant::ToDouble);
  MyInterval = ReadEntry(ValueList, "MyInterval", &Variant::ToDouble);
  MyTimes = CheckedCount(ReadEntry(ValueList, "MyTimes", &Variant::ToInt), "MyTimes");
  CalTime = ReadEntry(ValueList, "CalTime", &Variant::ToBool);
  MyTimes2 = CheckedCount(ReadEntry(ValueList, "MyTimes2", &Variant::ToInt), "MyTimes2");
  Dlsj = ReadEntry(ValueList, "Dlsj", &Variant::ToDouble);
  Dlwd = ReadEntry(ValueList, "Dlwd", &Variant::ToDouble);
  ReadTexts(ValueList, kReadingPrefix, MyTimes, slPjwd);
  ReadTexts(ValueList, kPeriodPrefix, MyTimes2 > 0 ? 2 * MyTimes2 : 0, slDlwdsj);
  return true;
}

void TConcreteConserve::LoadDefaultsFrom(const IniFile& ini) {
  AppendZeros(ini, "MyTimes", 1, slPjwd);
  AppendZeros(ini, "MyTimes2", 2, slDlwdsj);
  WriteToList();
  AppendSavedValuesOfEntries(ini);
  ReadFromList();
}

}  // namespace wcthrm
