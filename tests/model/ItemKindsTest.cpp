// The kind table wires each kind once: the rows must agree with the classes they name.
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "model/ItemKinds.h"
#include "model/KxItem.h"

namespace wcthrm {
namespace {

TEST(ItemKinds, RowsAgreeWithTheirClasses) {
  const ItemKind order[] = {ItemKind::ConcreteHeat, ItemKind::ConcreteConserve,
                            ItemKind::DepthOfSoil, ItemKind::TongTransitIrrigate};
  ASSERT_EQ(ItemKinds().size(), std::size(order));
  for (size_t i = 0; i < std::size(order); ++i) {
    const ItemKindInfo& row = ItemKinds()[i];
    const std::string name = row.name;
    EXPECT_EQ(row.kind, order[i]) << name;
    EXPECT_EQ(&InfoOf(row.kind), &row) << name;
    EXPECT_EQ(row.itemClass, "T" + name);
    EXPECT_EQ(row.dialogClass, "Tfrm_" + name);
    EXPECT_EQ(row.defaultsSection, name + " information");
    const std::unique_ptr<TKxItem> item = row.make();
    ASSERT_NE(item, nullptr) << name;
    EXPECT_STREQ(item->DefaultsSection(), row.defaultsSection) << name;
    EXPECT_NE(std::string(typeid(*item).name()).find(row.itemClass), std::string::npos) << name;
    EXPECT_EQ(FindItemKind(name), &row);
  }
  EXPECT_EQ(FindItemKind("depthofsoil"), &InfoOf(ItemKind::DepthOfSoil));
  EXPECT_EQ(FindItemKind("Depth"), nullptr);
}

}  // namespace
}  // namespace wcthrm
