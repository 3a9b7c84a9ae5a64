#include "CalcRun.h"

#include <array>

#include "ConcreteConserveForm.h"
#include "ConcreteHeatForm.h"
#include "DepthOfSoilForm.h"
#include "Gbk.h"
#include "IniFile.h"
#include "NumberText.h"
#include "TongTransitIrrigateForm.h"

namespace wcthrm::cli {

namespace {

// The factory's way: construct, then load the defaults; then what the open dialog holds.
template <class Item, class Form>
Outcome RunKind(std::string_view gbkDefaults, int tab, Form (*load)(const Item&),
                calc::CheckResult (*check)(const Form&, int),
                calc::BookLines (*book)(const Form&, int)) {
  Item item;
  item.LoadDefaultsFrom(IniFile("input", gbkDefaults));
  const Form form = load(item);
  Outcome out;
  out.fault = check(form, tab);
  if (!out.fault) out.book = book(form, tab);
  return out;
}

const std::array<Kind, 4> kKinds = {{
    {"ConcreteHeat", calc::concreteheat::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::concreteheat::Load, &calc::concreteheat::Check,
                      &calc::concreteheat::Book);
     }},
    {"ConcreteConserve", calc::concreteconserve::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::concreteconserve::Load, &calc::concreteconserve::Check,
                      &calc::concreteconserve::Book);
     }},
    {"DepthOfSoil", calc::depthofsoil::kTabCount,
     [](std::string_view in, int tab) {
       return RunKind(in, tab, &calc::depthofsoil::Load, &calc::depthofsoil::Check,
                      &calc::depthofsoil::Book);
     }},
    {"TongTransitIrrigate", calc::tongtransitirrigate::kTabCount,
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

Outcome Run(const Kind& kind, int tab, const std::string& input, bool utf8) {
  return kind.run(utf8 ? ToGbk(input) : input, tab);
}

}  // namespace wcthrm::cli
