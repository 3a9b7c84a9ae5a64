#include "cli/CalcRun.h"

#include <array>

#include "calc/ConcreteConserveForm.h"
#include "calc/ConcreteHeatForm.h"
#include "calc/DepthOfSoilForm.h"
#include "support/IniFile.h"
#include "support/NumberText.h"
#include "calc/TongTransitIrrigateForm.h"

namespace wcthrm::cli {

namespace {

// The factory's way: construct, then load the defaults; then what the open dialog holds.
// Unlike the factory, a value that does not convert is an error: a book computed from the
// constructor's values instead would look right and be wrong.
template <class Item, class Form>
Outcome RunKind(std::string_view gbkDefaults, int tab, Form (*load)(const Item&),
                calc::CheckResult (*check)(const Form&, int),
                calc::BookLines (*book)(const Form&, int)) {
  const IniFile ini("input", gbkDefaults);
  Item item;
  if (!ini.HasSection(item.DefaultsSection())) throw MissingSection{item.DefaultsSection()};
  item.LoadDefaults(ini, TKxItem::ReadRule::Strict);
  const Form form = load(item);
  Outcome out;
  out.fault = check(form, tab);
  if (!out.fault) out.book = book(form, tab);
  return out;
}

const std::array<Kind, 4> kKinds = {{
    {"ConcreteHeat", TConcreteHeat::kDefaultsSection, calc::concreteheat::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::concreteheat::Load, &calc::concreteheat::Check,
                      &calc::concreteheat::Book);
     }},
    {"ConcreteConserve", TConcreteConserve::kSection, calc::concreteconserve::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::concreteconserve::Load, &calc::concreteconserve::Check,
                      &calc::concreteconserve::Book);
     }},
    {"DepthOfSoil", TDepthOfSoil::kSection, calc::depthofsoil::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::depthofsoil::Load, &calc::depthofsoil::Check,
                      &calc::depthofsoil::Book);
     }},
    {"TongTransitIrrigate", TTongTransitIrrigate::kSection, calc::tongtransitirrigate::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::tongtransitirrigate::Load, &calc::tongtransitirrigate::Check,
                      &calc::tongtransitirrigate::Book);
     }},
}};

}  // namespace

std::span<const Kind> Kinds() { return kKinds; }

const Kind* FindKind(std::string_view name) {
  for (const Kind& k : kKinds)
    if (EqualsIgnoringAsciiCase(k.name, name)) return &k;
  return nullptr;
}

Outcome Run(const Kind& kind, int tab, std::string_view gbkInput) { return kind.run(gbkInput, tab); }

}  // namespace wcthrm::cli
