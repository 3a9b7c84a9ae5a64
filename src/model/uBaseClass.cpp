#include "uBaseClass.h"

#include <algorithm>

#include "Gbk.h"

namespace wcthrm {

// ---- TMyList ----

std::string TMyList::NormalizeName(std::string_view name) {
  if (name.size() > kMaxName) name = name.substr(0, kMaxName);
  std::string folded(name);
  for (char& c : folded) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  size_t b = 0, e = folded.size();
  while (b < e && static_cast<unsigned char>(folded[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(folded[e - 1]) <= 32) --e;
  return folded.substr(b, e - b);
}

void TMyList::Add(std::string_view name, const Variant& value) {
  if (name.size() > kMaxName) name = name.substr(0, kMaxName);
  entries_.push_back({value, {}, 0});
  names_.emplace_back(name);
  lastByName_[NormalizeName(name)] = static_cast<int>(entries_.size()) - 1;
}

const TMyrecord* TMyList::Find(std::string_view name) const {
  auto it = lastByName_.find(NormalizeName(name));
  return it == lastByName_.end() ? nullptr : &entries_[static_cast<size_t>(it->second)];
}

void TMyList::GetValue(std::string_view name, Variant& value) const {
  try {
    if (const TMyrecord* r = Find(name)) value = r->value;
  } catch (...) {
    // a failed lookup or copy leaves the variable as it was
  }
}

void TMyList::Clear() {
  entries_.clear();
  names_.clear();
  lastByName_.clear();
}

// ---- TKxObj ----

void TKxObj::ReservedCall(int32_t) {}
void TKxObj::SaveDefaultData() {}
void TKxObj::LoadDefaultData() {}

bool TKxObj::WriteToList() {
  ValueList.Clear();
  ValueList.Add("caption", Variant(Caption));
  ValueList.Add("index", Variant(Index));
  ValueList.Add("P_index", Variant(P_index));
  ValueList.Add("typeid", Variant(TypeId));
  return true;
}

bool TKxObj::ReadFromList() {
  // One guarded sequence: a failed conversion skips the rest and keeps what was assigned.
  try {
    Variant v;
    ValueList.GetValue("caption", v);
    Caption = v.ToText();
    v = Variant();
    ValueList.GetValue("index", v);
    Index = v.ToInt();
    v = Variant();
    ValueList.GetValue("P_index", v);
    P_index = v.ToInt();
    v = Variant();
    ValueList.GetValue("typeid", v);
    TypeId = v.ToInt();
  } catch (const std::exception&) {
  }
  return true;
}

TKxObj& TKxObj::CloneNode() {
  auto clone = std::make_unique<TKxObj>();
  clone->Index = Index;
  clone->P_index = P_index;
  clone->Modified = Modified;
  clone->TypeId = TypeId;
  clone->Caption = Caption;
  clone->deleted = deleted;
  owned_.push_back(std::move(clone));
  return *owned_.back();
}

void TKxObj::SetPrjName(const uint8_t* text) {
  PrjName.assign(reinterpret_cast<const char*>(text + 1), text[0]);
}

// ---- item kinds ----

bool KindOf(const TypeIds& ids, int32_t typeId, ItemKind& kind) {
  const std::pair<int32_t, ItemKind> rows[] = {
      {ids.ConcreteHeat, ItemKind::ConcreteHeat},
      {ids.ConcreteConserve, ItemKind::ConcreteConserve},
      {ids.DepthOfSoil, ItemKind::DepthOfSoil},
      {ids.TongTransitIrrigate, ItemKind::TongTransitIrrigate},
  };
  for (const auto& [id, k] : rows) {
    if (id == typeId) {
      kind = k;
      return true;
    }
  }
  return false;
}

// ---- TKxObjAdapter ----

TKxObj& TKxObjAdapter::CreateNode() {
  nodes_.push_back(std::make_unique<TKxObj>());
  return *nodes_.back();
}

TKxObj* TKxObjAdapter::CreateItem(int32_t typeId) {
  std::unique_ptr<TKxObj> node;
  ItemKind kind;
  if (typeId == ids_.RecycleBin || typeId == ids_.KxPrj || typeId == ids_.Kxfolder) {
    node = std::make_unique<TKxObj>();
  } else if (KindOf(ids_, typeId, kind)) {
    node = MakeItem(kind);
    if (!node) return nullptr;
  } else {
    return nullptr;
  }
  node->LoadDefaultData();
  node->TypeId = typeId;
  node->InnerIndex = nextInnerIndex_++;
  items_.push_back(node.get());
  made_.push_back(std::move(node));
  return items_.back();
}

TKxObj* TKxObjAdapter::FindByInnerIndex(int32_t index) const {
  TKxObj* found = nullptr;
  for (TKxObj* item : items_) {
    if (item->InnerIndex == index) found = item;
  }
  return found;
}

void TKxObjAdapter::EditItem(IKxObj& item) {
  // The item is read through its interface, as a host would hand any node.
  if (!item.GetDeleted()) {
    TKxObj* node = FindByInnerIndex(item.GetInnerIndex());
    // A node outside the item list (CreateNode, a clone) can share a listed number: it must
    // never open the dialog of another node.
    if (node && node->Interface() != &item) node = nullptr;
    ItemKind kind;
    if (node && editor_ && KindOf(ids_, item.GetTypeId(), kind)) {
      bool changed = editor_->Edit(kind, *node);
      if (!item.GetModified()) item.SetModified(changed ? 1 : 0);
    }
  }
  if (editor_) editor_->CloseAll();
}

void TKxObjAdapter::PurgeDeleted() {
  std::erase_if(items_, [](TKxObj* item) { return item->innerDel; });
}

}  // namespace wcthrm
