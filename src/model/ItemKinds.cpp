#include "model/ItemKinds.h"

#include <array>

#include "model/U_Class_ConcreteConserve.h"
#include "model/U_Class_ConcreteHeat.h"
#include "model/U_Class_DepthOfSoil.h"
#include "model/U_Class_TongTransitIrrigate.h"
#include "support/NumberText.h"

namespace wcthrm {

namespace {

template <class Item>
std::unique_ptr<TKxItem> Make() {
  return std::make_unique<Item>();
}

template <class Item>
bool Holds(const TKxObj& node) {
  return dynamic_cast<const Item*>(&node) != nullptr;
}

constexpr std::array<ItemKindInfo, 4> kKinds = {{
    {ItemKind::ConcreteHeat, "ConcreteHeat", &TypeIds::ConcreteHeat, "TConcreteHeat",
     TConcreteHeat::kSection, "Tfrm_ConcreteHeat", "砼组成材料加热和拌和物温度计算",
     &Make<TConcreteHeat>, &Holds<TConcreteHeat>},
    {ItemKind::ConcreteConserve, "ConcreteConserve", &TypeIds::ConcreteConserve,
     "TConcreteConserve", TConcreteConserve::kSection, "Tfrm_ConcreteConserve",
     "混凝土养护硬化温度计算", &Make<TConcreteConserve>, &Holds<TConcreteConserve>},
    {ItemKind::DepthOfSoil, "DepthOfSoil", &TypeIds::DepthOfSoil, "TDepthOfSoil",
     TDepthOfSoil::kSection, "Tfrm_DepthOfSoil", "土壤冻结深度计算", &Make<TDepthOfSoil>, &Holds<TDepthOfSoil>},
    {ItemKind::TongTransitIrrigate, "TongTransitIrrigate", &TypeIds::TongTransitIrrigate,
     "TTongTransitIrrigate", TTongTransitIrrigate::kSection, "Tfrm_TongTransitIrrigate",
     "砼运输和浇灌成型温度计算", &Make<TTongTransitIrrigate>, &Holds<TTongTransitIrrigate>},
}};

}  // namespace

std::span<const ItemKindInfo> ItemKinds() { return kKinds; }

const ItemKindInfo& InfoOf(ItemKind kind) {
  for (const ItemKindInfo& info : kKinds)
    if (info.kind == kind) return info;
  return kKinds.front();  // unreachable: every kind has its row
}

const ItemKindInfo* FindItemKind(std::string_view name) {
  for (const ItemKindInfo& info : kKinds)
    if (EqualsIgnoringAsciiCase(info.name, name)) return &info;
  return nullptr;
}

std::unique_ptr<TKxObj> MakeItem(ItemKind kind) { return InfoOf(kind).make(); }

bool KindOf(const TypeIds& ids, int32_t typeId, ItemKind& kind) {
  for (const ItemKindInfo& info : kKinds) {
    const int32_t id = ids.*info.typeId;
    if (id != kMissingTypeId && id == typeId) {
      kind = info.kind;
      return true;
    }
  }
  return false;
}

}  // namespace wcthrm
