#include "ui/items/ItemDialogs.h"

#include "ui/items/U_ConcreteConserve.h"
#include "ui/items/U_ConcreteHeat.h"
#include "ui/items/U_DepthOfSoil.h"
#include "ui/items/U_TongTransitIrrigate.h"

namespace wcthrm::ui {

std::unique_ptr<TfrmKxEditForm> MakeItemDialog(ItemKind kind, QWidget* parent) {
  switch (kind) {
    case ItemKind::ConcreteHeat:
      return std::make_unique<Tfrm_ConcreteHeat>(parent);
    case ItemKind::ConcreteConserve:
      return std::make_unique<Tfrm_ConcreteConserve>(parent);
    case ItemKind::DepthOfSoil:
      return std::make_unique<Tfrm_DepthOfSoil>(parent);
    case ItemKind::TongTransitIrrigate:
      return std::make_unique<Tfrm_TongTransitIrrigate>(parent);
  }
  return nullptr;
}

}  // namespace wcthrm::ui
