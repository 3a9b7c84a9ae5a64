// The item factory's rows: which class each item kind is.
#include "model/U_Class_ConcreteConserve.h"
#include "model/U_Class_ConcreteHeat.h"
#include "model/U_Class_DepthOfSoil.h"
#include "model/U_Class_TongTransitIrrigate.h"
#include "model/uBaseClass.h"

namespace wcthrm {

std::unique_ptr<TKxObj> MakeItem(ItemKind kind) {
  switch (kind) {
    case ItemKind::ConcreteHeat: return std::make_unique<TConcreteHeat>();
    case ItemKind::ConcreteConserve: return std::make_unique<TConcreteConserve>();
    case ItemKind::DepthOfSoil: return std::make_unique<TDepthOfSoil>();
    case ItemKind::TongTransitIrrigate: return std::make_unique<TTongTransitIrrigate>();
  }
  return nullptr;
}

}  // namespace wcthrm
