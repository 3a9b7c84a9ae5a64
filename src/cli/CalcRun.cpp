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

// The calculations of each kind, in the order of the kind table.
const std::array<Kind, 4> kKinds = {{
    {&InfoOf(ItemKind::ConcreteHeat), calc::concreteheat::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::concreteheat::Load, &calc::concreteheat::Check,
                      &calc::concreteheat::Book);
     }},
    {&InfoOf(ItemKind::ConcreteConserve), calc::concreteconserve::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::concreteconserve::Load, &calc::concreteconserve::Check,
                      &calc::concreteconserve::Book);
     }},
    {&InfoOf(ItemKind::DepthOfSoil), calc::depthofsoil::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::depthofsoil::Load, &calc::depthofsoil::Check,
                      &calc::depthofsoil::Book);
     }},
    {&InfoOf(ItemKind::TongTransitIrrigate), calc::tongtransitirrigate::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::tongtransitirrigate::Load, &calc::tongtransitirrigate::Check,
                      &calc::tongtransitirrigate::Book);
     }},
}};

}  // namespace

std::span<const Kind> Kinds() { return kKinds; }

const Kind* FindKind(std::string_view name) {
  const ItemKindInfo* info = FindItemKind(name);
  if (!info) return nullptr;
  for (const Kind& k : kKinds)
    if (k.info == info) return &k;
  return nullptr;
}

Outcome Run(const Kind& kind, int tab, std::string_view gbkInput) { return kind.run(gbkInput, tab); }

}  // namespace wcthrm::cli
