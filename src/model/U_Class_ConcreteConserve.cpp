// The curing item's list entries, its unguarded list read and its saved defaults.
#include "model/U_Class_ConcreteConserve.h"

#include "model/Defaults.h"
#include "model/Properties.h"
#include "support/Errors.h"
#include "support/IniFile.h"
#include "support/NumberText.h"

namespace wcthrm {

namespace {

constexpr const char* kReadingPrefix = "slPjwd";
constexpr const char* kPeriodPrefix = "slDlwdsj";

using P = Property<TConcreteConserve>;

// The order of the entries after the identity ones; the two tables follow.
const P kProperties[] = {
    {"MyTemp", &TConcreteConserve::MyTemp},
    {"MyInterval", &TConcreteConserve::MyInterval},
    {"MyTimes", &TConcreteConserve::MyTimes, true},
    {"CalTime", &TConcreteConserve::CalTime},
    {"MyTimes2", &TConcreteConserve::MyTimes2, true},
    {"Dlsj", &TConcreteConserve::Dlsj},
    {"Dlwd", &TConcreteConserve::Dlwd},
};

// A saved count asks for that many "0" elements beyond those already held.
void AppendZeros(const IniFile& ini, const char* key, int32_t perRow,
                 std::vector<std::string>& texts) {
  std::string text = ini.ReadString(TConcreteConserve::kSection, key, "");
  if (text.empty()) return;
  const int32_t n = ConvertNamed(key, [&] { return GuardedRowCount(StrToInt(text)); });
  if (n > 0) texts.insert(texts.end(), static_cast<size_t>(n) * perRow, "0");
}

}  // namespace

bool TConcreteConserve::WriteToList() {
  TKxObj::WriteToList();
  WriteProperties<TConcreteConserve>(ValueList, *this, kProperties);
  WriteCells(ValueList, kReadingPrefix, slPjwd);
  WriteCells(ValueList, kPeriodPrefix, slDlwdsj);
  return true;
}

bool TConcreteConserve::ReadFromList() {
  TKxObj::ReadFromList();
  ReadProperties<TConcreteConserve>(ValueList, *this, kProperties, {});
  ReadCells(ValueList, kReadingPrefix, MyTimes > 0 ? static_cast<size_t>(MyTimes) : 0, slPjwd);
  ReadCells(ValueList, kPeriodPrefix, MyTimes2 > 0 ? 2 * static_cast<size_t>(MyTimes2) : 0,
            slDlwdsj);
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
