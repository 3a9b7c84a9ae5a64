// The one table of item kinds: the host's type identifier of each, its item class, the name
// the command line and the defaults section use, and its dialog's class and caption. The
// factory, the edit dispatch, the command line and the host read it; its row order is the
// order in which type identifiers are compared.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "model/uBaseClass.h"

namespace wcthrm {

class TKxItem;

struct ItemKindInfo {
  ItemKind kind;
  const char* name;             // the item class without its T: "ConcreteHeat"
  int32_t TypeIds::*typeId;     // the host's identifier of the kind
  const char* itemClass;        // "TConcreteHeat"
  const char* defaultsSection;  // name + " information", the kind's section of update.ini
  const char* dialogClass;      // "Tfrm_ConcreteHeat"
  const char* caption;          // the dialog's caption, UTF-8
  std::unique_ptr<TKxItem> (*make)();  // the item, constructed with its constructor values
  bool (*holds)(const TKxObj& node);    // node is an object of the kind's item class
};

// Every kind, in comparison order.
std::span<const ItemKindInfo> ItemKinds();

const ItemKindInfo& InfoOf(ItemKind kind);

// The kind of that name ("ConcreteHeat"), compared ignoring ASCII case; nullptr when none.
const ItemKindInfo* FindItemKind(std::string_view name);

}  // namespace wcthrm
