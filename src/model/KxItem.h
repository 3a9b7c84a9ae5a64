// Base of the four calculation item kinds: how an item's values move to and from its kind's
// section of update.ini. The list is the staging area both ways.
#pragma once

#include <string>
#include <string_view>

#include "support/Errors.h"
#include "support/IniFile.h"
#include "model/uBaseClass.h"

namespace wcthrm {

// Entry names of a stored table's cells: the prefix followed by the cell index in decimal,
// built in one buffer so that a long table costs no allocation per cell.
class CellNames {
 public:
  explicit CellNames(std::string_view prefix) : text_(prefix), prefixLength_(prefix.size()) {}
  // The name of cell i; valid until the next call.
  std::string_view operator()(size_t i);

 private:
  std::string text_;
  size_t prefixLength_;
};

class TKxItem : public TKxObj {
 public:
  // Writes the item's values as the defaults of its kind: update.ini is read afresh, changed
  // and replaced atomically. A file that cannot be read or written throws IoError and is left
  // as it was: the other kinds' defaults are never lost.
  void SaveDefaultData() final;
  // Loads the saved defaults of the kind from the cached update.ini, leniently.
  void LoadDefaultData() final;

  // How a kind that ends its read at the first value that does not convert reports it.
  enum class ReadRule {
    Lenient,  // the kind's own rule: such a kind stops there and reports nothing
    Strict,   // every kind throws the ConversionError
  };
  // LoadDefaultsFrom under rule; a ConversionError leaves naming its key and this section.
  void LoadDefaults(const IniFile& ini, ReadRule rule);

  // WriteToList, then every entry after the four identity entries into the kind's section,
  // as text (numbers as NumberText); no I/O.
  void SaveDefaultsTo(IniFile& ini);
  // The kind's own way of reading its section; no I/O.
  virtual void LoadDefaultsFrom(const IniFile& ini) = 0;

  virtual const char* DefaultsSection() const = 0;

 protected:
  static constexpr int kIdentityEntries = 4;

  // Runs a read that stops at the first value that does not convert: false then, unless the
  // read is strict, when the ConversionError leaves.
  template <class Read>
  bool ReadStopping(Read&& read) {
    try {
      read();
      return true;
    } catch (const ConversionError&) {
      if (rule_ == ReadRule::Strict) throw;
      return false;
    }
  }

  // Appends every key of the section, in file order, whose value is not empty, as a text.
  void AppendSectionValues(const IniFile& ini);
  // Appends, for each entry now in the list, the section's non-empty value of that name as a
  // text, so the saved value is the one later lookups see.
  void AppendSavedValuesOfEntries(const IniFile& ini);

 private:
  ReadRule rule_ = ReadRule::Lenient;
};

}  // namespace wcthrm
