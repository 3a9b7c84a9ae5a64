// TConcreteHeat: list entries, guarded list reads and the defaults of the kind.
#include "model/U_Class_ConcreteHeat.h"

#include "model/Defaults.h"
#include "model/Properties.h"
#include "support/Errors.h"
#include "support/Gbk.h"

namespace wcthrm {

namespace {

using P = Property<TConcreteHeat>;

// Declaration order is the order of the list entries and of the defaults keys.
const P kProperties[] = {
    {"Clbr", &TConcreteHeat::Clbr},       {"Clmi", &TConcreteHeat::Clmi},
    {"Yll", &TConcreteHeat::Yll},         {"Jrqclwd", &TConcreteHeat::Jrqclwd},
    {"Bjyxs", &TConcreteHeat::Bjyxs},     {"Jrhclwd", &TConcreteHeat::Jrhclwd},
    {"Sjlyxs", &TConcreteHeat::Sjlyxs},   {"Jrfs", &TConcreteHeat::Jrfs},
    {"Snbh", &TConcreteHeat::Snbh},       {"Wjqw", &TConcreteHeat::Wjqw},
    {"Jrzgwd", &TConcreteHeat::Jrzgwd},   {"mw", &TConcreteHeat::mw},
    {"mce", &TConcreteHeat::mce},         {"msa", &TConcreteHeat::msa},
    {"mg", &TConcreteHeat::mg},           {"Tw", &TConcreteHeat::Tw},
    {"Tce", &TConcreteHeat::Tce},         {"Tsa", &TConcreteHeat::Tsa},
    {"Tg", &TConcreteHeat::Tg},           {"Cldrb", &TConcreteHeat::Cldrb},
    {"Sdrjr", &TConcreteHeat::Sdrjr},     {"Szhsl", &TConcreteHeat::Szhsl},
    {"Hsl", &TConcreteHeat::Hsl},         {"Bhwwd", &TConcreteHeat::Bhwwd},
    {"Bhjpnwd", &TConcreteHeat::Bhjpnwd},
};

}  // namespace

TConcreteHeat::TConcreteHeat()
    : Clbr(1),
      Clmi(1),
      Yll(100),
      Jrqclwd(0),
      Bjyxs(1),
      Jrhclwd(5),
      Sjlyxs(1),
      Jrfs(WCTHRM_GBK("蓄热法")),
      Snbh(WCTHRM_GBK("≥525")),
      Wjqw(0),
      Jrzgwd(5),
      mw("mw"),
      mce("mce"),
      msa("msa"),
      mg("mg"),
      Tw("Tw"),
      Tce("Tce"),
      Tsa("Tsa"),
      Tg("Tg"),
      Cldrb(1),
      Sdrjr(1),
      Szhsl(0),
      Hsl(0),
      Bhwwd(1),
      Bhjpnwd(0) {}

bool TConcreteHeat::WriteToList() {
  TKxObj::WriteToList();
  WriteProperties<TConcreteHeat>(ValueList, *this, kProperties);
  return true;
}

bool TConcreteHeat::ReadFromList() {
  // Identity fields stay as they are. A failed conversion stops the read where it is and
  // keeps what was assigned before it.
  return ReadStopping([this] { ReadProperties<TConcreteHeat>(ValueList, *this, kProperties, {}); });
}

void TConcreteHeat::LoadDefaultsFrom(const IniFile& ini) {
  TKxObj::WriteToList();  // the identity entries from the current fields
  AppendSectionValues(ini);
  ReadFromList();  // a saved default that is no number just ends the read
}

}  // namespace wcthrm
