// Named values and saved defaults of the freezing depth item.
#include "model/U_Class_DepthOfSoil.h"

#include <array>
#include <cmath>
#include <type_traits>
#include <variant>

#include "model/Defaults.h"
#include "support/Errors.h"
#include "support/NumberText.h"

namespace wcthrm {

namespace {

using Member = std::variant<bool TDepthOfSoil::*, int32_t TDepthOfSoil::*, double TDepthOfSoil::*>;

struct Property {
  const char* name;
  Member member;
};

// Declaration order is the order of the entries in ValueList.
const std::array<Property, 23> kProperties = {{
    {"NoHeatSoil1", &TDepthOfSoil::NoHeatSoil1},
    {"Count1", &TDepthOfSoil::Count1},
    {"Djxs1", &TDepthOfSoil::Djxs1},
    {"Zdlj1", &TDepthOfSoil::Zdlj1},
    {"Djzs1", &TDepthOfSoil::Djzs1},
    {"SumTemp", &TDepthOfSoil::SumTemp},
    {"Zdlj2", &TDepthOfSoil::Zdlj2},
    {"Djzs2", &TDepthOfSoil::Djzs2},
    {"Count2", &TDepthOfSoil::Count2},
    {"NoHeatSoil2", &TDepthOfSoil::NoHeatSoil2},
    {"Djxs2", &TDepthOfSoil::Djxs2},
    {"Fdjsxs", &TDepthOfSoil::Fdjsxs},
    {"Zdlj3", &TDepthOfSoil::Zdlj3},
    {"Djzs3", &TDepthOfSoil::Djzs3},
    {"Count3", &TDepthOfSoil::Count3},
    {"Xdpjrdxs", &TDepthOfSoil::Xdpjrdxs},
    {"Xdpjfgxs", &TDepthOfSoil::Xdpjfgxs},
    {"Yxxs", &TDepthOfSoil::Yxxs},
    {"CalDjsd", &TDepthOfSoil::CalDjsd},
    {"Zdlj4", &TDepthOfSoil::Zdlj4},
    {"Djzs4", &TDepthOfSoil::Djzs4},
    {"Count4", &TDepthOfSoil::Count4},
    {"Count5", &TDepthOfSoil::Count5},
}};

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

// Rows of an untrusted count: none below 0, a conversion error above the limit, so a hostile
// file can neither exhaust memory nor overflow 2 x count.
int32_t RowsOf(int32_t count) {
  if (count > TDepthOfSoil::kMaxCount) {
    const std::string limit = IntToText(TDepthOfSoil::kMaxCount);
    throw ConversionError(IntToText(count), "is more than the " + limit + " rows a table may have",
                          "is not a valid row count (at most " + limit + ")");
  }
  return count < 0 ? 0 : count;
}

double FiniteDouble(const Variant& v) {
  double d = v.ToDouble();
  if (!std::isfinite(d)) {
    throw ConversionError(NumberText(d), "is not a finite number",
                          "is not a valid floating point value");
  }
  return d;
}

}  // namespace

TDepthOfSoil::TDepthOfSoil() = default;
TDepthOfSoil::~TDepthOfSoil() = default;

bool TDepthOfSoil::WriteToList() {
  TKxObj::WriteToList();
  for (const Property& p : kProperties) {
    std::visit([&](auto member) { ValueList.Add(p.name, Variant(this->*member)); }, p.member);
  }
  size_t cellCount = 0;
  for (const Table& t : kTables) cellCount += (this->*t.list).size();
  const size_t entries = ValueList.Count() + kProperties.size() + cellCount;
  ValueList.Reserve(entries, ValueList.NameBytes() + 24 * entries, entries);
  for (const Table& t : kTables) {
    const std::vector<std::string>& cells = this->*t.list;
    CellNames name(t.prefix);
    for (size_t i = 0; i < cells.size(); ++i) ValueList.Add(name(i), Variant(cells[i]));
  }
  return true;
}

bool TDepthOfSoil::ReadFromList() {
  TKxObj::ReadFromList();
  // Convert everything first, so a value that does not convert leaves the item as it was.
  std::array<Variant, kProperties.size()> values;
  for (size_t i = 0; i < kProperties.size(); ++i) {
    Variant v;
    ValueList.GetValue(kProperties[i].name, v);
    values[i] = ConvertNamed(kProperties[i].name, [&] {
      return std::visit(
        [&](auto member) -> Variant {
          using T = std::remove_reference_t<decltype(this->*member)>;
          if constexpr (std::is_same_v<T, bool>) {
            return Variant(v.ToBool());
          } else if constexpr (std::is_same_v<T, int32_t>) {
            return Variant(RowsOf(v.ToInt()));
          } else {
            return Variant(FiniteDouble(v));
          }
        },
        kProperties[i].member);
    });
  }
  for (size_t i = 0; i < kProperties.size(); ++i) {
    std::visit(
        [&](auto member) {
          using T = std::remove_reference_t<decltype(this->*member)>;
          if constexpr (std::is_same_v<T, bool>) {
            this->*member = values[i].ToBool();
          } else if constexpr (std::is_same_v<T, int32_t>) {
            this->*member = values[i].ToInt();
          } else {
            this->*member = values[i].ToDouble();
          }
        },
        kProperties[i].member);
  }
  // The counts were read first, so each list follows its count, not the entries present.
  for (const Table& t : kTables) {
    std::vector<std::string>& cells = this->*t.list;
    const size_t n = 2 * static_cast<size_t>(this->*t.count);
    cells.resize(n);
    CellNames name(t.prefix);
    for (size_t i = 0; i < n; ++i) {
      const TMyrecord* entry = ValueList.Find(name(i));
      if (!entry) {
        cells[i].clear();
      } else if (entry->value.kind() == Variant::Kind::Text) {
        cells[i].assign(entry->value.TextView());  // reuses the cell's own storage
      } else {
        cells[i] = entry->value.ToText();
      }
    }
  }
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
