// The soil freezing depth item: the inputs of its four cases (bare, loosened, snow-covered
// and insulated soil), their named values for the host's project files and its defaults in
// update.ini. The dialog and the calculations read and write the members directly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/IniFile.h"
#include "model/KxItem.h"
#include "model/Properties.h"

namespace wcthrm {

class TDepthOfSoil : public TKxItem {
 public:
  static constexpr const char* kSection = "DepthOfSoil information";
  // Counts read from a list or a defaults file above this fail like an unconvertible value.
  static constexpr int32_t kMaxCount = kMaxRowCount;

  TDepthOfSoil();
  ~TDepthOfSoil() override;

  // Properties in their stored order. Texts of the tables are GBK.
  bool NoHeatSoil1 = true;
  int32_t Count1 = 1;
  double Djxs1 = 0;
  bool Zdlj1 = true;
  double Djzs1 = 0;
  double SumTemp = 0;
  bool Zdlj2 = true;
  double Djzs2 = 0;
  int32_t Count2 = 1;
  bool NoHeatSoil2 = true;
  double Djxs2 = 0;
  double Fdjsxs = 0;
  bool Zdlj3 = true;
  double Djzs3 = 0;
  int32_t Count3 = 1;
  double Xdpjrdxs = 0;
  double Xdpjfgxs = 0;
  double Yxxs = 0;
  bool CalDjsd = true;
  bool Zdlj4 = true;
  double Djzs4 = 0;
  int32_t Count4 = 1;
  int32_t Count5 = 0;

  // Table cells, two per row, row by row; list k holds 2 x Count k entries.
  std::vector<std::string> slOneNoHeatSoil;
  std::vector<std::string> slTwoNoHeatSoil;
  std::vector<std::string> slThreeNoHeatSoil;
  std::vector<std::string> slFourNoHeatSoil;
  std::vector<std::string> slFiveNoHeatSoil;

  // Throws ConversionError for a value that does not convert; the item then stays as it was,
  // apart from the identity fields and ValueList.
  void LoadDefaultsFrom(const IniFile& ini) override;
  const char* DefaultsSection() const override { return kSection; }
  // Throws ConversionError for a value that does not convert; the properties and tables then
  // stay as they were.
  bool ReadFromList() override;
  bool WriteToList() override;
};

}  // namespace wcthrm
