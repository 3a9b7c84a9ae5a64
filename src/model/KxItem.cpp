#include "model/KxItem.h"

#include <charconv>

#include "model/Defaults.h"
#include "model/Properties.h"

namespace wcthrm {

std::string_view CellNames::operator()(size_t i) {
  char digits[24];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, i);
  text_.resize(prefixLength_);
  text_.append(digits, end);
  return text_;
}

void WriteCells(TMyList& list, std::string_view prefix, const std::vector<std::string>& cells) {
  CellNames name(prefix);
  for (size_t i = 0; i < cells.size(); ++i) list.Add(name(i), Variant(cells[i]));
}

void ReadCells(const TMyList& list, std::string_view prefix, size_t n,
               std::vector<std::string>& cells) {
  cells.resize(n);
  CellNames name(prefix);
  for (size_t i = 0; i < n; ++i) {
    const TMyrecord* entry = list.Find(name(i));
    if (!entry) {
      cells[i].clear();
    } else if (entry->value.kind() == Variant::Kind::Text) {
      cells[i].assign(entry->value.TextView());  // reuses the cell's own storage
    } else {
      cells[i] = entry->value.ToText();
    }
  }
}

void TKxItem::SaveDefaultData() {
  IniFile ini = IniFile::ReadForUpdate(DefaultsFilePath());
  SaveDefaultsTo(ini);
  ini.Save();
}

void TKxItem::LoadDefaultData() {
  LoadDefaults(*IniFile::Cached(DefaultsFilePath()), ReadRule::Lenient);
}

void TKxItem::LoadDefaults(const IniFile& ini, ReadRule rule) {
  struct Restore {
    ReadRule& rule;
    ReadRule saved;
    ~Restore() { rule = saved; }
  } restore{rule_, rule_};
  rule_ = rule;
  try {
    LoadDefaultsFrom(ini);
  } catch (ConversionError& e) {
    e.NameSection(DefaultsSection());
    throw;
  }
}

void TKxItem::SaveDefaultsTo(IniFile& ini) {
  WriteToList();
  for (int i = kIdentityEntries; i < ValueList.Count(); ++i) {
    ini.Set(DefaultsSection(), ValueList.NameAt(i), ValueList.EntryAt(i).value.ToText());
  }
}

void TKxItem::AppendSectionValues(const IniFile& ini) {
  ini.ForEachKey(DefaultsSection(), [this](std::string_view key, std::string_view value) {
    if (!value.empty()) ValueList.Add(key, Variant(std::string(value)));
  });
}

void TKxItem::AppendSavedValuesOfEntries(const IniFile& ini) {
  const IniFile::SectionView section = ini.FindSectionView(DefaultsSection());
  const int written = ValueList.Count();
  ValueList.Reserve(2 * static_cast<size_t>(written), ValueList.NameBytes(),
                    static_cast<size_t>(written));
  for (int i = 0; i < written; ++i) {
    auto value = section.Find(ValueList.NameAt(i));
    if (value && !value->empty()) ValueList.AddAgain(i, Variant(*value));
  }
}

}  // namespace wcthrm
