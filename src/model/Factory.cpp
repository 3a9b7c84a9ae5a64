// The item factory's rows: which class each item kind is.
#include "uBaseClass.h"

namespace wcthrm {

std::unique_ptr<TKxObj> MakeItem(ItemKind kind) {
  switch (kind) {
    case ItemKind::ConcreteHeat:
    case ItemKind::ConcreteConserve:
    case ItemKind::DepthOfSoil:
    case ItemKind::TongTransitIrrigate:
      break;
  }
  return nullptr;
}

}  // namespace wcthrm
