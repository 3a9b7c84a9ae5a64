// The transport and placing item: the inputs of the mix temperature on arrival at the pour
// (T2) and of the placed concrete after it has exchanged heat with formwork and steel (T3).
// It moves them to and from its named-value list and keeps the defaults of its kind in
// update.ini. Texts are GBK bytes; the six formwork and steel quantities stay texts as typed.
#pragma once

#include <cstdint>
#include <string>

#include "support/IniFile.h"
#include "model/KxItem.h"

namespace wcthrm {

class TTongTransitIrrigate : public TKxItem {
 public:
  // The defaults section of this kind in update.ini.
  static constexpr const char* kSection = "TongTransitIrrigate information";

  // Transport (T2) inputs.
  double Cjwd = 5;      // mix temperature at the mixer outlet T1, ℃
  double Wdssxs = 0;    // temperature loss coefficient α, 1/h
  double Ysdjzdsj = 1;  // time t1 from the start of transport to pouring, h
  int32_t Yzcs = 1;     // number n of transfers of the mix
  double Hjwd = 0;      // ambient temperature Ta during transport, ℃
  // Placing (T3) inputs: the formwork and steel table, as typed.
  std::string cf = "cf";  // specific heat of the formwork
  std::string cs = "cs";  // specific heat of the steel
  std::string mf = "mf";  // mass of formwork touching 1 m3 of concrete
  std::string ms = "ms";  // mass of steel touching 1 m3 of concrete
  std::string Tf = "Tf";  // temperature of the formwork
  std::string Ts = "Ts";  // temperature of the steel
  double Wendu = 5;       // mix temperature T2 at the pour, ℃
  double Zhiliang = 1;    // mass mc of 1 m3 of concrete, kg
  double Hntbrr = 1;      // specific heat Cc of the concrete

  // Replaces the values by the non-empty keys of the section, keeping the identity fields.
  void LoadDefaultsFrom(const IniFile& ini) override;
  const char* DefaultsSection() const override { return kSection; }
  // Reads the 14 entries, not the identity ones; stops at the first value that does not
  // convert and returns false.
  bool ReadFromList() override;
  bool WriteToList() override;
};

}  // namespace wcthrm
