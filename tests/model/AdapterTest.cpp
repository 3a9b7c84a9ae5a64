// The project manager: factory numbering, lookups, purging, edit dispatch.
#include <gtest/gtest.h>

#include "model/uBaseClass.h"

namespace wcthrm {
namespace {

TypeIds HostIds() {
  TypeIds ids;
  ids.RecycleBin = 1;
  ids.KxPrj = 2;
  ids.Kxfolder = 3;
  return ids;
}

TEST(TKxObjAdapter, CreateItemNumbersNodesAndSkipsUnknownIdentifiers) {
  TKxObjAdapter mgr(HostIds());
  TKxObj* a = mgr.CreateItem(1);
  EXPECT_EQ(mgr.CreateItem(999), nullptr);
  TKxObj* b = mgr.CreateItem(2);
  TKxObj* c = mgr.CreateItem(3);
  ASSERT_TRUE(a && b && c);
  EXPECT_EQ(a->InnerIndex, 0);
  EXPECT_EQ(b->InnerIndex, 1);
  EXPECT_EQ(c->InnerIndex, 2);
  EXPECT_EQ(b->TypeId, 2);
  EXPECT_EQ(mgr.Items().size(), 3u);
  EXPECT_EQ(mgr.FindByInnerIndex(1), b);
  EXPECT_EQ(mgr.FindByInnerIndex(7), nullptr);
}

// -1 stands for an identifier missing from the host's configuration: it never makes a node.
TEST(TKxObjAdapter, MissingIdentifierMatchesNothing) {
  TypeIds someMissing = HostIds();
  someMissing.ConcreteConserve = 101;  // heating, freezing depth and transport are missing
  const struct {
    const char* name;
    TypeIds ids;
  } cases[] = {{"no configuration", TypeIds{}}, {"item kinds missing", someMissing}};
  for (const auto& c : cases) {
    TKxObjAdapter mgr(c.ids);
    EXPECT_EQ(mgr.CreateItem(kMissingTypeId), nullptr) << c.name;
    EXPECT_TRUE(mgr.Items().empty()) << c.name;
    ItemKind kind;
    EXPECT_FALSE(KindOf(c.ids, kMissingTypeId, kind)) << c.name;
  }
  TKxObjAdapter mgr(someMissing);
  TKxObj* curing = mgr.CreateItem(101);
  ASSERT_NE(curing, nullptr);
  EXPECT_EQ(curing->InnerIndex, 0);
}

TEST(TKxObjAdapter, PurgeDeletedCases) {
  const struct {
    const char* name;
    std::vector<bool> marked;
    std::vector<int32_t> kept;  // InnerIndex of the remaining entries
  } cases[] = {
      {"none", {false, false, false}, {0, 1, 2}},
      {"some", {true, false, true}, {1}},
      {"all", {true, true, true}, {}},
  };
  for (const auto& c : cases) {
    TKxObjAdapter mgr(HostIds());
    std::vector<TKxObj*> nodes;
    for (bool mark : c.marked) {
      nodes.push_back(mgr.CreateItem(1));
      nodes.back()->innerDel = mark;
    }
    mgr.PurgeDeleted();
    std::vector<int32_t> kept;
    for (TKxObj* n : mgr.Items()) kept.push_back(n->InnerIndex);
    EXPECT_EQ(kept, c.kept) << c.name;
    // Purged nodes stay usable.
    for (TKxObj* n : nodes) EXPECT_TRUE(n->WriteToList()) << c.name;
  }
}

TEST(TKxObjAdapter, InnerIndexStaysUniqueAfterPurge) {
  TKxObjAdapter mgr(HostIds());
  TKxObj* first = mgr.CreateItem(1);
  TKxObj* second = mgr.CreateItem(1);
  first->innerDel = true;
  mgr.PurgeDeleted();
  TKxObj* third = mgr.CreateItem(1);
  EXPECT_EQ(third->InnerIndex, 2);  // not 1, which the second node still holds
  EXPECT_EQ(mgr.FindByInnerIndex(1), second);
  EXPECT_EQ(mgr.FindByInnerIndex(2), third);
}

class RecordingEditor : public IItemEditor {
 public:
  bool Edit(ItemKind kind, TKxObj& item) override {
    edited.push_back(&item);
    kinds.push_back(kind);
    return answer;
  }
  void CloseAll() override { ++closed; }
  bool answer = false;
  std::vector<TKxObj*> edited;
  std::vector<ItemKind> kinds;
  int closed = 0;
};

TEST(TKxObjAdapter, EditItemDispatch) {
  TypeIds ids = HostIds();
  ids.ConcreteHeat = 1;  // also a host node identifier
  ids.DepthOfSoil = 50;
  ids.TongTransitIrrigate = 50;
  RecordingEditor editor;  // outlives the manager, which closes its dialogs when destroyed
  TKxObjAdapter mgr(ids);
  mgr.SetEditor(&editor);
  TKxObj& plain = mgr.CreateNode();
  TKxObj* host = mgr.CreateItem(1);  // the host node wins the shared identifier
  TKxObj* depth = mgr.CreateItem(50);
  ASSERT_TRUE(host && depth);

  // An item kind's identifier opens that kind's dialog, first row winning.
  editor.answer = true;
  mgr.EditItem(*depth->Interface());
  ASSERT_EQ(editor.kinds.size(), 1u);
  EXPECT_EQ(editor.kinds[0], ItemKind::DepthOfSoil);
  EXPECT_EQ(editor.edited[0], depth);
  EXPECT_TRUE(depth->Modified);

  // Modified already true stays true whatever the dialog says.
  editor.answer = false;
  mgr.EditItem(*depth->Interface());
  EXPECT_TRUE(depth->Modified);
  EXPECT_EQ(editor.edited.size(), 2u);

  // Deleted nodes, nodes outside the item list, plain kinds, and listed nodes whose object is
  // not of the kind's item class (a host node given a kind's identifier) open nothing.
  depth->deleted = true;
  mgr.EditItem(*depth->Interface());
  plain.TypeId = 50;
  mgr.EditItem(*plain.Interface());
  host->TypeId = 50;
  mgr.EditItem(*host->Interface());
  depth->deleted = false;
  depth->TypeId = 2;
  mgr.EditItem(*depth->Interface());
  EXPECT_EQ(editor.edited.size(), 2u);
  EXPECT_GE(editor.closed, 6);
}

}  // namespace
}  // namespace wcthrm
