// The curing item: inputs of the mean-temperature and equivalent time/temperature
// calculations, moved to and from the node's named-value list and the saved defaults of
// its kind. Texts (the two lists) hold GBK bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/KxItem.h"
#include "model/Properties.h"

namespace wcthrm {

class IniFile;

class TConcreteConserve : public TKxItem {
 public:
  // Section of update.ini that holds the saved defaults of this kind.
  static constexpr const char* kSection = "ConcreteConserve information";
  // Largest count of readings or table rows accepted from a list or a file.
  static constexpr int32_t kMaxCount = kMaxRowCount;

  double MyTemp = 5;      // T3, temperature when forming is completed, ℃
  double MyInterval = 1;  // interval between two readings, h or d (shown, not calculated)
  int32_t MyTimes = 1;    // number of readings n
  bool CalTime = true;    // true: equivalent time is calculated; false: equivalent temperature
  int32_t MyTimes2 = 1;   // rows of the period table
  double Dlsj = 100;      // equivalent time t_do, h or d
  double Dlwd = 5;        // equivalent temperature T_do, ℃

  std::vector<std::string> slPjwd;    // readings t1 … tn as typed
  std::vector<std::string> slDlwdsj;  // period table row by row: T_p, then t

  // The saved defaults over the current values; identity fields stay unless the section
  // names them. Throws ConversionError for a value that does not convert.
  void LoadDefaultsFrom(const IniFile& ini) override;
  const char* DefaultsSection() const override { return kSection; }
  // Unguarded after the identity entries: a value that does not convert, or a count above
  // kMaxCount, throws ConversionError and leaves what was read before.
  bool ReadFromList() override;
  bool WriteToList() override;
};

}  // namespace wcthrm
