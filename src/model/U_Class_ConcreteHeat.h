// The concrete heating item: inputs of the four heating sub-calculations, their named-value
// list for the host's project file, and the saved defaults of the kind in update.ini.
#pragma once

#include <string>

#include "support/IniFile.h"
#include "model/KxItem.h"

namespace wcthrm {

class TConcreteHeat : public TKxItem {
 public:
  // Section of update.ini that holds the defaults of this kind.
  static constexpr const char* kSection = "ConcreteHeat information";

  TConcreteHeat();

  // Declaration order is the order of the list entries and of the defaults keys.
  double Clbr;       // specific heat of the heated material, kJ/(kg·℃)
  double Clmi;       // density of the heated material, kg/m³
  double Yll;        // material used per hour, m³/h
  double Jrqclwd;    // material temperature before heating, ℃
  double Bjyxs;      // unevenness factor K1
  double Jrhclwd;    // material temperature after heating, ℃
  double Sjlyxs;     // time-utilisation factor K2
  std::string Jrfs;  // heating method (GBK)
  std::string Snbh;  // cement grade (GBK); enters no formula
  double Wjqw;       // outside air temperature, ℃
  double Jrzgwd;     // highest allowed heating temperature of water and aggregate, ℃
  std::string mw;    // mix table texts as typed (GBK): masses in kg...
  std::string mce;
  std::string msa;
  std::string mg;
  std::string Tw;  // ...and temperatures in ℃
  std::string Tce;
  std::string Tsa;
  std::string Tg;
  double Cldrb;    // specific heat applied to the water held in the aggregates
  double Sdrjr;    // heat of fusion of ice, kJ/kg
  double Szhsl;    // moisture of the sand, %
  double Hsl;      // moisture of the stone, %
  double Bhwwd;    // temperature of the mix, ℃
  double Bhjpnwd;  // air temperature inside the mixer shed, ℃

  // Stages the identity entries and the section's non-empty keys in the list, then reads it.
  void LoadDefaultsFrom(const IniFile& ini) override;
  const char* DefaultsSection() const override { return kSection; }
  bool ReadFromList() override;
  bool WriteToList() override;
};

}  // namespace wcthrm
