#include "model/U_Class_TongTransitIrrigate.h"

#include "model/Defaults.h"
#include "model/Properties.h"
#include "support/Errors.h"

namespace wcthrm {

namespace {

using P = Property<TTongTransitIrrigate>;

// Declaration order, which is also the order of the entries.
const P kProperties[] = {
    {"Cjwd", &TTongTransitIrrigate::Cjwd},         {"Wdssxs", &TTongTransitIrrigate::Wdssxs},
    {"Ysdjzdsj", &TTongTransitIrrigate::Ysdjzdsj}, {"Yzcs", &TTongTransitIrrigate::Yzcs},
    {"Hjwd", &TTongTransitIrrigate::Hjwd},         {"cf", &TTongTransitIrrigate::cf},
    {"cs", &TTongTransitIrrigate::cs},             {"mf", &TTongTransitIrrigate::mf},
    {"ms", &TTongTransitIrrigate::ms},             {"Tf", &TTongTransitIrrigate::Tf},
    {"Ts", &TTongTransitIrrigate::Ts},             {"Wendu", &TTongTransitIrrigate::Wendu},
    {"Zhiliang", &TTongTransitIrrigate::Zhiliang}, {"Hntbrr", &TTongTransitIrrigate::Hntbrr},
};

}  // namespace

bool TTongTransitIrrigate::WriteToList() {
  TKxObj::WriteToList();
  WriteProperties<TTongTransitIrrigate>(ValueList, *this, kProperties);
  return true;
}

bool TTongTransitIrrigate::ReadFromList() {
  // One guard for the whole read: the first failed conversion ends it, what was read stays.
  return ReadStopping(
      [this] { ReadProperties<TTongTransitIrrigate>(ValueList, *this, kProperties, {}); });
}

void TTongTransitIrrigate::LoadDefaultsFrom(const IniFile& ini) {
  TKxObj::WriteToList();  // the identity entries from the current fields
  AppendSectionValues(ini);
  ReadFromList();
}

}  // namespace wcthrm
