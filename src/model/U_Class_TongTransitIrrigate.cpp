#include "model/U_Class_TongTransitIrrigate.h"

#include "model/Defaults.h"
#include "support/Errors.h"

namespace wcthrm {

namespace {

// Visits the 14 properties in declaration order, which is also the order of the entries.
template <class Item, class Visit>
void ForEachProperty(Item& item, Visit&& visit) {
  visit("Cjwd", item.Cjwd);
  visit("Wdssxs", item.Wdssxs);
  visit("Ysdjzdsj", item.Ysdjzdsj);
  visit("Yzcs", item.Yzcs);
  visit("Hjwd", item.Hjwd);
  visit("cf", item.cf);
  visit("cs", item.cs);
  visit("mf", item.mf);
  visit("ms", item.ms);
  visit("Tf", item.Tf);
  visit("Ts", item.Ts);
  visit("Wendu", item.Wendu);
  visit("Zhiliang", item.Zhiliang);
  visit("Hntbrr", item.Hntbrr);
}

void Assign(double& target, const Variant& v) { target = v.ToDouble(); }
void Assign(int32_t& target, const Variant& v) { target = v.ToInt(); }
void Assign(std::string& target, const Variant& v) { target = v.ToText(); }


}  // namespace

bool TTongTransitIrrigate::WriteToList() {
  TKxObj::WriteToList();
  ForEachProperty(
      *this, [this](const char* name, const auto& value) { ValueList.Add(name, Variant(value)); });
  return true;
}

bool TTongTransitIrrigate::ReadFromList() {
  // One guard for the whole read: the first failed conversion ends it, what was read stays.
  return ReadStopping([this] {
    ForEachProperty(*this, [this](const char* name, auto& value) {
      Variant v;
      ValueList.GetValue(name, v);
      ConvertNamed(name, [&] { Assign(value, v); });
    });
  });
}

void TTongTransitIrrigate::LoadDefaultsFrom(const IniFile& ini) {
  TKxObj::WriteToList();  // the identity entries from the current fields
  AppendSectionValues(ini);
  ReadFromList();
}

}  // namespace wcthrm
