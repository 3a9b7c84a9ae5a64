#include "model/uBaseClass.h"

#include <algorithm>

#include "model/ItemKinds.h"
#include "support/Gbk.h"
#include "support/NumberText.h"

namespace wcthrm {

// ---- TMyList ----

std::string_view TMyList::KeyOf(std::string_view name) {
  if (name.size() > kMaxName) name = name.substr(0, kMaxName);
  // Names rarely carry blanks: skip the trim when neither end has one.
  if (!name.empty() && static_cast<unsigned char>(name.front()) > 32 &&
      static_cast<unsigned char>(name.back()) > 32)
    return name;
  return TrimBlanks(name);
}

namespace {
inline unsigned char Upper(char c) {
  return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
}
}  // namespace

uint32_t TMyList::Fold::Hash(std::string_view s) { return CaseBlindHash(s); }

bool TMyList::Fold::Equal(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;
  for (size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

std::string_view TMyList::NameAt(int pos) const {
  const NameSpan& n = names_.at(static_cast<size_t>(pos));
  return std::string_view(nameBytes_.data() + n.start, n.length);
}

std::string_view TMyList::KeyAt(int pos) const {
  const NameSpan& n = names_[static_cast<size_t>(pos)];
  return std::string_view(nameBytes_.data() + n.start + n.keyStart, n.keyLength);
}

void TMyList::Add(std::string_view name, Variant value) {
  if (name.size() > kMaxName) name = name.substr(0, kMaxName);
  const std::string_view key = KeyOf(name);
  NameSpan span{static_cast<uint32_t>(nameBytes_.size()), static_cast<uint8_t>(name.size()),
                static_cast<uint8_t>(key.data() - name.data()), static_cast<uint8_t>(key.size())};
  nameBytes_.append(name.data(), name.size());  // safe when name lies in nameBytes_ itself
  nameBytes_.push_back('\0');
  entries_.push_back({std::move(value)});
  names_.push_back(span);
  const int pos = Count() - 1;
  auto keyAt = [this](int p) { return KeyAt(p); };
  lastByName_.Put(KeyAt(pos), pos, true, keyAt);
}

void TMyList::AddAgain(int pos, Variant value) {
  const NameSpan span = names_.at(static_cast<size_t>(pos));
  entries_.push_back({std::move(value)});
  names_.push_back(span);
  const int last = Count() - 1;
  auto keyAt = [this](int p) { return KeyAt(p); };
  lastByName_.Put(KeyAt(last), last, true, keyAt);
}

const TMyrecord* TMyList::Find(std::string_view name) const {
  const int pos = lastByName_.Find(KeyOf(name), [this](int p) { return KeyAt(p); });
  return pos < 0 ? nullptr : &entries_[static_cast<size_t>(pos)];
}

void TMyList::GetValue(std::string_view name, Variant& value) const {
  try {
    if (const TMyrecord* r = Find(name)) value = r->value;
  } catch (...) {
    // a failed lookup or copy leaves the variable as it was
  }
}

void TMyList::Reserve(size_t n, size_t nameBytes, size_t names) {
  entries_.reserve(n);
  names_.reserve(n);
  nameBytes_.reserve(nameBytes);
  lastByName_.Reserve(names);
}

void TMyList::Clear() {
  // Released, not kept: a node's list is refilled at its own size, and the memory of a large
  // staging list goes back to the items that come next.
  lastByName_.Clear();
  std::vector<TMyrecord>().swap(entries_);
  std::vector<NameSpan>().swap(names_);
  std::string().swap(nameBytes_);
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

// ---- TKxObjAdapter ----

TKxObj& TKxObjAdapter::CreateNode() {
  nodes_.push_back(std::make_unique<TKxObj>());
  return *nodes_.back();
}

TKxObj* TKxObjAdapter::CreateItem(int32_t typeId) {
  std::unique_ptr<TKxObj> node;
  ItemKind kind;
  if (typeId == kMissingTypeId) return nullptr;  // an identifier the host never configured
  if (typeId == ids_.RecycleBin || typeId == ids_.KxPrj || typeId == ids_.Kxfolder) {
    node = std::make_unique<TKxObj>();
  } else if (KindOf(ids_, typeId, kind)) {
    node = MakeItem(kind);
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
    // A node whose object is not of the kind's item class (a host node given a kind's
    // identifier) has no dialog: the dialog would read it as an item it is not.
    if (node && editor_ && KindOf(ids_, item.GetTypeId(), kind) && InfoOf(kind).holds(*node)) {
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
