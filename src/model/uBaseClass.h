// The project model: the named-value list, the node base object and the project manager.
// The host reaches nodes and manager through the interfaces of include/wcthrm/wcthrm.h,
// which each object implements in a nested adapter (see uBaseClassIface.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "support/FoldedIndex.h"
#include "support/Variant.h"
#include "wcthrm/wcthrm.h"

namespace wcthrm {

// One entry of a TMyList. (Its text and number fields, which nothing ever reads, are not kept:
// the host reaches entries only through IKxValueList.)
struct TMyrecord {
  Variant value;
};

// Ordered named values. Names are GBK texts cut to 255 bytes; lookups fold a-z, trim bytes
// <= 32 and see the last entry of a name. Duplicates are kept in order.
class TMyList {
 public:
  static constexpr size_t kMaxName = 255;

  TMyList();
  ~TMyList();
  TMyList(const TMyList&) = delete;
  TMyList& operator=(const TMyList&) = delete;

  void Add(std::string_view name, Variant value);
  // Appends an entry under the name of the entry at pos; the two share the name's bytes.
  void AddAgain(int pos, Variant value);
  const TMyrecord* Find(std::string_view name) const;
  // Copies the found value into value; leaves it alone when there is none.
  void GetValue(std::string_view name, Variant& value) const;
  void Clear();
  // Makes room for n entries in all whose names take nameBytes bytes and hold `names`
  // different names in all.
  void Reserve(size_t n, size_t nameBytes, size_t names);
  // Bytes the names of the entries now held take.
  size_t NameBytes() const { return nameBytes_.size(); }

  int Count() const { return static_cast<int>(entries_.size()); }
  const TMyrecord& EntryAt(int pos) const { return entries_.at(static_cast<size_t>(pos)); }
  // The stored name; zero-terminated, valid until the list next changes.
  std::string_view NameAt(int pos) const;

  // The host's view of this list.
  IKxValueList* Interface();

  // The form under which names are compared: cut to 255 bytes, bytes <= 32 trimmed from both
  // ends (a-z are folded by the comparison itself).
  static std::string_view KeyOf(std::string_view name);

 private:
  // Names compare byte for byte with a-z folded.
  struct Fold {
    static uint32_t Hash(std::string_view s);
    static bool Equal(std::string_view a, std::string_view b);
  };

  class Iface;
  std::vector<TMyrecord> entries_;
  struct NameSpan {
    uint32_t start;     // where the name begins in nameBytes_
    uint8_t length;     // at most kMaxName
    uint8_t keyStart;   // the compared key within the name: blanks trimmed
    uint8_t keyLength;
  };
  static_assert(kMaxName <= 255, "name lengths fit a byte");
  std::string_view KeyAt(int pos) const;

  std::string nameBytes_;                  // every name, each followed by a zero byte
  std::vector<NameSpan> names_;
  FoldedIndex<Fold> lastByName_;           // key of a name -> its last position
  std::unique_ptr<Iface> iface_;
};

// Base of every project node; the item kinds derive from it.
class TKxObj {
 public:
  TKxObj();
  virtual ~TKxObj();
  TKxObj(const TKxObj&) = delete;
  TKxObj& operator=(const TKxObj&) = delete;

  int32_t InnerIndex = 0;
  int32_t P_index = -1;
  int32_t Index = -1;
  int32_t TypeId = 1;
  bool Modified = false;
  bool deleted = false;
  std::string Caption;  // GBK; "施工安全" when constructed
  bool IsScheme = false;
  bool innerDel = false;
  std::string PrjName;  // at most 255 bytes

  TMyList ValueList;

  virtual void ReservedCall(int32_t value);
  virtual void SaveDefaultData();
  virtual void LoadDefaultData();
  virtual bool ReadFromList();
  virtual bool WriteToList();

  // A plain node with this node's identity fields, owned by this node.
  TKxObj& CloneNode();
  // Copies a length byte and that many bytes.
  void SetPrjName(const uint8_t* text);

  IKxObj* Interface();
  // The node behind an interface handed out by this library, or nullptr.
  static TKxObj* FromInterface(IKxObj* iface);

 private:
  class Iface;
  std::unique_ptr<Iface> iface_;
  std::vector<std::unique_ptr<TKxObj>> owned_;
};

// What a type identifier missing from the host's configuration reads as; it matches nothing.
inline constexpr int32_t kMissingTypeId = -1;

// The host's type identifiers, read from its configuration at load; -1 when missing.
struct TypeIds {
  int32_t RecycleBin = -1;
  int32_t KxPrj = -1;
  int32_t Kxfolder = -1;
  int32_t ConcreteHeat = -1;
  int32_t ConcreteConserve = -1;
  int32_t DepthOfSoil = -1;
  int32_t TongTransitIrrigate = -1;
};

// The item kinds in the order in which type identifiers are compared.
enum class ItemKind { ConcreteHeat, ConcreteConserve, DepthOfSoil, TongTransitIrrigate };

// The kind of a type identifier, first equal row winning; false when it is none or missing.
bool KindOf(const TypeIds& ids, int32_t typeId, ItemKind& kind);

// Opens the dialog of an item; installed by the library so the model does not know the UI.
class IItemEditor {
 public:
  virtual ~IItemEditor() = default;
  // Shows the dialog of kind modally for item; returns whether the user changed an input.
  virtual bool Edit(ItemKind kind, TKxObj& item) = 0;
  // Destroys any dialog that still exists.
  virtual void CloseAll() = 0;
};

// Makes the item object of a kind, constructed with its constructor values only.
std::unique_ptr<TKxObj> MakeItem(ItemKind kind);

// The project manager.
class TKxObjAdapter {
 public:
  explicit TKxObjAdapter(TypeIds ids);
  ~TKxObjAdapter();
  TKxObjAdapter(const TKxObjAdapter&) = delete;
  TKxObjAdapter& operator=(const TKxObjAdapter&) = delete;

  bool Modified = false;
  intptr_t ProjectInfo = 0;

  const std::string& Description() const { return description_; }
  void SetDescription(std::string text) { description_ = std::move(text); }

  // A plain node owned by the manager, not in the item list.
  TKxObj& CreateNode();
  // The node for typeId with its defaults loaded, appended to the item list; nullptr when
  // typeId is none of the configured identifiers. Errors of LoadDefaultData propagate and
  // nothing is added.
  TKxObj* CreateItem(int32_t typeId);
  TKxObj* FindByInnerIndex(int32_t index) const;
  // Opens the item's dialog; returns at once for a deleted node, a node the item list does not
  // hold, or one of no item kind.
  void EditItem(IKxObj& item);
  void PurgeDeleted();

  const std::vector<TKxObj*>& Items() const { return items_; }
  const TypeIds& Ids() const { return ids_; }
  void SetEditor(IItemEditor* editor) { editor_ = editor; }

  IKxPrjMgr* Interface();

 private:
  class Iface;
  TypeIds ids_;
  std::string description_ = "3.5.0.12";
  std::vector<TKxObj*> items_;                   // the item list
  std::vector<std::unique_ptr<TKxObj>> made_;    // every CreateItem object, alive until unload
  std::vector<std::unique_ptr<TKxObj>> nodes_;   // CreateNode objects
  int32_t nextInnerIndex_ = 0;                   // never goes back, so indexes stay unique
  IItemEditor* editor_ = nullptr;
  std::unique_ptr<Iface> iface_;
};

}  // namespace wcthrm
