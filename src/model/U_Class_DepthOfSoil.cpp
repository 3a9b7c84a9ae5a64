// Named values and saved defaults of the freezing depth item.
#include "model/U_Class_DepthOfSoil.h"

#include <array>

#include "model/Defaults.h"
#include "model/Properties.h"
#include "support/Errors.h"
#include "support/NumberText.h"

namespace wcthrm {

namespace {

using P = Property<TDepthOfSoil>;

// Declaration order is the order of the entries in ValueList.
const P kProperties[] = {
    {"NoHeatSoil1", &TDepthOfSoil::NoHeatSoil1},
    {"Count1", &TDepthOfSoil::Count1, true},
    {"Djxs1", &TDepthOfSoil::Djxs1},
    {"Zdlj1", &TDepthOfSoil::Zdlj1},
    {"Djzs1", &TDepthOfSoil::Djzs1},
    {"SumTemp", &TDepthOfSoil::SumTemp},
    {"Zdlj2", &TDepthOfSoil::Zdlj2},
    {"Djzs2", &TDepthOfSoil::Djzs2},
    {"Count2", &TDepthOfSoil::Count2, true},
    {"NoHeatSoil2", &TDepthOfSoil::NoHeatSoil2},
    {"Djxs2", &TDepthOfSoil::Djxs2},
    {"Fdjsxs", &TDepthOfSoil::Fdjsxs},
    {"Zdlj3", &TDepthOfSoil::Zdlj3},
    {"Djzs3", &TDepthOfSoil::Djzs3},
    {"Count3", &TDepthOfSoil::Count3, true},
    {"Xdpjrdxs", &TDepthOfSoil::Xdpjrdxs},
    {"Xdpjfgxs", &TDepthOfSoil::Xdpjfgxs},
    {"Yxxs", &TDepthOfSoil::Yxxs},
    {"CalDjsd", &TDepthOfSoil::CalDjsd},
    {"Zdlj4", &TDepthOfSoil::Zdlj4},
    {"Djzs4", &TDepthOfSoil::Djzs4},
    {"Count4", &TDepthOfSoil::Count4, true},
    {"Count5", &TDepthOfSoil::Count5, true},
};

struct Table {
  const char* prefix;
  std::vector<std::string> TDepthOfSoil::*list;
  int32_t TDepthOfSoil::*count;
};

const std::array<Table, 5> kTables = {{
    {"slOneNoHeatSoil", &TDepthOfSoil::slOneNoHeatSoil, &TDepthOfSoil::Count1},
    {"slTwoNoHeatSoil", &TDepthOfSoil::slTwoNoHeatSoil, &TDepthOfSoil::Count2},
    {"slThreeNoHeatSoil", &TDepthOfSoil::slThreeNoHeatSoil, &TDepthOfSoil::Count3},
    {"slFourNoHeatSoil", &TDepthOfSoil::slFourNoHeatSoil, &TDepthOfSoil::Count4},
    {"slFiveNoHeatSoil", &TDepthOfSoil::slFiveNoHeatSoil, &TDepthOfSoil::Count5},
}};

// A table's rows from a saved count: none below 0.
int32_t RowsOf(int32_t count) {
  count = GuardedRowCount(count);
  return count < 0 ? 0 : count;
}

// Convert everything first, so a value that does not convert leaves the item as it was.
constexpr ReadRules kRules{.allOrNothing = true, .finiteDoubles = true, .negativeRowsAsZero = true};

}  // namespace

TDepthOfSoil::TDepthOfSoil() = default;
TDepthOfSoil::~TDepthOfSoil() = default;

bool TDepthOfSoil::WriteToList() {
  TKxObj::WriteToList();
  size_t cellCount = 0;
  for (const Table& t : kTables) cellCount += (this->*t.list).size();
  const size_t entries = ValueList.Count() + std::size(kProperties) + cellCount;
  ValueList.Reserve(entries, ValueList.NameBytes() + 24 * entries, entries);
  WriteProperties<TDepthOfSoil>(ValueList, *this, kProperties);
  for (const Table& t : kTables) WriteCells(ValueList, t.prefix, this->*t.list);
  return true;
}

bool TDepthOfSoil::ReadFromList() {
  TKxObj::ReadFromList();
  ReadProperties<TDepthOfSoil>(ValueList, *this, kProperties, kRules);
  // The counts were read first, so each list follows its count, not the entries present.
  for (const Table& t : kTables)
    ReadCells(ValueList, t.prefix, 2 * static_cast<size_t>(this->*t.count), this->*t.list);
  return true;
}

void TDepthOfSoil::LoadDefaultsFrom(const IniFile& ini) {
  // Fillers are only ever appended and ReadFromList assigns nothing when it fails, so cutting
  // the lists back to their sizes undoes a failed load.
  std::array<size_t, kTables.size()> before;
  for (size_t k = 0; k < kTables.size(); ++k) before[k] = (this->*kTables[k].list).size();
  try {
    // Fillers give the next step a name for every cell the saved table can have.
    for (size_t k = 0; k < kTables.size(); ++k) {
      const std::string key = "Count" + std::to_string(k + 1);
      std::string_view text = ini.FindView(kSection, key).value_or("");
      if (text.empty()) continue;
      std::vector<std::string>& cells = this->*kTables[k].list;
      const int32_t rows = ConvertNamed(key, [&] { return RowsOf(StrToInt(text)); });
      cells.resize(cells.size() + 2 * static_cast<size_t>(rows), "0");
    }
    WriteToList();
    AppendSavedValuesOfEntries(ini);
    ReadFromList();
  } catch (...) {
    for (size_t k = 0; k < kTables.size(); ++k) (this->*kTables[k].list).resize(before[k]);
    throw;
  }
}

}  // namespace wcthrm
