// TConcreteHeat: list entries, guarded list reads and the defaults of the kind.
#include "model/U_Class_ConcreteHeat.h"

#include "model/Defaults.h"
#include "support/Errors.h"
#include "support/Gbk.h"

namespace wcthrm {

namespace {

// One property as it appears in the list and in update.ini: exactly one member is set.
struct Field {
  const char* name;
  double TConcreteHeat::*number;
  std::string TConcreteHeat::*text;
};

constexpr Field N(const char* name, double TConcreteHeat::*m) { return {name, m, nullptr}; }
constexpr Field T(const char* name, std::string TConcreteHeat::*m) { return {name, nullptr, m}; }

constexpr Field kFields[] = {
    N("Clbr", &TConcreteHeat::Clbr),       N("Clmi", &TConcreteHeat::Clmi),
    N("Yll", &TConcreteHeat::Yll),         N("Jrqclwd", &TConcreteHeat::Jrqclwd),
    N("Bjyxs", &TConcreteHeat::Bjyxs),     N("Jrhclwd", &TConcreteHeat::Jrhclwd),
    N("Sjlyxs", &TConcreteHeat::Sjlyxs),   T("Jrfs", &TConcreteHeat::Jrfs),
    T("Snbh", &TConcreteHeat::Snbh),       N("Wjqw", &TConcreteHeat::Wjqw),
    N("Jrzgwd", &TConcreteHeat::Jrzgwd),   T("mw", &TConcreteHeat::mw),
    T("mce", &TConcreteHeat::mce),         T("msa", &TConcreteHeat::msa),
    T("mg", &TConcreteHeat::mg),           T("Tw", &TConcreteHeat::Tw),
    T("Tce", &TConcreteHeat::Tce),         T("Tsa", &TConcreteHeat::Tsa),
    T("Tg", &TConcreteHeat::Tg),           N("Cldrb", &TConcreteHeat::Cldrb),
    N("Sdrjr", &TConcreteHeat::Sdrjr),     N("Szhsl", &TConcreteHeat::Szhsl),
    N("Hsl", &TConcreteHeat::Hsl),         N("Bhwwd", &TConcreteHeat::Bhwwd),
    N("Bhjpnwd", &TConcreteHeat::Bhjpnwd),
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
  for (const Field& f : kFields) {
    if (f.number) {
      ValueList.Add(f.name, Variant(this->*f.number));
    } else {
      ValueList.Add(f.name, Variant(this->*f.text));
    }
  }
  return true;
}

bool TConcreteHeat::ReadFromList() {
  // Identity fields stay as they are. A failed conversion stops the read where it is and
  // keeps what was assigned before it.
  return ReadStopping([this] {
    for (const Field& f : kFields) {
      Variant v;
      ValueList.GetValue(f.name, v);
      if (f.number) {
        this->*f.number = ConvertNamed(f.name, [&] { return v.ToDouble(); });
      } else {
        this->*f.text = v.ToText();
      }
    }
  });
}

void TConcreteHeat::LoadDefaultsFrom(const IniFile& ini) {
  TKxObj::WriteToList();  // the identity entries from the current fields
  AppendSectionValues(ini);
  ReadFromList();  // a saved default that is no number just ends the read
}

}  // namespace wcthrm
